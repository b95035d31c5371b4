#include "ui/search/dlg_player_compare.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "persons/person_texts.h"
#include "persons/world_persons.h"
#include "ui/common/editor_context.h"
#include "ui/search/ability_bars.h"
#include "ui/search/person_search_dialogs.h"
#include "world/player.h"
#include "world/strength.h"

namespace torvale {
namespace {

QString PlayerTypeLabel(int code) {
  switch (code) {
    case kTypeGreatKeeper: return QString::fromUtf8("Klassetorwart");
    case kTypeWeakKeeper: return QString::fromUtf8("Unsicherer Torwart");
    case kTypeShooter: return QString::fromUtf8("Schütze");
    case kTypeCoolFinisher: return QString::fromUtf8("Eiskalter Vollstrecker");
    case kTypeSharpshooter: return QString::fromUtf8("Scharfschütze");
    case kTypePhysical: return QString::fromUtf8("Kraftpaket");
    case kTypeTargetMan: return QString::fromUtf8("Zielspieler");
    case kTypeFastWinger: return QString::fromUtf8("Schneller Flügelspieler");
    case kTypeCrossingWideMan: return QString::fromUtf8("Flankengott");
    case kTypeFastForward: return QString::fromUtf8("Schneller Stürmer");
    case kTypeClubLeader: return QString::fromUtf8("Führungsspieler");
    case kTypeYoungTalent: return QString::fromUtf8("Junges Talent");
    case kTypePlaymaker: return QString::fromUtf8("Spielmacher");
    case kTypeMidfieldGeneral: return QString::fromUtf8("Mittelfeldstratege");
    case kTypeMidfieldEngine: return QString::fromUtf8("Mittelfeldmotor");
    case kTypeCompleteStriker: return QString::fromUtf8("Kompletter Stürmer");
    case kTypeLeaderAndFighter: return QString::fromUtf8("Leader und Kämpfer");
    case kTypeDefensiveRock: return QString::fromUtf8("Abwehrfels");
    default: return QString::fromUtf8("kein besonderer Typ");
  }
}

}  // namespace

CDlgPlayerCompare::CDlgPlayerCompare(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("CDlgPlayerCompare"));
  setWindowTitle(QStringLiteral("HALVEX Torvale - Spielervergleich"));
  auto* head = new QGridLayout;
  for (int side = 0; side < 2; ++side) {
    const auto s = static_cast<size_t>(side);
    const int column = side == 0 ? 0 : 2;
    const Qt::Alignment align = side == 0 ? Qt::AlignLeft : Qt::AlignRight;
    auto* choose = new QPushButton(side == 0 ? QString::fromUtf8("&Linker Spieler …") : QString::fromUtf8("&Rechter Spieler …"), this);
    choose->setObjectName(side == 0 ? QStringLiteral("chooseLeftButton") : QStringLiteral("chooseRightButton"));
    names_[s] = new QLabel(this);
    names_[s]->setObjectName(side == 0 ? QStringLiteral("leftName") : QStringLiteral("rightName"));
    names_[s]->setStyleSheet(QStringLiteral("font-size: 15pt; font-weight: bold;"));
    details_[s] = new QLabel(this);
    strengths_[s] = new QLabel(this);
    strengths_[s]->setObjectName(side == 0 ? QStringLiteral("leftStrength") : QStringLiteral("rightStrength"));
    for (QLabel* label : {names_[s], details_[s], strengths_[s]}) label->setAlignment(align | Qt::AlignVCenter);
    head->addWidget(choose, 0, column, align);
    head->addWidget(names_[s], 1, column);
    head->addWidget(details_[s], 2, column);
    head->addWidget(strengths_[s], 3, column);
    head->setColumnStretch(column, 1);
    connect(choose, &QPushButton::clicked, this, [this, side] {
      if (const auto picked = SelectPerson(context_, this)) SetPerson(side, picked->playerId);
    });
  }
  head->addWidget(new QLabel(QStringLiteral("gegen"), this), 1, 1, Qt::AlignCenter);
  bars_ = new AbilityBars(this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QString::fromUtf8("Schließen"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("closeButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addWidget(bars_);
  layout->addStretch();
  layout->addWidget(buttons);
  resize(860, 640);
  Update();
}

void CDlgPlayerCompare::SetPerson(int side, uint32_t playerId) {
  if (side < 0 || side > 1) return;
  persons_[static_cast<size_t>(side)] = context_.CurrentWorld()->Persons().FindPlayer(playerId) ? playerId : 0;
  Update();
}

int CDlgPlayerCompare::StrongerSide() const {
  const CWorldDatabase& world = *context_.CurrentWorld();
  const CPlayer* left = world.Persons().FindPlayer(persons_[0]);
  const CPlayer* right = world.Persons().FindPlayer(persons_[1]);
  if (!left || !right) return -1;
  const float a = left->Strength();
  const float b = right->Strength();
  return a > b ? 0 : (b > a ? 1 : -1);
}

void CDlgPlayerCompare::Update() {
  const CWorldDatabase& world = *context_.CurrentWorld();
  const int stronger = StrongerSide();
  for (int side = 0; side < 2; ++side) {
    const auto s = static_cast<size_t>(side);
    const CPlayer* person = world.Persons().FindPlayer(persons_[s]);
    if (!person) {
      names_[s]->setText(QString::fromUtf8("(kein Spieler gewählt)"));
      details_[s]->clear();
      strengths_[s]->clear();
      bars_->SetAbilities(side, std::nullopt);
      continue;
    }
    names_[s]->setText(FromCp1252(std::string(person->firstName) + " " + person->surname));
    const QString club = FromCp1252(WorldClubName(world, FindPersonClub(world, person->id)));
    details_[s]->setText(QStringLiteral("%1 · %2 · %3")
                             .arg(FromCp1252(PositionOrRoleText(*person)), FromCp1252(BirthDateText(person->birthDate)),
                                  club.isEmpty() ? QStringLiteral("vereinslos") : club));
    QString strength = QString::fromUtf8("Stärke %1 · %2").arg(person->Strength(), 0, 'f', 1).arg(PlayerTypeLabel(PlayerType(*person).code));
    strengths_[s]->setText(strength);
    strengths_[s]->setStyleSheet(stronger == side ? QStringLiteral("color: #2ea043; font-weight: bold;") : QString());
    bars_->SetAbilities(side, person->abilities);
  }
}

}  // namespace torvale
