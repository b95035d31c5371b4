#pragma once
// The world export and import as long-time operations: what the main window's "export" and
// "import" commands run behind the progress dialog. The dialog runs on the GUI thread;
// ExportWorld and ImportWorld run on the worker. The save-error reporter of an export is told
// on the worker thread, so the editor's reporter must hand the message to the GUI thread.

#include <string>
#include <string_view>

#include "exchange/longtime_operation.h"
#include "exchange/world_archive.h"

namespace torvale {

class ExchangePrompts;
class WorldManager;

class CLongtimeExportWorld final : public CLongtimeOperation {
 public:
  CLongtimeExportWorld(CWorldDatabase& world, std::string targetPath, WorldArchiveFolders folders,
                       SaveErrorReporter& reporter);
  const ExportReport& Report() const { return report_; }

 protected:
  void Execute() override;

 private:
  CWorldDatabase& world_;
  std::string target_;
  WorldArchiveFolders folders_;
  SaveErrorReporter& reporter_;
  ExportReport report_{ExportOutcome::kCancelled};  // until Execute has run
};

class CLongtimeImportWorld final : public CLongtimeOperation {
 public:
  // The import cannot be cancelled: a half-written database is worse than waiting.
  CLongtimeImportWorld(CWorldDatabase& world, std::string sourcePath, ImportOptions options);
  const ImportReport& Report() const { return report_; }

 protected:
  void Execute() override;

 private:
  CWorldDatabase& world_;
  std::string source_;
  ImportOptions options_;
  ImportReport report_;
};

// The export of the manager's current world; false when there is none. `report` receives the
// outcome (kWritten: the archive is in place).
bool ExportCurrentWorld(WorldManager& manager, std::string_view targetPath, const WorldArchiveFolders& folders,
                        SaveErrorReporter& reporter, LongtimeDialogRunner& runner, ExportReport* report = nullptr);

// The import into the manager's current world. With `confirm` the user is asked first
// (message 882, Yes/No); No, or no current world, changes nothing and returns false.
// Afterwards the editor shows ImportWarningText(report) when it is not empty.
bool ImportIntoCurrentWorld(WorldManager& manager, std::string_view sourcePath, bool confirm,
                            const ImportOptions& options, ExchangePrompts& prompts, LongtimeDialogRunner& runner,
                            ImportReport* report = nullptr);

}  // namespace torvale
