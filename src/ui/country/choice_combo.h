#pragma once
// Choice lists whose item data is the number the world stores. A stored number that the list
// does not offer (an older or hand-edited file) is shown as an extra entry with the number
// itself, so that storing the page does not change it behind the user's back.

#include <QComboBox>
#include <QStringList>

namespace torvale {

// Items `texts` with the values 0, 1, 2, ... (or `firstValue` upwards).
QComboBox* MakeChoiceCombo(const QStringList& texts, QWidget* parent, int firstValue = 0);
void SetChoice(QComboBox& combo, int value);
int Choice(const QComboBox& combo);

}  // namespace torvale
