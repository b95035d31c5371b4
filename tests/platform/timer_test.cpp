#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/fatal_error.h"
#include "platform/pc/inittmr.h"

namespace torvale {

namespace {

// A clock that can be told to fail in each of the ways a system timer can.
class FakeTickSource : public TickSource {
 public:
  struct Behaviour {
    bool has_clock = true;
    std::chrono::nanoseconds resolution{1};
    bool thread_starts = true;
    bool ticks = false;
  };
  explicit FakeTickSource(Behaviour b) : b_(b) {}
  std::optional<std::chrono::nanoseconds> Resolution() const override {
    return b_.has_clock ? std::optional(b_.resolution) : std::nullopt;
  }
  bool Start(std::chrono::nanoseconds, std::function<void()> on_tick) override {
    if (b_.ticks) on_tick();
    return b_.thread_starts;
  }
  void Stop() override {}

 private:
  Behaviour b_;
};

struct TimerFixture : testing::Test {
  FatalErrorHandler fatal;
  std::vector<std::string> reports;
  int sources_made = 0;
  TimerFixture() {
    fatal.SetVetoHook([this](const FatalReport& r) {
      reports.push_back(r.message);
      return true;
    });
  }
  PlatformTimer::SourceFactory Fake(FakeTickSource::Behaviour b) {
    return [this, b] {
      ++sources_made;
      return std::make_unique<FakeTickSource>(b);
    };
  }
};

}  // namespace

TEST_F(TimerFixture, RunsAtAHundredTicksPerSecondByDefault) {
  PlatformTimer timer(fatal);
  ASSERT_TRUE(TIMER_init(timer, 0));
  EXPECT_EQ(timer.Frequency(), 100);
  EXPECT_EQ(timer.PeriodFixed(), 655360u);  // 10.0 ms in 16.16
  uint64_t first = timer.Ticks();
  EXPECT_GE(first, 1u);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (timer.Ticks() < first + 3 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_GE(timer.Ticks(), first + 3);
  timer.Shutdown();
  uint64_t stopped = timer.Ticks();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(timer.Ticks(), stopped);
  EXPECT_TRUE(reports.empty());
}

TEST_F(TimerFixture, ABadFrequencyIsReplacedByTheDefaultAndASecondStartRefused) {
  for (int bad : {-1, 10001}) {
    PlatformTimer timer(fatal, Fake({.ticks = true}));
    reports.clear();
    ASSERT_TRUE(TIMER_init(timer, bad));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "TIMER_init - BAD TIMER FREQUENCY SPECIFIED " + std::to_string(bad) + "\n");
    EXPECT_EQ(timer.Frequency(), 100);
  }
  PlatformTimer fastest(fatal, Fake({.ticks = true}));
  reports.clear();
  ASSERT_TRUE(TIMER_init(fastest, 10000));
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(fastest.PeriodFixed(), 6553u);
  EXPECT_FALSE(TIMER_init(fastest, 100));
  EXPECT_EQ(reports, std::vector<std::string>{"TIMER_init - already initialized\n"});
}

TEST_F(TimerFixture, ATimerThatNeverTicksIsTriedFiveTimes) {
  PlatformTimer timer(fatal, Fake({.ticks = false}));
  // 32 ticks per second has the shortest wait per attempt (160 ms)
  EXPECT_FALSE(TIMER_init(timer, 32));
  EXPECT_EQ(sources_made, 5);
  EXPECT_EQ(reports, std::vector<std::string>{
                         "TIMER_init - FAILED TO INITIALIZE WINDOWS MULTIMEDIA TIMER, TRY RE-RUNNING.\n"});
  EXPECT_FALSE(timer.IsRunning());
}

TEST_F(TimerFixture, ReportsAMissingOrTooCoarseClockAndAThreadThatCannotStart) {
  struct Case {
    FakeTickSource::Behaviour behaviour;
    const char* message;
  } cases[] = {
      {{.has_clock = false}, "TIMER_init - MULTIMEDIA TIMER NOT FOUND.\n"},
      {{.resolution = std::chrono::milliseconds(20)}, "TIMER_init - MULTIMEDIA TIMER CANNOT SUPPORT THIS FREQUENCY.\n"},
      {{.thread_starts = false}, "TIMER_init - FAILED TO CREATE TIMER THREAD.\n"},
  };
  for (const Case& c : cases) {
    PlatformTimer timer(fatal, Fake(c.behaviour));
    reports.clear();
    EXPECT_FALSE(TIMER_init(timer, 100));
    EXPECT_EQ(reports, std::vector<std::string>{c.message});
  }
}

TEST(TimerStart, WaitsLongEnoughForTheFirstTickOfSlowTimers) {
  EXPECT_EQ(FirstTickWait(100), std::chrono::milliseconds(500));
  EXPECT_EQ(FirstTickWait(10000), std::chrono::milliseconds(50000));
  // One tick per second comes after a second; frequency x 5 ms would give up after 5 ms.
  EXPECT_GT(FirstTickWait(1), std::chrono::milliseconds(1000));
  EXPECT_GT(FirstTickWait(14), std::chrono::milliseconds(1000 / 14));
}

}  // namespace torvale
