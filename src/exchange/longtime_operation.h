#pragma once
// CLongtimeOperation: work that takes long enough to need a progress dialog (world export,
// world import, the interactive master build). `Execute` runs on a worker thread while the
// progress dialog runs modally on the calling (GUI) thread. The two share nothing but the
// values below, kept behind the operation's lock, and two posted notifications; the worker
// never touches a window, and the modal dialog keeps the user away from the world meanwhile.
//
// How the GUI plays its part:
//   * `Run(runner)` starts the worker and calls `runner.RunModal(*this)`, which shows the
//     dialog and returns when it has closed. `Run` then waits for the worker to end, so the
//     operation (usually on the caller's stack) outlives its thread in every case.
//   * When the dialog window exists it calls `AttachWindow(window)` and shows the returned
//     values. The worker waits for that before it starts `Execute`.
//   * The worker calls `window.PostUpdate()` after every change and `window.PostClose()` when
//     `Execute` has returned. Both are called with the lock held, from the worker thread: they
//     must only post (a queued call) and return, never wait on the GUI thread.
//   * On each posted update the dialog reads `Values()` and `TimeLine(now)`.
//   * The cancel button (or the window's close box) calls `RequestCancel()`. It is refused
//     while cancelling is disabled (the dialog stays open); otherwise the dialog closes and
//     `Run` waits for the worker, which polls `CancelRequested()` between its steps.
//   * A dialog that goes away for any other reason calls `DetachWindow()` first.
//
// Tests play the dialog with a small driver of their own (no Qt needed).

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace torvale {

// What the worker reports and the dialog shows. A copy is handed out under the lock.
struct LongtimeProgressValues {
  std::string title;
  std::string description;
  std::string status;       // the "Current progress" line
  std::string detail;       // an extra line of the master build; empty for the archives
  int rangeMin = 0;
  int rangeMax = 100;
  int position = 0;
  bool cancelEnabled = true;
  bool cancelRequested = false;
  bool timeDisplay = true;  // the elapsed/estimated time line is shown
  bool visible = true;      // the dialog window is shown (hidden while the build asks questions)
  bool done = false;        // Execute has returned
};

// The progress calls the work makes, whatever shows them. CLongtimeOperation implements it for
// the dialog; the exchange functions take it so they can run without any dialog as well.
class LongtimeProgress {
 public:
  virtual ~LongtimeProgress() = default;
  virtual void SetTitle(std::string_view text) = 0;
  virtual void SetDescription(std::string_view text) = 0;
  virtual void SetStatus(std::string_view text) = 0;
  virtual void SetRange(int low, int high) = 0;
  virtual void SetPos(int position) = 0;
  virtual int Position() const = 0;
  virtual void EnableCancel(bool enabled) = 0;
  virtual bool CancelRequested() const = 0;
};

// No dialog: remembers the position only, never cancels.
class NoLongtimeProgress final : public LongtimeProgress {
 public:
  void SetTitle(std::string_view) override {}
  void SetDescription(std::string_view) override {}
  void SetStatus(std::string_view) override {}
  void SetRange(int, int) override {}
  void SetPos(int position) override { position_ = position; }
  int Position() const override { return position_; }
  void EnableCancel(bool) override {}
  bool CancelRequested() const override { return false; }

 private:
  int position_ = 0;
};

// The progress dialog's window as the worker sees it (implemented by the GUI, or a test).
class LongtimeWindow {
 public:
  virtual ~LongtimeWindow() = default;
  // The values changed: post a refresh. Called on the worker thread with the lock held.
  virtual void PostUpdate() = 0;
  // Execute has returned: post the close request. Called on the worker thread with the lock held.
  virtual void PostClose() = 0;
};

class CLongtimeOperation;

// Runs the progress dialog of an operation modally on the calling thread.
class LongtimeDialogRunner {
 public:
  virtual ~LongtimeDialogRunner() = default;
  // Returns when the dialog has closed (the worker may still be finishing).
  virtual void RunModal(CLongtimeOperation& operation) = 0;
};

// String-table entries of the progress dialog.
constexpr int IDS_LONGTIME_CANCEL = 823;     // "Abbruch", the cancel button's label
constexpr int IDS_LONGTIME_TIME_LINE = 824;  // elapsed and estimated minutes and seconds

// The time line: empty before 5 seconds have passed or before the position has moved past the
// range's minimum; otherwise entry 824 with the elapsed time and the estimated total, both in
// whole seconds, the total estimated as (max - min) * elapsed / (position - min).
std::string LongtimeTimeText(int rangeMin, int rangeMax, int position, uint64_t elapsedMs);

class CLongtimeOperation : public LongtimeProgress {
 public:
  CLongtimeOperation() = default;
  CLongtimeOperation(const CLongtimeOperation&) = delete;
  CLongtimeOperation& operator=(const CLongtimeOperation&) = delete;
  ~CLongtimeOperation() override;

  // Runs Execute on a worker thread while `runner` shows the dialog; returns when both have
  // ended. An operation that runs without a dialog (RunsWithoutDialog) calls Execute directly.
  void Run(LongtimeDialogRunner& runner);

  // ---- progress calls of the work (any thread) ----
  void SetTitle(std::string_view text) override;
  void SetDescription(std::string_view text) override;
  void SetStatus(std::string_view text) override;
  void SetDetail(std::string_view text);
  void SetRange(int low, int high) override;
  void SetPos(int position) override;
  int Position() const override;
  void EnableCancel(bool enabled) override;
  // Switching the time line on or off also empties it and restarts its clock.
  void SetTimeDisplay(bool on);
  void ShowDialog(bool visible);
  bool CancelRequested() const override;

  // ---- the dialog's side (GUI thread) ----
  // The window exists: it gets the notifications from now on. Returns the values to show.
  LongtimeProgressValues AttachWindow(LongtimeWindow& window);
  // The window is going away: no more notifications.
  void DetachWindow();
  LongtimeProgressValues Values() const;
  // The time line for an update at `nowMs` (any steady millisecond clock). The first update
  // with the time display on and a position of at least 1 starts the clock.
  std::string TimeLine(uint64_t nowMs);
  // The user cancels. False, and nothing changes, while cancelling is disabled; otherwise the
  // request is recorded, the window detached, and true returned: the dialog may close.
  bool RequestCancel();
  bool Done() const;

 protected:
  // The work; runs on the worker thread (or the caller's, see RunsWithoutDialog).
  virtual void Execute() = 0;
  // True for work that shows no dialog at all (the window-less master build).
  virtual bool RunsWithoutDialog() const { return false; }

 private:
  void WorkerMain();
  void Notify();  // lock held

  mutable std::mutex lock_;
  std::condition_variable windowChanged_;
  LongtimeProgressValues values_;
  LongtimeWindow* window_ = nullptr;
  bool dialogEnded_ = false;     // RunModal has returned
  bool clockStarted_ = false;
  uint64_t startTick_ = 0;
};

}  // namespace torvale
