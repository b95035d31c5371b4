// The main window's own commands: the world list, saving, and the club commands that need no
// dialog. Everything that changes a world goes through its WorldChanges.

#include <QAction>

#include "app/dlg_main_menu.h"
#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"
#include "ui/common/save_error_box.h"
#include "ui/common/string_format.h"
#include "ui/common/world_changes.h"
#include "world/club.h"

namespace torvale {

namespace {

constexpr int kCloseWorldQuestion = 859;

}  // namespace

void DlgMainMenu::SaveCurrentWorld() {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  SaveErrorBox errors(this);
  if (world->Save(errors)) context_.ChangesOf(*world).MarkSaved();
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
  context_.CurrentChanges().CommitIf(ChangeScope::Country(country), QString::fromUtf8("Verein löschen"),
                                     [&](CWorldDatabase& world) {
                                       CCountry* owner = world.Country(country);
                                       return owner && owner->RemoveClub(selection.clubId) != nullptr;
                                     });
}

}  // namespace torvale
