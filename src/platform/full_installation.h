#pragma once
// The editor works on a complete game installation only: a minimum install leaves the
// game's data archive on the disc, and without it the master data built here could not be
// tried in the game.

#include <string_view>

namespace torvale {

// The archive whose presence marks a full installation, relative to the install folder.
constexpr const char* kFullInstallMarker = "data\\zdata_06.big";

// True when `install_folder` (empty: the working folder) holds the marker archive.
bool HasFullInstallation(std::string_view install_folder = {});

}  // namespace torvale
