#include "database/database_list.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "database/database_folder.h"
#include "platform/path.h"

namespace torvale {

namespace fs = std::filesystem;

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::vector<std::string> ListDatabases(std::string_view root) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(ResolvePath(root), ec), end; !ec && it != end; it.increment(ec))
    if (it->is_directory(ec) && !EqualIgnoringCase(it->path().filename().string(), kBackupFolderName))
      names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
  return names;
}

std::string ReadDatabaseDescription(std::string_view root, std::string_view name) {
  std::ifstream file(ResolvePath(JoinPath(JoinPath(root, name), kDatabaseDescriptionFile)), std::ios::binary);
  if (!file) return {};
  std::string text(kDatabaseDescriptionShown, '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(file.gcount()));
  return text;
}

std::string FindDatabaseIgnoringCase(const std::vector<std::string>& names, std::string_view name) {
  for (const std::string& candidate : names)
    if (EqualIgnoringCase(candidate, name)) return candidate;
  return {};
}

}  // namespace torvale
