#include "assets/badge_path.h"

#include <algorithm>

namespace torvale {

namespace {

constexpr std::string_view kSizeFolder180 = "Badge180";
constexpr std::string_view kSizeFolderFormat = "Badge%d";

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

std::string MakeBadgeTemplate(std::string_view badgePath) {
  std::string out(badgePath);
  std::transform(out.begin(), out.end(), out.begin(), Upper);
  ReplaceAll(out, "BADGE180", kSizeFolderFormat);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

std::string FormatBadgeTemplate(std::string_view badgeTemplate, int size) {
  std::string out(badgeTemplate);
  ReplaceAll(out, kSizeFolderFormat, "Badge" + std::to_string(size));
  return out;
}

std::string BadgePathForSize(std::string_view badgePath, int size) {
  const size_t at = FindIgnoringCase(badgePath, kSizeFolder180);
  if (at == std::string_view::npos) return {};
  std::string out(badgePath);
  out.replace(at, kSizeFolder180.size(), "Badge" + std::to_string(size));
  return out;
}

std::string BadgeArchiveName(std::string_view badgePath) {
  std::string out = std::string(kBadgeArchivePrefix) + std::string(badgePath);
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

std::string BadgeDisplayName(std::string_view badgePath) {
  const size_t slash = badgePath.find_last_of("\\/");
  std::string_view name = slash == std::string_view::npos ? badgePath : badgePath.substr(slash + 1);
  const size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string_view BadgeGroupOf(std::string_view badgePath) {
  return badgePath.substr(0, badgePath.find_first_of("\\/"));
}

}  // namespace torvale
