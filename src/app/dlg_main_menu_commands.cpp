// The main window's own commands: the world list, saving, and the club commands that need no
// dialog. Everything that changes a world goes through its WorldChanges.

#include <QAction>

#include "app/dlg_main_menu.h"
#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/backup/backup_commands.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"
#include "ui/common/save_error_box.h"
#include "ui/common/string_format.h"
#include "ui/common/world_changes.h"
#include "database/club_commands.h"
#include "master/master_batch.h"
#include "persons/world_persons.h"
#include "platform/string_table.h"
#include "ui/common/dlg_error_single.h"
#include "ui/common/input_dialogs.h"
#include "ui/database/dlg_database_copy.h"
#include "world/club.h"

namespace torvale {

namespace {

QString ClubText(const CWorldDatabase& world, uint32_t clubId) { return FromCp1252(WorldClubName(world, clubId)); }

// The club and every other list that names one of its persons: deleting them reaches there.
ChangeScope ClubPersonsScope(const CWorldDatabase& world, uint32_t clubId) {
  ChangeScope scope = ChangeScope::Club(clubId);
  if (const CClub* club = FindWorldClub(world, clubId)) scope |= ChangeScope::ListingPersons(world, club->PlayerIds());
  return scope;
}

constexpr int kCloseWorldQuestion = 859;
constexpr int kNationalTeamNotReplaced = 843;
constexpr int kRemoveClubPeopleQuestion = 860;
constexpr int kInvalidBadgeLine = 890;
// Club files have no extension of the game's own; this one says what they hold.
const char* const kClubFileFilter = "Vereinsdateien (*.club)|*.club|Alle Dateien (*.*)|*.*||";

}  // namespace

void DlgMainMenu::SaveCurrentWorld() {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  if (SaveWorldWithBackup(context_, *world, this)) context_.ChangesOf(*world).MarkSaved();
}

void DlgMainMenu::CloseCurrentWorld() {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world || context_.Worlds().Count() < 2) return;
  if (!AskYesNo(FormatEntry(kCloseWorldQuestion, {world->Name()}), this)) return;
  context_.CloseWorld(world);
  context_.Worlds().SelectByIndex(0);
  Refresh();
}

void DlgMainMenu::SwitchToWorld(size_t index) {
  if (!context_.Worlds().SelectByIndex(index)) return;
  Refresh();
}

void DlgMainMenu::DeleteSelectedClub() {
  const MainSelection selection = Selection();
  // The national team lives in the amateur club: it belongs to the country and stays.
  if (!selection.HasClub() || ClubNumber(selection.clubId) == kAmateurClubNumber) return;
  const int country = ClubCountry(selection.clubId);
  WorldChanges& changes = context_.CurrentChanges();
  // The club number and the leagues belong to the country; its persons may be listed elsewhere too.
  ChangeScope scope = ChangeScope::Country(country);
  scope |= ClubPersonsScope(changes.World(), selection.clubId);
  changes.CommitIf(scope, QString::fromUtf8("Verein %1 gelöscht").arg(ClubText(changes.World(), selection.clubId)),
                                     [&](CWorldDatabase& world) {
                                       CCountry* owner = world.Country(country);
                                       return owner && owner->RemoveClub(selection.clubId) != nullptr;
                                     });
}

void DlgMainMenu::SaveSelectedClub() {
  const MainSelection selection = Selection();
  CWorldDatabase* world = context_.CurrentWorld();
  if (!selection.HasClub() || !world) return;
  const std::optional<QString> path =
      ChooseSaveFile(this, QString::fromUtf8(kClubFileFilter), QStringLiteral("club"), QStringLiteral("Verein abspeichern"));
  if (!path) return;
  if (!SaveClubFile(*world, selection.clubId, ToCp1252(*path))) ShowMessage(LoadString(IDS_SAVE_FAILED), this);
}

void DlgMainMenu::ReplaceSelectedClub() {
  const MainSelection selection = Selection();
  if (!selection.HasClub()) return;
  if (ClubNumber(selection.clubId) == kAmateurClubNumber) {
    ShowMessage(LoadString(kNationalTeamNotReplaced), this);
    return;
  }
  const std::optional<QString> path = ChooseOpenFile(this, QString::fromUtf8(kClubFileFilter), QStringLiteral("club"),
                                                     QString::fromUtf8("Verein überschreiben"));
  if (!path) return;
  const std::string file = ToCp1252(*path);
  WorldChanges& changes = context_.CurrentChanges();
  ChangeScope scope = ChangeScope::Country(ClubCountry(selection.clubId));
  scope |= ClubPersonsScope(changes.World(), selection.clubId);
  changes.CommitIf(scope, QString::fromUtf8("Verein %1 überschrieben").arg(ClubText(changes.World(), selection.clubId)),
                   [&](CWorldDatabase& world) {
                                       return ReplaceClubFromFile(world, selection.clubId, file) ==
                                              ClubReplaceResult::kReplaced;
                                     });
}

void DlgMainMenu::RemoveSelectedClubPeople() {
  const MainSelection selection = Selection();
  if (!selection.HasClub() || !AskYesNo(LoadString(kRemoveClubPeopleQuestion), this)) return;
  WorldChanges& changes = context_.CurrentChanges();
  changes.CommitIf(ClubPersonsScope(changes.World(), selection.clubId),
                   QString::fromUtf8("Spieler/Manager von %1 gelöscht").arg(ClubText(changes.World(), selection.clubId)),
                   [&](CWorldDatabase& world) {
                                       return RemoveClubPeople(world, selection.clubId) > 0;
                                     });
}

void DlgMainMenu::FindInvalidBadges() {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  CQZBig& archive = context_.BadgeArchive();
  const std::vector<InvalidBadge> invalid =
      torvale::FindInvalidBadges(*world, context_.CurrentLanguage(), [&](std::string_view badge) {
        return IsArchiveBadgeMissing(archive, world->BadgeFolder(), badge);
      });
  if (invalid.empty()) return;
  std::string text;
  for (const InvalidBadge& entry : invalid) {
    if (!text.empty()) text += "\n\n";
    text += FormatEntry(kInvalidBadgeLine, {entry.clubName, entry.badge});
  }
  CDlgErrorSingle::Show(this, ToCp1252(QString::fromUtf8("Nach ungültigen Wappen suchen")), text);
}

void DlgMainMenu::ManageDatabases() {
  CDlgDatabaseCopy dialog(context_, this);
  RunModalDialog(dialog);
}

}  // namespace torvale
