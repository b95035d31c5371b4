#include "ui/database/dlg_database_copy.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

#include "app/main_menu_texts.h"
#include "app/qt_text.h"
#include "database/world_copy.h"
#include "database/world_database.h"
#include "database/world_statistics.h"
#include "platform/string_table.h"
#include "ui/common/editor_context.h"
#include "ui/common/message_box.h"
#include "ui/database/dlg_database_copy_club.h"
#include "ui/database/dlg_database_copy_country.h"
#include "world/club.h"

namespace torvale {

namespace {

const char* const kMime = "application/x-torvale-copy-item";
const char* const kContinentNames[kContinentCount] = {"Europa", "Südamerika", "Nordamerika", "Afrika", "Asien", "Ozeanien"};
constexpr int kKindRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;

CopyItem ItemOf(const QTreeWidgetItem* item, int side) {
  return {static_cast<CopyItemKind>(item->data(0, kKindRole).toInt()), side, item->data(0, kIdRole).toUInt()};
}

QTreeWidgetItem* NewItem(QTreeWidgetItem* parent, const QString& text, CopyItemKind kind, uint32_t id) {
  auto* item = new QTreeWidgetItem(parent, {text});
  item->setData(0, kKindRole, static_cast<int>(kind));
  item->setData(0, kIdRole, id);
  return item;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

CopyWorldTree::CopyWorldTree(int side, QWidget* parent) : QTreeWidget(parent), side_(side) {
  setHeaderHidden(true);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::CopyAction);
}

QStringList CopyWorldTree::mimeTypes() const { return {QString::fromLatin1(kMime)}; }

QMimeData* CopyWorldTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
  if (items.isEmpty()) return nullptr;
  const CopyItem item = ItemOf(items.front(), side_);
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kMime),
                QStringLiteral("%1 %2 %3").arg(static_cast<int>(item.kind)).arg(item.world).arg(item.id).toLatin1());
  return data;
}

void CopyWorldTree::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(QString::fromLatin1(kMime))) event->acceptProposedAction();
}

void CopyWorldTree::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasFormat(QString::fromLatin1(kMime))) event->acceptProposedAction();
}

void CopyWorldTree::dropEvent(QDropEvent* event) {
  const QList<QByteArray> fields = event->mimeData()->data(QString::fromLatin1(kMime)).split(' ');
  if (fields.size() != 3) return;
  const CopyItem source{static_cast<CopyItemKind>(fields[0].toInt()), fields[1].toInt(), fields[2].toUInt()};
  event->setDropAction(Qt::CopyAction);
  event->accept();
  QTreeWidgetItem* under = itemAt(event->position().toPoint());
  if (!under) {
    emit itemDropped(source, nullptr);
    return;
  }
  const CopyItem target = ItemOf(under, side_);
  emit itemDropped(source, &target);
}

// ---------------------------------------------------------------------------------------------

CDlgDatabaseCopy::CDlgDatabaseCopy(EditorContext& context, QWidget* parent)
    : QDialog(parent), context_(context), countryMask_(kCopyEverything), clubMask_(kCopyEverything) {
  setObjectName("CDlgDatabaseCopy");
  setWindowTitle(QStringLiteral("Datenbanken synchronisieren"));
  auto* grid = new QGridLayout(this);
  auto* hint = new QLabel(QString::fromUtf8("Ziehen Sie einen Kontinent, ein Land oder einen Verein auf die andere Seite, "
                                            "um ihn dorthin zu übernehmen."),
                          this);
  hint->setWordWrap(true);
  grid->addWidget(hint, 0, 0, 1, 2);
  const WorldManager& worlds = context_.Worlds();
  for (int side = 0; side < 2; ++side) {
    auto* box = new QComboBox(this);
    box->setObjectName(side == 0 ? "worldLeft" : "worldRight");
    for (size_t i = 0; i < worlds.Count(); ++i)
      box->addItem(FromCp1252(DatabaseMenuText(static_cast<int>(i) + 1, worlds.At(i)->Name())), static_cast<int>(i));
    auto* tree = new CopyWorldTree(side, this);
    tree->setObjectName(side == 0 ? "treeLeft" : "treeRight");
    tree->setMinimumSize(320, 420);
    worldBoxes_[static_cast<size_t>(side)] = box;
    trees_[static_cast<size_t>(side)] = tree;
    grid->addWidget(box, 1, side);
    grid->addWidget(tree, 2, side);
    connect(box, &QComboBox::currentIndexChanged, this, [this, side] { FillTree(side); });
    connect(tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { FillClubs(item); });
    connect(tree, &CopyWorldTree::itemDropped, this, &CDlgDatabaseCopy::Drop);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schliessen"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
  grid->addWidget(buttons, 3, 0, 1, 2);

  // The current world on the left, the next open one on the right.
  const size_t current = worlds.IndexOf(worlds.Current());
  ShowWorld(0, current < worlds.Count() ? current : 0);
  ShowWorld(1, worlds.Count() > 1 ? (current + 1) % worlds.Count() : 0);
}

void CDlgDatabaseCopy::ShowWorld(int side, size_t worldIndex) {
  QComboBox* box = worldBoxes_[static_cast<size_t>(side)];
  const int row = box->findData(static_cast<int>(worldIndex));
  if (row < 0) return;
  if (box->currentIndex() == row) {
    FillTree(side);
  } else {
    box->setCurrentIndex(row);
  }
}

CWorldDatabase* CDlgDatabaseCopy::WorldOf(int side) const {
  const QComboBox* box = worldBoxes_[static_cast<size_t>(side)];
  if (box->currentIndex() < 0) return nullptr;
  return context_.Worlds().At(static_cast<size_t>(box->currentData().toInt()));
}

void CDlgDatabaseCopy::FillTree(int side) {
  QTreeWidget* tree = trees_[static_cast<size_t>(side)];
  tree->clear();
  const CWorldDatabase* world = WorldOf(side);
  if (!world) return;
  const int language = context_.CurrentLanguage();
  for (int continent = 0; continent < kContinentCount; ++continent) {
    auto* continentItem = NewItem(nullptr, QString::fromUtf8(kContinentNames[continent]), CopyItemKind::kContinent,
                                  static_cast<uint32_t>(continent));
    tree->addTopLevelItem(continentItem);
    for (int number : CountriesOfContinent(*world, continent, language)) {
      auto* countryItem = NewItem(continentItem, FromCp1252(world->Country(number)->Name(language)),
                                  CopyItemKind::kCountry, static_cast<uint32_t>(number));
      // Clubs are listed when the country is opened: a large world has thousands.
      countryItem->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
  }
}

void CDlgDatabaseCopy::FillClubs(QTreeWidgetItem* countryItem) {
  if (!countryItem || countryItem->data(0, kKindRole).toInt() != static_cast<int>(CopyItemKind::kCountry)) return;
  qDeleteAll(countryItem->takeChildren());
  const int side = countryItem->treeWidget() == trees_[0] ? 0 : 1;
  const CWorldDatabase* world = WorldOf(side);
  const CCountry* country = world ? world->Country(static_cast<int>(countryItem->data(0, kIdRole).toUInt())) : nullptr;
  if (!country) return;
  for (const auto& [id, club] : country->Clubs())
    NewItem(countryItem, FromCp1252(club->Name(context_.CurrentLanguage())), CopyItemKind::kClub, club->clubId);
  countryItem->sortChildren(0, Qt::AscendingOrder);
}

std::optional<uint32_t> CDlgDatabaseCopy::AskOptions(CopyItemKind kind, uint32_t mask) {
  if (chooseOptions_) return chooseOptions_(kind, mask);
  if (kind == CopyItemKind::kClub) {
    CDlgDatabaseCopyClub dialog(this, mask);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Mask();
  }
  CDlgDatabaseCopyCountry dialog(this, mask);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Mask();
}

void CDlgDatabaseCopy::Drop(const CopyItem& source, const CopyItem* target) {
  switch (DecideCopyDrop(source, target)) {
    case CopyDropAction::kNothing: return;
    case CopyDropAction::kRefusedKinds: ShowMessage(LoadString(IDS_COPY_SAME_KINDS_ONLY), this); return;
    case CopyDropAction::kRefusedContinents: ShowMessage(LoadString(IDS_COPY_DIFFERENT_CONTINENTS), this); return;
    case CopyDropAction::kClubIntoCountry: CopyClubIntoCountry(source, *target); return;
    case CopyDropAction::kClubOntoClub: CopyClubOntoClub(source, *target); return;
    case CopyDropAction::kCountryOntoCountry: CopyCountry(source, *target); return;
    case CopyDropAction::kContinentOntoContinent: CopyContinent(source, *target); return;
  }
}

void CDlgDatabaseCopy::CopyClubIntoCountry(const CopyItem& source, const CopyItem& target) {
  CWorldDatabase* from = WorldOf(source.world);
  CWorldDatabase* to = WorldOf(target.world);
  const int targetNumber = static_cast<int>(target.id);
  CCountry* country = to ? to->Country(targetNumber) : nullptr;
  const CCountry* sourceCountry = from ? from->Country(ClubCountry(source.id)) : nullptr;
  const CClub* club = sourceCountry ? sourceCountry->FindClub(source.id) : nullptr;
  if (!country || !club) return;
  // A club of the same name is the club meant: the drop is one onto that club.
  for (const auto& [id, existing] : country->Clubs())
    if (existing->Name(0) == club->Name(0)) {
      CopyClubOntoClub(source, {CopyItemKind::kClub, target.world, existing->clubId});
      return;
    }
  context_.ChangesOf(*to).CommitIf(ChangeScope::Country(targetNumber), QString::fromUtf8("Verein aus anderer Datenbank übernommen"),
                                   [&](CWorldDatabase& world) {
                                     return torvale::CopyClubIntoCountry(*from, *club, world, *country, kCopyEverything) != nullptr;
                                   });
  // The new club shows in the target tree.
  QTreeWidget* tree = trees_[static_cast<size_t>(target.world)];
  for (int c = 0; c < tree->topLevelItemCount(); ++c)
    for (int k = 0; k < tree->topLevelItem(c)->childCount(); ++k)
      if (QTreeWidgetItem* item = tree->topLevelItem(c)->child(k); ItemOf(item, target.world) == target) FillClubs(item);
}

void CDlgDatabaseCopy::CopyClubOntoClub(const CopyItem& source, const CopyItem& target) {
  CWorldDatabase* from = WorldOf(source.world);
  CWorldDatabase* to = WorldOf(target.world);
  const CCountry* sourceCountry = from ? from->Country(ClubCountry(source.id)) : nullptr;
  CCountry* targetCountry = to ? to->Country(ClubCountry(target.id)) : nullptr;
  const CClub* club = sourceCountry ? sourceCountry->FindClub(source.id) : nullptr;
  CClub* onto = targetCountry ? targetCountry->FindClub(target.id) : nullptr;
  if (!club || !onto) return;
  const std::optional<uint32_t> mask = AskOptions(CopyItemKind::kClub, clubMask_);
  if (!mask) return;
  clubMask_ = *mask;
  context_.ChangesOf(*to).CommitIf(ChangeScope::Country(ClubCountry(target.id)), QString::fromUtf8("Verein aus anderer Datenbank übernommen"),
                                   [&](CWorldDatabase& world) { return CopyClub(*from, *club, world, *onto, clubMask_); });
}

void CDlgDatabaseCopy::CopyCountry(const CopyItem& source, const CopyItem& target) {
  CWorldDatabase* from = WorldOf(source.world);
  CWorldDatabase* to = WorldOf(target.world);
  const CCountry* country = from ? from->Country(static_cast<int>(source.id)) : nullptr;
  CCountry* onto = to ? to->Country(static_cast<int>(target.id)) : nullptr;
  if (!country || !onto) return;
  const std::optional<uint32_t> mask = AskOptions(CopyItemKind::kCountry, countryMask_);
  if (!mask) return;
  countryMask_ = *mask;
  context_.ChangesOf(*to).CommitIf(ChangeScope::Country(static_cast<int>(target.id)), QString::fromUtf8("Land aus anderer Datenbank übernommen"),
                                   [&](CWorldDatabase& world) {
                                     return torvale::CopyCountry(*from, *country, world, *onto, countryMask_);
                                   });
  FillTree(target.world);
}

void CDlgDatabaseCopy::CopyContinent(const CopyItem& source, const CopyItem& target) {
  CWorldDatabase* from = WorldOf(source.world);
  CWorldDatabase* to = WorldOf(target.world);
  if (!from || !to) return;
  const std::optional<uint32_t> mask = AskOptions(CopyItemKind::kCountry, countryMask_);
  if (!mask) return;
  countryMask_ = *mask;
  // Only the countries of the dropped continent are copied, each onto its own number.
  ChangeScope scope;
  for (int number : CountriesOfContinent(*from, static_cast<int>(source.id), 0)) scope |= ChangeScope::Country(number);
  context_.ChangesOf(*to).CommitIf(scope, QString::fromUtf8("Kontinent aus anderer Datenbank übernommen"), [&](CWorldDatabase& world) {
    return torvale::CopyContinent(*from, world, source.id, countryMask_) > 0;
  });
  FillTree(target.world);
}

}  // namespace torvale
