#include "exchange/name_generator.h"

#include "platform/path.h"
#include "world/player_format.h"

namespace torvale {

namespace {

constexpr const char* kNameFiles[3] = {"database/MaleNames.txt", "database/FemaleNames.txt",
                                       "database/Surnames.txt"};

// Calls `line` for every line of `text` without its line end.
template <typename F>
void ForEachLine(const std::string& text, F&& line) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    line(std::string(text, start, stop - start));
    start = end + 1;
  }
}

}  // namespace

int NameGroupOfLine(std::string_view line) {
  int group = 0;
  for (size_t i = 1; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
    group = group * 10 + (line[i] - '0');
    if (group > 1000000) break;  // a runaway number names no language anyway
  }
  return group;
}

bool CNameGenerator::Load(std::string_view installFolder) {
  bool all = true;
  for (int i = 0; i < 3; ++i) {
    std::string path = installFolder.empty() ? std::string(kNameFiles[i]) : JoinPath(installFolder, kNameFiles[i]);
    if (!LoadList(static_cast<NameListKind>(i), path)) all = false;
  }
  return all;
}

bool CNameGenerator::LoadList(NameListKind kind, std::string_view path) {
  auto& list = List(kind);
  list.clear();
  std::string text;
  if (!ReadWholeFile(path, text)) return false;
  int group = 0;
  ForEachLine(text, [&](std::string line) {
    CleanName(line);
    if (line.empty()) return;
    if (line[0] == '%')
      group = NameGroupOfLine(line);
    else
      list.emplace(group, std::move(line));
  });
  return true;
}

size_t CNameGenerator::DrawIndex(int r, size_t count) {
  if (count == 0) return 0;
  size_t index = static_cast<size_t>(r) * count / 32767;
  return index < count ? index : count - 1;
}

size_t CNameGenerator::Count(NameListKind list, int group) const { return List(list).count(group); }

std::optional<std::string> CNameGenerator::DrawName(NameListKind kind, int group) {
  const auto& list = List(kind);
  size_t count = list.count(group);
  if (count == 0) {
    group = 0;
    count = list.count(group);
    if (count == 0) return std::nullopt;
  }
  int r = std::uniform_int_distribution<int>(0, 32767)(engine_);
  auto it = list.lower_bound(group);
  std::advance(it, static_cast<std::ptrdiff_t>(DrawIndex(r, count)));
  return it->second;
}

}  // namespace torvale
