#pragma once
// CDlgLongtimeOperation: the progress dialog of a long-time operation (world export, world
// import, the interactive master build). It runs modally on the GUI thread while the
// operation's worker thread does the work; the worker never touches it: it posts updates,
// and the dialog reads the operation's values under the operation's lock. Cancel asks the
// operation to stop (refused while cancelling is disabled); the dialog closes itself when the
// work is done.
//
// Commands run an operation with a DialogLongtimeRunner:
//
//   DialogLongtimeRunner runner(this);
//   CLongtimeExportWorld export_(world, path, folders, errors);
//   export_.Run(runner);

#include <QDialog>
#include <QElapsedTimer>

#include "exchange/longtime_operation.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace torvale {

class CDlgLongtimeOperation : public QDialog, public LongtimeWindow {
  Q_OBJECT
 public:
  CDlgLongtimeOperation(CLongtimeOperation& operation, QWidget* parent);
  ~CDlgLongtimeOperation() override;

  // LongtimeWindow: called on the worker thread, with the operation's lock held.
  void PostUpdate() override;
  void PostClose() override;
  // Whether the window ever received the operation (its worker then runs the work to the end).
  bool EverAttached() const { return everAttached_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void Show(const LongtimeProgressValues& values);
  void Update();
  void WorkFinished();
  void Detach();

  CLongtimeOperation& operation_;
  bool attached_ = false;
  bool everAttached_ = false;
  QElapsedTimer clock_;
  QLabel* description_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* detail_ = nullptr;
  QLabel* time_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

// Shows each operation's progress in a CDlgLongtimeOperation over `parent`.
class DialogLongtimeRunner final : public LongtimeDialogRunner {
 public:
  explicit DialogLongtimeRunner(QWidget* parent) : parent_(parent) {}
  void RunModal(CLongtimeOperation& operation) override;

 private:
  QWidget* parent_;
};

}  // namespace torvale
