#include "ui/squad/person_field_texts.h"

#include "world/strength.h"

namespace torvale {

QStringList PositionLongTexts() {
  return {QStringLiteral("Torwart"),
          QStringLiteral("Rechter Verteidiger"),
          QStringLiteral("Linker Verteidiger"),
          QStringLiteral("Innenverteidiger"),
          QStringLiteral("Libero"),
          QStringLiteral("Rechter Offensivverteidiger"),
          QStringLiteral("Linker Offensivverteidiger"),
          QStringLiteral("Libero vor der Abwehr"),
          QStringLiteral("Defensives Mittelfeld"),
          QStringLiteral("Rechtes Mittelfeld"),
          QStringLiteral("Linkes Mittelfeld"),
          QStringLiteral("Zentrales Mittelfeld"),
          QString::fromUtf8("Rechtsaußen"),
          QString::fromUtf8("Linksaußen"),
          QStringLiteral("Offensives Mittelfeld"),
          QString::fromUtf8("Hängende Spitze"),
          QString::fromUtf8("Stürmer")};
}

QStringList OfficialRoleTexts() {
  return {QStringLiteral("Trainer"),        QStringLiteral("Manager"),
          QString::fromUtf8("Präsident"),   QStringLiteral("Co-Trainer"),
          QStringLiteral("Torwarttrainer"), QStringLiteral("Amateurtrainer"),
          QStringLiteral("Jugendtrainer"),  QStringLiteral("Chefscout"),
          QStringLiteral("2. Scout"),       QStringLiteral("Talentscout"),
          QStringLiteral("Doktor"),         QStringLiteral("Spezialist Knie"),
          QString::fromUtf8("Spezialist Knöchel"), QStringLiteral("Spezialist Muskel"),
          QStringLiteral("Masseur"),        QStringLiteral("Psychologe"),
          QString::fromUtf8("Geschäftsführer"), QStringLiteral("Marketingspezialist"),
          QStringLiteral("Stadionmanager"), QStringLiteral("Fanbeauftragter")};
}

QStringList NewOfficialMenuTexts() {
  // The game's menus spell a few of these their own way; they are kept as they are.
  return {QStringLiteral("Neuer Trainer"),        QStringLiteral("Neuer Manager"),
          QString::fromUtf8("Neuer Präsident"),   QStringLiteral("Neuer Co-Trainer"),
          QStringLiteral("Neuer Torwarttrainer"), QStringLiteral("Neuer Amateurtrainer"),
          QStringLiteral("Neuer Jugendtrainer"),  QStringLiteral("Neuer Chefscout"),
          QStringLiteral("Neuer 2. Scout"),       QStringLiteral("Neuer Talentscout"),
          QStringLiteral("Neuer Doktor"),         QStringLiteral("Neuer Spezialist Knie"),
          QString::fromUtf8("Neuer Specialist Knöchel"), QStringLiteral("Neuer Spezialist Muskel"),
          QStringLiteral("Neuer Masseur"),        QStringLiteral("Neuer Psychologe"),
          QString::fromUtf8("Neuer Geschäftsführer"), QStringLiteral("Neuer Marketingmuckel"),
          QStringLiteral("Neuer Stadionmanager"), QStringLiteral("Neuer Fanbeauftragter")};
}

QStringList FootTexts() {
  return {QString::fromUtf8("beidfüßig"), QStringLiteral("rechts"), QStringLiteral("links")};
}

QStringList TalentTexts() {
  return {QStringLiteral("Normal"),       QStringLiteral("Gross"),      QStringLiteral("Sehr gross"),
          QStringLiteral("Ausgezeichnet"), QStringLiteral("Gigantisch"), QStringLiteral("Talent 5"),
          QStringLiteral("Talent 6"),     QStringLiteral("Talent 7")};
}

QStringList AbilityTexts() {
  return {QStringLiteral("Passspiel"),        QStringLiteral("Kopfball"),
          QString::fromUtf8("Schussstärke"),  QStringLiteral("Schussgenauigkeit"),
          QStringLiteral("Antritt"),          QStringLiteral("Schnelligkeit"),
          QStringLiteral("Def. Zweikampf"),   QStringLiteral("Off. Zweikampf"),
          QStringLiteral("Technik"),          QStringLiteral("Flanken"),
          QStringLiteral("Reflexe"),          QStringLiteral("Flugparaden"),
          QStringLiteral("Strafraumbeherrschung"), QStringLiteral("Eins gegen eins"),
          QString::fromUtf8("Abstöße"),       QString::fromUtf8("Abwürfe")};
}

QStringList CharacterTexts() {
  return {QString::fromUtf8("Führungsspieler"), QStringLiteral("Einstellung"),
          QString::fromUtf8("Flexibilität"),    QStringLiteral("Nerven"),
          QString::fromUtf8("Zuverlässigkeit"), QString::fromUtf8("Härte"),
          QStringLiteral("Image"),              QStringLiteral("Teamgeist"),
          QStringLiteral("Ident. mit Verein")};
}

QStringList ManagerAbilityTexts() {
  return {QStringLiteral("Motivation"), QStringLiteral("Trainingsgestaltung"), QStringLiteral("Torwarttraining"),
          QStringLiteral("Verhandlungsgeschick")};
}

QStringList BonusAbilityTexts() {
  QStringList texts{QStringLiteral("keine")};
  texts << AbilityTexts();
  for (int special = 17; special <= 31; ++special) texts << QStringLiteral("Sonderfähigkeit %1").arg(special);
  return texts;
}

QStringList FormationTexts() {
  return {QStringLiteral("442 Standard"), QStringLiteral("442 Off"), QStringLiteral("442 Def"),
          QStringLiteral("532 Standard"), QStringLiteral("532 Off"), QStringLiteral("532 Def"),
          QStringLiteral("352 Standard"), QStringLiteral("352 Off"), QStringLiteral("352 Def"),
          QStringLiteral("433 Standard"), QStringLiteral("433 Off"), QStringLiteral("433 Def"),
          QStringLiteral("451 Standard"), QStringLiteral("451 Off"), QStringLiteral("451 Def"),
          QStringLiteral("343 Standard"), QStringLiteral("343 Off"), QStringLiteral("541 Standard")};
}

QStringList SeasonSpecialTexts() {
  return {QStringLiteral("keine"),          QStringLiteral("Verletzt"),   QStringLiteral("Gesperrt"),
          QStringLiteral("Formtief"),       QStringLiteral("Ausgeliehen"), QStringLiteral("Besonderheit 5"),
          QStringLiteral("Besonderheit 6"), QStringLiteral("Besonderheit 7")};
}

AppearanceChoices HairColourChoices() {
  return {1, {QStringLiteral("Schwarz"), QStringLiteral("Braun"), QStringLiteral("Dunkelblond"),
              QStringLiteral("Blond"), QStringLiteral("Rot")}};
}

AppearanceChoices SkinColourChoices() {
  return {0, {QStringLiteral("Sehr hell"), QStringLiteral("Hell"), QStringLiteral("Mittel"),
              QStringLiteral("Gebräunt"), QStringLiteral("Dunkel"), QStringLiteral("Sehr dunkel")}};
}

AppearanceChoices FaceChoices() {
  AppearanceChoices choices{1, {}};
  for (int face = 1; face <= 25; ++face) {
    const char* group = face <= 7 ? "Europäisch" : face <= 13 ? "Asiatisch" : face <= 19 ? "Afrikanisch" : "Lateinamerikanisch";
    const int first = face <= 7 ? 1 : face <= 13 ? 8 : face <= 19 ? 14 : 20;
    choices.texts << QString::fromUtf8("%1 %2").arg(QString::fromUtf8(group)).arg(face - first + 1);
  }
  return choices;
}

AppearanceChoices HairStyleChoices() {
  return {1, {QStringLiteral("Glatze"), QStringLiteral("Stoppeln"), QStringLiteral("Kurz"),
              QStringLiteral("Kurz gescheitelt"), QStringLiteral("Mittellang"), QStringLiteral("Locken"),
              QStringLiteral("Lang"), QStringLiteral("Irokese"), QStringLiteral("Rastalocken"),
              QStringLiteral("Pferdeschwanz")}};
}

AppearanceChoices FacialHairChoices() {
  return {1, {QStringLiteral("Kein Bart"), QStringLiteral("Kinnbärtchen"), QStringLiteral("Schnurrbart"),
              QStringLiteral("Dreitagebart"), QStringLiteral("Spitzbart"), QStringLiteral("Vollbart")}};
}

QString PlayerTypeText(int code) {
  switch (code) {
    case kTypeGreatKeeper: return QStringLiteral("Weltklasse-Torwart");
    case kTypeWeakKeeper: return QString::fromUtf8("Unsicherer Torwart");
    case kTypeShooter: return QString::fromUtf8("Schütze");
    case kTypeCoolFinisher: return QString::fromUtf8("Eiskalter Vollstrecker");
    case kTypeSharpshooter: return QString::fromUtf8("Scharfschütze");
    case kTypePhysical: return QString::fromUtf8("Kraftpaket");
    case kTypeTargetMan: return QString::fromUtf8("Strafraumstürmer");
    case kTypeFastWinger: return QString::fromUtf8("Flügelflitzer");
    case kTypeCrossingWideMan: return QString::fromUtf8("Flankengott");
    case kTypeFastForward: return QString::fromUtf8("Konterstürmer");
    case kTypeClubLeader: return QString::fromUtf8("Vereinsikone");
    case kTypeYoungTalent: return QString::fromUtf8("Jungstar");
    case kTypePlaymaker: return QString::fromUtf8("Spielgestalter");
    case kTypeMidfieldGeneral: return QString::fromUtf8("Regisseur");
    case kTypeMidfieldEngine: return QString::fromUtf8("Abräumer");
    case kTypeCompleteStriker: return QString::fromUtf8("Kompletter Stürmer");
    case kTypeLeaderAndFighter: return QString::fromUtf8("Leitwolf");
    case kTypeDefensiveRock: return QString::fromUtf8("Abwehrbollwerk");
    default: return QString::fromUtf8("—");
  }
}

}  // namespace torvale
