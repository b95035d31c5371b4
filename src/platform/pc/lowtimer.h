#pragma once
// The tick behind the platform timer: a thread that sleeps until each tick is due and then
// re-arms itself for the next one, so the schedule does not drift with the time a tick
// takes. A tick that comes more than a second late (machine suspended, debugger stop)
// starts a new schedule from now instead of firing a burst of missed ticks.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace torvale {

class TickSource {
 public:
  virtual ~TickSource() = default;
  // The finest period the clock can time; none when the system has no such clock.
  virtual std::optional<std::chrono::nanoseconds> Resolution() const = 0;
  // Starts ticking every `period`; false when the tick thread cannot be created.
  virtual bool Start(std::chrono::nanoseconds period, std::function<void()> on_tick) = 0;
  // Ends the ticking; no tick is delivered after it returns.
  virtual void Stop() = 0;
};

class ThreadTickSource final : public TickSource {
 public:
  static constexpr std::chrono::milliseconds kResyncLateness{1000};

  ~ThreadTickSource() override { Stop(); }
  std::optional<std::chrono::nanoseconds> Resolution() const override;
  bool Start(std::chrono::nanoseconds period, std::function<void()> on_tick) override;
  void Stop() override;

 private:
  void Run(std::chrono::nanoseconds period, std::function<void()> on_tick);

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;
};

std::unique_ptr<TickSource> MakeThreadTickSource();

}  // namespace torvale
