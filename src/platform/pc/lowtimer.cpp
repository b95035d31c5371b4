#include "platform/pc/lowtimer.h"

#include <system_error>
#include <time.h>

namespace torvale {

std::optional<std::chrono::nanoseconds> ThreadTickSource::Resolution() const {
  timespec res{};
  if (::clock_getres(CLOCK_MONOTONIC, &res) != 0) return std::nullopt;
  return std::chrono::seconds(res.tv_sec) + std::chrono::nanoseconds(res.tv_nsec);
}

bool ThreadTickSource::Start(std::chrono::nanoseconds period, std::function<void()> on_tick) {
  Stop();
  stopping_ = false;
  try {
    thread_ = std::thread(&ThreadTickSource::Run, this, period, std::move(on_tick));
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void ThreadTickSource::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void ThreadTickSource::Run(std::chrono::nanoseconds period, std::function<void()> on_tick) {
  using Clock = std::chrono::steady_clock;
  auto due = Clock::now() + period;
  std::unique_lock lock(mutex_);
  for (;;) {
    if (wake_.wait_until(lock, due, [this] { return stopping_; })) return;
    lock.unlock();
    on_tick();
    lock.lock();
    due += period;
    auto now = Clock::now();
    if (now - due > kResyncLateness) due = now + period;
  }
}

std::unique_ptr<TickSource> MakeThreadTickSource() { return std::make_unique<ThreadTickSource>(); }

}  // namespace torvale
