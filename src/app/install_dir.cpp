#include "app/install_dir.h"

#include <QSettings>

#include "platform/pc/file.h"

namespace torvale {

namespace {

constexpr size_t kMaxFolderName = 259;

}  // namespace

std::optional<std::string> InstallDirSetting(const std::string& product_name) {
  QSettings settings(QSettings::NativeFormat, QSettings::SystemScope, "Halvex", QString::fromStdString(product_name));
  // Only the machine-wide value counts, as on Windows, not a user's own settings.
  settings.setFallbacksEnabled(false);
  QString value = settings.value("INSTALL DIR").toString();
  std::string folder = value.toStdString();
  if (folder.empty() || folder.size() > kMaxFolderName) return std::nullopt;
  return folder;
}

void ReadInstallDir(const std::string& product_name) {
  if (auto folder = InstallDirSetting(product_name)) SetWorkingDirectory(*folder);
}

}  // namespace torvale
