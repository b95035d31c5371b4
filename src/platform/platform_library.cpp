#include "platform/platform_library.h"

#include "platform/fatal_error.h"

namespace torvale {

PlatformLibrary::PlatformLibrary(FatalErrorHandler& fatal, PlatformTimer::SourceFactory tick_sources)
    : fatal_(fatal), timer_(fatal, std::move(tick_sources)), file_system_(fatal), async_files_(fatal) {}

bool PlatformLibrary::RegisterStop(std::function<void()> stop) {
  if (exit_list_.Register(std::move(stop))) return true;
  TORVALE_FATAL(fatal_, "EXIT_register - too many exit functions (max %d)\n", ExitList::kCapacity);
  return false;
}

AllocationHooks PlatformLibrary::HeapHooks() {
  // Without a heap (the system refused the block) every table request fails, and the
  // service that asked reports it.
  return AllocationHooks{
      [this](size_t size, const std::string& name) { return heap_ ? heap_->Allocate(size, name) : nullptr; },
      [this](void* pointer) {
        if (heap_) heap_->Free(pointer);
      }};
}

bool PlatformLibrary::Start(const PlatformStartOptions& options) {
  if (exit_list_.Count() > 0) {
    TORVALE_FATAL(fatal_, "PLATFORM_init - already initialized\n");
    return false;
  }
  print_.ResetToDefaults();
  fatal_.SetLogSink([this](const std::string& message) { print_.Print(PrintChannel::kAlert, message); });

  heap_ = std::make_unique<Heap>(kHeapName, options.heap_size);
  if (!heap_->IsValid()) heap_.reset();
  if (!RegisterStop([this] { heap_.reset(); })) return false;

  if (!TIMER_init(timer_, options.timer_frequency)) return false;
  if (!RegisterStop([this] { timer_.Shutdown(); })) return false;

  file_system_.SetAllocationHooks(HeapHooks());
  async_files_.SetAllocationHooks(HeapHooks());
  if (!FILESYS_init(file_system_, exit_list_, options.file_system)) return false;
  return ASYNCFILE_init(async_files_, exit_list_, options.async_requests, options.async_flags);
}

void PlatformLibrary::Stop() {
  file_system_.Shutdown();
  exit_list_.RunAll();
  fatal_.SetLogSink(nullptr);
}

}  // namespace torvale
