#pragma once
// BackupListModel: the automatic backups as the restore dialog lists them, newest first:
// database, date, archive size and what the backup holds. Optionally only the backups of one
// database folder.

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "database/world_backups.h"

namespace torvale {

class BackupListModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kDatabase, kDate, kSize, kDescription, kColumnCount };

  explicit BackupListModel(QObject* parent = nullptr);

  // `entries` newest first; with a non-empty `onlyFolder` only that database's backups stay.
  void SetEntries(std::vector<BackupEntry> entries, const std::string& onlyFolder);
  const BackupEntry* EntryAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<BackupEntry> entries_;
};

// String-table entries of the list.
constexpr int IDS_BACKUP_COLUMNS = 1503;      // the four headers, one per line
constexpr int IDS_BACKUP_DESCRIPTION = 1508;  // "%s" files, "%s" unpacked size

}  // namespace torvale
