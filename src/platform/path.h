#pragma once
// Every file access of the editor goes through ResolvePath: the game's data and the
// databases were made on a case-insensitive file system with '\' separators, so names in
// files and on the command line rarely match the spelling on disk here.

#include <string>
#include <string_view>

namespace torvale {

// Turns '\' into '/' and, where the exact spelling does not exist, resolves each path
// component ignoring ASCII letter case (an exact match is preferred). Components that do not
// exist at all are kept as written, so the result can name a file that is about to be made.
std::string ResolvePath(std::string_view path);

// The database folder rule: '\' becomes '/', letters are lowered (including the Windows-1252
// umlauts Ä, Ö, Ü), and a bare drive root ("c:/") loses its trailing '/'.
std::string NormalizePath(std::string_view path);

// Joins two path parts with a single '/'.
std::string JoinPath(std::string_view folder, std::string_view name);

// ASCII letter-case comparisons of names: the game's names are Windows-1252 and, like the
// game, only ASCII letters are folded.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);
size_t FindIgnoringCase(std::string_view text, std::string_view part);

// Names that files and archives carry (a club's badge, a person's picture, an archive entry)
// come from strangers as much as the files do. True when `name` is made only of ordinary
// components ('\\' counts as a separator like '/'): not empty, not absolute, no drive letter
// (no ':' at all), no empty, "." or ".." component.
bool IsConfinedName(std::string_view name);

// The one place that decides whether such a name may be used below `root`: the resolved path
// of `name` below `root`, or empty when the name is not confined (see IsConfinedName), the
// root is empty, or a link on the way (the file itself included) leads out of the root. The
// file need not exist yet, so writers use this as well as readers.
std::string ConfinedPath(std::string_view root, std::string_view name);

// Reads the regular file `name` below `root` (see ConfinedPath) whole; false when the name is
// not confined, leads out of the root, or names no regular file that can be read. This is how
// badges, persons' pictures and city graphics named by a database are read.
bool ReadConfinedFile(std::string_view root, std::string_view name, std::string& out);

bool FileExists(std::string_view path);
bool DirectoryExists(std::string_view path);

// What reading a whole file met. A file that is there but cannot be read (no permission, an
// I/O error, a folder in its place) must not be taken for a missing one: a database would
// then write an empty record over data it never saw.
enum class FileReadResult { kRead, kMissing, kUnreadable };

// Reads a whole file (resolved) into out; false when it cannot be opened or read.
bool ReadWholeFile(std::string_view path, std::string& out);
FileReadResult ReadWholeFileChecked(std::string_view path, std::string& out);

}  // namespace torvale
