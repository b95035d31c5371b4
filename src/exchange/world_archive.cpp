#include "exchange/world_archive.h"

#include <climits>
#include <cstring>
#include <optional>
#include <vector>

#include "assets/badge_chunks.h"
#include "assets/badge_path.h"
#include "database/database_folder.h"
#include "database/save_error_reporter.h"
#include "database/world_database.h"
#include "exchange/longtime_operation.h"
#include "platform/path.h"
#include "platform/string_table.h"
#include "platform/text_encoding.h"
#include "storage/byte_order.h"
#include "storage/form_chunk_file.h"
#include "storage/form_reader.h"
#include "storage/form_writer.h"
#include "world/player.h"

namespace torvale {

namespace {

constexpr std::string_view kTempExportDescription = "temp directory";

// Puts the world back into its own folder and removes the temporary database, however the
// export ends.
class TempExportDatabase {
 public:
  TempExportDatabase(CWorldDatabase& world, std::string folder)
      : world_(world), savedFolder_(world.Folder()), folder_(std::move(folder)) {}
  ~TempExportDatabase() {
    DeleteFolder(folder_, true);
    world_.SetFolder(savedFolder_);
  }
  const std::string& Folder() const { return folder_; }

 private:
  CWorldDatabase& world_;
  std::string savedFolder_;
  std::string folder_;
};

int CountExportedClubs(const CWorldDatabase& world) {
  int count = 0;
  for (int n = kFirstCountry; n <= kLastCountry; ++n)
    if (const CCountry* country = world.Country(n)) count += country->RegularClubCount();
  return count;
}

int WriteBadge(CFormWriter& writer, const std::string& badgeFolder, std::string_view badgePath) {
  const std::string badgeTemplate = MakeBadgeTemplate(badgePath);
  if (badgeTemplate.empty() || badgeFolder.empty()) return 0;
  return CBadge(badgeFolder, badgeTemplate).WriteChunks(writer);
}

std::vector<uint8_t> NamedChunkData(std::string_view name, const std::string& content) {
  std::vector<uint8_t> data(name.begin(), name.end());
  data.push_back(0);
  data.insert(data.end(), content.begin(), content.end());
  return data;
}

int WritePictures(CFormWriter& writer, const CWorldDatabase& world, const CClub& club,
                  const WorldArchiveFolders& folders) {
  if (!folders.pictureName || folders.pictures.empty()) return 0;
  int written = 0;
  for (uint32_t id : club.PlayerIds()) {
    const CPlayer* player = world.Persons().FindPlayer(id);
    if (!player) continue;
    // The name comes from a database; it may only read pictures inside the picture folder.
    const std::string name = folders.pictureName(*player);
    std::string content;
    if (!ReadConfinedFile(folders.pictures, name, content) || content.empty()) continue;
    const std::vector<uint8_t> data = NamedChunkData(name, content);
    if (writer.WriteChunk(kFormTagPicture, data.data(), data.size())) ++written;
  }
  return written;
}

// The name a "BADG" or "PLIM" chunk carries, or none when it has no terminating NUL.
std::optional<std::string_view> ChunkFileName(const CFormChunk& chunk) {
  const void* nul = std::memchr(chunk.data.data(), 0, chunk.data.size());
  if (!nul) return std::nullopt;
  return std::string_view(reinterpret_cast<const char*>(chunk.data.data()),
                          size_t(static_cast<const uint8_t*>(nul) - chunk.data.data()));
}

// The progress bar counts in ints; a long archive is counted in larger steps.
int ProgressShift(uint32_t length) {
  int shift = 0;
  while ((length >> shift) > uint32_t(INT_MAX)) ++shift;
  return shift;
}

}  // namespace

ExportReport ExportWorld(CWorldDatabase& world, std::string_view target, const WorldArchiveFolders& folders,
                         LongtimeProgress& progress, SaveErrorReporter& reporter) {
  ExportReport report;
  progress.SetRange(0, CountExportedClubs(world));
  progress.SetPos(0);
  progress.EnableCancel(false);

  auto failed = [&](ExportOutcome outcome) {
    reporter.ReportSaveError(IDS_SAVE_FAILED);
    report.outcome = outcome;
    return report;
  };
  if (folders.documents.empty()) return failed(ExportOutcome::kNoTempDatabase);
  const std::string tempFolder = JoinPath(DatabasesRoot(folders.documents), kTempExportFolderName);
  TempExportDatabase temp(world, tempFolder);
  DeleteFolder(tempFolder, true);
  if (!CreateDatabaseFolder(world, folders.documents, kTempExportFolderName, kTempExportDescription, {}))
    return failed(ExportOutcome::kNoTempDatabase);
  // An archive without the countries that could not be saved would pass for a whole world.
  if (!world.Save(reporter)) {
    report.outcome = ExportOutcome::kSaveFailed;
    return report;
  }

  CFormWriter writer;
  if (!writer.Open(target)) return failed(ExportOutcome::kCreateFailed);
  progress.EnableCancel(true);
  bool cancelled = false;
  for (int n = kFirstCountry; n <= kLastCountry && !cancelled; ++n) {
    if (progress.CancelRequested()) {
      cancelled = true;
      break;
    }
    const std::string countryFile = JoinPath(tempFolder, "Country" + std::to_string(n) + ".sav");
    if (writer.WriteFileChunk(kFormTagCountry, static_cast<uint32_t>(n), countryFile)) ++report.countries;
    const CCountry* country = world.Country(n);
    if (!country) continue;
    for (const auto& [id, club] : country->Clubs()) {
      if (progress.CancelRequested()) {
        cancelled = true;
        break;
      }
      // The amateur club stands for the country's players without club: no badge, no step.
      if (club->Number() != kAmateurClubNumber) {
        progress.SetStatus(FormatStringEntry(IDS_EXPORT_CLUB, club->Name(world.Language())));
        progress.SetPos(progress.Position() + 1);
        report.badges += WriteBadge(writer, folders.badges, club->badgeFile);
      }
      report.pictures += WritePictures(writer, world, *club, folders);
    }
  }
  if (cancelled) {
    writer.Abort();
    report.outcome = ExportOutcome::kCancelled;
    return report;
  }
  if (!writer.Close()) return failed(ExportOutcome::kWriteFailed);
  return report;
}

ImportReport ImportWorld(CWorldDatabase& world, std::string_view source, const ImportOptions& options,
                         LongtimeProgress& progress) {
  ImportReport report;
  if (options.emptyWorld) world.InitEmptyWorld();
  world.Reset();

  CFormReader reader;
  report.opened = reader.Open(source);
  const int shift = ProgressShift(reader.Length());
  progress.SetRange(0, static_cast<int>(reader.Length() >> shift));
  progress.SetStatus(LoadString(IDS_IMPORT_RUNNING));

  const FormChunkFolders folders{world.Folder(), options.badges, options.pictures};
  while (std::optional<CFormChunk> chunk = reader.ReadNextChunk()) {
    progress.SetPos(static_cast<int>(reader.Position() >> shift));
    switch (chunk->tagIndex) {
      case kFormTagCountry: {
        const uint32_t number = chunk->Size() >= 4 ? LoadLe32(chunk->data.data()) : 0;
        if (number < uint32_t(kFirstCountry) || number > uint32_t(kLastCountry)) {
          ++report.badCountries;
        } else if (WriteChunkAsFile(*chunk, folders)) {
          ++report.countries;
        } else {
          ++report.failedWrites;
        }
        break;
      }
      case kFormTagBadge:
      case kFormTagPicture: {
        const bool badge = chunk->tagIndex == kFormTagBadge;
        const std::optional<std::string_view> name = ChunkFileName(*chunk);
        if (!name || ConfinedPath(badge ? folders.badges : folders.pictures, *name).empty()) {
          ++report.unsafeNames;
        } else if (WriteChunkAsFile(*chunk, folders)) {
          ++(badge ? report.badges : report.pictures);
        } else {
          ++report.failedWrites;
        }
        break;
      }
      default:
        break;  // "CLUB", "PLAY", "KIT " and unknown tags are not part of a world archive
    }
  }
  report.complete = report.opened && reader.Position() >= reader.Length();
  reader.Close();
  report.loaded = world.Load(world.Folder());
  return report;
}

std::string ImportWarningText(const ImportReport& report) {
  std::string text;
  if (report.unsafeNames > 0)
    text += std::to_string(report.unsafeNames) +
            " Wappen oder Spielerbilder des Archivs wurden übersprungen, weil ihr Dateiname aus dem "
            "Wappen- oder Bilderordner hinausführt.";
  if (report.badCountries > 0) {
    if (!text.empty()) text += "\r\n";
    text += std::to_string(report.badCountries) +
            " Länderdateien des Archivs wurden übersprungen, weil ihre Landesnummer nicht zwischen 1 und "
            "206 liegt.";
  }
  return Utf8ToCp1252(text);
}

}  // namespace torvale
