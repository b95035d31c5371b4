#include "ui/validation/validation_tree_model.h"

#include <QFont>
#include <algorithm>
#include <map>
#include <vector>

#include "app/qt_text.h"
#include "database/world_database.h"
#include "platform/string_table.h"
#include "ui/theme/editor_theme.h"
#include "world/country.h"

namespace torvale {

namespace {

constexpr int IDS_GENERAL_GROUP = 1454;

QStandardItem* MakeItem(const QString& text) {
  auto* item = new QStandardItem(text);
  item->setEditable(false);
  return item;
}

}  // namespace

QString FindingAreaText(FindingKind kind) {
  switch (kind) {
    case FindingKind::kClubCheck: return QStringLiteral("Verein");
    case FindingKind::kSquadCheck: return QStringLiteral("Kader");
    case FindingKind::kCompetition: return QStringLiteral("Wettbewerb");
    case FindingKind::kCountryNotPlayable: return QStringLiteral("Spielbarkeit");
    case FindingKind::kNotOnConsoleList: return QStringLiteral("Konsolenfassung");
    case FindingKind::kNoCompleteCountry: return QStringLiteral("Spielbarkeit");
    case FindingKind::kMissingBadge: return QStringLiteral("Wappen");
    case FindingKind::kDuplicatePerson: return QStringLiteral("Doppelte Person");
    case FindingKind::kUnlistedPerson: return QStringLiteral("Person ohne Liste");
    case FindingKind::kPersonListedTwice: return QStringLiteral("Person zweimal geführt");
    case FindingKind::kMissingPerson: return QStringLiteral("Fehlende Person");
    case FindingKind::kMissingClub: return QStringLiteral("Fehlender Verein");
    case FindingKind::kMissingStadium: return QStringLiteral("Fehlendes Stadion");
    case FindingKind::kNameTooLong: return QStringLiteral("Name zu lang");
    case FindingKind::kLoadProblem: return QStringLiteral("Datei");
  }
  return {};
}

ValidationTreeModel::ValidationTreeModel(QObject* parent) : QStandardItemModel(parent) {
  setHorizontalHeaderLabels({QStringLiteral("Meldung"), QStringLiteral("Bereich")});
}

void ValidationTreeModel::Fill(const CWorldDatabase& world, const ValidationReport& report, int language) {
  removeRows(0, rowCount());
  std::map<int, std::vector<int>> byCountry;
  for (size_t i = 0; i < report.findings.size(); ++i)
    byCountry[report.findings[i].country].push_back(static_cast<int>(i));

  struct Group {
    int country;
    QString name;
  };
  std::vector<Group> groups;
  for (const auto& [country, findings] : byCountry) {
    const CCountry* land = world.Country(country);
    groups.push_back({country, land ? FromCp1252(land->Name(language)) : FromCp1252(LoadString(IDS_GENERAL_GROUP))});
  }
  // The world as a whole first, then the countries as an atlas lists them.
  std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
    if ((a.country == 0) != (b.country == 0)) return a.country == 0;
    return QString::localeAwareCompare(a.name, b.name) < 0;
  });

  const QIcon errorIcon = EditorSeverityIcon(true);
  const QIcon warningIcon = EditorSeverityIcon(false);
  for (const Group& group : groups) {
    QStandardItem* countryItem = MakeItem(group.name);
    QFont bold = countryItem->font();
    bold.setBold(true);
    countryItem->setFont(bold);
    countryItem->setData(-1, kFindingRole);
    countryItem->setData(group.country, kCountryRole);
    int errors = 0;
    for (int index : byCountry[group.country]) {
      const ValidationFinding& finding = report.findings[static_cast<size_t>(index)];
      const bool error = finding.severity == FindingSeverity::kError;
      errors += error;
      QStandardItem* text = MakeItem(FromCp1252(finding.text));
      text->setIcon(error ? errorIcon : warningIcon);
      text->setForeground(error ? EditorErrorColour() : EditorWarningColour());
      text->setToolTip((error ? QStringLiteral("Fehler: ") : QStringLiteral("Warnung: ")) + text->text());
      text->setData(index, kFindingRole);
      text->setData(static_cast<int>(finding.severity), kSeverityRole);
      text->setData(group.country, kCountryRole);
      QStandardItem* area = MakeItem(FindingAreaText(finding.kind));
      area->setData(index, kFindingRole);
      area->setData(static_cast<int>(finding.severity), kSeverityRole);
      area->setData(group.country, kCountryRole);
      countryItem->appendRow({text, area});
    }
    const int warnings = static_cast<int>(byCountry[group.country].size()) - errors;
    countryItem->setIcon(errors > 0 ? errorIcon : warningIcon);
    QStandardItem* counts = MakeItem(FromCp1252(FindingCountText(errors, warnings)));
    counts->setData(-1, kFindingRole);
    counts->setData(group.country, kCountryRole);
    appendRow({countryItem, counts});
  }
}

QModelIndex ValidationTreeModel::CountryIndex(int country) const {
  for (int row = 0; row < rowCount(); ++row)
    if (item(row)->data(kCountryRole).toInt() == country) return index(row, kTextColumn);
  return {};
}

ValidationFilterModel::ValidationFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
  // A country row stays while one of its findings passes.
  setRecursiveFilteringEnabled(true);
}

void ValidationFilterModel::SetSeverity(SeverityFilter severity) {
  severity_ = severity;
  invalidateFilter();
}

void ValidationFilterModel::SetSearchText(const QString& text) {
  searchText_ = text.trimmed();
  invalidateFilter();
}

bool ValidationFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (!sourceParent.isValid()) return false;  // shown through its findings
  const QModelIndex text = sourceModel()->index(sourceRow, ValidationTreeModel::kTextColumn, sourceParent);
  const auto severity = static_cast<FindingSeverity>(text.data(ValidationTreeModel::kSeverityRole).toInt());
  if (severity_ == SeverityFilter::kErrors && severity != FindingSeverity::kError) return false;
  if (severity_ == SeverityFilter::kWarnings && severity != FindingSeverity::kWarning) return false;
  if (searchText_.isEmpty()) return true;
  // A country's name finds all its findings; otherwise the text or the area must hold it.
  const QModelIndex area = sourceModel()->index(sourceRow, ValidationTreeModel::kAreaColumn, sourceParent);
  return sourceParent.data().toString().contains(searchText_, Qt::CaseInsensitive) ||
         text.data().toString().contains(searchText_, Qt::CaseInsensitive) ||
         area.data().toString().contains(searchText_, Qt::CaseInsensitive);
}

}  // namespace torvale
