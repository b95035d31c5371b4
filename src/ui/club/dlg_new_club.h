#pragma once
// "Neuer Verein": asks for the name of a club to be added to the selected country.

#include <QDialog>
#include <string>

class QLineEdit;

namespace torvale {

class CDlgNewClub : public QDialog {
  Q_OBJECT
 public:
  explicit CDlgNewClub(QWidget* parent = nullptr);
  // The typed name (Windows-1252), without blanks around it.
  std::string ClubName() const;

 private:
  QLineEdit* name_ = nullptr;
};

}  // namespace torvale
