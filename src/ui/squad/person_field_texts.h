#pragma once
// The German texts behind the numbers a person record stores: positions, roles, feet, talent
// levels, the appearance numbers, formations, bonus abilities, player types and the
// season-start specials. The pages fill their choice boxes from these lists; index i of a
// list is the stored value i unless the function says otherwise. Texts are UTF-8 QStrings
// (they never meet world text in Windows-1252).

#include <QString>
#include <QStringList>

namespace torvale {

// "Torwart" ... "Stürmer" for positions 1-17 (index 0 is position 1).
QStringList PositionLongTexts();
// "Trainer", "Manager", ... for roles 1-20 (index 0 is role 1).
QStringList OfficialRoleTexts();
// The "Neu..." menu texts of roles 1-20 ("Neuer Trainer", ...), index 0 is role 1.
QStringList NewOfficialMenuTexts();
QStringList FootTexts();                  // 0 "beidfüßig", 1 "rechts", 2 "links"
QStringList TalentTexts();                // 0-7
QStringList AbilityTexts();               // the 16 abilities in record order
QStringList CharacterTexts();             // the nine character values in record order
QStringList ManagerAbilityTexts();        // motivation, training design, goalkeeping, negotiation
QStringList BonusAbilityTexts();          // 0-31: 0 none, 1-16 the abilities, then specials
QStringList FormationTexts();             // 0-17
QStringList SeasonSpecialTexts();         // 0-7
// Appearance lists; the first entry stands for the value `first`.
struct AppearanceChoices {
  int first = 0;
  QStringList texts;
};
AppearanceChoices HairColourChoices();    // 1-5
AppearanceChoices SkinColourChoices();    // 0-5
AppearanceChoices FaceChoices();          // 1-25
AppearanceChoices HairStyleChoices();     // 1-10
AppearanceChoices FacialHairChoices();    // 1-6
// The name of a player type code of the strength rule ("—" for none).
QString PlayerTypeText(int code);

}  // namespace torvale
