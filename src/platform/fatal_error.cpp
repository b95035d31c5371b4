#include "platform/fatal_error.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace torvale {

namespace {

void PrintOnStandardError(const std::string& title, const std::string& message) {
  std::fprintf(stderr, "%s\n%s", title.c_str(), message.c_str());
  if (message.empty() || message.back() != '\n') std::fputc('\n', stderr);
}

}  // namespace

std::string FatalErrorTitle(const FatalReport& report, bool show_source) {
  if (!show_source || report.source_file.empty()) return "Abort Message";
  return FormatText("Abort from file \"%s\", line %d", report.source_file.c_str(), report.line);
}

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out;
  if (size > 0) {
    out.resize(static_cast<size_t>(size) + 1);
    std::vsnprintf(out.data(), out.size(), format, args);
    out.pop_back();
  }
  va_end(args);
  return out;
}

FatalErrorHandler::FatalErrorHandler() : present_(PrintOnStandardError) {}

void FatalErrorHandler::SetPresenter(Presenter presenter) {
  present_ = presenter ? std::move(presenter) : Presenter(PrintOnStandardError);
}

void FatalErrorHandler::Report(std::string_view source_file, int line, std::string message) {
  FatalReport report{std::string(source_file), line, std::move(message)};
  if (veto_ && veto_(report)) return;
  present_(FatalErrorTitle(report, show_source_), report.message);
  if (log_) log_(report.message);
  // Other threads (timer, devices) may hold locks the normal exit path would wait on, so
  // the process ends at once; only the standard streams are flushed by hand.
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(kFatalErrorExitStatus);
}

}  // namespace torvale
