#include "platform/full_installation.h"

#include <filesystem>
#include <system_error>

#include "platform/path.h"

namespace torvale {

bool HasFullInstallation(std::string_view install_folder) {
  // Presence is all that counts; the archive is not read.
  std::error_code ec;
  return std::filesystem::exists(ResolvePath(JoinPath(install_folder, kFullInstallMarker)), ec);
}

}  // namespace torvale
