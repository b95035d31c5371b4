#pragma once
// Keeps a second copy of the editor from running: two copies would load and save the same
// database folders behind each other's backs. The lock is an exclusive lock on a file of
// the lock's name in the user's runtime folder; the kernel drops it when the process ends,
// however it ends, so a crashed editor never blocks the next start.

#include <string>

namespace torvale {

constexpr const char* kEditorMutexName = "ZUL EDITOR MUTEX";

// $XDG_RUNTIME_DIR, else a private folder "torvale-<uid>" in the temporary folder.
std::string RuntimeFolder();

class SingleInstanceLock {
 public:
  enum class Result { kAcquired, kHeldByOther, kCannotCreate };

  // The lock file `name` in `folder`.
  SingleInstanceLock(std::string folder, std::string name);
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
  ~SingleInstanceLock() { Release(); }

  // Tries once, without waiting.
  Result TryAcquire();
  void Release();
  bool IsHeld() const { return fd_ >= 0; }
  const std::string& FilePath() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
  int fd_ = -1;
};

}  // namespace torvale
