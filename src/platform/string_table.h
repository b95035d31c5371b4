#pragma once
// The editor's user-interface texts, keyed by their string-table numbers. Texts come back as
// Windows-1252 bytes like all world text, so they can be formatted together with names.

#include <string>

namespace torvale {

// The text of entry `id`; empty when the table has no such entry.
std::string LoadString(int id);
// True when the table has entry `id`.
bool HasString(int id);

// The caption of every message box.
constexpr int IDS_MESSAGE_CAPTION = 899;

}  // namespace torvale
