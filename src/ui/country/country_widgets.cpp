#include "ui/country/country_widgets.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt_text.h"
#include "database/world_database.h"

namespace torvale {

QLineEdit* MakeLimitedEdit(QWidget* parent, int maxLength, const QString& objectName, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  edit->setMaxLength(maxLength);
  edit->setObjectName(objectName);
  return edit;
}

void AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbruch"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout.addWidget(buttons);
}

void FillCountryCombo(QComboBox& combo, const CWorldDatabase& world, int language) {
  for (int id = 1; id < kCountrySlots; ++id)
    if (const CCountry* country = world.Country(id)) combo.addItem(FromCp1252(country->Name(language)), id);
}

}  // namespace torvale
