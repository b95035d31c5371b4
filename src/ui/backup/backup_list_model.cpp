#include "ui/backup/backup_list_model.h"

#include <QLocale>

#include "app/qt_text.h"
#include "platform/string_table.h"
#include "ui/common/string_format.h"

namespace torvale {

namespace {

QString SizeText(uint64_t bytes) {
  return QLocale(QLocale::German).formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeTraditionalFormat);
}

}  // namespace

BackupListModel::BackupListModel(QObject* parent) : QAbstractTableModel(parent) {}

void BackupListModel::SetEntries(std::vector<BackupEntry> entries, const std::string& onlyFolder) {
  beginResetModel();
  entries_ = std::move(entries);
  if (!onlyFolder.empty())
    std::erase_if(entries_, [&](const BackupEntry& entry) { return entry.description.folder != onlyFolder; });
  endResetModel();
}

const BackupEntry* BackupListModel::EntryAt(int row) const {
  return row >= 0 && row < static_cast<int>(entries_.size()) ? &entries_[size_t(row)] : nullptr;
}

int BackupListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int BackupListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant BackupListModel::data(const QModelIndex& index, int role) const {
  const BackupEntry* entry = EntryAt(index.row());
  if (!entry) return {};
  if (role == Qt::TextAlignmentRole && index.column() == kSize)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role == Qt::ToolTipRole) return FromCp1252(entry->path);
  if (role != Qt::DisplayRole) return {};
  const BackupDescription& description = entry->description;
  switch (index.column()) {
    case kDatabase: return FromCp1252(description.database);
    case kDate: return QString::fromStdString(BackupDisplayTime(description.timeMs));
    case kSize: return SizeText(entry->archiveBytes);
    case kDescription:
      return FromCp1252(FormatEntry(IDS_BACKUP_DESCRIPTION,
                                    {std::to_string(description.files), ToCp1252(SizeText(description.bytes))}));
    default: return {};
  }
}

QVariant BackupListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return FromCp1252(LoadString(IDS_BACKUP_COLUMNS)).split('\n').value(section);
}

}  // namespace torvale
