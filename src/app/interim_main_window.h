#pragma once
// The editor's main window as far as it exists yet: an empty dialog with the editor's
// caption that runs modally and ends the program when closed. The main menu window with
// its world views takes its place.

#include <QDialog>

namespace torvale {

class InterimMainWindow : public QDialog {
  Q_OBJECT
 public:
  explicit InterimMainWindow(QWidget* parent = nullptr);
};

}  // namespace torvale
