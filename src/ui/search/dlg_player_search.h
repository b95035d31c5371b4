#pragma once
// "Spieler suchen": the three search texts (first name, nickname or stage name, surname),
// "*" and "?" allowed. The texts are the run's shared ones, so the dialog shows the last
// search again; they are stored on "OK" only.

#include <QDialog>

class QLineEdit;

namespace torvale {

struct PersonSearchTexts;

class CDlgPlayerSearch : public QDialog {
  Q_OBJECT
 public:
  CDlgPlayerSearch(PersonSearchTexts& texts, QWidget* parent = nullptr);

  static QString Caption() { return QStringLiteral("HALVEX Torvale - Spieler suchen"); }

  void accept() override;

 private:
  PersonSearchTexts& texts_;
  QLineEdit* firstName_;
  QLineEdit* nickname_;
  QLineEdit* surname_;
};

}  // namespace torvale
