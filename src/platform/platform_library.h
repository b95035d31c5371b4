#pragma once
// The platform services, started together when the program starts and stopped together
// when it ends. Start order matters: the heap first (the others take their tables from
// it), then the timer, the file system and the asynchronous file service. Stop runs the
// exit list, which releases them in reverse.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/cmn/hlafile.h"
#include "platform/exit_list.h"
#include "platform/heap.h"
#include "platform/pc/inittmr.h"
#include "platform/pc/nfile.h"
#include "platform/print_channels.h"

namespace torvale {

class FatalErrorHandler;

struct PlatformStartOptions {
  size_t heap_size = 0x8000000;  // 128 MiB
  int timer_frequency = 0;       // the timer's default, 100 ticks per second
  FileSystemConfig file_system;
  int async_requests = 10;
  uint32_t async_flags = 0;
};

class PlatformLibrary {
 public:
  static constexpr const char* kHeapName = "PLATFORM";

  explicit PlatformLibrary(FatalErrorHandler& fatal,
                           PlatformTimer::SourceFactory tick_sources = MakeThreadTickSource);
  PlatformLibrary(const PlatformLibrary&) = delete;
  PlatformLibrary& operator=(const PlatformLibrary&) = delete;
  ~PlatformLibrary() { Stop(); }

  // Runs the start sequence. A failing service is fatal; false only when its report was
  // vetoed (the services started so far stay up until Stop).
  bool Start(const PlatformStartOptions& options = {});
  // Stops the file system, then runs the exit list. Harmless when not started.
  void Stop();

  const Heap* heap() const { return heap_.get(); }
  const PlatformTimer& timer() const { return timer_; }
  const FileSystem& file_system() const { return file_system_; }
  AsyncFileService& async_files() { return async_files_; }
  PrintChannels& print_channels() { return print_; }
  const ExitList& exit_list() const { return exit_list_; }

 private:
  bool RegisterStop(std::function<void()> stop);
  AllocationHooks HeapHooks();

  FatalErrorHandler& fatal_;
  PrintChannels print_;
  ExitList exit_list_;
  std::unique_ptr<Heap> heap_;
  PlatformTimer timer_;
  FileSystem file_system_;
  AsyncFileService async_files_;
};

}  // namespace torvale
