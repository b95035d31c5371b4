#include "ui/club/club_editor.h"

#include <memory>

#include "app/qt_text.h"
#include "assets/render_host/render_manager.h"
#include "database/world_database.h"
#include "ui/club/club_editor_context.h"
#include "ui/club/dlg_club_parent.h"
#include "ui/club/dlg_new_club.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/editor_context.h"

namespace torvale {

namespace {

// The club and the country it is edited in, while the editor runs: the dialogs only know the
// context, the change door needs the world.
struct ClubCommand {
  CWorldDatabase* world = nullptr;
  int country = 0;
};

ClubCommand CommandFor(EditorContext& editor, const MainSelection& selection) {
  ClubCommand command;
  command.world = editor.CurrentWorld();
  command.country = selection.HasClub() ? ClubCountry(selection.clubId) : selection.country;
  if (!command.world || !command.world->Country(command.country)) command.world = nullptr;
  return command;
}

}  // namespace

ClubEditorContext MakeClubEditorContext(EditorContext& editor, int country, CRenderManager* renderer) {
  ClubEditorContext context;
  context.world = editor.CurrentWorld();
  context.country = context.world ? context.world->Country(country) : nullptr;
  context.tables = &editor.TextTables();
  context.badges = BadgeRoots{editor.DataFolder("badges"), &editor.BadgeArchive()};
  context.cityFolder = editor.DataFolder("city");
  context.language = [&editor] { return editor.CurrentLanguage(); };
  context.setLanguage = [&editor](int language) { editor.SetCurrentLanguage(language); };
  context.renderer = renderer;
  return context;
}

bool EditClub(QWidget* parent, const ClubEditorContext& context, uint32_t clubId) {
  if (!context.country) return false;
  const CClub* club = context.country->FindClub(clubId);
  if (!club) return false;
  CDlgClubParent editor(*club, context, parent);
  return RunModalDialog(editor) && context.commit && context.commit(editor.WorkingCopy());
}

uint32_t CreateClub(QWidget* parent, const ClubEditorContext& context, ClubNameCounter& counter) {
  if (!context.country) return 0;
  CDlgNewClub dialog(parent);
  if (!RunModalDialog(dialog) || dialog.ClubName().empty()) return 0;
  auto club = std::make_unique<CClub>();
  club->InitNewClub(static_cast<uint8_t>(context.country->CountryNumber()), counter);
  for (int language = 0; language < kClubLanguages; ++language) club->SetName(language, dialog.ClubName());
  uint32_t id = 0;
  if (context.fileNewClub) id = context.fileNewClub(std::move(club));
  return id;
}

void OpenClubEditor(EditorContext& editor, QWidget* parent, const MainSelection& selection) {
  const ClubCommand command = CommandFor(editor, selection);
  if (!command.world || !selection.HasClub()) return;
  // The kit page's preview: the plug-in the editor loaded at its start, shared by the screens.
  ScopedRenderManager renderer;
  ClubEditorContext context = MakeClubEditorContext(editor, command.country, &*renderer);
  WorldChanges& changes = editor.ChangesOf(*command.world);
  const uint32_t clubId = selection.clubId;
  const int country = command.country;
  context.commit = [&changes, clubId, country, &editor](const CClub& edited) {
    // The editor works on a copy of the club alone: its fields and its persons' list.
    const QString text =
        QStringLiteral("Verein %1 bearbeitet").arg(FromCp1252(std::string(edited.Name(editor.CurrentLanguage()))));
    return changes.CommitIf(ChangeScope::Club(clubId), text,
                            [&](CWorldDatabase& world) {
                              CClub* club = world.Country(country)->FindClub(clubId);
                              if (!club) return false;
                              *club = edited;
                              return true;
                            });
  };
  EditClub(parent, context, clubId);
}

void OpenNewClubDialog(EditorContext& editor, QWidget* parent, const MainSelection& selection) {
  const ClubCommand command = CommandFor(editor, selection);
  if (!command.world) return;
  ClubEditorContext context = MakeClubEditorContext(editor, command.country, nullptr);
  WorldChanges& changes = editor.ChangesOf(*command.world);
  const int country = command.country;
  context.fileNewClub = [&changes, country](std::unique_ptr<CClub> club) {
    uint32_t id = 0;
    // A new club takes a club number of its country: the country is captured whole.
    const QString text = QStringLiteral("Neuer Verein %1").arg(FromCp1252(std::string(club->Name(0))));
    changes.CommitIf(ChangeScope::Country(country), text, [&](CWorldDatabase& world) {
      const CClub* filed = world.Country(country)->AddNewClub(std::move(club));
      id = filed ? filed->clubId : 0;
      return filed != nullptr;
    });
    return id;
  };
  CreateClub(parent, context, editor.ClubNames());
}

}  // namespace torvale
