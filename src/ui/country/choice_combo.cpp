#include "ui/country/choice_combo.h"

namespace torvale {

QComboBox* MakeChoiceCombo(const QStringList& texts, QWidget* parent, int firstValue) {
  auto* combo = new QComboBox(parent);
  for (int i = 0; i < texts.size(); ++i) combo->addItem(texts[i], firstValue + i);
  return combo;
}

void SetChoice(QComboBox& combo, int value) {
  int index = combo.findData(value);
  if (index < 0) {
    combo.addItem(QString::number(value), value);
    index = combo.count() - 1;
  }
  combo.setCurrentIndex(index);
}

int Choice(const QComboBox& combo) { return combo.currentData().toInt(); }

}  // namespace torvale
