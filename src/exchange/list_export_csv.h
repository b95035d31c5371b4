#pragma once
// List export for spreadsheets: a report list as comma-separated values. The header row comes
// first, then one record per row; a field is quoted when it holds a comma, a quote, CR or LF
// (quotes inside doubled), records end in CR LF. The file is UTF-8 with a byte-order mark,
// because spreadsheet programs read a file without one in the system's code page and would
// garble the umlauts of names. The list's title is not written: a line before the header
// would break the table when the file is opened.

#include <string>
#include <string_view>

#include "exchange/list_export.h"

namespace torvale {

// The filter of the save dialog after the three of entry 865.
constexpr int kCsvExportFilter = 4;
constexpr const char* kCsvExportFilterText = "CSV (Tabellenkalkulation)|*.csv|";

// One field as written: UTF-8, quoted where needed.
std::string CsvField(std::string_view cp1252);

// The file's bytes (the cells are Windows-1252, as the list holds them).
std::string FormatListAsCsv(const ExportedList& list);

// Writes the file; it replaces an older one only when written completely.
bool ExportListToCsvFile(std::string_view path, const ExportedList& list);

}  // namespace torvale
