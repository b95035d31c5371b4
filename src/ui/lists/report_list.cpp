#include "ui/lists/report_list.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/qt_text.h"
#include "exchange/list_export_csv.h"
#include "platform/string_table.h"
#include "ui/common/dialog_answers.h"
#include "ui/common/input_dialogs.h"
#include "ui/common/message_box.h"

namespace torvale {

void ReportListModel::SetColumns(std::vector<ReportColumn> columns) {
  beginResetModel();
  columns_ = std::move(columns);
  endResetModel();
}

void ReportListModel::SetRows(std::vector<std::vector<std::string>> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int ReportListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const auto& row = rows_[static_cast<size_t>(index.row())];
  const size_t column = static_cast<size_t>(index.column());
  if (role == Qt::DisplayRole) return column < row.size() ? FromCp1252(row[column]) : QString();
  if (role == Qt::TextAlignmentRole && column < columns_.size())
    return QVariant::fromValue(columns_[column].alignment | Qt::AlignVCenter);
  return {};
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return columns_[static_cast<size_t>(section)].header;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(columns_[static_cast<size_t>(section)].alignment);
  return {};
}

CReportList::CReportList(QWidget* parent) : QTableView(parent) {
  setModel(&model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setShowGrid(true);
  setWordWrap(false);
  setAlternatingRowColors(true);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setStretchLastSection(true);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CReportList::sortRequested);
}

void CReportList::SetColumns(std::vector<ReportColumn> columns) {
  model_.SetColumns(std::move(columns));
  for (size_t c = 0; c < model_.Columns().size(); ++c) setColumnWidth(static_cast<int>(c), model_.Columns()[c].width);
}

void CReportList::SetRows(std::vector<std::vector<std::string>> rows) { model_.SetRows(std::move(rows)); }

std::vector<int> CReportList::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

int CReportList::CurrentRow() const {
  const auto rows = SelectedRows();
  if (rows.empty()) return -1;
  const int current = currentIndex().row();
  return std::find(rows.begin(), rows.end(), current) != rows.end() ? current : rows.front();
}

void CReportList::SelectRow(int row) {
  clearSelection();
  if (row < 0 || row >= RowCount()) return;
  selectRow(row);
  scrollTo(model_.index(row, 0));
}

ExportedList CReportList::Contents(const std::string& title) const {
  ExportedList list;
  list.title = title;
  for (const auto& column : model_.Columns()) list.headers.push_back(ToCp1252(column.header));
  list.rows = model_.Rows();
  return list;
}

QStringList ListExportNameFilters() {
  // Two filters share "*.txt", so each keeps its own description to tell them apart.
  const QStringList parts =
      (FromCp1252(LoadString(IDS_LIST_EXPORT_FILTER)).chopped(1) + QString::fromUtf8(kCsvExportFilterText)).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2)
    filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  return filters;
}

bool WriteListExport(const QString& path, int filterIndex, const ExportedList& list) {
  const std::string file = path.toStdString();
  switch (filterIndex) {
    case 0: return ExportListToFile(file, list, ListExportFormat::kTabs);
    case 1: return ExportListToFile(file, list, ListExportFormat::kSpaces);
    case 2: return ExportListToFile(file, list, ListExportFormat::kXml);
    case 3: return ExportListToCsvFile(file, list);
    default: return false;
  }
}

bool SaveListAs(QWidget* parent, const ExportedList& list) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilters(ListExportNameFilters());
  dialog.setDirectory(QDir::homePath());
  if (!RunModalDialog(dialog) || dialog.selectedFiles().isEmpty()) return false;
  const int filter = static_cast<int>(ListExportNameFilters().indexOf(dialog.selectedNameFilter()));
  const QString path = dialog.selectedFiles().front();
  if (!WriteListExport(path, filter, list)) {
    ShowMessage(ToCp1252(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(path))),
                parent);
    return false;
  }
  return true;
}

bool CReportList::ExportList(const std::string& title) { return SaveListAs(window(), Contents(title)); }

void SetUpListPreview(QPrintPreviewDialog& preview, ExportedList list, const ListPrintSettings& settings) {
  preview.setWindowTitle(QStringLiteral("Druckvorschau"));
  preview.resize(1000, 760);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [list = std::move(list), settings](QPrinter* target) { PrintListPages(*target, list, settings); });
}

CReportList::OutputButtons CReportList::MakeOutputButtons(QWidget* parent, const std::string& title,
                                                         const ListPrintSettings& settings) {
  OutputButtons buttons{new QPushButton(QStringLiteral("Speichern"), parent),
                        new QPushButton(QStringLiteral("Drucken"), parent)};
  buttons.save->setObjectName(QStringLiteral("save"));
  buttons.print->setObjectName(QStringLiteral("print"));
  connect(buttons.save, &QPushButton::clicked, this, [this, title] { ExportList(title); });
  connect(buttons.print, &QPushButton::clicked, this, [this, title, settings] { PrintList(title, settings); });
  return buttons;
}

void PrintListWithPreview(QWidget* parent, ExportedList list, const ListPrintSettings& settings) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, parent);
  SetUpListPreview(preview, std::move(list), settings);
  RunModalDialog(preview);
}

void CReportList::PrintList(const std::string& title, const ListPrintSettings& settings) {
  PrintListWithPreview(window(), Contents(title), settings);
}

}  // namespace torvale
