#pragma once
// The asynchronous file service: a fixed table of request blocks, taken from the platform
// heap at start and kept on a free list guarded by a lock. The editor loads its files
// synchronously, so the loads, reads and callbacks of this service are not provided; the
// table exists from start to stop so that the start sequence and its limits hold.

#include <cstdint>
#include <mutex>

#include "platform/allocation_hooks.h"

namespace torvale {

class ExitList;
class FatalErrorHandler;

struct AsyncRequestBlock {
  int32_t number;
  int32_t next;  // next free block, kNoBlock for none
  int32_t state;
  int32_t flags;
  int64_t offset;
  int64_t size;
  void* buffer;
  void* callback_data;
};
static_assert(sizeof(AsyncRequestBlock) == 48);

class AsyncFileService {
 public:
  static constexpr int kMaxRequests = 256;
  static constexpr int32_t kNoBlock = -1;

  explicit AsyncFileService(FatalErrorHandler& fatal) : fatal_(fatal) {}
  AsyncFileService(const AsyncFileService&) = delete;
  AsyncFileService& operator=(const AsyncFileService&) = delete;
  ~AsyncFileService() { Shutdown(); }

  void SetAllocationHooks(AllocationHooks hooks) { hooks_ = std::move(hooks); }
  // Takes count x 48 bytes under the name "ASYNCFILE" and chains the blocks 0..count-1.
  // Registers Shutdown in the exit list. Failures are fatal; false only when vetoed.
  bool Init(ExitList& exit_list, int count, uint32_t flags);
  void Shutdown();

  bool IsInitialized() const { return blocks_ != nullptr; }
  int Count() const { return count_; }
  // Takes the first free block (its number) or kNoBlock when all are in use.
  int32_t TakeBlock();
  void ReturnBlock(int32_t number);
  int FreeBlocks() const;

 private:
  FatalErrorHandler& fatal_;
  AllocationHooks hooks_;
  mutable std::mutex free_list_lock_;
  AsyncRequestBlock* blocks_ = nullptr;
  int32_t first_free_ = kNoBlock;
  int count_ = 0;
  uint32_t flags_ = 0;
};

inline bool ASYNCFILE_init(AsyncFileService& service, ExitList& exit_list, int count, uint32_t flags) {
  return service.Init(exit_list, count, flags);
}

}  // namespace torvale
