#include "ui/club/club_editor.h"

#include <memory>

#include "database/world_database.h"
#include "ui/club/club_editor_context.h"
#include "ui/club/dlg_club_parent.h"
#include "ui/club/dlg_new_club.h"

namespace torvale {

bool EditClub(QWidget* parent, const ClubEditorContext& context, uint32_t clubId) {
  if (!context.country) return false;
  CClub* club = context.country->FindClub(clubId);
  if (!club) return false;
  CDlgClubParent editor(*club, context, parent);
  if (editor.exec() != QDialog::Accepted) return false;
  *club = editor.WorkingCopy();
  return true;
}

uint32_t CreateClub(QWidget* parent, const ClubEditorContext& context, ClubNameCounter& counter) {
  if (!context.country) return 0;
  CDlgNewClub dialog(parent);
  if (dialog.exec() != QDialog::Accepted || dialog.ClubName().empty()) return 0;
  auto club = std::make_unique<CClub>();
  club->InitNewClub(static_cast<uint8_t>(context.country->CountryNumber()), counter);
  for (int language = 0; language < kClubLanguages; ++language) club->SetName(language, dialog.ClubName());
  CClub* filed = context.country->AddNewClub(std::move(club));
  return filed ? filed->clubId : 0;
}

}  // namespace torvale
