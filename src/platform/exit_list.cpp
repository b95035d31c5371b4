#include "platform/exit_list.h"

namespace torvale {

bool ExitList::Register(std::function<void()> function) {
  std::lock_guard lock(mutex_);
  if (count_ == kCapacity) return false;
  slots_[static_cast<size_t>(count_++)] = std::move(function);
  return true;
}

void ExitList::RunAll() {
  for (;;) {
    std::function<void()> function;
    {
      // The call happens outside the lock: a shutdown function may register or report.
      std::lock_guard lock(mutex_);
      if (count_ == 0) return;
      function = std::move(slots_[static_cast<size_t>(--count_)]);
      slots_[static_cast<size_t>(count_)] = nullptr;
    }
    if (function) function();
  }
}

int ExitList::Count() const {
  std::lock_guard lock(mutex_);
  return count_;
}

}  // namespace torvale
