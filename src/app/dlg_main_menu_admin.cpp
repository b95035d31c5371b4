// The "AdminTools" menu of expert mode: mapping the world to the sibling game's numbers and
// the batch corrections. The core does the work and words the questions and results; the
// window asks, picks the report file and commits the change through the world's door.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/dlg_main_menu.h"
#include "app/qt_text.h"
#include "database/world_database.h"
#include "exchange/batch_corrections.h"
#include "exchange/sibling_mapping.h"
#include "exchange/vela_face_mapping.h"
#include "master/master_build.h"
#include "platform/command_line.h"
#include "ui/common/editor_context.h"
#include "ui/common/input_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/message_box_prompts.h"
#include "ui/common/world_changes.h"
#include "world/club.h"

namespace torvale {

namespace {

// The console build of the admin menu: PS2 data and the PS2 database log.
constexpr uint32_t kConsoleBuildFlags = kMasterBuildPs2 | kMasterBuildLogPs2;

QAction* Heading(QMenu* menu, const char* text) {
  QAction* heading = menu->addAction(QString::fromLatin1(text));
  heading->setEnabled(false);
  return heading;
}

}  // namespace

void DlgMainMenu::BuildAdminToolsMenu() {
  QMenu* admin = menuBar_->addMenu(QStringLiteral("AdminTools"));
  admin->setObjectName("adminMenu");
  auto batch = [&](BatchCommand command, const char* text) {
    AddCommand(admin, static_cast<int>(command), QString::fromLatin1(text), [this, command] { RunBatch(command); });
  };
  auto mapping = [&](int id, MappingCommand command, const char* text) {
    AddCommand(admin, id, QString::fromLatin1(text), [this, command] { RunMapping(command); });
  };
  Heading(admin, "--- Club ---");
  batch(BatchCommand::kYellowShoesClub, "Replace all yellow shoes with black ones");
  Heading(admin, "--- Country ---");
  batch(BatchCommand::kRenameStaff, "Rename country staffnames");
  batch(BatchCommand::kRenameStadiums, "Rename country stadiums");
  batch(BatchCommand::kRemoveUnusedStadiums, "Remove unused stadiums");
  batch(BatchCommand::kClearMatchRecords, "Clear Historical data (Match records)");
  batch(BatchCommand::kClearFirstLeagueRecords, "Clear Historical data (1st league stats)");
  batch(BatchCommand::kYellowShoesCountry, "Replace all yellow shoes with black ones");
  Heading(admin, "--- Database ---");
  mapping(kCmdMapClubIds, MappingCommand::kClubIds, "Map Vela Football 2004 club IDs");
  mapping(kCmdMapPlayerIds, MappingCommand::kPlayerIds, "Map Vela Football 2004 player IDs");
  mapping(kCmdMapFaceIds, MappingCommand::kVelaFaces, "Map Vela Football 2004 face IDs");
  batch(BatchCommand::kSpanishNicknames, "Update spain nicknames from other DB");
  batch(BatchCommand::kTacticalEducation, "Change tactical education from 0 to 3");
  batch(BatchCommand::kBirthdays, "Check for invalid days of birth (1920 and 1900)");
  batch(BatchCommand::kMergeClubNames, "Merge french / spain clubnames");
  batch(BatchCommand::kDeleteStaff, "Delete staff (except manager, chairman, president)");
  batch(BatchCommand::kYellowShoesWorld, "Replace all yellow shoes with black ones");
  Heading(admin, "--- Misc ---");
  mapping(kCmdMapConsoleFaces, MappingCommand::kConsoleFaces, "Map PS2 Vela Football 2003 face IDs");
  AddCommand(admin, kCmdWriteDBForPS2, QStringLiteral("Write DB for PS2"),
             [this] { WriteDatabaseForGame(kConsoleBuildFlags); });
}

void DlgMainMenu::RunMapping(MappingCommand command) {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world || !context_.ExpertMode()) return;
  const MappingCommandTexts texts = TextsOf(command);
  const DialogAnswer answer = ShowMessageBox(texts.question, MessageButtons::kYesNoCancel, this);
  if (answer == DialogAnswer::kCancel) return;
  const bool overwrite = answer == DialogAnswer::kYes;
  const std::optional<QString> report =
      ChooseSaveFile(this, QString::fromLatin1(kReportFilter), QString::fromLatin1(kReportDefaultExtension),
                     QString::fromLatin1(kReportDialogTitle));
  if (!report) return;
  const std::string reportPath = ToCp1252(*report);
  MappingResult result = MappingResult::kNoWorld;
  // The mappings rewrite fields of the persons and clubs of every country; the undo step keeps
  // only the countries whose data changed.
  context_.CurrentChanges().CommitIf(ChangeScope::AllCountries(), QString::fromLatin1(texts.question), [&](CWorldDatabase& w) {
    CGlobalTools& tools = context_.Tools();
    switch (command) {
      case MappingCommand::kClubIds: result = tools.ClubMapping().MapWorld(&w, reportPath, overwrite); break;
      case MappingCommand::kPlayerIds: result = tools.PlayerMapping().MapPlayerIds(&w, reportPath, overwrite); break;
      case MappingCommand::kConsoleFaces: result = tools.PlayerMapping().MapConsoleFaces(&w, reportPath, overwrite); break;
      case MappingCommand::kVelaFaces:
        result = MapVelaFaces(&w, context_.TextTables().faces, reportPath, overwrite);
        break;
    }
    return Mapped(result);
  });
  ShowMessage(std::string(MappingFinalText(command, result)), this);
}

void DlgMainMenu::RunBatch(BatchCommand command) {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  const MainSelection selection = Selection();
  BatchTarget target;
  target.world = world;
  target.country = selection.country ? world->Country(selection.country) : nullptr;
  target.club = target.country && selection.HasClub() ? target.country->FindClub(selection.clubId) : nullptr;
  target.other = OtherLoadedWorld(context_.Worlds());
  target.names = &context_.NameGenerator();

  // The commands over the world change club persons of any country; the undo step keeps only
  // the countries whose data changed.
  ChangeScope scope = ChangeScope::AllCountries();
  switch (command) {
    case BatchCommand::kYellowShoesClub:
      // Only the boots of the club's persons change.
      scope = selection.clubId ? ChangeScope::Club(selection.clubId) : ChangeScope::Country(0);
      break;
    case BatchCommand::kRenameStaff:
    case BatchCommand::kRenameStadiums:
    case BatchCommand::kRemoveUnusedStadiums:
    case BatchCommand::kClearMatchRecords:
    case BatchCommand::kClearFirstLeagueRecords:
    case BatchCommand::kYellowShoesCountry: scope = ChangeScope::Country(selection.country); break;
    default: break;
  }
  MessageBoxPrompts prompts(this);
  const QAction* action = CommandAction(static_cast<int>(command));
  const QString text = action ? action->text() : QString::number(static_cast<int>(command));
  context_.CurrentChanges().CommitIf(scope, text, [&](CWorldDatabase&) {
    return RunBatchCommand(command, target, context_.ExpertMode(), prompts) > 0;
  });
}

}  // namespace torvale
