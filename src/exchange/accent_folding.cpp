#include "exchange/accent_folding.h"

#include <array>

namespace torvale {

namespace {

// Each entry holds the plain form of one byte, NUL-terminated (at most two characters).
using FoldingTable = std::array<std::array<char, 3>, 256>;

constexpr FoldingTable MakeFoldingTable() {
  FoldingTable table{};
  for (int c = 0; c < 256; ++c) table[c] = {static_cast<char>(c), 0, 0};
  const auto range = [&table](int first, int last, char plain) {
    for (int c = first; c <= last; ++c) table[c] = {plain, 0, 0};
  };
  const auto pair = [&table](int c, char a, char b) { table[c] = {a, b, 0}; };

  // Accented capitals and small letters to their base letter.
  range(0xC0, 0xC5, 'A');  // À-Å
  range(0xC7, 0xC7, 'C');  // Ç
  range(0xC8, 0xCB, 'E');  // È-Ë
  range(0xCC, 0xCF, 'I');  // Ì-Ï
  range(0xD0, 0xD0, 'D');  // Ð
  range(0xD1, 0xD1, 'N');  // Ñ
  range(0xD2, 0xD6, 'O');  // Ò-Ö
  range(0xD8, 0xD8, 'O');  // Ø
  range(0xD9, 0xDC, 'U');  // Ù-Ü
  range(0xDD, 0xDD, 'Y');  // Ý
  range(0x9F, 0x9F, 'Y');  // Ÿ
  range(0xE0, 0xE5, 'a');  // à-å
  range(0xE7, 0xE7, 'c');  // ç
  range(0xE8, 0xEB, 'e');  // è-ë
  range(0xEC, 0xEF, 'i');  // ì-ï
  range(0xF1, 0xF1, 'n');  // ñ
  range(0xF2, 0xF6, 'o');  // ò-ö
  range(0xF8, 0xF8, 'o');  // ø
  range(0xF9, 0xFC, 'u');  // ù-ü
  range(0xFD, 0xFD, 'y');  // ý
  range(0xFF, 0xFF, 'y');  // ÿ
  range(0x8A, 0x8A, 'S');  // Š
  range(0x9A, 0x9A, 's');  // š
  range(0x8E, 0x8E, 'Z');  // Ž
  range(0x9E, 0x9E, 'z');  // ž
  range(0xD7, 0xD7, 'x');  // ×
  range(0xA1, 0xA1, 'i');  // ¡
  range(0xA2, 0xA2, 'c');  // ¢
  range(0xBF, 0xBF, '?');  // ¿

  // Typographic quotes and the free-standing accents to the plain marks.
  range(0x91, 0x92, '\'');  // ‘ ’
  range(0x93, 0x94, '"');   // “ ”
  range(0x60, 0x60, '\'');  // `
  range(0xB4, 0xB4, '\'');  // ´
  range(0x82, 0x82, ',');   // ‚ low single quote
  range(0x84, 0x84, '"');   // „ low double quote
  range(0x96, 0x96, '-');   // – en dash

  // Ligatures are spelled out. The lists write Œ as "CE", not "OE".
  pair(0x8C, 'C', 'E');  // Œ
  pair(0x9C, 'c', 'e');  // œ
  pair(0xC6, 'A', 'E');  // Æ
  pair(0xDF, 's', 's');  // ß
  pair(0xE6, 'a', 'e');  // æ
  return table;
}

constexpr FoldingTable kFoldingTable = MakeFoldingTable();

}  // namespace

std::string_view FoldedCharacter(unsigned char c) {
  const auto& entry = kFoldingTable[c];
  // Byte 0 folds to itself, which is the one entry whose first character is NUL.
  return c == 0 ? std::string_view(entry.data(), 1) : std::string_view(entry.data());
}

std::string FoldAccents(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (char c : text) folded += FoldedCharacter(static_cast<unsigned char>(c));
  return folded;
}

bool FoldedEqual(std::string_view left, std::string_view right) {
  return FoldAccents(left) == FoldAccents(right);
}

}  // namespace torvale
