#pragma once
// Accent folding for matching person names against the sibling game's lists: those lists
// were written for consoles whose fonts know only plain Latin letters, so "Müller" appears as
// "Muller" and "Ærø" as "AEro". Folding maps every Windows-1252 character to the plain text the
// lists use; characters without a plain form stay as they are.

#include <string>
#include <string_view>

namespace torvale {

// The plain form of one Windows-1252 character: one or two characters (the ligatures Œ, œ,
// Æ, æ and ß take two).
std::string_view FoldedCharacter(unsigned char c);

// The text with every character replaced by its plain form.
std::string FoldAccents(std::string_view text);

// True when both texts read the same after folding. Letter case matters, so "Muller" and
// "muller" differ; a ligature equals its two-letter form.
bool FoldedEqual(std::string_view left, std::string_view right);

}  // namespace torvale
