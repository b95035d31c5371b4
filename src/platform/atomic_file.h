#pragma once
// A file that appears under its final name only when it was written completely: data goes
// to a temporary file in the same folder, which Commit renames over the target. A failed or
// interrupted write therefore never leaves a truncated file where the old one was.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace torvale {

class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  ~AtomicFile();  // an uncommitted file is discarded

  // Opens a temporary file beside `path` (resolved); false when the folder is not writable.
  bool Open(std::string_view path);
  bool IsOpen() const { return file_ != nullptr; }
  bool Write(const void* data, size_t size);
  bool Write(std::string_view text) { return Write(text.data(), text.size()); }
  // Overwrites bytes already written at `offset` (a header whose length is known only at the
  // end); later writes still append.
  bool WriteAt(uint64_t offset, const void* data, size_t size);
  // Flushes and renames over the target; false (and the target untouched) on any error.
  bool Commit();
  void Abort();
  const std::string& TargetPath() const { return target_; }

 private:
  std::FILE* file_ = nullptr;
  std::string target_;
  std::string temp_;
  bool failed_ = false;
};

// Writes a whole file atomically.
bool WriteWholeFile(std::string_view path, std::string_view data);

}  // namespace torvale
