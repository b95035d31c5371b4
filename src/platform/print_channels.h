#pragma once
// Diagnostic print channels of the platform services. Each of the 16 channels has an enable
// word; a message printed on an enabled channel goes to every enabled device. The editor
// itself prints nothing here, but the fatal-error handler logs on the "alert" channel.

#include <array>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

namespace torvale {

enum class PrintChannel {
  kAll, kReal, kAlert, kGeneral, kMemory, kConnection, kGraphics, kFile,
  kInput, kSystem, k3d, kFont, kCodec, kMath, kQzgl, kCapture,
};
constexpr int kPrintChannelCount = 16;

// The console is standard error; the debugger device has no output on this platform.
enum class PrintDevice { kConsole, kDebugger, kFileLog };
constexpr int kPrintDeviceCount = 3;

std::string_view PrintChannelName(PrintChannel channel);
std::string_view PrintDeviceName(PrintDevice device);

class PrintChannels {
 public:
  PrintChannels() = default;
  PrintChannels(const PrintChannels&) = delete;
  PrintChannels& operator=(const PrintChannels&) = delete;
  ~PrintChannels();

  // Everything off, then the defaults: the "alert" channel on, to the debugger device only.
  void ResetToDefaults();

  void SetChannelEnabled(PrintChannel channel, bool enabled);
  bool IsChannelEnabled(PrintChannel channel) const;
  void SetDeviceEnabled(PrintDevice device, bool enabled);

  // Opens the log file for the "file log" device; on failure returns the device's message.
  std::string OpenLogFile(const std::string& path);
  // Prints on the channel; returns the device's error text when the log file write failed.
  std::string Print(PrintChannel channel, std::string_view text);

 private:
  mutable std::mutex mutex_;
  std::array<uint32_t, kPrintChannelCount> channel_enable_{};
  std::array<bool, kPrintDeviceCount> device_enable_{};
  std::FILE* log_file_ = nullptr;
};

}  // namespace torvale
