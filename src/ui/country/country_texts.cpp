#include "ui/country/country_texts.h"

#include <cmath>

namespace torvale {

namespace {

QStringList Texts(std::initializer_list<const char*> utf8) {
  QStringList list;
  for (const char* text : utf8) list << QString::fromUtf8(text);
  return list;
}

}  // namespace

QStringList ContinentTexts() {
  return Texts({"Europa", "Südamerika", "Nord und Mittelamerika", "Afrika", "Asien", "Ozeanien"});
}
QStringList ClimateTexts() { return Texts({"Kalt", "Kühl", "Gemäßigt", "Warm", "Heiß"}); }
QStringList TeamTransferTexts() {
  return Texts({"unbegrenzt", "ein Spieler pro Woche", "Spieler unter 24 unbegrenzt",
                "nur während der Transferperioden"});
}
QStringList TransferWindow1Texts() { return Texts({"1.7. - 31.1.", "1.7. - 30.11.", "1.7. - 30.10."}); }
QStringList TransferWindow2Texts() { return Texts({"1.11. - 31.1.", "1.12. - 31.1.", "1.1. - 31.1."}); }
QStringList YellowCardRuleTexts() {
  return Texts({"5/10/15/20/25", "4/8/12/16/20", "4/7/10/13/16", "4/7/9/10/11", "5/9/13/17/21", "3/6/9/12/15"});
}
QStringList RedCardRuleTexts() { return Texts({"Sofort", "Montag der nächsten Woche"}); }
QStringList ForeignPlayerLimitTexts() {
  return Texts({"unbegrenzt", "3 nicht europäische Spieler", "4 nicht europäische Spieler",
                "5 nicht europäische Spieler", "7 nicht europäische Spieler"});
}
QStringList TieBreakTexts() { return Texts({"normal", "Tore vor Tordifferenz"}); }
QStringList RefereeCharacterTexts() {
  return Texts({"Weltklasse-Schiedsrichter", "greift gnadenlos durch", "lässt das Spiel laufen",
                "mag Zurufe durch Trainer nicht", "trifft mutige Entscheidungen", "ist ein Feigling", "keine"});
}
QStringList StandTexts() {
  return Texts({"Haupttribüne", "Gegentribüne", "Nordtribüne", "Südtribüne", "N-W Kurve", "N-E Kurve",
                "S-W Kurve", "S-E Kuve"});
}
QStringList PoolTeamPartTexts() { return Texts({"Torwart", "Abwehr", "Mittelfeld", "Angriff"}); }
QStringList HairColourTexts() { return Texts({"Schwarz", "Braun", "Dunkelblond", "Blond", "Rot"}); }
QStringList HaircutTexts() {
  return Texts({"kurz rasiert", "Lang", "lang, lockig", "Pony, lang", "Mittelkurz", "Afro kurz",
                "Kurze Rasterlocken", "Side Burn", "Rastalocken", "Pferdeschwanz"});
}
QStringList BeardTexts() {
  return Texts({"Keiner", "Spitzbart (teilweise)", "Schnauzbart", "Dreitagebart", "Spitzbart (vollständig)",
                "Vollbart"});
}
QStringList FaceTexts() {
  struct Kind {
    const char* name;
    int count;
  };
  const Kind kinds[] = {{"Europäer", 7}, {"Asiatisch", 6}, {"Afrikanisch", 6}, {"Latein", 6}};
  QStringList list;
  for (const Kind& kind : kinds)
    for (int i = 1; i <= kind.count; ++i) list << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(kind.name)).arg(i);
  return list;
}

QList<CupModeChoice> NationalCupModes() {
  return {{QStringLiteral("Pokal Deutschland"), 1}, {QStringLiteral("FA-Cup England"), 2},
          {QStringLiteral("Pokal Frankreich"), 3},  {QStringLiteral("Pokal Spanien"), 4},
          {QStringLiteral("Pokal Italien"), 5},     {QStringLiteral(" Kein Pokal"), 0}};
}
QList<CupModeChoice> LeagueCupModes() {
  return {{QStringLiteral("Ligapokal Deutschland"), 6},
          {QStringLiteral("Ligapokal England"), 7},
          {QStringLiteral("Ligapokal England (alle Ligen)"), 65543},
          {QStringLiteral("Ligapokal Frankreich"), 8},
          {QStringLiteral("kein Ligapokal"), 0}};
}
QList<CupModeChoice> SuperCupModes() {
  return {{QStringLiteral("ein Spiel"), 15}, {QStringLiteral("zwei Spiele"), 16}, {QStringLiteral("kein Spiel"), 0}};
}
int CupModeIndex(const QList<CupModeChoice>& choices, int32_t mode) {
  for (int i = 0; i < choices.size(); ++i)
    if (choices[i].mode == mode) return i;
  return -1;
}

QString AverageStrengthText(int halfPoints) { return QString::asprintf("%2.1f", halfPoints * 0.5); }

QString FeetInchesText(int centimetres) {
  const int inches = static_cast<int>(std::lround(centimetres / 2.54));
  return QString::asprintf("%i'%i", inches / 12, inches % 12);
}

QString StonePoundsText(int kilograms) {
  const int pounds = static_cast<int>(std::lround(kilograms * 2.20462));
  return QString::asprintf("%ist %ilbs", pounds / 14, pounds % 14);
}

}  // namespace torvale
