#include "ui/competition/dlg_inter_comp_south_america.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "database/world_database.h"
#include "ui/competition/reference_picker.h"
#include "world/global_rules.h"

namespace torvale {

namespace {
constexpr int kSouthAmerica = 1;
}

CDlgInterCompSouthAmerica::CDlgInterCompSouthAmerica(CGlobalRules& rules, const CWorldDatabase& world,
                                                     QWidget* parent)
    : QWidget(parent), rules_(rules), language_(world.Language()) {
  setObjectName(QStringLiteral("CDlgInterCompSouthAmerica"));
  auto* box = new QGroupBox(QString::fromUtf8("Südamerika Pokal"), this);
  auto* form = new QFormLayout(box);
  names_ = AddCupNameFields(*form, box, rules, kSouthAmericanCup, language_, QStringLiteral("Name"),
                            QStringLiteral("southAmericanCup"));
  holder_ = new CReferencePicker(world, CReferencePicker::Kind::kClub, kSouthAmerica, box);
  holder_->setObjectName(QStringLiteral("southAmericanCupHolder"));
  form->addRow(QString::fromUtf8("Titelverteidiger Südamerika Pokal"), holder_);
  connect(holder_, &CReferencePicker::valueChanged, this, [this](uint32_t club) {
    rules_.ChooseTitleHolder(kSouthAmericanCup, club);
    ShowHolder();
  });
  ShowHolder();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addStretch();
}

void CDlgInterCompSouthAmerica::ShowHolder() {
  const QSignalBlocker block(holder_);
  holder_->SetValue(rules_.TitleHolder(kSouthAmericanCup));
}

void CDlgInterCompSouthAmerica::Store() { StoreCupNameFields(names_, rules_, kSouthAmericanCup, language_); }

}  // namespace torvale
