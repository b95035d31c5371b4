#pragma once
// World archives ("*.zdb"): a whole database packed into one FORM chunk file, to carry it
// between installations and to keep the pristine copy of the game's own database. An archive
// holds one "COUN" chunk per country file, one "BADG" chunk per badge image size of every club
// and one "PLIM" chunk per player picture. It carries no rules or players-without-club file:
// an import keeps those of the folder it lands in.
//
// Export saves the world into a temporary database ("tempExport" in the user's database
// folder) and packs its country files; the world's own folder is never written and is the
// world's folder again afterwards, whatever happened. The archive appears under its name only
// when complete: a failed or cancelled export leaves an older archive of that name untouched.
//
// Import replaces the files of the game's "database" folder and writes badges and pictures
// into the installation's folders, then reloads the world. Archives come from strangers: a
// badge or picture name that would put its file outside its folder is skipped and counted,
// never written; so is a country number outside 1..206.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace torvale {

class CPlayer;
class CWorldDatabase;
class LongtimeProgress;
class SaveErrorReporter;

// The file name (relative to the picture folder) of a person's picture; empty for none.
using PictureNameOf = std::function<std::string(const CPlayer&)>;

struct WorldArchiveFolders {
  // The user's documents folder; the export's temporary database goes below its "database".
  std::string documents;
  // The installation's badge and picture folders ("<install>/badges", "<install>/picture").
  std::string badges;
  std::string pictures;
  // Where a person's picture is; without it no pictures are exported.
  PictureNameOf pictureName;
};

enum class ExportOutcome {
  kWritten,
  kCancelled,        // stopped by the user; no archive written
  kNoTempDatabase,   // the temporary database could not be made (message 798 reported)
  kSaveFailed,       // the world could not be saved into it (message 798 reported)
  kCreateFailed,     // the archive could not be created (message 798 reported)
  kWriteFailed,      // the archive could not be completed (message 798 reported)
};

struct ExportReport {
  ExportOutcome outcome = ExportOutcome::kWritten;
  int countries = 0;  // chunks written of each kind
  int badges = 0;
  int pictures = 0;
};

// Packs the world into the archive at `target`. Progress runs over the clubs; cancelling is
// possible between countries and between clubs once the archive is open.
ExportReport ExportWorld(CWorldDatabase& world, std::string_view target, const WorldArchiveFolders& folders,
                         LongtimeProgress& progress, SaveErrorReporter& reporter);

struct ImportOptions {
  // "Daten importieren" starts from an empty world; "Datenbank wiederherstellen" does not.
  bool emptyWorld = true;
  std::string badges;    // the installation's badge and picture folders
  std::string pictures;
};

struct ImportReport {
  bool opened = false;     // the archive had a sound header; false: nothing was extracted
  bool complete = false;   // every chunk up to the end was read (false: a damaged chunk stopped it)
  int countries = 0;       // files written of each kind
  int badges = 0;
  int pictures = 0;
  int unsafeNames = 0;     // badge and picture names that would have left their folder
  int badCountries = 0;    // country chunks with a number outside 1..206 or no number
  int failedWrites = 0;    // files that could not be written
  bool loaded = false;     // what the world's Load returned
};

// Unpacks the archive at `source` into the world's installation and reloads the world from
// the game's "database" folder (relative to the working folder, as the world's Reset sets it).
// Progress runs over the archive's bytes. The caller asks the user first (message 882).
ImportReport ImportWorld(CWorldDatabase& world, std::string_view source, const ImportOptions& options,
                         LongtimeProgress& progress);

// The warning the editor shows after an import that skipped entries; empty when none was skipped.
std::string ImportWarningText(const ImportReport& report);

// String-table entries of the archive operations.
constexpr int IDS_IMPORT_TITLE = 825;
constexpr int IDS_IMPORT_DESCRIPTION = 826;
constexpr int IDS_IMPORT_STARTING = 827;
constexpr int IDS_IMPORT_RUNNING = 828;
constexpr int IDS_EXPORT_TITLE = 829;
constexpr int IDS_EXPORT_DESCRIPTION = 830;
constexpr int IDS_EXPORT_STARTING = 831;
constexpr int IDS_EXPORT_CLUB = 832;
constexpr int IDS_IMPORT_CONFIRM = 882;

}  // namespace torvale
