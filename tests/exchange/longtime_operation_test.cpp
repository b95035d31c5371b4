#include "exchange/longtime_operation.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "longtime_driver.h"
#include "platform/text_encoding.h"

namespace torvale {
namespace {

using testing::LongtimeTestDriver;

// Counts to `steps`, stopping early when cancelled; records what it saw.
class CountingOperation final : public CLongtimeOperation {
 public:
  explicit CountingOperation(int steps, bool cancellable = true) : steps_(steps), cancellable_(cancellable) {}
  int reached = 0;
  bool sawCancel = false;

 protected:
  void Execute() override {
    SetRange(0, steps_);
    EnableCancel(cancellable_);
    for (int i = 1; i <= steps_; ++i) {
      if (CancelRequested()) {
        sawCancel = true;
        return;
      }
      SetStatus("Schritt " + std::to_string(i));
      SetPos(i);
      reached = i;
    }
  }

 private:
  int steps_;
  bool cancellable_;
};

TEST(LongtimeOperation, WorkerReportsEveryStepAndClosesTheDialog) {
  CountingOperation operation(20);
  operation.SetTitle("Titel");
  LongtimeTestDriver driver;
  operation.Run(driver);

  EXPECT_EQ(driver.first.title, "Titel");
  EXPECT_TRUE(driver.closed);
  EXPECT_FALSE(driver.cancelled);
  EXPECT_EQ(operation.reached, 20);
  EXPECT_TRUE(operation.Done());
  ASSERT_FALSE(driver.positions.empty());
  EXPECT_EQ(driver.positions.back(), 20);
  EXPECT_EQ(driver.statuses.back(), "Schritt 20");
  // Range, cancel switch, and one status plus one position per step.
  EXPECT_EQ(driver.updates, 2 + 2 * 20);
  EXPECT_FALSE(operation.CancelRequested());
}

TEST(LongtimeOperation, CancelStopsTheWorkButOnlyWhenEnabled) {
  CountingOperation cancellable(1000000);
  LongtimeTestDriver driver;
  driver.CancelAtPosition(3);
  cancellable.Run(driver);  // returns only after the worker has ended
  EXPECT_TRUE(driver.cancelled);
  EXPECT_TRUE(cancellable.sawCancel);
  EXPECT_TRUE(cancellable.Done());
  EXPECT_LT(cancellable.reached, 1000000);

  // Work that cannot stop holds the dialog open until it is done.
  struct Uncancellable final : CLongtimeOperation {
    std::atomic<bool> release{false};
    bool sawCancel = false;
    void Execute() override {
      EnableCancel(false);
      SetPos(3);
      while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      sawCancel = CancelRequested();
    }
  } fixed;
  LongtimeTestDriver refused;
  refused.CancelAtPosition(3);
  refused.onCancelRefused = [&] { fixed.release = true; };
  fixed.Run(refused);
  EXPECT_TRUE(refused.cancelRefused);
  EXPECT_TRUE(refused.closed);
  EXPECT_FALSE(fixed.sawCancel);
}

// A cancel pressed the moment the dialog shows, before the worker has looked at the window,
// used to leave the dialog waiting for the worker and the worker waiting for the dialog.
TEST(LongtimeOperation, CancelBeforeTheWorkerStartsEndsWithoutWork) {
  struct CancelAtOnce final : LongtimeDialogRunner, LongtimeWindow {
    bool doneInTime = false;
    void PostUpdate() override {}
    void PostClose() override {}
    void RunModal(CLongtimeOperation& operation) override {
      operation.AttachWindow(*this);
      EXPECT_TRUE(operation.RequestCancel());
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      while (!operation.Done() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      doneInTime = operation.Done();
    }
  };
  // The worker may have begun before the cancel; either way it must end while the dialog waits.
  for (int attempt = 0; attempt < 20; ++attempt) {
    CancelAtOnce runner;
    CountingOperation operation(5);
    operation.Run(runner);
    ASSERT_TRUE(runner.doneInTime) << "attempt " << attempt;
  }
}

TEST(LongtimeOperation, DialogThatNeverOpensRunsNoWork) {
  struct NoWindow final : LongtimeDialogRunner {
    void RunModal(CLongtimeOperation&) override {}
  } runner;
  CountingOperation operation(5);
  operation.Run(runner);
  EXPECT_EQ(operation.reached, 0);
  EXPECT_TRUE(operation.Done());
}

TEST(LongtimeOperation, TimeLineWaitsFiveSecondsThenEstimates) {
  EXPECT_EQ(LongtimeTimeText(0, 100, 50, 4999), "");
  EXPECT_EQ(Cp1252ToUtf8(LongtimeTimeText(0, 100, 50, 10'500)),
            "Verstrichene Zeit: 0:10 / Geschätzte Zeit:0:20");
  EXPECT_EQ(Cp1252ToUtf8(LongtimeTimeText(0, 1000, 10, 65'000)),
            "Verstrichene Zeit: 1:05 / Geschätzte Zeit:108:20");
  // No estimate while the position has not left the range's start (it would divide by zero).
  EXPECT_EQ(LongtimeTimeText(5, 10, 5, 60'000), "");

  CountingOperation operation(0);
  operation.SetRange(0, 100);
  EXPECT_EQ(operation.TimeLine(1000), "");  // position 0: no clock yet
  operation.SetPos(25);
  EXPECT_EQ(operation.TimeLine(2000), "");  // starts the clock
  EXPECT_EQ(operation.TimeLine(6999), "");
  EXPECT_EQ(Cp1252ToUtf8(operation.TimeLine(8000)), "Verstrichene Zeit: 0:06 / Geschätzte Zeit:0:24");
  operation.SetTimeDisplay(false);
  EXPECT_EQ(operation.TimeLine(9000), "");
  operation.SetTimeDisplay(true);
  EXPECT_EQ(operation.TimeLine(20000), "");  // the clock starts again
}

}  // namespace
}  // namespace torvale
