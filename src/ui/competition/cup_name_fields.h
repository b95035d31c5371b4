#pragma once
// The name and "(PS2)" short name fields of an international cup, as both continental pages
// show them, limited to what the rules record can hold.

#include <QString>

class QFormLayout;
class QLineEdit;
class QWidget;

namespace torvale {

class CGlobalRules;

struct CupNameFields {
  QLineEdit* name = nullptr;
  QLineEdit* shortName = nullptr;
};

// Adds the two rows for `cup` to `form`, filled from `rules` in `language`.
CupNameFields AddCupNameFields(QFormLayout& form, QWidget* parent, const CGlobalRules& rules, int cup, int language,
                               const QString& label, const QString& objectName);
// Writes the two texts back.
void StoreCupNameFields(const CupNameFields& fields, CGlobalRules& rules, int cup, int language);

}  // namespace torvale
