#include "app/dlg_main_menu.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/club_list_model.h"
#include "app/editor_splash.h"
#include "app/main_menu_texts.h"
#include "app/main_statistics_panel.h"
#include "app/qt_text.h"
#include "database/world_database.h"
#include "database/world_statistics.h"
#include "platform/string_table.h"
#include "database/background_backup_packer.h"
#include "database/world_backups.h"
#include "ui/backup/backup_commands.h"
#include "ui/backup/dlg_backup_restore.h"
#include "ui/common/editor_context.h"
#include "ui/common/load_report_box.h"
#include "ui/common/message_box.h"
#include "ui/common/world_changes.h"
#include "ui/undo/undo_menu_actions.h"
#include "ui/undo/world_history.h"

// The resource initialiser must be named outside any namespace (the resources live in a
// static library).
static void InitAppResources() { Q_INIT_RESOURCE(app); }

namespace torvale {

namespace {

constexpr int kCloseQuestion = 574;
constexpr int kRendererMissing = 844;
constexpr size_t kGreyWorldCommandsFrom = 5;

const char* const kContinents[kContinentCount] = {"Europa", "Südamerika", "Nordamerika", "Afrika", "Asien", "Ozeanien"};
// The languages a world's names can be shown in; the fifth name slot is not offered.
const char* const kLanguages[] = {"Deutsch", "Englisch", "Französisch", "Spanisch"};

QLabel* FieldLabel(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  label->setProperty("role", "caption");
  return label;
}

}  // namespace

QIcon EditorIcon() {
  InitAppResources();
  return QIcon(QStringLiteral(":/torvale/app/torvale-editor.png"));
}

QString DlgMainMenu::BaseCaption() { return QStringLiteral("Torvale Datenbank Editor"); }

DlgMainMenu::DlgMainMenu(EditorContext& context, MainMenuStart start, QWidget* parent)
    : QDialog(parent), context_(context), start_(std::move(start)) {
  setObjectName("DlgMainMenu");
  setWindowTitle(BaseCaption());
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setWindowIcon(EditorIcon());
  BuildLayout();
  BuildMenus();
  FillLanguages();
  FillContinents();
  resize(1200, 760);
}

DlgMainMenu::~DlgMainMenu() = default;

// ---------------------------------------------------------------------------------------------
// Layout

void DlgMainMenu::BuildLayout() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  menuBar_ = new QMenuBar(this);
  outer->setMenuBar(menuBar_);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(14, 10, 14, 14);
  body->setSpacing(14);
  outer->addLayout(body, 1);

  // Left: where in the world — language, continent, country.
  auto* navigation = new QVBoxLayout;
  languageBox_ = new QComboBox(this);
  languageBox_->setObjectName("languageBox");
  continentBox_ = new QComboBox(this);
  continentBox_->setObjectName("continentBox");
  countryList_ = new QListWidget(this);
  countryList_->setObjectName("countryList");
  countryList_->setMinimumWidth(200);
  navigation->addWidget(FieldLabel(QStringLiteral("Sprache der &Datenbank"), languageBox_, this));
  navigation->addWidget(languageBox_);
  navigation->addSpacing(6);
  navigation->addWidget(FieldLabel(QStringLiteral("K&ontinent"), continentBox_, this));
  navigation->addWidget(continentBox_);
  navigation->addSpacing(6);
  navigation->addWidget(FieldLabel(QStringLiteral("L&and"), countryList_, this));
  navigation->addWidget(countryList_, 1);
  body->addLayout(navigation, 0);

  // Middle: the clubs of the selected country.
  auto* clubs = new QVBoxLayout;
  worldTitle_ = new QLabel(this);
  worldTitle_->setObjectName("worldTitle");
  worldTitle_->setProperty("role", "caption");
  countryTitle_ = new QLabel(this);
  countryTitle_->setObjectName("countryTitle");
  countryTitle_->setProperty("role", "heading");
  clubs->addWidget(worldTitle_);
  clubs->addWidget(countryTitle_);
  clubModel_ = new ClubListModel(this);
  clubView_ = new QTableView(this);
  clubView_->setObjectName("clubList");
  clubView_->setModel(clubModel_);
  clubView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  clubView_->setSelectionMode(QAbstractItemView::SingleSelection);
  clubView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  clubView_->setAlternatingRowColors(true);
  clubView_->setShowGrid(false);
  clubView_->setWordWrap(false);
  clubView_->verticalHeader()->hide();
  clubView_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  clubView_->horizontalHeader()->setSectionResizeMode(ClubListModel::kName, QHeaderView::Stretch);
  clubView_->horizontalHeader()->setSectionResizeMode(ClubListModel::kLeague, QHeaderView::ResizeToContents);
  clubView_->horizontalHeader()->setSectionResizeMode(ClubListModel::kStrength, QHeaderView::ResizeToContents);
  clubView_->horizontalHeader()->setSectionsClickable(false);
  auto* clubLabel = FieldLabel(QStringLiteral("&Verein"), clubView_, this);
  clubs->addWidget(clubLabel);
  clubs->addWidget(clubView_, 1);
  auto* orders = new QHBoxLayout;
  orders->addWidget(new QLabel(QStringLiteral("Sortieren nach:"), this));
  const char* orderTexts[] = {"Verein", "Liga", "Ø - Stärke"};
  const char* orderNames[] = {"orderByName", "orderByLeague", "orderByStrength"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(QString::fromUtf8(orderTexts[i]), this);
    button->setObjectName(orderNames[i]);
    button->setCheckable(true);
    button->setAutoDefault(false);
    orderButtons_[static_cast<size_t>(i)] = button;
    orders->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, i] { SetClubOrder(static_cast<ClubOrder>(i)); });
  }
  orderButtons_[0]->setChecked(true);
  orders->addStretch(1);
  clubs->addLayout(orders);
  body->addLayout(clubs, 1);

  // Right: the figures.
  statistics_ = new MainStatisticsPanel(this);
  statistics_->setObjectName("statistics");
  statistics_->setMinimumWidth(330);
  body->addWidget(statistics_, 0);

  connect(languageBox_, &QComboBox::currentIndexChanged, this, [this] { OnLanguageChosen(); });
  connect(continentBox_, &QComboBox::currentIndexChanged, this, [this] { OnContinentChosen(); });
  connect(countryList_, &QListWidget::currentRowChanged, this, [this] { OnCountryChosen(); });
  connect(clubView_, &QTableView::doubleClicked, this, [this] { RunEditor(EditorCommand::kSquadEditor); });
  connect(clubView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { UpdateCommandStates(); });
}

QAction* DlgMainMenu::AddCommand(QMenu* menu, int command, const QString& text, std::function<void()> run) {
  auto* action = new QAction(text, this);
  action->setObjectName(QStringLiteral("cmd%1").arg(command));
  action->setData(command);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  if (menu) menu->addAction(action);
  actions_[command] = action;
  return action;
}

QAction* DlgMainMenu::AddEditorCommand(QMenu* menu, int command, const QString& text, EditorCommand editor) {
  QAction* action = AddCommand(menu, command, text, [this, editor] { RunEditor(editor); });
  editorActions_[command] = editor;
  return action;
}

void DlgMainMenu::BuildMenus() {
  fileMenu_ = menuBar_->addMenu(QStringLiteral("&Datei"));
  fileMenu_->setObjectName("fileMenu");
  AddCommand(fileMenu_, kCmdNew, QStringLiteral("&Neu..."), [this] { NewDatabase(); })->setShortcut(QKeySequence::New);
  AddCommand(fileMenu_, kCmdOpen, QString::fromUtf8("&Öffnen.."), [this] { OpenDatabase(); })->setShortcut(QKeySequence::Open);
  AddCommand(fileMenu_, kCmdClose, QStringLiteral("S&chliessen"), [this] { CloseCurrentWorld(); });
  fileMenu_->addSeparator();
  AddCommand(fileMenu_, kCmdSave, QStringLiteral("&Speichern"), [this] { SaveCurrentWorld(); })
      ->setShortcut(QKeySequence::Save);
  AddCommand(fileMenu_, kCmdSaveAs, QStringLiteral("Speichern &unter..."), [this] { SaveDatabaseAs(); });
  fileMenu_->addSeparator();
  AddCommand(fileMenu_, kCmdImport, QStringLiteral("Daten &importieren"), [this] { ImportData(); });
  AddCommand(fileMenu_, kCmdExport, QStringLiteral("Daten &exportieren"), [this] { ExportData(); });
  AddCommand(fileMenu_, kCmdRestore, QStringLiteral("Datenbank wiederherstellen"), [this] { RestoreDatabase(); });
  fileMenu_->addSeparator();
  AddCommand(fileMenu_, kCmdWriteDB, QStringLiteral("Aktuelle Datenbank ins Spiel ein&binden"),
             [this] { WriteDatabaseForGame(0); });
  fileMenu_->addSeparator();
  AddCommand(fileMenu_, kCmdExit, QStringLiteral("&Beenden"), [this] { close(); });

  databaseMenu_ = menuBar_->addMenu(QStringLiteral("Datenbanken"));
  databaseMenu_->setObjectName("databaseMenu");
  AddCommand(databaseMenu_, kCmdManage, QStringLiteral("Verwalten"), [this] { ManageDatabases(); });
  AddEditorCommand(databaseMenu_, kCmdCheckDatabase, QString::fromUtf8("Datenbank &prüfen"),
                   EditorCommand::kValidationReport)
      ->setShortcut(Qt::Key_F7);
  AddCommand(databaseMenu_, kCmdRestoreBackup, FromCp1252(LoadString(IDS_BACKUP_MENU)), [this] {
    if (RunBackupRestore(context_, this)) Refresh();
  });
  databaseMenu_->addSeparator();

  QMenu* edit = menuBar_->addMenu(QStringLiteral("Be&arbeiten"));
  edit->setObjectName("editMenu");
  undoActions_ = new UndoMenuActions(this);
  for (auto [command, action] : {std::pair{kCmdUndo, undoActions_->UndoAction()}, std::pair{kCmdRedo, undoActions_->RedoAction()}}) {
    edit->addAction(action);
    actions_[command] = action;
  }
  edit->addSeparator();
  AddEditorCommand(edit, kCmdClubEditor, QStringLiteral("&Verein"), EditorCommand::kClubEditor);
  AddEditorCommand(edit, kCmdSquadEditor, QStringLiteral("Spieler&kader"), EditorCommand::kSquadEditor);
  AddEditorCommand(edit, kCmdCountrySettings, QStringLiteral("&Land Einstellungen"), EditorCommand::kCountryEditor);
  AddEditorCommand(edit, kCmdNewClub, QStringLiteral("Neuer Verein"), EditorCommand::kNewClub);
  edit->addSeparator();
  AddEditorCommand(edit, kCmdGlobalRules, QStringLiteral("&Globale Einstellungen"), EditorCommand::kGlobalRules);
  AddEditorCommand(edit, kCmdContinentalSettings, QStringLiteral("Kontinentale &Einstellungen"),
                   EditorCommand::kContinentalSettings);
  edit->addSeparator();
  AddCommand(edit, kCmdDeleteClub, QString::fromUtf8("Verein löschen"), [this] { DeleteSelectedClub(); });
  AddCommand(edit, kCmdSaveClub, QStringLiteral("Verein abspeichern"), [this] { SaveSelectedClub(); });
  AddCommand(edit, kCmdReplaceClub, QString::fromUtf8("Verein überschreiben"), [this] { ReplaceSelectedClub(); });
  AddCommand(edit, kCmdRemoveClubPeople, QString::fromUtf8("Spieler/Manager löschen"), [this] { RemoveSelectedClubPeople(); });

  QMenu* extras = menuBar_->addMenu(QStringLiteral("E&xtras"));
  extras->setObjectName("extrasMenu");
  AddEditorCommand(extras, kCmdPlayerSearch, QStringLiteral("Spieler &suchen"), EditorCommand::kPlayerSearch);
  AddEditorCommand(extras, kCmdDuplicatePlayers, QStringLiteral("Doppelte Spieler anzeigen"),
                   EditorCommand::kDuplicatePlayers);
  AddEditorCommand(extras, kCmdPlayersWithoutClub, QStringLiteral("&Freie Spieler"), EditorCommand::kPlayersWithoutClub);
  AddEditorCommand(extras, kCmdFastTransfers, QStringLiteral("Schnelle &Transfers"), EditorCommand::kFastTransfers);
  AddEditorCommand(extras, kCmdNationalTeams, QStringLiteral("&Nationalmannschaften"), EditorCommand::kNationalTeams);
  AddEditorCommand(extras, kCmdPlayerComparison, QStringLiteral("Spielerverglei&ch"), EditorCommand::kPlayerComparison);
  extras->addSeparator();
  AddCommand(extras, kCmdInvalidBadges, QString::fromUtf8("Nach ungültigen Wappen suchen"), [this] { FindInvalidBadges(); });

  // The context menu offers the club commands at the cursor.
  contextMenu_ = new QMenu(this);
  contextMenu_->setObjectName("contextMenu");
  for (int command : {kCmdClubEditor, kCmdSquadEditor, kCmdCountrySettings}) contextMenu_->addAction(actions_[command]);
  contextMenu_->addSeparator();
  for (int command : {kCmdDeleteClub, kCmdSaveClub, kCmdReplaceClub, kCmdRemoveClubPeople})
    contextMenu_->addAction(actions_[command]);

  UpdateCommandStates();
}

// ---------------------------------------------------------------------------------------------
// Start-up and refresh

void DlgMainMenu::Initialise() {
  if (start_.showSplash) ShowEditorSplash(this);
  if (!context_.CurrentWorld())
    if (CWorldDatabase* world = context_.OpenGameDatabase()) ShowLoadReport(world->LastLoadReport(), this);
  previousContinent_ = continent_ = 0;
  country_ = 14;
  FillCountries();
  RebuildDatabaseMenu();
  if (start_.writePristineArchive) WritePristineArchive();
  // Backups a crash left unpacked are packed now, in the background.
  if (context_.Backups().PendingCount() > 0) context_.BackupPacker().Start();

  const bool rendererLoaded = !start_.rendererLoaded || start_.rendererLoaded();
  if (!rendererLoaded) {
    ShowMessage(LoadString(kRendererMissing), this);
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    return;
  }
  Refresh();
  context_.SetCurrentLanguage(languageBox_->currentData().toInt());
  if (context_.ExpertMode()) BuildAdminToolsMenu();
  initialised_ = true;
}

void DlgMainMenu::Refresh() {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  WatchWorld(*world);
  undoActions_->Follow(&context_.HistoryOf(*world));
  const StartingSelection& selection = world->Selection();
  continent_ = selection.continent < kContinentCount ? selection.continent : 0;
  previousContinent_ = selection.previousContinent;
  country_ = selection.country;
  {
    const bool wasFilling = std::exchange(filling_, true);
    const int languageRow = languageBox_->findData(world->Language());
    languageBox_->setCurrentIndex(languageRow >= 0 ? languageRow : 0);
    continentBox_->setCurrentIndex(continentBox_->findData(continent_));
    filling_ = wasFilling;
  }
  context_.SetCurrentLanguage(languageBox_->currentData().toInt());
  FillCountries();
  RebuildDatabaseMenu();
  UpdateCaption();
}

void DlgMainMenu::FillLanguages() {
  const bool wasFilling = std::exchange(filling_, true);
  languageBox_->clear();
  for (int i = 0; i < 4; ++i) languageBox_->addItem(QString::fromUtf8(kLanguages[i]), i);
  filling_ = wasFilling;
}

void DlgMainMenu::FillContinents() {
  const bool wasFilling = std::exchange(filling_, true);
  continentBox_->clear();
  for (int i = 0; i < kContinentCount; ++i) continentBox_->addItem(QString::fromUtf8(kContinents[i]), i);
  continentBox_->setCurrentIndex(0);
  filling_ = wasFilling;
}

void DlgMainMenu::FillCountries() {
  const bool wasFilling = std::exchange(filling_, true);
  countryList_->clear();
  if (const CWorldDatabase* world = context_.CurrentWorld()) {
    const int language = context_.CurrentLanguage();
    int selectedRow = -1;
    for (int number : CountriesOfContinent(*world, continent_, language, CollatedLess)) {
      auto* item = new QListWidgetItem(FromCp1252(world->Country(number)->Name(language)), countryList_);
      item->setData(Qt::UserRole, number);
      if (number == country_) selectedRow = countryList_->count() - 1;
    }
    // A country of another continent cannot stay selected: the first of the list is.
    if (selectedRow < 0 && countryList_->count() > 0) selectedRow = 0;
    countryList_->setCurrentRow(selectedRow);
    country_ = selectedRow >= 0 ? countryList_->item(selectedRow)->data(Qt::UserRole).toInt() : 0;
  }
  filling_ = wasFilling;
  FillClubs();
}

void DlgMainMenu::FillClubs() {
  const uint32_t previous = Selection().clubId;
  CWorldDatabase* world = context_.CurrentWorld();
  const CCountry* country = world && country_ ? world->Country(country_) : nullptr;
  clubModel_->Fill(country, context_.CurrentLanguage(), clubModel_->Order());
  const int row = clubModel_->RowOf(previous);
  clubView_->selectRow(row >= 0 ? row : 0);
  countryTitle_->setText(country ? FromCp1252(country->Name(context_.CurrentLanguage())) : QString());
  statistics_->SetCountryName(countryTitle_->text());
  ShowStatistics();
  UpdateCommandStates();
}

void DlgMainMenu::ShowStatistics() {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  WorldStatisticsCache& cache = StatisticsOf(*world);
  statistics_->Show(cache.Country(country_), cache.Total());
}

void DlgMainMenu::UpdateCaption() {
  CWorldDatabase* world = context_.CurrentWorld();
  if (!world) return;
  QString caption = FromCp1252(MainWindowCaption(ToCp1252(BaseCaption()), world->Name()));
  if (context_.ChangesOf(*world).IsModified()) caption += QStringLiteral(" *");
  setWindowTitle(caption);
  worldTitle_->setText(FromCp1252(CapitaliseWords(world->Name(), true)));
}

void DlgMainMenu::RebuildDatabaseMenu() {
  for (QAction* action : worldActions_) {
    databaseMenu_->removeAction(action);
    actions_.erase(action->data().toInt());
    action->deleteLater();
  }
  worldActions_.clear();
  const WorldManager& worlds = context_.Worlds();
  for (size_t i = 0; i < worlds.Count(); ++i) {
    const int command = kCmdDatabase1 + static_cast<int>(i);
    QAction* action = AddCommand(databaseMenu_, command,
                                 FromCp1252(DatabaseMenuText(static_cast<int>(i) + 1, worlds.At(i)->Name())),
                                 [this, i] { SwitchToWorld(i); });
    action->setCheckable(true);
    action->setChecked(worlds.At(i) == worlds.Current());
    worldActions_.push_back(action);
  }
  UpdateCommandStates();
}

void DlgMainMenu::UpdateCommandStates() {
  const MainSelection selection = Selection();
  for (const auto& [command, editor] : editorActions_) {
    bool enabled = context_.Commands().Has(editor);
    if (command == kCmdClubEditor || command == kCmdSquadEditor) enabled = enabled && selection.HasClub();
    if (command == kCmdCountrySettings) enabled = enabled && selection.country != 0;
    if (command == kCmdNewClub) {
      const CWorldDatabase* world = context_.CurrentWorld();
      const CCountry* country = world && selection.country != 0 ? world->Country(selection.country) : nullptr;
      enabled = enabled && country && ClubListHasRoom(*country);
    }
    actions_[command]->setEnabled(enabled);
  }
  if (QAction* close = CommandAction(kCmdClose)) close->setEnabled(context_.Worlds().Count() >= 2);
  // The game's editor greys these from five open worlds on (the manager would take a sixth).
  for (int command : {kCmdNew, kCmdOpen, kCmdImport})
    if (QAction* action = CommandAction(command)) action->setEnabled(context_.Worlds().Count() < kGreyWorldCommandsFrom);
  for (int command : {kCmdSaveClub, kCmdReplaceClub, kCmdRemoveClubPeople})
    if (QAction* action = CommandAction(command)) action->setEnabled(selection.HasClub());
}

// ---------------------------------------------------------------------------------------------
// Navigation

void DlgMainMenu::OnLanguageChosen() {
  if (filling_) return;
  const int language = languageBox_->currentData().toInt();
  context_.SetCurrentLanguage(language);
  if (CWorldDatabase* world = context_.CurrentWorld()) {
    // The language is a setting of the world the user chose, not an edit of its data.
    world->SetLanguage(static_cast<uint8_t>(language));
  }
  FillCountries();
}

void DlgMainMenu::OnContinentChosen() {
  if (filling_) return;
  const int continent = continentBox_->currentData().toInt();
  if (continent != continent_) previousContinent_ = continent_;
  continent_ = continent;
  FillCountries();
}

void DlgMainMenu::OnCountryChosen() {
  if (filling_) return;
  QListWidgetItem* item = countryList_->currentItem();
  country_ = item ? item->data(Qt::UserRole).toInt() : 0;
  FillClubs();
}

MainSelection DlgMainMenu::Selection() const {
  MainSelection selection;
  selection.country = country_;
  const QModelIndex current = clubView_->selectionModel()->currentIndex();
  if (current.isValid()) selection.clubId = clubModel_->ClubIdAt(current.row());
  return selection;
}

void DlgMainMenu::SelectCountry(int number) {
  CWorldDatabase* world = context_.CurrentWorld();
  const CCountry* country = world ? world->Country(number) : nullptr;
  if (!country) return;
  const int continent = static_cast<int>(country->continent);
  if (continent != continent_ && continent >= 0 && continent < kContinentCount) {
    previousContinent_ = continent_;
    continent_ = continent;
    const bool wasFilling = std::exchange(filling_, true);
    continentBox_->setCurrentIndex(continentBox_->findData(continent_));
    filling_ = wasFilling;
  }
  country_ = number;
  FillCountries();
}

void DlgMainMenu::SelectClub(uint32_t clubId) {
  const int row = clubModel_->RowOf(clubId);
  if (row < 0) return;
  clubView_->selectRow(row);
  clubView_->scrollTo(clubModel_->index(row, 0));
  UpdateCommandStates();
}

void DlgMainMenu::SetClubOrder(ClubOrder order) {
  const uint32_t selected = Selection().clubId;
  clubModel_->SetOrder(order);
  for (size_t i = 0; i < orderButtons_.size(); ++i) orderButtons_[i]->setChecked(static_cast<int>(i) == static_cast<int>(order));
  const int row = clubModel_->RowOf(selected);
  clubView_->selectRow(row >= 0 ? row : 0);
}

// ---------------------------------------------------------------------------------------------
// Worlds and their changes

void DlgMainMenu::WatchWorld(CWorldDatabase& world) {
  if (!watched_.insert(&world).second) return;
  WorldChanges& changes = context_.ChangesOf(world);
  CWorldDatabase* observed = &world;
  connect(&changes, &WorldChanges::changed, this,
          [this, observed](const ChangeScope& scope) { OnWorldChanged(*observed, scope); });
  connect(&changes, &WorldChanges::modifiedChanged, this, [this, observed] {
    if (observed == context_.CurrentWorld()) UpdateCaption();
  });
  connect(&changes, &QObject::destroyed, this, [this, observed] { ForgetWorld(observed); });
}

void DlgMainMenu::OnWorldChanged(CWorldDatabase& world, const ChangeScope& scope) {
  WorldStatisticsCache& cache = StatisticsOf(world);
  if (scope.wholeWorld) {
    cache.InvalidateAll();
  } else {
    for (int n = kFirstCountry; n <= kLastCountry; ++n)
      if (scope.Touches(n)) cache.Invalidate(n);
  }
  if (&world != context_.CurrentWorld()) return;
  // A country's settings hold its continent, which decides the country list.
  if (scope.wholeWorld || scope.settings || scope.countrySettings.any()) {
    FillCountries();
  } else if (scope.Touches(country_)) {
    FillClubs();
  } else {
    ShowStatistics();
  }
  UpdateCaption();
}

WorldStatisticsCache& DlgMainMenu::StatisticsOf(const CWorldDatabase& world) {
  std::unique_ptr<WorldStatisticsCache>& cache = statisticsCaches_[&world];
  if (!cache) cache = std::make_unique<WorldStatisticsCache>(world);
  return *cache;
}

void DlgMainMenu::ForgetWorld(const CWorldDatabase* world) {
  watched_.erase(world);
  statisticsCaches_.erase(world);
}

// ---------------------------------------------------------------------------------------------
// Commands

QAction* DlgMainMenu::CommandAction(int command) const {
  auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

void DlgMainMenu::TriggerCommand(int command) {
  if (QAction* action = CommandAction(command); action && action->isEnabled()) action->trigger();
}

void DlgMainMenu::RunEditor(EditorCommand editor) {
  const MainSelection selection = Selection();
  if ((editor == EditorCommand::kClubEditor || editor == EditorCommand::kSquadEditor) && !selection.HasClub()) return;
  context_.Commands().Run(editor, context_, this, selection);
}

void DlgMainMenu::reject() {
  if (initialised_ && !AskYesNo(LoadString(kCloseQuestion), this)) return;
  QDialog::reject();
}

void DlgMainMenu::contextMenuEvent(QContextMenuEvent* event) { contextMenu_->popup(event->globalPos()); }

}  // namespace torvale
