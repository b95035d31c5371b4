#include "exchange/longtime_world_archive.h"

#include "database/world_manager.h"
#include "exchange/exchange_prompts.h"
#include "platform/string_table.h"

namespace torvale {

CLongtimeExportWorld::CLongtimeExportWorld(CWorldDatabase& world, std::string targetPath,
                                           WorldArchiveFolders folders, SaveErrorReporter& reporter)
    : world_(world), target_(std::move(targetPath)), folders_(std::move(folders)), reporter_(reporter) {
  SetTitle(LoadString(IDS_EXPORT_TITLE));
  SetDescription(FormatStringEntry(IDS_EXPORT_DESCRIPTION, target_));
  SetStatus(LoadString(IDS_EXPORT_STARTING));
}

void CLongtimeExportWorld::Execute() { report_ = ExportWorld(world_, target_, folders_, *this, reporter_); }

CLongtimeImportWorld::CLongtimeImportWorld(CWorldDatabase& world, std::string sourcePath, ImportOptions options)
    : world_(world), source_(std::move(sourcePath)), options_(std::move(options)) {
  SetTitle(LoadString(IDS_IMPORT_TITLE));
  SetDescription(FormatStringEntry(IDS_IMPORT_DESCRIPTION, source_));
  SetStatus(LoadString(IDS_IMPORT_STARTING));
  EnableCancel(false);
}

void CLongtimeImportWorld::Execute() { report_ = ImportWorld(world_, source_, options_, *this); }

bool ExportCurrentWorld(WorldManager& manager, std::string_view targetPath, const WorldArchiveFolders& folders,
                        SaveErrorReporter& reporter, LongtimeDialogRunner& runner, ExportReport* report) {
  CWorldDatabase* world = manager.Current();
  if (!world) return false;
  CLongtimeExportWorld operation(*world, std::string(targetPath), folders, reporter);
  operation.Run(runner);
  if (report) *report = operation.Report();
  return operation.Report().outcome == ExportOutcome::kWritten;
}

bool ImportIntoCurrentWorld(WorldManager& manager, std::string_view sourcePath, bool confirm,
                            const ImportOptions& options, ExchangePrompts& prompts, LongtimeDialogRunner& runner,
                            ImportReport* report) {
  CWorldDatabase* world = manager.Current();
  if (!world) return false;
  // Asked before the worker starts, so the question never has to cross threads.
  if (confirm && !prompts.AskYesNo(LoadString(IDS_IMPORT_CONFIRM))) return false;
  CLongtimeImportWorld operation(*world, std::string(sourcePath), options);
  operation.Run(runner);
  if (report) *report = operation.Report();
  return true;
}

}  // namespace torvale
