#pragma once
// CMyListBox: the editors' multi-column list. Each item is one text whose columns are
// separated by tab characters ("Müller\tTW"); column k is drawn between the left and right
// edges set for it, aligned as its flags say. The selected item shows in the highlight
// colours; the item with the keyboard focus gets a red frame, so the focus stays visible
// while the selection is elsewhere.
//
//   auto* list = new CMyListBox(this);
//   list->SetColumns({{0, 180}, {190, 230, Qt::AlignRight}});
//   list->AddString(FromCp1252(name) + '\t' + role);
//
// Without columns, the tab-separated parts share the width equally. '&' in a text is drawn
// as it is, never as a mnemonic.

#include <QListWidget>
#include <QStyledItemDelegate>
#include <vector>

namespace torvale {

struct ListBoxColumn {
  int left = 0;
  int right = 0;
  Qt::Alignment flags = Qt::AlignLeft | Qt::AlignVCenter;
};

class CMyListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit CMyListBox(QWidget* parent = nullptr);

  // At most 100 columns are kept.
  void SetColumns(std::vector<ListBoxColumn> columns);
  const std::vector<ListBoxColumn>& Columns() const { return columns_; }
  // 0: the height of the font.
  void SetItemHeight(int height);
  int ItemHeight() const;

  // Appends an item; returns its row.
  int AddString(const QString& text);
  QString GetText(int row) const;

  static constexpr int kMaxColumns = 100;

 private:
  std::vector<ListBoxColumn> columns_;
  int itemHeight_ = 0;
};

// The drawing of CMyListBox's items; usable on any item view with tab-separated texts.
class TabColumnsDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TabColumnsDelegate(CMyListBox& list);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The rectangles the tab-separated parts of an item `width` wide are drawn in.
  static std::vector<QRect> ColumnRects(const std::vector<ListBoxColumn>& columns, int parts, const QRect& item);

 private:
  const CMyListBox& list_;
};

}  // namespace torvale
