#include "ui/competition/dlg_regelaenderung.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "database/world_database.h"
#include "ui/common/editor_context.h"

namespace torvale {

namespace {

// Points are stored as 0 "Zwei", 1 "Drei", anything else "Vier".
int PointsChoice(int32_t stored) { return stored == 0 || stored == 1 ? stored : 2; }
// The extra-point switches store 0 for "An" and anything else for "Aus".
int SwitchChoice(int32_t stored) { return stored == 0 ? 0 : 1; }

}  // namespace

CDlgRegelaenderung::CDlgRegelaenderung(EditorContext& context, QWidget* parent)
    : QDialog(parent), context_(context), rules_(context.CurrentWorld()->Rules()) {
  setObjectName(QStringLiteral("CDlgRegelaenderung"));
  setWindowTitle(QStringLiteral("Globale Einstellungen"));
  const QStringList points = {QStringLiteral("Zwei"), QStringLiteral("Drei"), QStringLiteral("Vier")};
  const QStringList onOff = {QStringLiteral("An"), QStringLiteral("Aus")};

  auto* form = new QFormLayout;
  points_ = AddChoice("pointsForWin", points, PointsChoice(rules_.MatchRule(kPointsForWin)));
  awayPoints_ = AddChoice("pointsForAwayWin", points, PointsChoice(rules_.MatchRule(kPointsForAwayWin)));
  extraVsHolder_ = AddChoice("extraPointVsHolder", onOff, SwitchChoice(rules_.MatchRule(kExtraPointVsHolder)));
  extraManyGoals_ = AddChoice("extraPointManyGoals", onOff, SwitchChoice(rules_.MatchRule(kExtraPointManyGoals)));
  form->addRow(QString::fromUtf8("Punkte für Sieg"), points_);
  form->addRow(QString::fromUtf8("Punkte für Auswärtssieg"), awayPoints_);
  form->addRow(QString::fromUtf8("Extrapunkt für Sieg gegen Titelverteidiger"), extraVsHolder_);
  form->addRow(QString::fromUtf8("Extrapunkt bei mehr als 3 geschossenen Toren"), extraManyGoals_);

  substitutions_ = new QScrollBar(Qt::Horizontal, this);
  substitutions_->setObjectName(QStringLiteral("friendlySubstitutions"));
  substitutions_->setRange(0, kMaxFriendlySubstitutions);
  substitutions_->setPageStep(1);
  substitutions_->setMinimumWidth(160);
  substitutions_->setValue(rules_.FriendlySubstitutions());
  substitutionsText_ = new QLabel(QString::number(rules_.FriendlySubstitutions()), this);
  substitutionsText_->setObjectName(QStringLiteral("friendlySubstitutionsText"));
  substitutionsText_->setMinimumWidth(20);
  connect(substitutions_, &QScrollBar::valueChanged, this,
          [this](int value) { substitutionsText_->setText(QString::number(value)); });
  auto* substitutionRow = new QHBoxLayout;
  substitutionRow->addWidget(substitutions_, 1);
  substitutionRow->addWidget(substitutionsText_);
  form->addRow(QString::fromUtf8("Erlaubte Auswechslungen in Freundschaftsspielen"), substitutionRow);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgRegelaenderung::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgRegelaenderung::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addStretch();
  layout->addWidget(buttons);
}

QComboBox* CDlgRegelaenderung::AddChoice(const char* objectName, const QStringList& texts, int current) {
  auto* box = new QComboBox(this);
  box->setObjectName(QString::fromLatin1(objectName));
  box->addItems(texts);
  box->setCurrentIndex(current);
  return box;
}

void CDlgRegelaenderung::accept() {
  // A stored value the lists show under another number ("Vier" stored as 5, "Aus" as 3) is
  // kept while its choice is left alone, so an untouched rule stays as the file had it.
  const auto store = [this](int rule, const QComboBox* box, int (*choiceOf)(int32_t)) {
    if (choiceOf(rules_.MatchRule(rule)) != box->currentIndex()) rules_.SetMatchRule(rule, box->currentIndex());
  };
  store(kPointsForWin, points_, PointsChoice);
  store(kPointsForAwayWin, awayPoints_, PointsChoice);
  store(kExtraPointVsHolder, extraVsHolder_, SwitchChoice);
  store(kExtraPointManyGoals, extraManyGoals_, SwitchChoice);
  rules_.SetFriendlySubstitutions(substitutions_->value());
  WorldChanges& changes = context_.CurrentChanges();
  changes.CommitIf(ChangeScope::Rules(), QStringLiteral("Globale Einstellungen"), [this](CWorldDatabase& world) {
    if (static_cast<const GlobalRulesFields&>(world.Rules()) == rules_) return false;
    world.Rules() = rules_;
    return true;
  });
  QDialog::accept();
}

}  // namespace torvale
