#include "ui/controls/my_list_box.h"

#include <QPainter>

namespace torvale {

namespace {

constexpr int kTextMargin = 3;
const QColor kFocusFrame(255, 0, 0);

}  // namespace

CMyListBox::CMyListBox(QWidget* parent) : QListWidget(parent) {
  setObjectName("CMyListBox");
  setItemDelegate(new TabColumnsDelegate(*this));
  setUniformItemSizes(true);
}

void CMyListBox::SetColumns(std::vector<ListBoxColumn> columns) {
  if (columns.size() > kMaxColumns) columns.resize(kMaxColumns);
  columns_ = std::move(columns);
  viewport()->update();
}

void CMyListBox::SetItemHeight(int height) {
  itemHeight_ = std::max(0, height);
  doItemsLayout();
}

int CMyListBox::ItemHeight() const { return itemHeight_ > 0 ? itemHeight_ : fontMetrics().height() + 2; }

int CMyListBox::AddString(const QString& text) {
  addItem(text);
  return count() - 1;
}

QString CMyListBox::GetText(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->text() : QString();
}

TabColumnsDelegate::TabColumnsDelegate(CMyListBox& list) : QStyledItemDelegate(&list), list_(list) {}

std::vector<QRect> TabColumnsDelegate::ColumnRects(const std::vector<ListBoxColumn>& columns, int parts,
                                                   const QRect& item) {
  std::vector<QRect> rects;
  if (parts <= 0) return rects;
  if (columns.empty()) {
    const int width = item.width() / parts;
    for (int k = 0; k < parts; ++k)
      rects.emplace_back(item.left() + k * width, item.top(), k + 1 == parts ? item.width() - k * width : width,
                         item.height());
    return rects;
  }
  for (int k = 0; k < parts && k < static_cast<int>(columns.size()); ++k) {
    const ListBoxColumn& c = columns[static_cast<size_t>(k)];
    rects.emplace_back(item.left() + c.left, item.top(), std::max(0, c.right - c.left), item.height());
  }
  return rects;
}

void TabColumnsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  const bool selected = option.state & QStyle::State_Selected;
  const QPalette& palette = option.palette;
  painter->fillRect(option.rect, selected ? palette.brush(QPalette::Highlight) : palette.brush(QPalette::Base));
  painter->setPen(selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text));
  painter->setFont(option.font);

  const QStringList parts = index.data(Qt::DisplayRole).toString().split('\t');
  const std::vector<QRect> rects =
      ColumnRects(list_.Columns(), static_cast<int>(parts.size()), option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0));
  const std::vector<ListBoxColumn>& columns = list_.Columns();
  for (size_t k = 0; k < rects.size(); ++k) {
    Qt::Alignment flags = columns.empty() ? (Qt::AlignLeft | Qt::AlignVCenter) : columns[k].flags;
    if (!(flags & Qt::AlignVertical_Mask)) flags |= Qt::AlignVCenter;
    const QString text = painter->fontMetrics().elidedText(parts[static_cast<qsizetype>(k)], Qt::ElideRight, rects[k].width());
    painter->drawText(rects[k], static_cast<int>(flags) | Qt::TextSingleLine, text);
  }
  if (option.state & QStyle::State_HasFocus) {
    painter->setPen(kFocusFrame);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}

QSize TabColumnsDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(list_.ItemHeight());
  return size;
}

}  // namespace torvale
