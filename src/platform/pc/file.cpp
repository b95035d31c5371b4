#include "platform/pc/file.h"

#include <filesystem>
#include <system_error>

#include "platform/path.h"

namespace torvale {

bool SetWorkingDirectory(std::string_view path) {
  if (path.empty()) return false;
  std::error_code ec;
  std::filesystem::current_path(ResolvePath(path), ec);
  return !ec;
}

std::optional<std::string> GetWorkingDirectory() {
  std::error_code ec;
  auto path = std::filesystem::current_path(ec);
  if (ec) return std::nullopt;
  return path.string();
}

}  // namespace torvale
