#pragma once
// Byte-level file helpers for tests of binary formats.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvale::test {

// The whole file; empty when it cannot be read.
std::vector<uint8_t> ReadBytes(const std::string& path);
// The whole file as text, found as the editor finds files; empty when it cannot be read.
std::string ReadText(const std::string& path);
// The bytes as a text view, for writing them with ScratchDir::MakeFile.
std::string_view AsText(const std::vector<uint8_t>& bytes);
// The names of the entries directly in `folder`, sorted.
std::vector<std::string> ListNames(const std::string& folder);

}  // namespace torvale::test
