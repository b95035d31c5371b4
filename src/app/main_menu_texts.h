#pragma once
// The main window's text rules: the caption "<base> - <world>" and the "Datenbanken" menu
// items "<n>. <world>". World names are folder names, which the game writes in lower case;
// the window shows them with capital word starts. Windows-1252 in and out.

#include <string>
#include <string_view>

namespace torvale {

// Upper-cases every letter a-z that follows a space; with `atStart` also the first letter.
std::string CapitaliseWords(std::string_view text, bool atStart);
// "%s - %s" of the base caption and the world's name, word starts after a space capitalised.
std::string MainWindowCaption(std::string_view baseCaption, std::string_view worldName);
// "%d. %s" with the 1-based position; a name longer than 40 characters keeps its last 40,
// the first three of which become "..."; word starts capitalised.
std::string DatabaseMenuText(int position, std::string_view worldName);

}  // namespace torvale
