#include "ui/club/dlg_club_badge_manage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "app/qt_text.h"
#include "assets/badge_path.h"
#include "ui/club/club_controls.h"
#include "world/club.h"

namespace torvale {

namespace {
constexpr int kPreviewSize = 180;
constexpr int kNoBadge = -1;  // item data of " Kein Wappen"
// The club record keeps this many characters of a badge path.
constexpr size_t kBadgePathChars = sizeof(ClubFields::badgeFile) - 1;
}  // namespace

CDlgClubBadgeManage::CDlgClubBadgeManage(const BadgeRoots& roots, const std::vector<std::string>& countryNames,
                                         std::string currentBadge, QWidget* parent)
    : QDialog(parent), roots_(roots), groups_(CollectBadgeSets(roots, countryNames)), chosen_(std::move(currentBadge)) {
  setObjectName("CDlgClubBadgeManage");
  setWindowTitle(QString::fromUtf8("Vereinswappen auswählen"));

  groupBox_ = new QComboBox;
  groupBox_->setObjectName("groupBox");
  groupBox_->addItem(" Kein Wappen", kNoBadge);
  // The groups in alphabetical order; " Kein Wappen" leads with its blank, as in a sorted box.
  std::vector<int> order(groups_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [this](int a, int b) {
    return QString::localeAwareCompare(FromCp1252(groups_[static_cast<size_t>(a)].name),
                                       FromCp1252(groups_[static_cast<size_t>(b)].name)) < 0;
  });
  for (int g : order) groupBox_->addItem(FromCp1252(groups_[static_cast<size_t>(g)].name), g);

  badges_ = new QListWidget;
  badges_->setObjectName("badgeList");
  badges_->setMinimumSize(260, 320);
  path_ = new QLineEdit;
  path_->setObjectName("badgePathEdit");
  path_->setReadOnly(true);
  preview_ = new QLabel;
  preview_->setObjectName("badgePreview");
  preview_->setFixedSize(kPreviewSize + 4, kPreviewSize + 4);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameShape(QFrame::StyledPanel);

  QDialogButtonBox* buttons = MakeOkCancelButtons(this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Land"), 0, 0);
  grid->addWidget(groupBox_, 0, 1);
  grid->addWidget(badges_, 1, 0, 1, 2);
  grid->addWidget(path_, 2, 0, 1, 2);
  grid->addWidget(preview_, 0, 2, 3, 1, Qt::AlignTop);
  grid->addWidget(buttons, 3, 0, 1, 3);
  grid->setRowStretch(1, 1);

  connect(groupBox_, &QComboBox::currentIndexChanged, this, &CDlgClubBadgeManage::OnGroupChosen);
  connect(badges_, &QListWidget::currentRowChanged, this, &CDlgClubBadgeManage::OnBadgeChosen);

  // Preselect the club's badge: its group, then the badge itself, both ignoring letter case. A
  // badge the sets do not hold stays chosen until the user picks another.
  const BadgeSelection selection = FindBadgeSelection(groups_, chosen_);
  const std::string current = chosen_;
  groupBox_->setCurrentIndex(selection.group >= 0 ? groupBox_->findData(selection.group) : 0);
  OnGroupChosen(groupBox_->currentIndex());
  if (selection.badge >= 0) badges_->setCurrentRow(selection.badge);
  chosen_ = selection.badge >= 0 ? groups_[static_cast<size_t>(selection.group)].badges[static_cast<size_t>(selection.badge)]
                                 : current;
  path_->setText(FromCp1252(chosen_));
  ShowPreview();
}

const BadgeGroup* CDlgClubBadgeManage::ShownGroup() const {
  const int g = groupBox_->currentData().toInt();
  return g == kNoBadge ? nullptr : &groups_[static_cast<size_t>(g)];
}

void CDlgClubBadgeManage::OnGroupChosen(int /*index*/) {
  const QSignalBlocker block(badges_);
  badges_->clear();
  const BadgeGroup* group = ShownGroup();
  badges_->setEnabled(group != nullptr);
  path_->setEnabled(group != nullptr);
  if (!group) {
    chosen_.clear();
    path_->clear();
    ShowPreview();
    return;
  }
  for (const std::string& badge : group->badges) badges_->addItem(FromCp1252(BadgeDisplayName(badge)));
}

void CDlgClubBadgeManage::OnBadgeChosen(int row) {
  const BadgeGroup* group = ShownGroup();
  if (!group || row < 0 || row >= static_cast<int>(group->badges.size())) return;
  chosen_ = group->badges[static_cast<size_t>(row)];
  path_->setText(FromCp1252(chosen_));
  ShowPreview();
}

void CDlgClubBadgeManage::ShowPreview() {
  const QPixmap pixmap = BadgePixmap(roots_, chosen_, kPreviewSize);
  if (pixmap.isNull())
    preview_->clear();
  else
    preview_->setPixmap(pixmap);
}

void CDlgClubBadgeManage::accept() {
  // A longer path would be cut in the club record and name a badge that does not exist.
  if (chosen_.size() > kBadgePathChars) {
    TellClubEditorUser(this, QString::fromUtf8("Der Pfad des Wappens ist zu lang: höchstens %1 Zeichen sind "
                                               "möglich.\n%2")
                                 .arg(kBadgePathChars)
                                 .arg(FromCp1252(chosen_)));
    return;
  }
  QDialog::accept();
}

}  // namespace torvale
