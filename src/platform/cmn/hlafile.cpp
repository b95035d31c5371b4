#include "platform/cmn/hlafile.h"

#include "platform/exit_list.h"
#include "platform/fatal_error.h"

namespace torvale {

bool AsyncFileService::Init(ExitList& exit_list, int count, uint32_t flags) {
  if (blocks_) {
    TORVALE_FATAL(fatal_, "ASYNCFILE_init - already initialized\n");
    return false;
  }
  if (count > kMaxRequests) {
    TORVALE_FATAL(fatal_, "ASYNCFILE_init - too many async requests specified (max 256)\n");
    return false;
  }
  if (count < 1) {
    TORVALE_FATAL(fatal_, "ASYNCFILE_init - no async requests specified\n");
    return false;
  }
  void* memory = hooks_.IsSet()
                     ? hooks_.allocate(sizeof(AsyncRequestBlock) * static_cast<size_t>(count), "ASYNCFILE")
                     : nullptr;
  if (!memory) {
    TORVALE_FATAL(fatal_, "ASYNCFILE_init - out of memory\n");
    return false;
  }
  {
    std::lock_guard lock(free_list_lock_);
    blocks_ = static_cast<AsyncRequestBlock*>(memory);
    for (int i = 0; i < count; ++i) {
      blocks_[i] = AsyncRequestBlock{};
      blocks_[i].number = i;
      blocks_[i].next = i + 1 < count ? i + 1 : kNoBlock;
    }
    first_free_ = 0;
    count_ = count;
    flags_ = flags;
  }
  if (!exit_list.Register([this] { Shutdown(); })) {
    Shutdown();
    TORVALE_FATAL(fatal_, "ASYNCFILE_init - exit list full\n");
    return false;
  }
  return true;
}

void AsyncFileService::Shutdown() {
  std::lock_guard lock(free_list_lock_);
  if (!blocks_) return;
  hooks_.free(blocks_);
  blocks_ = nullptr;
  first_free_ = kNoBlock;
  count_ = 0;
}

int32_t AsyncFileService::TakeBlock() {
  std::lock_guard lock(free_list_lock_);
  if (first_free_ == kNoBlock) return kNoBlock;
  int32_t number = first_free_;
  first_free_ = blocks_[number].next;
  blocks_[number].next = kNoBlock;
  return number;
}

void AsyncFileService::ReturnBlock(int32_t number) {
  std::lock_guard lock(free_list_lock_);
  if (!blocks_ || number < 0 || number >= count_) return;
  blocks_[number] = AsyncRequestBlock{};
  blocks_[number].number = number;
  blocks_[number].next = first_free_;
  first_free_ = number;
}

int AsyncFileService::FreeBlocks() const {
  std::lock_guard lock(free_list_lock_);
  int free = 0;
  for (int32_t at = first_free_; at != kNoBlock; at = blocks_[at].next) ++free;
  return free;
}

}  // namespace torvale
