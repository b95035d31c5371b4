#include "support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace torvale::test {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "torvale-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

std::string TempFolder::operator/(std::string_view relative) const { return path_ + "/" + std::string(relative); }

void TempFolder::WriteFile(std::string_view relative, const std::vector<uint8_t>& bytes) const {
  WriteFile(relative, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TempFolder::WriteFile(std::string_view relative, std::string_view text) const {
  const fs::path target = fs::path(path_) / fs::path(std::string(relative));
  fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out) throw std::runtime_error("cannot write " + target.string());
}

std::vector<std::string> TempFolder::List(std::string_view relative) const {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(fs::path(path_) / fs::path(std::string(relative)), ec))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace torvale::test
