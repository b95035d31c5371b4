#pragma once
// CDlgDatabaseCopy, "Datenbanken synchronisieren": two open worlds side by side, each as a tree
// of continents, countries and clubs. Dragging an item of one tree onto an item of the other
// copies it there, as DecideCopyDrop rules: a club into a country or onto a club, a country
// onto a country, a continent onto the same continent. The copy options are asked with
// CDlgDatabaseCopyCountry / CDlgDatabaseCopyClub and remembered while the dialog is open. Each
// copy is one change of the target world (WorldChanges).

#include <QDialog>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <optional>

#include "database/copy_drop_rules.h"

class QComboBox;

namespace torvale {

class CWorldDatabase;
class EditorContext;

// One of the two trees; a drop hands the dragged item and the item under the cursor on.
class CopyWorldTree : public QTreeWidget {
  Q_OBJECT
 public:
  CopyWorldTree(int side, QWidget* parent);

 signals:
  void itemDropped(const torvale::CopyItem& source, const torvale::CopyItem* target);

 protected:
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int side_;
};

class CDlgDatabaseCopy : public QDialog {
  Q_OBJECT
 public:
  CDlgDatabaseCopy(EditorContext& context, QWidget* parent = nullptr);

  // Asks for the copy options of a country (kCountry) or club (kClub) copy, starting from the
  // mask; none when cancelled. Tests replace it; by default it shows the option dialog.
  using OptionChooser = std::function<std::optional<uint32_t>(CopyItemKind kind, uint32_t mask)>;
  void SetOptionChooser(OptionChooser chooser) { chooseOptions_ = std::move(chooser); }

  // Which open world each tree shows (index into the world list).
  void ShowWorld(int side, size_t worldIndex);
  CWorldDatabase* WorldOf(int side) const;
  // Carries out a drop (what dragging does); target null for a drop outside the trees.
  void Drop(const CopyItem& source, const CopyItem* target);

  uint32_t CountryMask() const { return countryMask_; }
  uint32_t ClubMask() const { return clubMask_; }
  QTreeWidget* Tree(int side) const { return trees_[static_cast<size_t>(side)]; }

 private:
  void FillTree(int side);
  void FillClubs(QTreeWidgetItem* countryItem);
  std::optional<uint32_t> AskOptions(CopyItemKind kind, uint32_t mask);
  void CopyClubIntoCountry(const CopyItem& source, const CopyItem& target);
  void CopyClubOntoClub(const CopyItem& source, const CopyItem& target);
  void CopyCountry(const CopyItem& source, const CopyItem& target);
  void CopyContinent(const CopyItem& source, const CopyItem& target);

  EditorContext& context_;
  std::array<QComboBox*, 2> worldBoxes_{};
  std::array<CopyWorldTree*, 2> trees_{};
  uint32_t countryMask_;
  uint32_t clubMask_;
  OptionChooser chooseOptions_;
};

}  // namespace torvale
