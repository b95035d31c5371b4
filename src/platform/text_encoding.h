#pragma once
// World text lives in memory and on disk as Windows-1252 bytes, as the game's files are.
// Source literals are UTF-8; these helpers convert between the two at the edges.

#include <string>
#include <string_view>

namespace torvale {

// Characters without a Windows-1252 form become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);
// True when every character of the UTF-8 text has a Windows-1252 form.
bool IsRepresentableInCp1252(std::string_view utf8);

}  // namespace torvale
