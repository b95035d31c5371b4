#pragma once
// The two option dialogs of "Datenbanken synchronisieren" share one shape: a check box per
// part of the copy, ticked from the mask on opening; OK rebuilds the mask from the ticked
// boxes. Each dialog is nothing but its table (CDlgDatabaseCopyCountry, CDlgDatabaseCopyClub).

#include <QDialog>
#include <cstdint>
#include <span>
#include <vector>

class QCheckBox;

namespace torvale {

struct CopyOption {
  const char* text;  // UTF-8
  uint32_t bit;
};

class CopyOptionDialog : public QDialog {
  Q_OBJECT
 public:
  CopyOptionDialog(QWidget* parent, const QString& title, std::span<const CopyOption> options, uint32_t mask);

  // The mask the boxes say: the bits outside the table stay as they were given.
  uint32_t Mask() const;
  QCheckBox* Box(uint32_t bit) const;

 private:
  std::vector<std::pair<uint32_t, QCheckBox*>> boxes_;
  uint32_t initial_;
};

}  // namespace torvale
