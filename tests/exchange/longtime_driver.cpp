#include "longtime_driver.h"

namespace torvale::testing {

void LongtimeTestDriver::PostUpdate() {
  std::lock_guard guard(mutex_);
  ++pending_;
  posted_.notify_all();
}

void LongtimeTestDriver::PostClose() {
  std::lock_guard guard(mutex_);
  closePosted_ = true;
  posted_.notify_all();
}

// The "GUI thread": handles the posted messages one batch at a time, as an event loop would.
void LongtimeTestDriver::RunModal(CLongtimeOperation& operation) {
  first = operation.AttachWindow(*this);
  for (;;) {
    bool close = false;
    {
      std::unique_lock guard(mutex_);
      posted_.wait(guard, [this] { return pending_ > 0 || closePosted_; });
      updates += pending_;
      pending_ = 0;
      close = closePosted_;
    }
    const LongtimeProgressValues values = operation.Values();
    positions.push_back(values.position);
    statuses.push_back(values.status);
    if (close) {
      operation.DetachWindow();
      closed = true;
      return;
    }
    if (cancelAt_ && values.position >= *cancelAt_) {
      if (operation.RequestCancel()) {
        cancelled = true;
        return;
      }
      cancelRefused = true;
      if (onCancelRefused) onCancelRefused();
      cancelAt_.reset();
    }
  }
}

}  // namespace torvale::testing
