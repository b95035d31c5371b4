#include "exchange/list_export.h"

#include <algorithm>

#include "platform/atomic_file.h"

namespace torvale {

namespace {

// The list control hands out at most this many characters of a cell.
constexpr size_t kCellChars = 1023;
// ... and the column widths of the blank-padded format were measured with one less.
constexpr size_t kMeasuredChars = 1022;
constexpr std::string_view kLineEnd = "\r\n";

std::string_view Cell(const ExportedList& list, size_t row, size_t column) {
  const std::vector<std::string>& cells = list.rows[row];
  if (column >= cells.size()) return {};
  return std::string_view(cells[column]).substr(0, kCellChars);
}

void AppendTabs(const ExportedList& list, std::string& out) {
  const size_t columns = list.headers.size();
  for (size_t r = 0; r < list.rows.size(); ++r) {
    for (size_t c = 0; c < columns; ++c) {
      if (c > 0) out += '\t';
      out += Cell(list, r, c);
    }
    out += kLineEnd;
  }
}

void AppendSpaces(const ExportedList& list, std::string& out) {
  const size_t columns = list.headers.size();
  std::vector<size_t> widths(columns, 0);
  for (size_t r = 0; r < list.rows.size(); ++r)
    for (size_t c = 0; c < columns; ++c)
      widths[c] = std::max(widths[c], std::min(Cell(list, r, c).size(), kMeasuredChars));
  for (size_t r = 0; r < list.rows.size(); ++r) {
    for (size_t c = 0; c < columns; ++c) {
      const std::string_view cell = Cell(list, r, c);
      out += cell;
      // Every cell, the last one too, is followed by at least one blank.
      out.append(std::max<size_t>(widths[c] + 1, cell.size() + 1) - cell.size(), ' ');
    }
    out += kLineEnd;
  }
}

void AppendXml(const ExportedList& list, std::string& out) {
  out += "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n";
  out += "<list>\r\n";
  out += "\t<title>" + EscapeXmlText(list.title) + "</title>\r\n";
  const size_t columns = list.headers.size();
  for (size_t r = 0; r < list.rows.size(); ++r) {
    out += "\t<row>\r\n";
    for (size_t c = 0; c < columns; ++c) out += "\t\t<col>" + EscapeXmlText(Cell(list, r, c)) + "</col>\r\n";
    out += "\t</row>\r\n";
  }
  out += "\t</list>\r\n";
}

}  // namespace

std::string EscapeXmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      case '\t':
      case '\r':
      case '\n': out += c; break;
      default: out += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c; break;
    }
  }
  return out;
}

std::string FormatExportedList(const ExportedList& list, ListExportFormat format) {
  std::string out;
  if (format == ListExportFormat::kXml) {
    AppendXml(list, out);
    return out;
  }
  out += list.title;
  out += kLineEnd;
  if (format == ListExportFormat::kTabs)
    AppendTabs(list, out);
  else
    AppendSpaces(list, out);
  return out;
}

bool ExportListToFile(std::string_view path, const ExportedList& list, ListExportFormat format) {
  return !path.empty() && WriteWholeFile(path, FormatExportedList(list, format));
}

}  // namespace torvale
