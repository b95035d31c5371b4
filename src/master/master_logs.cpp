#include "master/master_logs.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "platform/command_line.h"
#include "platform/path.h"

namespace torvale {

MasterLogs::MasterLogs(uint32_t flags, std::string folder) : flags_(flags), folder_(std::move(folder)) {}

const char* MasterLogs::FileName(MasterLog log) {
  switch (log) {
    case MasterLog::kBadges: return "badges.txt";
    case MasterLog::kKits: return "kits.txt";
    case MasterLog::kStadium: return "stadium.txt";
    case MasterLog::kPs2Database: return "logPS2_Database.txt";
  }
  return "";
}

bool MasterLogs::Enabled(MasterLog log) const {
  switch (log) {
    case MasterLog::kBadges: return (flags_ & kMasterBuildOutputBadge) != 0;
    case MasterLog::kKits: return (flags_ & kMasterBuildOutputKits) != 0;
    case MasterLog::kStadium: return (flags_ & kMasterBuildOutputStadium) != 0;
    case MasterLog::kPs2Database: return (flags_ & kMasterBuildLogPs2) != 0;
  }
  return false;
}

void MasterLogs::Append(MasterLog log, std::string_view line) const {
  if (!Enabled(log)) return;
  std::string text;
  text.reserve(line.size() + 2);
  for (char c : line) {
    if (c == '\n') text += '\r';
    text += c;
  }
  const std::string name = folder_.empty() ? std::string(FileName(log)) : JoinPath(folder_, FileName(log));
  std::FILE* file = std::fopen(ResolvePath(name).c_str(), "ab");
  if (!file) return;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

void MasterLogs::Appendf(MasterLog log, const char* format, ...) const {
  if (!Enabled(log)) return;
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n < 0) {
    va_end(args);
    return;
  }
  std::vector<char> buffer(static_cast<size_t>(n) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  va_end(args);
  Append(log, std::string_view(buffer.data(), static_cast<size_t>(n)));
}

}  // namespace torvale
