#pragma once
// "Vereinswappen auswählen": picks a club's badge from the badge sets of the badge folder and
// the game's badge archive, grouped by country, with a preview of the 180-pixel image. The
// entry " Kein Wappen" stands for no badge.

#include <QDialog>
#include <string>
#include <vector>

#include "assets/badge_sets.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace torvale {

class CDlgClubBadgeManage : public QDialog {
  Q_OBJECT
 public:
  // `countryNames` holds the names of the country slots 0..206 (Windows-1252).
  CDlgClubBadgeManage(const BadgeRoots& roots, const std::vector<std::string>& countryNames,
                      std::string currentBadge, QWidget* parent = nullptr);

  // The chosen badge path; empty for " Kein Wappen".
  const std::string& BadgePath() const { return chosen_; }

  void accept() override;

 private:
  void OnGroupChosen(int index);
  void OnBadgeChosen(int row);
  void ShowPreview();
  const BadgeGroup* ShownGroup() const;

  BadgeRoots roots_;
  std::vector<BadgeGroup> groups_;
  std::string chosen_;
  QComboBox* groupBox_ = nullptr;
  QListWidget* badges_ = nullptr;
  QLineEdit* path_ = nullptr;
  QLabel* preview_ = nullptr;
};

}  // namespace torvale
