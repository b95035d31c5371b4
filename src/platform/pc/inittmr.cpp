#include "platform/pc/inittmr.h"

#include <algorithm>

#include "platform/fatal_error.h"

namespace torvale {

PlatformTimer::PlatformTimer(FatalErrorHandler& fatal, SourceFactory factory)
    : fatal_(fatal), factory_(std::move(factory)) {}

std::chrono::milliseconds FirstTickWait(int frequency) {
  std::chrono::milliseconds per_frequency(frequency * 5);
  std::chrono::milliseconds five_periods(5000 / frequency + 1);
  return std::max(per_frequency, five_periods);
}

bool PlatformTimer::Init(int frequency) {
  if (source_) {
    TORVALE_FATAL(fatal_, "TIMER_init - already initialized\n");
    return false;
  }
  if (frequency == 0) {
    frequency = kDefaultFrequency;
  } else if (frequency < 1 || frequency > kMaxFrequency) {
    TORVALE_FATAL(fatal_, "TIMER_init - BAD TIMER FREQUENCY SPECIFIED %d\n", frequency);
    frequency = kDefaultFrequency;
  }
  frequency_ = frequency;
  period_fixed_ = 65536000u / static_cast<uint32_t>(frequency);
  auto period = std::chrono::nanoseconds(static_cast<int64_t>(period_fixed_) * 1000000 / 65536);

  for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
    std::unique_ptr<TickSource> source = factory_();
    auto resolution = source ? source->Resolution() : std::nullopt;
    if (!resolution) {
      TORVALE_FATAL(fatal_, "TIMER_init - MULTIMEDIA TIMER NOT FOUND.\n");
      return false;
    }
    if (*resolution > period) {
      TORVALE_FATAL(fatal_, "TIMER_init - MULTIMEDIA TIMER CANNOT SUPPORT THIS FREQUENCY.\n");
      return false;
    }
    {
      std::lock_guard lock(mutex_);
      ticks_ = 0;
    }
    if (!source->Start(period, [this] { OnTick(); })) {
      TORVALE_FATAL(fatal_, "TIMER_init - FAILED TO CREATE TIMER THREAD.\n");
      return false;
    }
    if (WaitForFirstTick(FirstTickWait(frequency))) {
      source_ = std::move(source);
      return true;
    }
    source->Stop();
  }
  TORVALE_FATAL(fatal_, "TIMER_init - FAILED TO INITIALIZE WINDOWS MULTIMEDIA TIMER, TRY RE-RUNNING.\n");
  return false;
}

void PlatformTimer::Shutdown() {
  if (source_) source_->Stop();
  source_.reset();
}

uint64_t PlatformTimer::Ticks() const {
  std::lock_guard lock(mutex_);
  return ticks_;
}

void PlatformTimer::OnTick() {
  {
    std::lock_guard lock(mutex_);
    ++ticks_;
  }
  ticked_.notify_all();
}

bool PlatformTimer::WaitForFirstTick(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  return ticked_.wait_for(lock, limit, [this] { return ticks_ > 0; });
}

}  // namespace torvale
