#pragma once
// A file that appears under its final name only when it was written completely: data goes
// to a temporary file in the same folder, which Commit renames over the target. A failed or
// interrupted write therefore never leaves a truncated file where the old one was. The data
// reaches the disk (fsync) before the rename, so a power cut cannot leave an empty file
// either. A replaced file keeps its permissions; a read-only file is refused, not replaced.

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

  // Opens a temporary file beside `path` (resolved); false when the folder is not writable
  // or the target exists but is read-only.
  bool Open(std::string_view path);
  bool IsOpen() const { return file_ != nullptr; }
  bool Write(const void* data, size_t size);
  bool Write(std::string_view text) { return Write(text.data(), text.size()); }
  // Overwrites bytes already written at `offset` (a header whose length is known only at the
  // end); later writes still append.
  bool WriteAt(uint64_t offset, const void* data, size_t size);
  // Flushes and renames over the target; false (and the target untouched) on any error.
  bool Commit();
  // Flushes and closes the temporary file (synced to the disk with `sync`) but keeps it under
  // its temporary name, for a caller that renames several files together and may sync them
  // all at once (SyncFileSystemOf). The file then belongs to the caller (TakeStaged); false,
  // and the temporary removed, on any error.
  bool Stage(bool sync = true);
  // The staged temporary's path; this object forgets it and no longer removes it.
  std::string TakeStaged();
  void Abort();
  const std::string& TargetPath() const { return target_; }

 private:
  std::FILE* file_ = nullptr;
  std::string target_;
  std::string temp_;
  bool failed_ = false;
};

// The suffix of temporary files: the target's name followed by ".tmp" and six characters.
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr size_t kTemporaryRandomChars = 6;
// True when `name` is a temporary file name of `target` as Open makes them.
bool IsTemporaryOf(std::string_view name, std::string_view target);

// Flushes the data of a file or the entries of a folder to the disk; false on failure.
bool SyncPath(const std::string& path);

// Called before every step by which a save changes the disk (create, write, sync, rename,
// remove). Tests of interrupted saves stop a child process at a chosen step with it; null
// (the default): nothing is called.
using FileStepHook = void (*)();
void SetFileStepHook(FileStepHook hook);
void FileStep();

// Flushes every file of the file system that holds `path` to the disk: one sync for the
// files of a whole database instead of one per file. False when that is not possible.
bool SyncFileSystemOf(const std::string& path);

// Writes a whole file atomically.
bool WriteWholeFile(std::string_view path, std::string_view data);

}  // namespace torvale
