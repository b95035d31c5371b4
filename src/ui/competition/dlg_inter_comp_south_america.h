#pragma once
// CDlgInterCompSouthAmerica, the "Südamerika" page of the continental settings: the South
// American cup's name and short name in the database language and its title holder.

#include <QWidget>

#include "ui/competition/cup_name_fields.h"

namespace torvale {

class CGlobalRules;
class CReferencePicker;
class CWorldDatabase;

class CDlgInterCompSouthAmerica : public QWidget {
  Q_OBJECT
 public:
  CDlgInterCompSouthAmerica(CGlobalRules& rules, const CWorldDatabase& world, QWidget* parent = nullptr);

  void Store();
  void ShowHolder();

 private:
  CGlobalRules& rules_;
  int language_;
  CupNameFields names_;
  CReferencePicker* holder_ = nullptr;
};

}  // namespace torvale
