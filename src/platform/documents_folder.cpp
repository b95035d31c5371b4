#include "platform/documents_folder.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "platform/path.h"

namespace torvale {

namespace {

std::string EnvOrEmpty(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The folder of one `XDG_DOCUMENTS_DIR="..."` line; none when the line is not such an entry.
constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";

std::optional<std::string> ParseDocumentsEntry(const std::string& line, const std::string& home) {
  size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) return std::nullopt;
  std::string value = line.substr(start + kKey.size());
  while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t')) value.pop_back();
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::nullopt;
  value = value.substr(1, value.size() - 2);
  if (value.rfind("$HOME", 0) == 0) return home + value.substr(5);
  if (!value.empty() && value.front() == '/') return value;
  return std::nullopt;
}

}  // namespace

std::string DocumentsFolderFor(const std::string& home, const std::string& config_home) {
  std::string dirs_file = JoinPath(config_home.empty() ? JoinPath(home, ".config") : config_home, "user-dirs.dirs");
  std::string text;
  std::optional<std::string> found;
  if (ReadWholeFile(dirs_file, text)) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
      if (auto folder = ParseDocumentsEntry(line, home)) found = folder;  // the last entry counts
  }
  return found ? *found : JoinPath(home, "Documents");
}

std::optional<std::string> PersonalDocumentsFolder() {
  std::string home = EnvOrEmpty("HOME");
  if (home.empty()) return std::nullopt;
  std::string folder = DocumentsFolderFor(home, EnvOrEmpty("XDG_CONFIG_HOME"));
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!std::filesystem::is_directory(folder, ec)) return std::nullopt;
  return folder;
}

}  // namespace torvale
