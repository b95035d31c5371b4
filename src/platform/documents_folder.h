#pragma once
// The user's personal documents folder, found the way desktop programs here find it: the
// XDG_DOCUMENTS_DIR entry of the user-dirs file, else "$HOME/Documents".

#include <optional>
#include <string>

namespace torvale {

// The folder named by the user-dirs file in `config_home` (normally $XDG_CONFIG_HOME, or
// $HOME/.config when that is unset), or "<home>/Documents". Only the forms the desktop
// tools write are understood: "$HOME/..." and absolute paths, in double quotes.
std::string DocumentsFolderFor(const std::string& home, const std::string& config_home);

// The current user's documents folder, created when missing; none without a home folder
// or when it cannot be created.
std::optional<std::string> PersonalDocumentsFolder();

}  // namespace torvale
