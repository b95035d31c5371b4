#include "ui/country/dlg_land_parent.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "ui/common/editor_context.h"
#include "ui/country/dlg_land.h"
#include "ui/country/dlg_land_cup.h"
#include "ui/country/dlg_land_leaguesystem.h"
#include "ui/country/dlg_land_youthplayer.h"
#include "ui/country/dlg_manag_all.h"
#include "ui/country/dlg_playerpool.h"
#include "ui/country/dlg_referees.h"
#include "ui/country/dlg_stadiumlist.h"
#include "world/country.h"

namespace torvale {

CDlgLandParent::CDlgLandParent(EditorContext& context, int country, QWidget* parent)
    : QDialog(parent), context_(context), country_(*context.CurrentWorld()->Country(country)) {
  setWindowTitle(QStringLiteral("Land Einstellungen - %1").arg(FromCp1252(country_.Name(context.CurrentLanguage()))));
  setObjectName(QStringLiteral("CDlgLandParent"));
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("countryTabs"));
  const std::pair<CCountryPage*, QString> pages[] = {
      {new CDlgLand(context, tabs_), QStringLiteral("Allgemeine Informationen")},
      {new CDlgLandLeaguesystem(context, tabs_), QStringLiteral("Ligasystem")},
      {new CDlgLandCup(context, tabs_), QStringLiteral("Pokal")},
      {new CDlgPlayerpool(context, tabs_), QStringLiteral("Jugendspieler")},
      {new CDlgReferees(context, tabs_), QStringLiteral("Schiedsrichter")},
      {new CDlgStadiumlist(context, tabs_), QStringLiteral("Stadion Liste")},
      {new CDlgManagAll(context, tabs_), QStringLiteral("Sonstige Trainer/Manager")},
      {new CDlgLandYouthplayer(context, tabs_), QStringLiteral("Spieler Aussehen")},
  };
  for (const auto& [page, title] : pages) {
    page->setObjectName(QStringLiteral("countryPage%1").arg(pages_.size()));
    pages_.push_back(page);
    tabs_->addTab(page, title);
  }
  layout->addWidget(tabs_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);

  pages_[0]->SetCountry(country_);
  shown_ = 0;
  connect(tabs_, &QTabWidget::currentChanged, this, &CDlgLandParent::PageChanged);
  resize(1200, 720);
}

void CDlgLandParent::StorePage(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return;
  CCountryPage* page = pages_[static_cast<size_t>(index)];
  if (!page->StoresOnLeave()) return;
  // The form pages hold the country's own settings and its cups; its clubs, persons and lists
  // stay as they are, so the settings alone are kept for undo.
  const QString text = QStringLiteral("%1: %2 geändert")
                           .arg(FromCp1252(std::string(country_.Name(context_.CurrentWorld()->Language()))), tabs_->tabText(index));
  context_.CurrentChanges().CommitIf(ChangeScope::CountrySettings(country_.CountryNumber()), text,
                                     [&](CWorldDatabase&) {
                                       const CountryFields before = country_;
                                       page->Store();
                                       return page->StoredBeyondFields() || !(before == static_cast<CountryFields&>(country_));
                                     });
}

void CDlgLandParent::PageChanged(int index) {
  StorePage(shown_);
  shown_ = index;
  if (index >= 0) pages_[static_cast<size_t>(index)]->SetCountry(country_);
}

void CDlgLandParent::accept() {
  StorePage(shown_);
  QDialog::accept();
}

void OpenCountryEditor(EditorContext& context, QWidget* parent, const MainSelection& selection) {
  if (context.CurrentWorld() == nullptr || context.CurrentWorld()->Country(selection.country) == nullptr) return;
  CDlgLandParent dialog(context, selection.country, parent);
  dialog.exec();
}

}  // namespace torvale
