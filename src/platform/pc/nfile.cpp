#include "platform/pc/nfile.h"

#include <cstring>

#include "platform/exit_list.h"
#include "platform/fatal_error.h"

namespace torvale {

bool FileSystem::Init(ExitList& exit_list, const FileSystemConfig& config) {
  if (operations_) {
    TORVALE_FATAL(fatal_, "FILESYS_init - already initialized\n");
    return false;
  }
  if (!hooks_.IsSet()) {
    TORVALE_FATAL(fatal_, "FILESYS_init - no allocation hooks installed\n");
    return false;
  }
  if (config.operations < 1 || config.devices < 1) {
    TORVALE_FATAL(fatal_, "FILESYS_init - bad table sizes (%d operations, %d devices)\n",
                  config.operations, config.devices);
    return false;
  }
  size_t operation_bytes = sizeof(FileOperationSlot) * static_cast<size_t>(config.operations);
  size_t device_bytes = sizeof(FileDeviceSlot) * static_cast<size_t>(config.devices);
  auto* operations = static_cast<FileOperationSlot*>(hooks_.allocate(operation_bytes, "FILESYS OPERATIONS"));
  auto* devices = static_cast<FileDeviceSlot*>(hooks_.allocate(device_bytes, "FILESYS DEVICES"));
  if (!operations || !devices) {
    if (operations) hooks_.free(operations);
    if (devices) hooks_.free(devices);
    TORVALE_FATAL(fatal_, "FILESYS_init - out of memory\n");
    return false;
  }
  std::memset(devices, 0, device_bytes);
  for (int i = 0; i < config.operations; ++i) {
    operations[i] = FileOperationSlot{};
    operations[i].number = i;
    operations[i].next = i + 1 < config.operations ? i + 1 : -1;
  }
  operations_ = operations;
  devices_ = devices;
  operation_count_ = config.operations;
  device_count_ = config.devices;
  if (!exit_list.Register([this] { Shutdown(); })) {
    Shutdown();
    TORVALE_FATAL(fatal_, "FILESYS_init - exit list full\n");
    return false;
  }
  return true;
}

void FileSystem::Shutdown() {
  if (!operations_) return;
  hooks_.free(operations_);
  hooks_.free(devices_);
  operations_ = nullptr;
  devices_ = nullptr;
  operation_count_ = 0;
  device_count_ = 0;
}

}  // namespace torvale
