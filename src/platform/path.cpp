#include "platform/path.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace torvale {
namespace fs = std::filesystem;

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

size_t FindIgnoringCase(std::string_view text, std::string_view part) {
  const auto it = std::search(text.begin(), text.end(), part.begin(), part.end(),
                              [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
  return it == text.end() && !part.empty() ? std::string_view::npos : size_t(it - text.begin());
}

namespace {

// Finds the entry of `folder` whose name equals `name` ignoring case; empty when none.
std::string FindEntryIgnoringCase(const std::string& folder, std::string_view name) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? "." : folder, ec);
  if (ec) return {};
  for (const auto& entry : it) {
    std::string candidate = entry.path().filename().string();
    if (EqualsIgnoringCase(candidate, name)) return candidate;
  }
  return {};
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

}  // namespace

std::string ResolvePath(std::string_view path) {
  std::string unified(path);
  for (char& c : unified)
    if (c == '\\') c = '/';
  if (unified.empty() || Exists(unified)) return unified;

  std::string result;
  size_t pos = 0;
  if (unified[0] == '/') {
    result = "/";
    pos = 1;
  }
  bool resolving = true;  // once a component is missing, the rest is kept as written
  while (pos <= unified.size()) {
    size_t slash = unified.find('/', pos);
    if (slash == std::string::npos) slash = unified.size();
    std::string_view component(unified.data() + pos, slash - pos);
    if (!component.empty()) {
      std::string folder = result.empty() ? std::string() : result;
      std::string next = (result.empty() || result.back() == '/') ? result + std::string(component)
                                                                   : result + "/" + std::string(component);
      if (resolving && component != "." && component != ".." && !Exists(next)) {
        std::string match = FindEntryIgnoringCase(folder, component);
        if (match.empty()) {
          resolving = false;
        } else {
          next = (result.empty() || result.back() == '/') ? result + match : result + "/" + match;
        }
      }
      result = std::move(next);
    }
    if (slash == unified.size()) break;
    pos = slash + 1;
  }
  if (!unified.empty() && unified.back() == '/' && (result.empty() || result.back() != '/')) result += '/';
  return result;
}

std::string NormalizePath(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '\\') c = '/';
    else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    else if (u == 0xC4) c = static_cast<char>(0xE4);  // Ä -> ä
    else if (u == 0xD6) c = static_cast<char>(0xF6);  // Ö -> ö
    else if (u == 0xDC) c = static_cast<char>(0xFC);  // Ü -> ü
  }
  if (out.size() == 3 && out[1] == ':' && out[2] == '/') out.pop_back();
  return out;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string out(folder);
  if (out.back() != '/' && out.back() != '\\') out += '/';
  out += name;
  return out;
}

bool IsConfinedName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.front() == '\\' || name.find(':') != std::string_view::npos)
    return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = name.size();
    const std::string_view component = name.substr(start, end - start);
    if (component.empty() || component == "." || component == "..") return false;
    start = end + 1;
  }
  return true;
}

std::string ConfinedPath(std::string_view root, std::string_view name) {
  if (root.empty() || !IsConfinedName(name)) return {};
  const std::string target = ResolvePath(JoinPath(root, name));
  // Where the path really leads: every link on the way resolved, the missing rest kept.
  std::error_code ec;
  const fs::path realRoot = fs::weakly_canonical(ResolvePath(root), ec);
  if (ec) return {};
  const fs::path realTarget = fs::weakly_canonical(target, ec);
  if (ec) return {};
  auto rootIt = realRoot.begin(), rootEnd = realRoot.end();
  if (!realRoot.has_filename() && rootIt != rootEnd) --rootEnd;  // a root given with a trailing '/'
  auto targetIt = realTarget.begin();
  for (; rootIt != rootEnd; ++rootIt, ++targetIt)
    if (targetIt == realTarget.end() || *rootIt != *targetIt) return {};
  // The root itself is no file below it (a link to the root, or "x/.." spelled through links).
  if (targetIt == realTarget.end()) return {};
  return target;
}

bool ReadConfinedFile(std::string_view root, std::string_view name, std::string& out) {
  const std::string path = ConfinedPath(root, name);
  return !path.empty() && FileExists(path) && ReadWholeFile(path, out);
}

bool FileExists(std::string_view path) {
  std::error_code ec;
  return fs::is_regular_file(ResolvePath(path), ec);
}

bool DirectoryExists(std::string_view path) {
  std::error_code ec;
  return fs::is_directory(ResolvePath(path), ec);
}

bool ReadWholeFile(std::string_view path, std::string& out) {
  return ReadWholeFileChecked(path, out) == FileReadResult::kRead;
}

FileReadResult ReadWholeFileChecked(std::string_view path, std::string& out) {
  out.clear();
  const std::string resolved = ResolvePath(path);
  std::error_code ec;
  const fs::file_status status = fs::status(resolved, ec);
  if (status.type() == fs::file_type::not_found) return FileReadResult::kMissing;
  // A folder opens like a file here and claims a size of 2^63 - 1 bytes.
  if (ec || fs::is_directory(status)) return FileReadResult::kUnreadable;
  std::FILE* f = std::fopen(resolved.c_str(), "rb");
  if (!f) return errno == ENOENT ? FileReadResult::kMissing : FileReadResult::kUnreadable;
  // One read straight into the result: database files run to tens of megabytes, and a copy
  // through a chunk buffer costs as much as the read itself.
  size_t expected = 0;
  if (std::fseek(f, 0, SEEK_END) == 0) {
    long size = std::ftell(f);
    if (size > 0) expected = static_cast<size_t>(size);
    std::rewind(f);
  }
  out.resize(expected);
  size_t got = expected ? std::fread(out.data(), 1, expected, f) : 0;
  out.resize(got);
  // The file may have grown, or have no size (a pipe): read on to its real end.
  char chunk[1 << 16];
  bool ok = !std::ferror(f);
  while (ok && !std::feof(f)) {
    size_t n = std::fread(chunk, 1, sizeof chunk, f);
    out.append(chunk, n);
    ok = !std::ferror(f);
  }
  std::fclose(f);
  if (ok) return FileReadResult::kRead;
  out.clear();
  return FileReadResult::kUnreadable;
}

}  // namespace torvale
