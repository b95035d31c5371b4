#pragma once
// The file system layer of the platform services: a table of file operations and a table
// of devices, both taken from the platform heap through the allocation hooks. The editor
// reads and writes its files directly and registers no device, so the layer only has to
// exist between start and stop; no device threads are run.

#include <cstdint>

#include "platform/allocation_hooks.h"

namespace torvale {

class ExitList;
class FatalErrorHandler;

// One pending file operation; the size is part of the table's layout.
struct FileOperationSlot {
  int32_t number;
  int32_t next;  // next free slot, -1 for none
  int32_t device;
  int32_t kind;
  int64_t offset;
  int64_t size;
  void* buffer;
  int32_t status;
  int32_t reserved;
};
static_assert(sizeof(FileOperationSlot) == 48);

struct FileDeviceSlot {
  char name[24];
  int32_t flags;
  int32_t open_files;
};

struct FileSystemConfig {
  int operations = 64;
  int devices = 16;
};

class FileSystem {
 public:
  explicit FileSystem(FatalErrorHandler& fatal) : fatal_(fatal) {}
  FileSystem(const FileSystem&) = delete;
  FileSystem& operator=(const FileSystem&) = delete;
  ~FileSystem() { Shutdown(); }

  void SetAllocationHooks(AllocationHooks hooks) { hooks_ = std::move(hooks); }
  // Takes the tables and registers Shutdown in the exit list. Failures are fatal; false
  // only when the report was vetoed.
  bool Init(ExitList& exit_list, const FileSystemConfig& config = {});
  // Frees the tables; harmless when not started (it runs from the stop and the exit list).
  void Shutdown();

  bool IsInitialized() const { return operations_ != nullptr; }
  int OperationCount() const { return operation_count_; }
  int DeviceCount() const { return device_count_; }

 private:
  FatalErrorHandler& fatal_;
  AllocationHooks hooks_;
  FileOperationSlot* operations_ = nullptr;
  FileDeviceSlot* devices_ = nullptr;
  int operation_count_ = 0;
  int device_count_ = 0;
};

inline bool FILESYS_init(FileSystem& file_system, ExitList& exit_list, const FileSystemConfig& config = {}) {
  return file_system.Init(exit_list, config);
}

}  // namespace torvale
