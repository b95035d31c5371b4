#pragma once
// How saving a world tells the user that files could not be written. The core never opens a
// window: the editor shows the message in its error dialog, the window-less master build
// writes it to standard error.

#include <cstdio>
#include <string>
#include <vector>

namespace torvale {

class SaveErrorReporter {
 public:
  virtual ~SaveErrorReporter() = default;
  // Called once per save that failed, with the string-table number of the message.
  virtual void ReportSaveError(int messageId) = 0;
  // Called once per save that left files alone because they could not be read when the
  // database was loaded (writing them would replace data never seen); `files` are their names.
  virtual void ReportFilesNotWritten(const std::vector<std::string>& files) { (void)files; }
};

// The German text telling which files were left alone (Windows-1252).
std::string FilesNotWrittenMessage(const std::vector<std::string>& files);

// Writes the message's text (as UTF-8) and a line end to `stream`.
class StreamSaveErrorReporter final : public SaveErrorReporter {
 public:
  explicit StreamSaveErrorReporter(std::FILE* stream = stderr) : stream_(stream) {}
  void ReportSaveError(int messageId) override;
  void ReportFilesNotWritten(const std::vector<std::string>& files) override;

 private:
  std::FILE* stream_;
};

// String-table entry of the save failure message.
constexpr int IDS_SAVE_FAILED = 798;

}  // namespace torvale
