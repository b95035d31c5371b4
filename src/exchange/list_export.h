#pragma once
// List export: any report list of the editor (its title, its column headers and its rows of
// cell texts, as shown) written to a file as tab-separated text, as text padded with blanks
// into columns, or as a small XML document. Line ends are CR LF in every format, and the
// texts are written as the Windows-1252 bytes the list holds.
//
// In the XML variant the characters '&', '<', '>', '"' and '\'' are written as entities and
// control characters (other than tab, CR and LF), which XML cannot hold, as blanks: a club
// called "Brighton & Hove" must not make the file unreadable.

#include <string>
#include <string_view>
#include <vector>

namespace torvale {

// The filters of the save dialog, in their order (string-table entry 865).
enum class ListExportFormat : int { kTabs = 1, kSpaces = 2, kXml = 3 };

struct ExportedList {
  std::string title;
  std::vector<std::string> headers;             // one per column; only their number is written
  std::vector<std::vector<std::string>> rows;   // cell texts in display order
};

// The file's bytes. Every row has as many cells as there are headers (missing cells are
// empty, extra ones are left out); a cell keeps at most 1023 characters.
std::string FormatExportedList(const ExportedList& list, ListExportFormat format);

// Writes the file; it replaces an older one only when written completely. False when it
// cannot be written.
bool ExportListToFile(std::string_view path, const ExportedList& list, ListExportFormat format);

// The text '&', '<', '>', '"' and '\'' written as XML entities, other control characters than
// tab, CR and LF as blanks.
std::string EscapeXmlText(std::string_view text);

// String-table entries: the save dialog's filter and the duplicate-player report's title.
constexpr int IDS_LIST_EXPORT_FILTER = 865;
constexpr int IDS_DUPLICATE_PLAYERS_TITLE = 866;

}  // namespace torvale
