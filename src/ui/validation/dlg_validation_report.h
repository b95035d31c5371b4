#pragma once
// CDlgValidationReport: "Datenbank prüfen" — everything the validation finds in the current
// world, country by country, with the counts in the header, a filter by severity and by
// text, and "Speichern"/"Drucken" of what is shown. A double click on a finding opens the
// editor of its club, squad or country through the main window's dispatch; when the editor
// closes the world is checked again, so the list shows the fix.

#include <QDialog>
#include <cstdint>
#include <optional>

#include "master/world_validation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTreeView;

namespace torvale {

class CWorldDatabase;
class EditorContext;
class ValidationFilterModel;
class ValidationTreeModel;
struct ExportedList;

class CDlgValidationReport : public QDialog {
  Q_OBJECT
 public:
  // Checks the current world (for a master build with `masterFlags`), or shows `report`
  // when the caller has just made it.
  CDlgValidationReport(EditorContext& context, uint32_t masterFlags, QWidget* parent = nullptr,
                       std::optional<ValidationReport> report = std::nullopt);

  const ValidationReport& Report() const { return report_; }
  QTreeView* Tree() const { return tree_; }
  // Checks the world again and shows the result.
  void Recheck();
  // Opens the editor of the finding at `index` of the tree (a view index); false when the
  // row is no finding or no editor shows it.
  bool OpenEditorAt(const QModelIndex& index);
  // The findings as shown (filter applied): country, severity, area, text.
  ExportedList ShownList() const;

 private:
  void Show(ValidationReport report);
  void ApplyFilter();

  EditorContext& context_;
  CWorldDatabase& world_;
  uint32_t masterFlags_;
  ValidationReport report_;

  QLabel* counts_ = nullptr;
  QLabel* countsCard_ = nullptr;
  QLabel* allClear_ = nullptr;
  QComboBox* severity_ = nullptr;
  QLineEdit* search_ = nullptr;
  QTreeView* tree_ = nullptr;
  ValidationTreeModel* model_ = nullptr;
  ValidationFilterModel* filter_ = nullptr;
};

}  // namespace torvale
