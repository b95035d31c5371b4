#include "ui/lists/list_printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <vector>

#include "app/qt_text.h"

namespace torvale {

namespace {

struct Layout {
  QFont font;
  int left = 0, top = 0, right = 0, bottom = 0;
  int lineHeight = 1;
  int rowsPerPage = 1;
  std::vector<int> columnLeft;
  std::vector<int> columnWidth;
};

Layout MakeLayout(QPrinter& printer, const ExportedList& list, const ListPrintSettings& settings) {
  Layout layout;
  const QRect page = printer.paperRect(QPrinter::DevicePixel).toRect();
  const int dpiX = printer.logicalDpiX();
  const int dpiY = printer.logicalDpiY();
  layout.left = static_cast<int>(settings.horizontalMargin * dpiX);
  layout.right = page.width() - layout.left;
  layout.top = static_cast<int>(settings.verticalMargin * dpiY);
  layout.bottom = page.height() - layout.top;

  layout.font = QFont(settings.fontFace);
  layout.font.setPointSizeF(settings.fontSizeTenths / 10.0);
  const QFontMetrics metrics(layout.font, &printer);
  layout.lineHeight = std::max(1, metrics.lineSpacing());
  QFont bold = layout.font;
  bold.setBold(true);  // the headers are printed bold
  const QFontMetrics headerMetrics(bold, &printer);

  // Each column as wide as its widest text.
  const size_t columns = list.headers.size();
  std::vector<int> natural(columns, 0);
  for (size_t c = 0; c < columns; ++c) {
    natural[c] = headerMetrics.horizontalAdvance(FromCp1252(list.headers[c]));
    for (const auto& row : list.rows)
      if (c < row.size()) natural[c] = std::max(natural[c], metrics.horizontalAdvance(FromCp1252(row[c])));
  }
  const int gap = dpiX / 10;
  const int available = std::max(1, layout.right - layout.left - gap * static_cast<int>(columns ? columns - 1 : 0));
  // When the columns do not fit, the widest ones give up room first: every column is capped
  // at the largest width that lets them all fit, so dates and positions stay whole.
  int total = 0;
  for (int width : natural) total += width;
  int cap = total;
  if (total > available) {
    int low = 0, high = *std::max_element(natural.begin(), natural.end());
    while (low < high) {
      const int mid = (low + high + 1) / 2;
      int sum = 0;
      for (int width : natural) sum += std::min(width, mid);
      if (sum <= available)
        low = mid;
      else
        high = mid - 1;
    }
    cap = low;
  }
  int x = layout.left;
  for (size_t c = 0; c < columns; ++c) {
    const int width = std::min(natural[c], cap);
    layout.columnLeft.push_back(x);
    layout.columnWidth.push_back(width);
    x += width + gap;
  }

  // The top band holds the page number; the header and a gap line follow.
  const int firstRowY = layout.top + 3 * layout.lineHeight;
  layout.rowsPerPage = std::max(1, (layout.bottom - firstRowY) / layout.lineHeight);
  return layout;
}

void DrawRow(QPainter& painter, const Layout& layout, const std::vector<std::string>& cells, int y) {
  for (size_t c = 0; c < layout.columnLeft.size() && c < cells.size(); ++c) {
    const QRect cell(layout.columnLeft[c], y, layout.columnWidth[c], layout.lineHeight);
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FromCp1252(cells[c]));
  }
}

}  // namespace

ListPrintSettings DuplicateReportPrintSettings() {
  return ListPrintSettings{QStringLiteral("Arial"), 70, 0.75, 1.0};
}

ListPrintPlan PlanListPrint(QPrinter& printer, const ExportedList& list, const ListPrintSettings& settings) {
  const Layout layout = MakeLayout(printer, list, settings);
  const int rows = static_cast<int>(list.rows.size());
  return {layout.rowsPerPage, (rows + layout.rowsPerPage - 1) / layout.rowsPerPage};
}

int PrintListPages(QPrinter& printer, const ExportedList& list, const ListPrintSettings& settings) {
  printer.setFullPage(true);
  const Layout layout = MakeLayout(printer, list, settings);
  const int rows = static_cast<int>(list.rows.size());
  const int pages = (rows + layout.rowsPerPage - 1) / layout.rowsPerPage;
  if (pages == 0) return 0;

  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  painter.setFont(layout.font);
  QFont bold = layout.font;
  bold.setBold(true);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) printer.newPage();
    const QRect band(layout.left, layout.top, layout.right - layout.left, layout.lineHeight);
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QString::asprintf("%i / %i", page + 1, pages));
    if (!list.title.empty())
      painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, FromCp1252(list.title));
    int y = layout.top + layout.lineHeight;
    painter.setFont(bold);
    DrawRow(painter, layout, list.headers, y);
    painter.setFont(layout.font);
    y += layout.lineHeight;
    painter.drawLine(layout.left, y + layout.lineHeight / 2, layout.right, y + layout.lineHeight / 2);
    y += layout.lineHeight;
    const int first = page * layout.rowsPerPage;
    const int last = std::min(rows, first + layout.rowsPerPage);
    for (int row = first; row < last; ++row, y += layout.lineHeight) DrawRow(painter, layout, list.rows[row], y);
  }
  painter.end();
  return pages;
}

}  // namespace torvale
