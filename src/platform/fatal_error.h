#pragma once
// How a failing platform service ends the program. The services have no way to recover
// (nothing above them could carry on without a heap, a timer or a file system), so a failure
// is shown to the user once and the process ends. The core knows no windows: the program
// installs a presenter that shows a message box, master mode keeps the default one that
// prints on standard error.

#include <functional>
#include <string>
#include <string_view>

namespace torvale {

// The process status of a fatal platform failure.
constexpr int kFatalErrorExitStatus = 4;

struct FatalReport {
  std::string source_file;  // empty when the reporter gave none
  int line = 0;
  std::string message;
};

// "Abort from file \"<file>\", line <n>" when source information is shown, else "Abort Message".
std::string FatalErrorTitle(const FatalReport& report, bool show_source);

// printf-style formatting into a string, for the services' report texts.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

class FatalErrorHandler {
 public:
  // Returns true to veto: the handler then returns to the reporter instead of ending.
  using VetoHook = std::function<bool(const FatalReport&)>;
  using Presenter = std::function<void(const std::string& title, const std::string& message)>;
  // Receives the message when the log channel is enabled.
  using LogSink = std::function<void(const std::string& message)>;

  FatalErrorHandler();

  void SetVetoHook(VetoHook hook) { veto_ = std::move(hook); }
  void SetPresenter(Presenter presenter);
  void SetLogSink(LogSink sink) { log_ = std::move(sink); }
  void SetShowSource(bool show) { show_source_ = show; }

  // Shows the report and ends the process with kFatalErrorExitStatus, unless vetoed.
  void Report(std::string_view source_file, int line, std::string message);

 private:
  VetoHook veto_;
  Presenter present_;
  LogSink log_;
  bool show_source_ = true;
};

// Reports from the calling source line: TORVALE_FATAL(handler, "X - bad %d\n", value).
#define TORVALE_FATAL(handler, ...) \
  (handler).Report(::torvale::SourceFileName(__FILE__), __LINE__, ::torvale::FormatText(__VA_ARGS__))

// The source path below "src/" (or the bare path when it has none), as shown in the title.
constexpr std::string_view SourceFileName(std::string_view path) {
  size_t at = path.rfind("src/");
  return at == std::string_view::npos ? path : path.substr(at + 4);
}

}  // namespace torvale
