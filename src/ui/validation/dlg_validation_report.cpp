#include "ui/validation/dlg_validation_report.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/main_menu_texts.h"
#include "app/qt_text.h"
#include "database/world_database.h"
#include "exchange/list_export.h"
#include "platform/string_table.h"
#include "ui/common/editor_context.h"
#include "ui/lists/report_list.h"
#include "ui/theme/editor_theme.h"
#include "ui/validation/finding_editor.h"
#include "ui/validation/validation_commands.h"
#include "ui/validation/validation_tree_model.h"
#include "world/country.h"

namespace torvale {

namespace {

constexpr int IDS_CHECK_DATABASE = 1450;
constexpr int IDS_ALL_CLEAR = 1455;
constexpr int IDS_DOUBLE_CLICK_HINT = 1456;
constexpr int IDS_REPORT_TITLE = 1457;

QString Text(int id) { return FromCp1252(LoadString(id)); }

}  // namespace

CDlgValidationReport::CDlgValidationReport(EditorContext& context, uint32_t masterFlags, QWidget* parent,
                                           std::optional<ValidationReport> report)
    : QDialog(parent), context_(context), world_(*context.CurrentWorld()), masterFlags_(masterFlags) {
  setObjectName(QStringLiteral("CDlgValidationReport"));
  setWindowTitle(QStringLiteral("HALVEX Torvale - %1").arg(Text(IDS_CHECK_DATABASE)));
  resize(1000, 660);

  // The world's name as the main window's title shows it.
  auto* heading = new QLabel(
      QStringLiteral("%1: %2").arg(Text(IDS_CHECK_DATABASE), FromCp1252(CapitaliseWords(world_.Name(), true))), this);
  heading->setProperty("role", "heading");
  counts_ = new QLabel(this);
  counts_->setObjectName(QStringLiteral("counts"));
  counts_->setProperty("role", "figure");
  countsCard_ = new QLabel(this);
  auto* headRow = new QHBoxLayout;
  headRow->addWidget(heading);
  headRow->addStretch();
  headRow->addWidget(countsCard_);
  headRow->addWidget(counts_);

  severity_ = new QComboBox(this);
  severity_->setObjectName(QStringLiteral("severityFilter"));
  severity_->addItem(QStringLiteral("Alle"), static_cast<int>(SeverityFilter::kAll));
  severity_->addItem(EditorSeverityIcon(true), QStringLiteral("Nur Fehler"), static_cast<int>(SeverityFilter::kErrors));
  severity_->addItem(EditorSeverityIcon(false), QStringLiteral("Nur Warnungen"),
                     static_cast<int>(SeverityFilter::kWarnings));
  auto* severityLabel = new QLabel(QStringLiteral("&Anzeigen:"), this);
  severityLabel->setBuddy(severity_);
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("searchText"));
  search_->setPlaceholderText(QString::fromUtf8("Verein, Person, Land oder Stichwort …"));
  search_->setClearButtonEnabled(true);
  auto* searchLabel = new QLabel(QStringLiteral("&Suchen:"), this);
  searchLabel->setBuddy(search_);
  auto* filterRow = new QHBoxLayout;
  filterRow->addWidget(severityLabel);
  filterRow->addWidget(severity_);
  filterRow->addSpacing(16);
  filterRow->addWidget(searchLabel);
  filterRow->addWidget(search_, 1);

  model_ = new ValidationTreeModel(this);
  filter_ = new ValidationFilterModel(this);
  filter_->setSourceModel(model_);
  tree_ = new QTreeView(this);
  tree_->setObjectName(QStringLiteral("findings"));
  tree_->setModel(filter_);
  tree_->setUniformRowHeights(true);
  tree_->setAlternatingRowColors(true);
  tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tree_->setExpandsOnDoubleClick(true);
  tree_->setIconSize(QSize(16, 16));
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionResizeMode(ValidationTreeModel::kTextColumn, QHeaderView::Stretch);
  tree_->header()->setSectionResizeMode(ValidationTreeModel::kAreaColumn, QHeaderView::Interactive);
  tree_->header()->resizeSection(ValidationTreeModel::kAreaColumn, 190);

  allClear_ = new QLabel(Text(IDS_ALL_CLEAR), this);
  allClear_->setObjectName(QStringLiteral("allClear"));
  allClear_->setProperty("role", "heading");
  allClear_->setAlignment(Qt::AlignCenter);

  auto* hint = new QLabel(Text(IDS_DOUBLE_CLICK_HINT), this);
  hint->setProperty("role", "caption");

  auto* recheck = new QPushButton(QString::fromUtf8("&Erneut prüfen"), this);
  recheck->setObjectName(QStringLiteral("recheck"));
  auto* save = new QPushButton(QStringLiteral("Speichern"), this);
  save->setObjectName(QStringLiteral("save"));
  auto* print = new QPushButton(QStringLiteral("Drucken"), this);
  print->setObjectName(QStringLiteral("print"));
  auto* close = new QPushButton(QString::fromUtf8("Schließen"), this);
  close->setObjectName(QStringLiteral("close"));
  close->setDefault(true);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(recheck);
  buttonRow->addStretch();
  buttonRow->addWidget(save);
  buttonRow->addWidget(print);
  buttonRow->addSpacing(12);
  buttonRow->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(headRow);
  layout->addLayout(filterRow);
  layout->addWidget(tree_, 1);
  layout->addWidget(allClear_, 1);
  layout->addWidget(hint);
  layout->addLayout(buttonRow);

  connect(severity_, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });
  connect(search_, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
  connect(tree_, &QTreeView::activated, this, [this](const QModelIndex& index) { OpenEditorAt(index); });
  connect(recheck, &QPushButton::clicked, this, [this] { Recheck(); });
  connect(save, &QPushButton::clicked, this, [this] { SaveListAs(this, ShownList()); });
  connect(print, &QPushButton::clicked, this, [this] { PrintListWithPreview(this, ShownList(), ListPrintSettings{}); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  if (report) Show(std::move(*report));
  else Recheck();
}

void CDlgValidationReport::Recheck() { Show(ValidateForEditor(context_, world_, masterFlags_)); }

void CDlgValidationReport::Show(ValidationReport report) {
  report_ = std::move(report);
  model_->Fill(world_, report_, context_.CurrentLanguage());
  const int errors = report_.ErrorCount();
  counts_->setText(FromCp1252(FindingCountText(errors, report_.WarningCount())));
  // Red with a red card while the game would refuse something; the theme's green when not.
  counts_->setStyleSheet(
      QStringLiteral("color: %1;").arg((errors > 0 ? EditorErrorColour() : EditorAccentColour()).name()));
  const bool empty = report_.findings.empty();
  countsCard_->setPixmap(EditorSeverityIcon(errors > 0).pixmap(16, 16));
  countsCard_->setVisible(!report_.findings.empty());
  tree_->setVisible(!empty);
  allClear_->setVisible(empty);
  tree_->expandAll();
}

void CDlgValidationReport::ApplyFilter() {
  filter_->SetSeverity(static_cast<SeverityFilter>(severity_->currentData().toInt()));
  filter_->SetSearchText(search_->text());
  tree_->expandAll();
}

bool CDlgValidationReport::OpenEditorAt(const QModelIndex& index) {
  const int finding = index.data(ValidationTreeModel::kFindingRole).toInt();
  if (!index.isValid() || finding < 0 || static_cast<size_t>(finding) >= report_.findings.size()) return false;
  const std::optional<FindingEditor> editor = EditorForFinding(world_, report_.findings[static_cast<size_t>(finding)]);
  if (!editor || !context_.Commands().Run(editor->command, context_, this, editor->selection)) return false;
  // The editor has closed: what it mended leaves the list. The country stays in view.
  const int country = report_.findings[static_cast<size_t>(finding)].country;
  Recheck();
  const QModelIndex row = filter_->mapFromSource(model_->CountryIndex(country));
  if (row.isValid()) {
    tree_->setCurrentIndex(row);
    tree_->scrollTo(row, QAbstractItemView::PositionAtTop);
  }
  return true;
}

ExportedList CDlgValidationReport::ShownList() const {
  ExportedList list;
  list.title = ToCp1252(QStringLiteral("%1 %2").arg(Text(IDS_REPORT_TITLE), FromCp1252(world_.Name())));
  list.headers = {ToCp1252(QStringLiteral("Land")), ToCp1252(QStringLiteral("Art")), ToCp1252(QStringLiteral("Bereich")),
                  ToCp1252(QStringLiteral("Meldung"))};
  for (int group = 0; group < filter_->rowCount(); ++group) {
    const QModelIndex country = filter_->index(group, 0);
    for (int row = 0; row < filter_->rowCount(country); ++row) {
      const QModelIndex text = filter_->index(row, ValidationTreeModel::kTextColumn, country);
      const bool error =
          static_cast<FindingSeverity>(text.data(ValidationTreeModel::kSeverityRole).toInt()) == FindingSeverity::kError;
      list.rows.push_back({ToCp1252(country.data().toString()), error ? "Fehler" : "Warnung",
                           ToCp1252(filter_->index(row, ValidationTreeModel::kAreaColumn, country).data().toString()),
                           ToCp1252(text.data().toString())});
    }
  }
  return list;
}

}  // namespace torvale
