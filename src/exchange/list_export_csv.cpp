#include "exchange/list_export_csv.h"

#include "platform/text_encoding.h"
#include "platform/atomic_file.h"

namespace torvale {

std::string CsvField(std::string_view cp1252) {
  const std::string text = Cp1252ToUtf8(cp1252);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string FormatListAsCsv(const ExportedList& list) {
  std::string out = "\xEF\xBB\xBF";
  auto writeRecord = [&](const std::vector<std::string>& cells) {
    for (size_t column = 0; column < list.headers.size(); ++column) {
      if (column > 0) out += ',';
      if (column < cells.size()) out += CsvField(cells[column]);
    }
    out += "\r\n";
  };
  writeRecord(list.headers);
  for (const auto& row : list.rows) writeRecord(row);
  return out;
}

bool ExportListToCsvFile(std::string_view path, const ExportedList& list) {
  return !path.empty() && WriteWholeFile(path, FormatListAsCsv(list));
}

}  // namespace torvale
