#include "ui/competition/dlg_calender.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "competition/league_checks.h"
#include "database/world_database.h"
#include "platform/string_table.h"
#include "ui/common/dlg_error_message.h"
#include "ui/common/editor_context.h"
#include "ui/competition/calender_table_model.h"
#include "world/country.h"

namespace torvale {

namespace {

// Months of the season with their first row (30 days each, as the game's calendar counts).
constexpr const char* kMonths[] = {"Juli", "August", "September", "Oktober", "November", "Dezember",
                                   "Januar", "Februar", "März", "April", "Mai", "Juni"};
constexpr int kDaysPerMonthButton = 30;
// The comparison list offers countries a career could be compared with.
constexpr int kMinComparisonClubs = 10;
// Up to this many competition columns fill the table's width.
constexpr int kSharedWidthColumns = 12;

}  // namespace

CDlgCalender::CDlgCalender(EditorContext& context, CCountry& country, QWidget* parent)
    : QDialog(parent), context_(context), country_(country) {
  setObjectName(QStringLiteral("CDlgCalender"));
  CWorldDatabase& world = *context.CurrentWorld();
  const QString countryName = FromCp1252(std::string(country.Name(world.Language())));
  setWindowTitle(QStringLiteral("Rahmenterminkalender - %1").arg(countryName));
  transaction_ = std::make_unique<ScopedWorldTransaction>(
      context.ChangesOf(world), ChangeScope::CountrySettings(country.CountryNumber()),
      QString::fromUtf8("Rahmenterminkalender %1 geändert").arg(countryName));

  model_ = new CalenderTableModel(world, country, this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("calendarTable"));
  table_->setModel(model_);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setAlternatingRowColors(false);
  table_->verticalHeader()->setDefaultSectionSize(20);
  table_->verticalHeader()->setMinimumWidth(32);
  table_->horizontalHeader()->setDefaultSectionSize(74);
  table_->horizontalHeader()->setMinimumSectionSize(40);
  FitColumns();
  table_->setStyleSheet(QStringLiteral("QTableView { background: white; gridline-color: #c8c8d0; }"));
  connect(table_, &QTableView::clicked, this,
          [this](const QModelIndex& index) { CellClicked(index.row(), index.column()); });

  auto* months = new QHBoxLayout;
  months->setSpacing(3);
  for (int m = 0; m < 12; ++m) {
    const QString name = QString::fromUtf8(kMonths[m]);
    auto* button = new QPushButton(name, this);
    button->setObjectName(QStringLiteral("month_%1").arg(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, m] { ScrollToDay(m * kDaysPerMonthButton); });
    months->addWidget(button);
  }

  auto* modeBox = new QGroupBox(QStringLiteral("Spieltage setzen"), this);
  auto* modeLayout = new QVBoxLayout(modeBox);
  modes_ = new QButtonGroup(this);
  const char* modeTexts[] = {"Spieltag nur für eine Liga", "Spieltag für alle Ligen", "Spieltag für gleiche Ligen"};
  const char* modeNames[] = {"modeOneLeague", "modeAllLeagues", "modeSameLevel"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(modeTexts[i]), modeBox);
    radio->setObjectName(QString::fromLatin1(modeNames[i]));
    modes_->addButton(radio, i);
    modeLayout->addWidget(radio);
  }
  modes_->button(0)->setChecked(true);

  auto* compareBox = new QGroupBox(QStringLiteral("Vergleich mit Liga"), this);
  auto* compareLayout = new QVBoxLayout(compareBox);
  comparison_ = new QComboBox(compareBox);
  comparison_->setObjectName(QStringLiteral("comparisonCountry"));
  comparison_->addItem(QStringLiteral("(kein Vergleich)"), 0);
  for (int n = 1; n <= kLastCountry; ++n) {
    const CCountry* other = world.Country(n);
    if (n == country.CountryNumber() || !other || other->RegularClubCount() < kMinComparisonClubs) continue;
    comparison_->addItem(FromCp1252(std::string(other->Name(world.Language()))), n);
  }
  connect(comparison_, &QComboBox::currentIndexChanged, this, &CDlgCalender::ComparisonChosen);
  compareLayout->addWidget(comparison_);
  auto* legend = new QLabel(
      QStringLiteral("<span style='background:#78c878'>&nbsp;Liga&nbsp;</span> "
                     "<span style='background:#f0b45a'>&nbsp;Pokal&nbsp;</span> "
                     "<span style='background:#aaaad2'>&nbsp;Vergleich&nbsp;</span> "
                     "<span style='background:#82aae6'>&nbsp;International&nbsp;</span>"),
      compareBox);
  compareLayout->addWidget(legend);

  auto* controls = new QHBoxLayout;
  controls->addWidget(modeBox);
  controls->addWidget(compareBox, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCalender::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCalender::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(months);
  layout->addWidget(table_, 1);
  layout->addLayout(controls);
  layout->addWidget(buttons);
  resize(1200, 760);
}

CDlgCalender::~CDlgCalender() { EndTransaction(); }

void CDlgCalender::EndTransaction() {
  if (!transaction_) return;
  if (!changed_) transaction_->Unchanged();
  transaction_.reset();
}

void CDlgCalender::done(int result) {
  EndTransaction();
  QDialog::done(result);
}

int CDlgCalender::TopDay() const { return table_->rowAt(0); }

void CDlgCalender::ScrollToDay(int day) {
  // Scrolling by rows puts the month's first day at the top even when the table is not shown.
  table_->verticalScrollBar()->setValue(day);
}

void CDlgCalender::CellClicked(int row, int column) {
  const auto mode = static_cast<PlacementMode>(modes_->checkedId());
  changed_ |= model_->ClickCell(row, column, mode);
}

void CDlgCalender::ComparisonChosen(int comboIndex) {
  model_->SetComparisonCountry(comparison_->itemData(comboIndex).toInt());
  FitColumns();
}

void CDlgCalender::FitColumns() {
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  table_->setColumnWidth(CalenderTableModel::kDateColumn, 100);
  table_->setColumnWidth(CalenderTableModel::kInternationalColumn, 150);
  // A handful of competitions share the width; a big league system scrolls sideways instead.
  const int columns = model_->columnCount();
  const bool share = columns - CalenderTableModel::kFirstCompetitionColumn <= kSharedWidthColumns;
  for (int c = CalenderTableModel::kFirstCompetitionColumn; c < columns; ++c) {
    if (share) {
      header->setSectionResizeMode(c, QHeaderView::Stretch);
    } else {
      table_->setColumnWidth(c, 90);
    }
  }
}

void CDlgCalender::accept() {
  const ConsistencyReport report = model_->Editor().Validate();
  if (!report.Empty()) {
    // "OK" and "Egal" both close the calendar: the matchdays are already placed.
    CDlgErrorMessage::Ask(this, LoadString(report.HeadingId()), report.Text(), "OK", "Egal");
  }
  QDialog::accept();
}

}  // namespace torvale
