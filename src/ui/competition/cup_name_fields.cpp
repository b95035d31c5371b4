#include "ui/competition/cup_name_fields.h"

#include <QFormLayout>
#include <QLineEdit>

#include "app/qt_text.h"
#include "world/global_rules.h"

namespace torvale {

CupNameFields AddCupNameFields(QFormLayout& form, QWidget* parent, const CGlobalRules& rules, int cup, int language,
                               const QString& label, const QString& objectName) {
  CupNameFields fields;
  fields.name = new QLineEdit(parent);
  fields.name->setObjectName(objectName + QStringLiteral("Name"));
  fields.name->setMaxLength(static_cast<int>(kCupNameSize) - 1);
  fields.name->setText(FromCp1252(std::string(rules.CupName(cup, language, false))));
  fields.shortName = new QLineEdit(parent);
  fields.shortName->setObjectName(objectName + QStringLiteral("ShortName"));
  fields.shortName->setMaxLength(static_cast<int>(kCupShortNameSize) - 1);
  fields.shortName->setText(FromCp1252(std::string(rules.CupName(cup, language, true))));
  form.addRow(label, fields.name);
  form.addRow(QStringLiteral("Name (PS2)"), fields.shortName);
  return fields;
}

void StoreCupNameFields(const CupNameFields& fields, CGlobalRules& rules, int cup, int language) {
  rules.SetCupName(cup, language, false, ToCp1252(fields.name->text()));
  rules.SetCupName(cup, language, true, ToCp1252(fields.shortName->text()));
}

}  // namespace torvale
