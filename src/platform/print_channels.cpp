#include "platform/print_channels.h"

#include "platform/fatal_error.h"
#include "platform/path.h"

namespace torvale {

namespace {

constexpr std::string_view kChannelNames[kPrintChannelCount] = {
    "all", "real", "alert", "general", "memory", "connection", "graphics", "file",
    "input", "system", "3d", "font", "codec", "math", "qzgl", "capture"};
constexpr std::string_view kDeviceNames[kPrintDeviceCount] = {"console", "debugger", "file log"};

size_t Index(PrintChannel channel) { return static_cast<size_t>(channel); }
size_t Index(PrintDevice device) { return static_cast<size_t>(device); }

}  // namespace

std::string_view PrintChannelName(PrintChannel channel) { return kChannelNames[Index(channel)]; }
std::string_view PrintDeviceName(PrintDevice device) { return kDeviceNames[Index(device)]; }

PrintChannels::~PrintChannels() {
  if (log_file_) std::fclose(log_file_);
}

void PrintChannels::ResetToDefaults() {
  std::lock_guard lock(mutex_);
  channel_enable_.fill(0);
  device_enable_.fill(false);
  // Alerts go to the debugger device, which has no output here: the fatal-error handler
  // already shows its message, and master mode's standard error must not get it twice.
  channel_enable_[Index(PrintChannel::kAlert)] = 1;
  device_enable_[Index(PrintDevice::kDebugger)] = true;
}

void PrintChannels::SetChannelEnabled(PrintChannel channel, bool enabled) {
  std::lock_guard lock(mutex_);
  channel_enable_[Index(channel)] = enabled ? 1 : 0;
}

bool PrintChannels::IsChannelEnabled(PrintChannel channel) const {
  std::lock_guard lock(mutex_);
  return channel_enable_[Index(channel)] != 0 || channel_enable_[Index(PrintChannel::kAll)] != 0;
}

void PrintChannels::SetDeviceEnabled(PrintDevice device, bool enabled) {
  std::lock_guard lock(mutex_);
  device_enable_[Index(device)] = enabled;
}

std::string PrintChannels::OpenLogFile(const std::string& path) {
  std::lock_guard lock(mutex_);
  if (log_file_) std::fclose(log_file_);
  log_file_ = std::fopen(ResolvePath(path).c_str(), "w");
  return log_file_ ? std::string() : FormatText("Failed to open %s for writing.\n", path.c_str());
}

std::string PrintChannels::Print(PrintChannel channel, std::string_view text) {
  if (!IsChannelEnabled(channel)) return {};
  std::lock_guard lock(mutex_);
  if (device_enable_[Index(PrintDevice::kConsole)])
    std::fwrite(text.data(), 1, text.size(), stderr);
  if (device_enable_[Index(PrintDevice::kFileLog)] && log_file_) {
    if (std::fwrite(text.data(), 1, text.size(), log_file_) != text.size() || std::fflush(log_file_) != 0)
      return "PRINTFILE_print: write failed.\n";
  }
  return {};
}

}  // namespace torvale
