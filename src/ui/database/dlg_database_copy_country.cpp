#include "ui/database/dlg_database_copy_country.h"

#include "database/world_copy.h"

namespace torvale {

namespace {

constexpr CopyOption kCountryOptions[] = {
    {"Allgemeine Informationen", kCopyCountryGeneral},
    {"Jugendspieler", kCopyCountryYouth},
    {"Schiedsrichter", kCopyCountryReferees},
    {"Stadienliste", kCopyCountryStadiums},
    {"Sonstige Trainer/Manager", kCopyCountryManagers},
    {"Vereine / Spielpläne übernehmen", kCopyCountryClubsAndFixtures},
};

}  // namespace

CDlgDatabaseCopyCountry::CDlgDatabaseCopyCountry(QWidget* parent, uint32_t mask)
    : CopyOptionDialog(parent, QString::fromUtf8("Länderdaten kopieren"), kCountryOptions, mask) {
  setObjectName("CDlgDatabaseCopyCountry");
}

}  // namespace torvale
