#pragma once
// The findings of a validation as a tree, country by country: a row per country that has
// findings ("Allgemein" for the world as a whole) with its counts, below it a row per finding
// with the card of its severity, its text and the area it concerns. The filter model shows
// one severity or both and the findings whose text (or country) holds a search text.

#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include "master/world_validation.h"

namespace torvale {

class CWorldDatabase;

class ValidationTreeModel : public QStandardItemModel {
  Q_OBJECT
 public:
  enum Column { kTextColumn, kAreaColumn, kColumnCount };
  enum Role {
    kFindingRole = Qt::UserRole + 1,  // index of the finding in the report; -1 on a country row
    kSeverityRole,                    // FindingSeverity of a finding row
    kCountryRole,                     // the country number of the row (0: "Allgemein")
  };

  explicit ValidationTreeModel(QObject* parent = nullptr);

  // Fills the tree from `report`, country names in `language`. The report must outlive the
  // rows (they refer to its findings by index).
  void Fill(const CWorldDatabase& world, const ValidationReport& report, int language);
  // The country row of `country`, invalid when it has no findings.
  QModelIndex CountryIndex(int country) const;
};

enum class SeverityFilter { kAll, kErrors, kWarnings };

class ValidationFilterModel : public QSortFilterProxyModel {
  Q_OBJECT
 public:
  explicit ValidationFilterModel(QObject* parent = nullptr);
  void SetSeverity(SeverityFilter severity);
  void SetSearchText(const QString& text);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  SeverityFilter severity_ = SeverityFilter::kAll;
  QString searchText_;
};

// The German name of the area a finding concerns ("Verein", "Kader", "Wettbewerb", ...).
QString FindingAreaText(FindingKind kind);

}  // namespace torvale
