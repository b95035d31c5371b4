#include "ui/club/dlg_club_parent.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "platform/string_table.h"
#include "ui/club/club_controls.h"
#include "ui/club/club_page.h"
#include "ui/club/dlg_club.h"
#include "ui/club/dlg_club_badge.h"
#include "ui/club/dlg_club_hist.h"
#include "ui/club/dlg_club_shirts.h"
#include "ui/club/dlg_club_stadium.h"

namespace torvale {

namespace {
constexpr int IDS_TAB_GENERAL = 604;  // "Allgemeine Informationen"
constexpr int IDS_TAB_BADGE = 605;    // "Wappen"
constexpr int IDS_TAB_SHIRTS = 606;   // "Trikots"
constexpr int IDS_TAB_STADIUM = 607;  // "Stadion/Umgebung"
constexpr int IDS_TAB_HISTORY = 608;  // "Historische Daten"
const char* const kCaption = "Verein bearbeiten";
}  // namespace

CDlgClubParent::CDlgClubParent(const CClub& club, const ClubEditorContext& context, QWidget* parent)
    : QDialog(parent), club_(club), context_(context) {
  setObjectName("CDlgClubParent");
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("clubTabs");
  auto add = [this](CClubPage* page, int title) {
    pages_.push_back(page);
    tabs_->addTab(page, FromCp1252(LoadString(title)));
  };
  add(new CDlgClub(club_, context_), IDS_TAB_GENERAL);
  add(new CDlgClubBadge(club_, context_), IDS_TAB_BADGE);
  add(new CDlgClubShirts(club_, context_), IDS_TAB_SHIRTS);
  add(new CDlgClubStadium(club_, context_), IDS_TAB_STADIUM);
  add(new CDlgClubHist(club_, context_), IDS_TAB_HISTORY);

  QDialogButtonBox* buttons = MakeOkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);

  // Room for the widest page; fits a 1280 x 800 screen.
  resize(1240, 700);
  pages_.front()->LoadPage();
  connect(tabs_, &QTabWidget::currentChanged, this, &CDlgClubParent::OnTabChanged);
  UpdateCaption();
}

CDlgClubParent::~CDlgClubParent() = default;

void CDlgClubParent::OnTabChanged(int index) {
  if (switching_ || index == shownPage_) return;
  CClubPage* leaving = pages_[static_cast<size_t>(shownPage_)];
  if (!leaving->StorePage()) {
    // The page could not take what was typed and has said why: stay on it.
    switching_ = true;
    tabs_->setCurrentIndex(shownPage_);
    switching_ = false;
    return;
  }
  leaving->PageShown(false);
  shownPage_ = index;
  CClubPage* entering = pages_[static_cast<size_t>(index)];
  entering->LoadPage();
  entering->PageShown(isVisible());
  UpdateCaption();
}

void CDlgClubParent::accept() {
  if (!pages_[static_cast<size_t>(shownPage_)]->StorePage()) return;
  pages_[static_cast<size_t>(shownPage_)]->PageShown(false);
  QDialog::accept();
}

void CDlgClubParent::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  pages_[static_cast<size_t>(shownPage_)]->PageShown(true);
}

void CDlgClubParent::hideEvent(QHideEvent* event) {
  pages_[static_cast<size_t>(shownPage_)]->PageShown(false);
  QDialog::hideEvent(event);
}

void CDlgClubParent::UpdateCaption() {
  setWindowTitle(QString::fromUtf8(kCaption) + " - " + FromCp1252(club_.Name(context_.Language())));
}

}  // namespace torvale
