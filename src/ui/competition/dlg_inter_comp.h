#pragma once
// CDlgInterComp ("Kontinentale Einstellungen"): the pages "Europa" and "Südamerika" over one
// copy of the world's rules, and the 5-year ranking. OK settles the title holders (a club holds
// one international title at most) and writes the copy back as one change.

#include <QDialog>

#include "world/global_rules.h"

namespace torvale {

class CDlgInterCompSouthAmerica;
class CDlgInternationalCompetition;
class EditorContext;

class CDlgInterComp : public QDialog {
  Q_OBJECT
 public:
  CDlgInterComp(EditorContext& context, QWidget* parent = nullptr);

  const CGlobalRules& Rules() const { return rules_; }
  void accept() override;

 private:
  EditorContext& context_;
  CGlobalRules rules_;
  CDlgInternationalCompetition* europe_ = nullptr;
  CDlgInterCompSouthAmerica* southAmerica_ = nullptr;
};

}  // namespace torvale
