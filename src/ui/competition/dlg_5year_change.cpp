#include "ui/competition/dlg_5year_change.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "ui/common/editor_context.h"
#include "world/country.h"

namespace torvale {

CDlg5YearChange::CDlg5YearChange(EditorContext& context, int country, QWidget* parent)
    : QDialog(parent), context_(context), country_(country) {
  setObjectName(QStringLiteral("CDlg5YearChange"));
  const CWorldDatabase& world = *context.CurrentWorld();
  const CCountry& c = *world.Country(country);
  setWindowTitle(QStringLiteral("%1 %2").arg(QString::fromUtf8("5-Jahreswertung ändern"),
                                             FromCp1252(std::string(c.Name(world.Language())))));
  auto* grid = new QGridLayout;
  for (int s = 0; s < kRankingSeasons; ++s) {
    points_[static_cast<size_t>(s)] = c.FiveYearPoints(s);
    grid->addWidget(new QLabel(FromCp1252(std::string(kFiveYearRankingColumns[static_cast<size_t>(s) + 1])), this), s, 0);
    auto* text = new QLineEdit(this);
    text->setObjectName(QStringLiteral("season%1").arg(s));
    text->setMaximumWidth(80);
    text->setText(FromCp1252(FormatSeasonPoints(points_[static_cast<size_t>(s)])));
    connect(text, &QLineEdit::editingFinished, this, [this, s] { TextEdited(s); });
    auto* bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(QStringLiteral("seasonBar%1").arg(s));
    bar->setRange(0, kMaxSeasonPoints);
    bar->setSingleStep(1);
    bar->setPageStep(100);
    bar->setMinimumWidth(220);
    bar->setValue(points_[static_cast<size_t>(s)]);
    connect(bar, &QScrollBar::valueChanged, this, [this, s](int value) { BarMoved(s, value); });
    texts_[static_cast<size_t>(s)] = text;
    bars_[static_cast<size_t>(s)] = bar;
    grid->addWidget(text, s, 1);
    grid->addWidget(bar, s, 2);
  }
  total_ = new QLabel(this);
  total_->setObjectName(QStringLiteral("total"));
  grid->addWidget(new QLabel(FromCp1252(std::string(kFiveYearTotalLabel)), this), kRankingSeasons, 0);
  grid->addWidget(total_, kRankingSeasons, 1);
  ShowTotal();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlg5YearChange::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlg5YearChange::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
}

void CDlg5YearChange::TextEdited(int season) {
  const auto s = static_cast<size_t>(season);
  points_[s] = ParseSeasonPoints(ToCp1252(texts_[s]->text()));
  texts_[s]->setText(FromCp1252(FormatSeasonPoints(points_[s])));
  const QSignalBlocker block(bars_[s]);
  bars_[s]->setValue(points_[s]);
  ShowTotal();
}

void CDlg5YearChange::BarMoved(int season, int value) {
  const auto s = static_cast<size_t>(season);
  points_[s] = static_cast<uint16_t>(value);
  texts_[s]->setText(FromCp1252(FormatSeasonPoints(points_[s])));
  ShowTotal();
}

void CDlg5YearChange::ShowTotal() {
  total_->setText(QString::number(FiveYearTotal(points_) / 100.0, 'f', 2));
}

void CDlg5YearChange::accept() {
  // A value typed without leaving the field still counts.
  for (int s = 0; s < kRankingSeasons; ++s) TextEdited(s);
  context_.CurrentChanges().CommitIf(
      ChangeScope::CountrySettings(country_), QString::fromUtf8("5-Jahreswertung geändert"), [this](CWorldDatabase& world) {
        CCountry& c = *world.Country(country_);
        bool changed = false;
        for (int s = 0; s < kRankingSeasons; ++s) {
          if (c.FiveYearPoints(s) == points_[static_cast<size_t>(s)]) continue;
          c.SetFiveYearPoints(s, points_[static_cast<size_t>(s)]);
          changed = true;
        }
        return changed;
      });
  QDialog::accept();
}

}  // namespace torvale
