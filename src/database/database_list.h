#pragma once
// What the database dialogs list: the user's databases (the folders below the databases
// folder) and each one's description ("Database.txt", of which at most 2003 bytes are shown).

#include <string>
#include <string_view>
#include <vector>

namespace torvale {

constexpr size_t kDatabaseDescriptionShown = 2003;

// The names of the folders below `root`, sorted without regard to case; none when `root` is
// missing.
std::vector<std::string> ListDatabases(std::string_view root);
// The description of database `name`; empty when it has none.
std::string ReadDatabaseDescription(std::string_view root, std::string_view name);
// The listed name equal to `name` without regard to case; empty when none is.
std::string FindDatabaseIgnoringCase(const std::vector<std::string>& names, std::string_view name);

}  // namespace torvale
