#pragma once
// The working folder. The editor finds every game file relative to it, so start-up moves it
// to the game's install folder and master mode may move it again to a database path.

#include <optional>
#include <string>
#include <string_view>

namespace torvale {

// False when the folder does not exist or cannot be entered; the working folder is unchanged.
bool SetWorkingDirectory(std::string_view path);
std::optional<std::string> GetWorkingDirectory();

}  // namespace torvale
