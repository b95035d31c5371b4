#pragma once
// CReportList: the editor's report list (duplicates, free players, search results): columns
// with header, width and alignment, rows of Windows-1252 cell texts in display order, full-row
// selection and grid lines. A header click emits sortRequested; the owner sorts through the
// core's comparison and sets the rows again. ExportList writes the list as shown to a file
// (tabs, blanks, XML or CSV, by the filter chosen), PrintList prints it after a preview.

#include <QAbstractTableModel>
#include <QPushButton>
#include <QTableView>
#include <string>
#include <vector>

#include "exchange/list_export.h"
#include "ui/lists/list_printer.h"

class QPrintPreviewDialog;

namespace torvale {

struct ReportColumn {
  QString header;
  int width = 100;
  Qt::Alignment alignment = Qt::AlignLeft;
};

class ReportListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void SetColumns(std::vector<ReportColumn> columns);
  void SetRows(std::vector<std::vector<std::string>> rows);
  const std::vector<ReportColumn>& Columns() const { return columns_; }
  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<ReportColumn> columns_;
  std::vector<std::vector<std::string>> rows_;
};

class CReportList : public QTableView {
  Q_OBJECT
 public:
  explicit CReportList(QWidget* parent = nullptr);

  void SetColumns(std::vector<ReportColumn> columns);
  void SetRows(std::vector<std::vector<std::string>> rows);
  int RowCount() const { return model_.rowCount(); }
  // Selected rows, ascending; the current row first when only one is wanted.
  std::vector<int> SelectedRows() const;
  int CurrentRow() const;
  void SelectRow(int row);

  // The list as shown, with `title`.
  ExportedList Contents(const std::string& title) const;

  // The save dialog with the filters of entry 865 and the CSV filter; writes the chosen
  // format. False when cancelled or the file cannot be written (the latter says so).
  bool ExportList(const std::string& title);
  // The print preview of the list, printing from there.
  void PrintList(const std::string& title, const ListPrintSettings& settings);

  // The "Speichern" and "Drucken" buttons every report dialog shows beside its list (object
  // names "save" and "print"), wired to ExportList and PrintList with `title`.
  struct OutputButtons {
    QPushButton* save;
    QPushButton* print;
  };
  OutputButtons MakeOutputButtons(QWidget* parent, const std::string& title, const ListPrintSettings& settings);

 signals:
  void sortRequested(int column);

 private:
  ReportListModel model_;
};

// Lets `preview` paint `list` (a copy is kept) with `settings`, and gives it its caption and size.
void SetUpListPreview(QPrintPreviewDialog& preview, ExportedList list, const ListPrintSettings& settings);

// The save dialog's name filters: the three of entry 865, then CSV.
QStringList ListExportNameFilters();
// Writes `list` to `path` in the format of name filter `filterIndex` (0-based); false on failure.
bool WriteListExport(const QString& path, int filterIndex, const ExportedList& list);

// What "Speichern" and "Drucken" of a report do, for reports that are not a CReportList: the
// save dialog, then the file in the chosen format (false when cancelled or not written, the
// latter said in a box); the print preview, printing from there.
bool SaveListAs(QWidget* parent, const ExportedList& list);
void PrintListWithPreview(QWidget* parent, ExportedList list, const ListPrintSettings& settings);

}  // namespace torvale
