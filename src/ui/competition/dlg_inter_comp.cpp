#include "ui/competition/dlg_inter_comp.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "database/world_database.h"
#include "ui/common/editor_context.h"
#include "ui/competition/dlg_5year.h"
#include "ui/competition/dlg_inter_comp_south_america.h"
#include "ui/competition/dlg_international_competition.h"

namespace torvale {

CDlgInterComp::CDlgInterComp(EditorContext& context, QWidget* parent)
    : QDialog(parent), context_(context), rules_(context.CurrentWorld()->Rules()) {
  setObjectName(QStringLiteral("CDlgInterComp"));
  setWindowTitle(QStringLiteral("Kontinentale Einstellungen"));
  const CWorldDatabase& world = *context.CurrentWorld();
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("pages"));
  europe_ = new CDlgInternationalCompetition(rules_, world, tabs);
  southAmerica_ = new CDlgInterCompSouthAmerica(rules_, world, tabs);
  tabs->addTab(europe_, QStringLiteral("Europa"));
  tabs->addTab(southAmerica_, QString::fromUtf8("Südamerika"));
  // A holder chosen on one page may have been cleared on the other.
  connect(tabs, &QTabWidget::currentChanged, this, [this] {
    europe_->ShowHolders();
    southAmerica_->ShowHolder();
  });

  auto* ranking = new QPushButton(QStringLiteral("5-Jahreswertung..."), this);
  ranking->setObjectName(QStringLiteral("rankingButton"));
  ranking->setAutoDefault(false);
  connect(ranking, &QPushButton::clicked, this, [this] {
    CDlg5Year dialog(context_, this);
    dialog.exec();
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgInterComp::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgInterComp::reject);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(ranking);
  bottom->addStretch();
  bottom->addWidget(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs, 1);
  layout->addLayout(bottom);
  resize(640, 560);
}

void CDlgInterComp::accept() {
  europe_->Store();
  southAmerica_->Store();
  rules_.ApplyTitleHolderExclusivity();
  context_.CurrentChanges().CommitIf(ChangeScope::Rules(), QStringLiteral("Kontinentale Einstellungen"),
                                     [this](CWorldDatabase& world) {
                                       if (static_cast<const GlobalRulesFields&>(world.Rules()) == rules_) return false;
                                       world.Rules() = rules_;
                                       return true;
                                     });
  QDialog::accept();
}

}  // namespace torvale
