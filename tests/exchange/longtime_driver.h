#pragma once
// Plays the progress dialog for long-time operations in tests: it attaches a window, counts the
// refreshes the worker posts, and can press "Abbruch" once the position reaches a given value.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "exchange/longtime_operation.h"

namespace torvale::testing {

class LongtimeTestDriver final : public LongtimeDialogRunner, private LongtimeWindow {
 public:
  // Cancel as soon as a refresh shows a position of at least `position`.
  void CancelAtPosition(int position) { cancelAt_ = position; }

  void RunModal(CLongtimeOperation& operation) override;

  int updates = 0;
  bool closed = false;          // the worker's close request arrived
  bool cancelled = false;       // the driver pressed cancel and the dialog closed
  bool cancelRefused = false;   // a press of cancel while it was disabled
  std::vector<int> positions;   // every position a refresh showed
  std::vector<std::string> statuses;
  LongtimeProgressValues first;  // what the window showed when it opened
  std::function<void()> onCancelRefused;

 private:
  void PostUpdate() override;
  void PostClose() override;

  std::mutex mutex_;
  std::condition_variable posted_;
  int pending_ = 0;
  bool closePosted_ = false;
  std::optional<int> cancelAt_;
};

}  // namespace torvale::testing
