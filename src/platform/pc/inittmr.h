#pragma once
// The platform timer: a periodic tick at a frequency of 1 to 10000 ticks per second. Its
// start proves the tick works by waiting for the first one, retrying a few times because
// a freshly started timer thread may simply not have been scheduled yet on a busy machine.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/pc/lowtimer.h"

namespace torvale {

class FatalErrorHandler;

class PlatformTimer {
 public:
  static constexpr int kDefaultFrequency = 100;
  static constexpr int kMaxFrequency = 10000;
  static constexpr int kStartAttempts = 5;
  using SourceFactory = std::function<std::unique_ptr<TickSource>()>;

  explicit PlatformTimer(FatalErrorHandler& fatal, SourceFactory factory = MakeThreadTickSource);
  PlatformTimer(const PlatformTimer&) = delete;
  PlatformTimer& operator=(const PlatformTimer&) = delete;
  ~PlatformTimer() { Shutdown(); }

  bool Init(int frequency);
  void Shutdown();

  bool IsRunning() const { return source_ != nullptr; }
  int Frequency() const { return frequency_; }
  // Milliseconds per tick in 16.16 fixed point (65536000 / frequency).
  uint32_t PeriodFixed() const { return period_fixed_; }
  uint64_t Ticks() const;

 private:
  void OnTick();
  bool WaitForFirstTick(std::chrono::milliseconds limit);

  FatalErrorHandler& fatal_;
  SourceFactory factory_;
  std::unique_ptr<TickSource> source_;
  int frequency_ = 0;
  uint32_t period_fixed_ = 0;
  mutable std::mutex mutex_;
  std::condition_variable ticked_;
  uint64_t ticks_ = 0;
};

// How long a start attempt waits for the first tick: five milliseconds per tick per second,
// but never less than five tick periods, so that slow timers (below 15 ticks per second,
// whose first tick is due later than frequency x 5 ms) can start at all.
std::chrono::milliseconds FirstTickWait(int frequency);

// Starts the timer; 0 selects 100 ticks per second, other values outside 1..10000 are
// reported and replaced by 100. A failure is fatal; false only when the report was vetoed.
inline bool TIMER_init(PlatformTimer& timer, int frequency) { return timer.Init(frequency); }

}  // namespace torvale
