#pragma once
// The game's files and the editor's own text are single-byte Windows-1252, so the editor
// cannot work in a folder whose name has characters outside that code page: such paths
// could not be written into the files or shown in the editor's lists.

#include <string_view>

namespace torvale {

// True when either folder name (UTF-8, as the system gives it) is not representable in
// Windows-1252; bytes that are not UTF-8 at all count as not representable.
bool PathHasUnicode(std::string_view working_directory, std::string_view documents_folder);

// The same for the current working folder and the user's documents folder (which is made
// when missing). A folder the system cannot name is no reason to refuse.
bool PathHasUnicode();

}  // namespace torvale
