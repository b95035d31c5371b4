#pragma once
// What a save offers whoever keeps backups: the moment when every new file of the database
// is complete under its temporary name and the old files are still the folder's current ones.
// A save replaces its files by renames, so the old files can be kept by hard links in an
// instant; packing them can wait. A backup that fails must never stop the save.

#include <string>
#include <string_view>

namespace torvale {

class SaveBackupHook {
 public:
  virtual ~SaveBackupHook() = default;
  // `accessFolder` as the files are reached, `folder` normalised (the database's key),
  // `name` the database's name.
  virtual void KeepPreviousState(const std::string& accessFolder, const std::string& folder,
                                 std::string_view name) = 0;
};

}  // namespace torvale
