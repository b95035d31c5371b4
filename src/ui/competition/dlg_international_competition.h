#pragma once
// CDlgInternationalCompetition, the "Europa" page of the continental settings: the names of the
// champions round, the European cup and the Intertoto cup in the database language, the title
// holders and final venues of the first two. It edits the dialog's copy of the rules; a club
// chosen as holder of one European cup stops holding the other at once.

#include <QWidget>
#include <array>

#include "ui/competition/cup_name_fields.h"


namespace torvale {

class CGlobalRules;
class CReferencePicker;
class CWorldDatabase;

class CDlgInternationalCompetition : public QWidget {
  Q_OBJECT
 public:
  CDlgInternationalCompetition(CGlobalRules& rules, const CWorldDatabase& world, QWidget* parent = nullptr);

  // Writes the names into the copy (holders and venues are written as they are chosen).
  void Store();
  // Shows the copy's holders again.
  void ShowHolders();

 private:
  CGlobalRules& rules_;
  int language_;
  std::array<CupNameFields, 3> names_{};
  std::array<CReferencePicker*, 2> holders_{};
  std::array<CReferencePicker*, 2> venues_{};
};

}  // namespace torvale
