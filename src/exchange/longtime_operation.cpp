#include "exchange/longtime_operation.h"

#include <cstdio>
#include <thread>

#include "platform/string_table.h"

namespace torvale {

namespace {

// The game's dialog shows no times until the first estimate has settled a little.
constexpr uint64_t kTimeLineDelayMs = 5000;

}  // namespace

std::string LongtimeTimeText(int rangeMin, int rangeMax, int position, uint64_t elapsedMs) {
  if (elapsedMs < kTimeLineDelayMs || position <= rangeMin) return {};
  const int64_t elapsed = static_cast<int64_t>(elapsedMs / 1000);
  const int64_t estimated = (int64_t(rangeMax) - rangeMin) * elapsed / (int64_t(position) - rangeMin);
  const std::string format = LoadString(IDS_LONGTIME_TIME_LINE);
  char text[256];
  std::snprintf(text, sizeof text, format.c_str(), int(elapsed / 60), int(elapsed % 60), int(estimated / 60),
                int(estimated % 60));
  return text;
}

CLongtimeOperation::~CLongtimeOperation() = default;

void CLongtimeOperation::Run(LongtimeDialogRunner& runner) {
  {
    std::lock_guard guard(lock_);
    values_.done = false;
    values_.cancelRequested = false;
    dialogEnded_ = false;
  }
  if (RunsWithoutDialog()) {
    Execute();
    std::lock_guard guard(lock_);
    values_.done = true;
    return;
  }
  std::thread worker([this] { WorkerMain(); });
  runner.RunModal(*this);
  {
    std::lock_guard guard(lock_);
    window_ = nullptr;
    dialogEnded_ = true;
  }
  windowChanged_.notify_all();
  // The dialog may close before the work is done (cancel); the operation must outlive it.
  worker.join();
}

void CLongtimeOperation::WorkerMain() {
  {
    std::unique_lock guard(lock_);
    // A cancel pressed before the worker got here takes the window away again: it must wake
    // the worker too, or the dialog would wait for work that waits for the dialog.
    windowChanged_.wait(guard, [this] { return window_ != nullptr || dialogEnded_ || values_.cancelRequested; });
    // A dialog that closed without ever showing, or was cancelled first, leaves nothing to do.
    if (!window_) {
      values_.done = true;
      return;
    }
  }
  Execute();
  std::lock_guard guard(lock_);
  values_.cancelEnabled = true;
  values_.done = true;
  if (window_) window_->PostClose();
}

void CLongtimeOperation::Notify() {
  if (window_) window_->PostUpdate();
}

void CLongtimeOperation::SetTitle(std::string_view text) {
  std::lock_guard guard(lock_);
  values_.title = text;
  Notify();
}

void CLongtimeOperation::SetDescription(std::string_view text) {
  std::lock_guard guard(lock_);
  values_.description = text;
  Notify();
}

void CLongtimeOperation::SetStatus(std::string_view text) {
  std::lock_guard guard(lock_);
  values_.status = text;
  Notify();
}

void CLongtimeOperation::SetDetail(std::string_view text) {
  std::lock_guard guard(lock_);
  values_.detail = text;
  Notify();
}

void CLongtimeOperation::SetRange(int low, int high) {
  std::lock_guard guard(lock_);
  values_.rangeMin = low;
  values_.rangeMax = high;
  Notify();
}

void CLongtimeOperation::SetPos(int position) {
  std::lock_guard guard(lock_);
  values_.position = position;
  Notify();
}

int CLongtimeOperation::Position() const {
  std::lock_guard guard(lock_);
  return values_.position;
}

void CLongtimeOperation::EnableCancel(bool enabled) {
  std::lock_guard guard(lock_);
  values_.cancelEnabled = enabled;
  Notify();
}

void CLongtimeOperation::SetTimeDisplay(bool on) {
  std::lock_guard guard(lock_);
  values_.timeDisplay = on;
  clockStarted_ = false;
  Notify();
}

void CLongtimeOperation::ShowDialog(bool visible) {
  std::lock_guard guard(lock_);
  values_.visible = visible;
  Notify();
}

bool CLongtimeOperation::CancelRequested() const {
  std::lock_guard guard(lock_);
  return values_.cancelRequested;
}

LongtimeProgressValues CLongtimeOperation::AttachWindow(LongtimeWindow& window) {
  LongtimeProgressValues values;
  {
    std::lock_guard guard(lock_);
    window_ = &window;
    clockStarted_ = false;
    values = values_;
  }
  windowChanged_.notify_all();
  return values;
}

void CLongtimeOperation::DetachWindow() {
  std::lock_guard guard(lock_);
  window_ = nullptr;
}

LongtimeProgressValues CLongtimeOperation::Values() const {
  std::lock_guard guard(lock_);
  return values_;
}

std::string CLongtimeOperation::TimeLine(uint64_t nowMs) {
  std::lock_guard guard(lock_);
  if (!values_.timeDisplay || values_.position < 1) return {};
  if (!clockStarted_) {
    clockStarted_ = true;
    startTick_ = nowMs;
    return {};
  }
  return LongtimeTimeText(values_.rangeMin, values_.rangeMax, values_.position,
                          nowMs >= startTick_ ? nowMs - startTick_ : 0);
}

bool CLongtimeOperation::RequestCancel() {
  {
    std::lock_guard guard(lock_);
    // Closing while the work cannot stop would hand the world back to the user while the worker
    // still changes it.
    if (!values_.cancelEnabled && !values_.done) return false;
    // The close request after the work has ended is no cancellation.
    if (!values_.done) values_.cancelRequested = true;
    window_ = nullptr;
  }
  windowChanged_.notify_all();
  return true;
}

bool CLongtimeOperation::Done() const {
  std::lock_guard guard(lock_);
  return values_.done;
}

}  // namespace torvale
