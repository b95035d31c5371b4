#pragma once
// The archive of one automatic backup: a world archive ("*.zdb") that holds a database folder
// exactly as it was before a save replaced it. Its "COUN" chunks are the country files, as in
// every world archive, so the normal import can read it too; the rules and the players
// without club travel in "FILE" chunks, and an "INFO" chunk at the front describes the
// backup, so that the list of backups reads one small chunk per archive. The normal import
// skips both, as it keeps the rules and free players of the folder it lands in.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvale {

struct BackupDescription {
  std::string database;  // the database's name (Windows-1252)
  std::string folder;    // its folder, normalised: which database the backup belongs to
  int64_t timeMs = 0;    // when the save that replaced these files ran (ms since 1970, UTC)
  int files = 0;         // database files kept
  uint64_t bytes = 0;    // their unpacked size
  friend bool operator==(const BackupDescription&, const BackupDescription&) = default;
};

// "key=value" lines (CRLF), as they go into the "INFO" chunk and the staging folder.
std::string FormatBackupDescription(const BackupDescription& description);
// None when the database folder or the time is missing.
std::optional<BackupDescription> ParseBackupDescription(std::string_view text);

// The names of the database files a backup of `folder` keeps (country files, "Rules.sav",
// "Without.sav"; never the commit record or temporaries), countries first by number.
std::vector<std::string> BackupFileNames(const std::string& folder);

// Reports the bytes done of the total while packing or unpacking.
using BackupProgress = std::function<void(uint64_t done, uint64_t total)>;

// Packs the database files found in `sourceFolder` (country files, "Rules.sav", "Without.sav")
// into `archivePath`. The archive appears under its name only when complete. False when a
// file cannot be read or the archive cannot be written.
bool PackBackupArchive(const std::string& sourceFolder, const BackupDescription& description,
                       const std::string& archivePath, const BackupProgress& progress = {});

// The description at the front of a backup archive; none for other archives.
std::optional<BackupDescription> ReadBackupDescription(const std::string& archivePath);

struct BackupUnpackReport {
  bool opened = false;    // the archive had a sound header
  bool complete = false;  // every chunk up to the end was read
  int files = 0;          // database files written
  int skipped = 0;        // chunks that name no database file (or a country outside 1..206)
  int failedWrites = 0;
  bool Restored() const { return opened && complete && files > 0 && failedWrites == 0; }
};

// Writes the database files of a backup archive into `databaseFolder` (which exists). Archives
// may come from anywhere: a "FILE" chunk may only name a database file, never a path.
BackupUnpackReport UnpackBackupArchive(const std::string& archivePath, const std::string& databaseFolder,
                                       const BackupProgress& progress = {});

}  // namespace torvale
