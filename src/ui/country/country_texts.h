#pragma once
// The choice texts of the country editor's lists, in the order of the values the country
// stores (list index = stored number), and the formatted figures its pages show.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace torvale {

QStringList ContinentTexts();
QStringList ClimateTexts();
QStringList TeamTransferTexts();       // "Wechsel 1./2. Mannschaft"
QStringList TransferWindow1Texts();    // "Phase 1"
QStringList TransferWindow2Texts();    // "Phase 2"
QStringList YellowCardRuleTexts();     // thresholds of "Regel (Liga)" / "Regel (Pokal)"
QStringList RedCardRuleTexts();
QStringList ForeignPlayerLimitTexts();
QStringList TieBreakTexts();
QStringList RefereeCharacterTexts();
QStringList StandTexts();
QStringList PoolTeamPartTexts();       // "Mannschaftsteil"
QStringList HairColourTexts();         // bits 1-5 of the hair colour mask
QStringList HaircutTexts();            // bits 1-10
QStringList BeardTexts();              // bits 1-6
QStringList FaceTexts();               // bits 1-25, "%s (%d)"

// A cup mode choice: its text and the mode the country stores.
struct CupModeChoice {
  QString text;
  int32_t mode;
};
QList<CupModeChoice> NationalCupModes();
QList<CupModeChoice> LeagueCupModes();
QList<CupModeChoice> SuperCupModes();
// The list index of `mode` in `choices`; -1 when the list does not offer it.
int CupModeIndex(const QList<CupModeChoice>& choices, int32_t mode);

// Average strength in half points as the page shows it: 15 -> "7.5".
QString AverageStrengthText(int halfPoints);
// Height in cm as feet and inches ("%i'%i"), weight in kg as stone and pounds ("%ist %ilbs").
QString FeetInchesText(int centimetres);
QString StonePoundsText(int kilograms);

}  // namespace torvale
