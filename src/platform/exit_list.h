#pragma once
// The shutdown functions the platform services register as they start. Stopping runs them
// newest first, so a service is always stopped before the services it was built on (the
// heap goes last).

#include <array>
#include <functional>
#include <mutex>

namespace torvale {

class ExitList {
 public:
  static constexpr int kCapacity = 64;

  // False when all 64 slots are taken.
  bool Register(std::function<void()> function);
  // Calls every registered function in reverse order of registration, clearing each slot
  // after its call; the list is empty afterwards and can be filled again.
  void RunAll();
  int Count() const;

 private:
  mutable std::mutex mutex_;
  std::array<std::function<void()>, kCapacity> slots_;
  int count_ = 0;
};

}  // namespace torvale
