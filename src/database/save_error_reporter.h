#pragma once
// How saving a world tells the user that files could not be written. The core never opens a
// window: the editor shows the message in its error dialog, the window-less master build
// writes it to standard error.

#include <cstdio>

namespace torvale {

class SaveErrorReporter {
 public:
  virtual ~SaveErrorReporter() = default;
  // Called once per save that failed, with the string-table number of the message.
  virtual void ReportSaveError(int messageId) = 0;
};

// Writes the message's text (as UTF-8) and a line end to `stream`.
class StreamSaveErrorReporter final : public SaveErrorReporter {
 public:
  explicit StreamSaveErrorReporter(std::FILE* stream = stderr) : stream_(stream) {}
  void ReportSaveError(int messageId) override;

 private:
  std::FILE* stream_;
};

// String-table entry of the save failure message.
constexpr int IDS_SAVE_FAILED = 798;

}  // namespace torvale
