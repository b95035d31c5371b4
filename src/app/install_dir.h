#pragma once
// Where the game is installed. The game's installer records its folder as the value
// "INSTALL DIR" of the vendor's product key in the machine-wide settings (on Windows the
// registry key "Software\Halvex\<product>" below the local machine; on Linux the file
// "Halvex/<product>.conf" in the system configuration folders, $XDG_CONFIG_DIRS).

#include <optional>
#include <string>

namespace torvale {

// The recorded install folder; none when the key or value is missing, empty or longer
// than the 259 characters a folder name may have.
std::optional<std::string> InstallDirSetting(const std::string& product_name);

// Makes the recorded install folder the working folder. Any failure leaves the working
// folder as it was, so an editor started inside the game's folder still works.
void ReadInstallDir(const std::string& product_name);

}  // namespace torvale
