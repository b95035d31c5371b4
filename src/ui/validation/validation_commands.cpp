#include "ui/validation/validation_commands.h"

#include <QApplication>
#include <QCursor>

#include "assets/badge_lookup.h"
#include "platform/string_table.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"
#include "ui/common/string_format.h"
#include "ui/validation/dlg_validation_report.h"

namespace torvale {

namespace {

constexpr int IDS_BUILD_WITH_ERRORS = 1451;
constexpr int IDS_SHOW_REPORT = 1452;
constexpr int IDS_BUILD_ANYWAY = 1453;

}  // namespace

ValidationReport ValidateForEditor(EditorContext& context, const CWorldDatabase& world, uint32_t masterFlags) {
  // The same badge roots as the club editor and the window-less check.
  const BadgeRoots badges{context.DataFolder("badges"), &context.BadgeArchive()};
  ValidationOptions options;
  options.badges = &badges;
  options.masterFlags = masterFlags;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ValidationReport report = ValidateWorld(world, options);
  QApplication::restoreOverrideCursor();
  return report;
}

void OpenValidationReport(EditorContext& context, QWidget* parent, const MainSelection&) {
  if (!context.CurrentWorld()) return;
  CDlgValidationReport dialog(context, 0, parent);
  RunModalDialog(dialog);
}

bool ConfirmBuildDespiteErrors(EditorContext& context, QWidget* parent, uint32_t masterFlags) {
  const CWorldDatabase* world = context.CurrentWorld();
  if (!world) return true;
  const ValidationReport report = ValidateForEditor(context, *world, masterFlags);
  if (!report.HasErrors()) return true;
  switch (AskThreeWay(FormatEntry(IDS_BUILD_WITH_ERRORS, {std::to_string(report.ErrorCount())}),
                      LoadString(IDS_SHOW_REPORT), LoadString(IDS_BUILD_ANYWAY), "Abbrechen", parent)) {
    case DialogAnswer::kYes: {
      CDlgValidationReport dialog(context, masterFlags, parent, report);
      RunModalDialog(dialog);
      return false;
    }
    case DialogAnswer::kNo:
      return true;
    default:
      return false;
  }
}

}  // namespace torvale
