#include "platform/atomic_file.h"

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "platform/path.h"

namespace torvale {

namespace {
std::atomic<FileStepHook> fileStepHook{nullptr};
}  // namespace

void SetFileStepHook(FileStepHook hook) { fileStepHook.store(hook); }

void FileStep() {
  if (FileStepHook hook = fileStepHook.load()) hook();
}

AtomicFile::~AtomicFile() { Abort(); }

bool AtomicFile::Open(std::string_view path) {
  Abort();
  target_ = ResolvePath(path);
  // A replaced file keeps its mode; a read-only one is left alone (even root must not
  // overwrite a file the user protected).
  mode_t mode = 0644;
  struct stat existing {};
  if (::stat(target_.c_str(), &existing) == 0) {
    if (S_ISREG(existing.st_mode) && ((existing.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0))
      return false;
    mode = existing.st_mode & 07777;
  }
  temp_ = target_ + std::string(kTemporarySuffix) + std::string(kTemporaryRandomChars, 'X');
  FileStep();
  int fd = ::mkstemp(temp_.data());
  if (fd < 0) {
    temp_.clear();
    return false;
  }
  ::fchmod(fd, mode);
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    ::close(fd);
    ::unlink(temp_.c_str());
    temp_.clear();
    return false;
  }
  failed_ = false;
  return true;
}

bool AtomicFile::Write(const void* data, size_t size) {
  if (!file_) return false;
  FileStep();
  if (size && std::fwrite(data, 1, size, file_) != size) failed_ = true;
  return !failed_;
}

bool AtomicFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (!file_ || failed_) return false;
  const bool ok = ::fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0 &&
                  std::fwrite(data, 1, size, file_) == size && ::fseeko(file_, 0, SEEK_END) == 0;
  if (!ok) failed_ = true;
  return ok;
}

bool AtomicFile::Stage(bool sync) {
  if (!file_) return false;
  FileStep();
  // Without the sync a power cut after the rename can leave the new name on an empty file.
  bool ok = !failed_ && std::fflush(file_) == 0 && (!sync || ::fsync(::fileno(file_)) == 0);
  // Left to a later sync of many files: the disk starts on this one's data now, while the
  // next files are being written, so that the sync finds little left to do.
  if (ok && !sync) ::sync_file_range(::fileno(file_), 0, 0, SYNC_FILE_RANGE_WRITE);
  ok = (std::fclose(file_) == 0) && ok;
  file_ = nullptr;
  if (!ok) {
    ::unlink(temp_.c_str());
    temp_.clear();
  }
  return ok;
}

std::string AtomicFile::TakeStaged() {
  if (file_) return {};
  return std::exchange(temp_, std::string());
}

bool AtomicFile::Commit() {
  if (!Stage()) return false;
  FileStep();
  const bool ok = std::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!ok) ::unlink(temp_.c_str());
  temp_.clear();
  if (ok) {
    const size_t slash = target_.rfind('/');
    SyncPath(slash == std::string::npos ? std::string(".") : target_.substr(0, slash + 1));
  }
  return ok;
}

void AtomicFile::Abort() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temp_.empty()) {
    ::unlink(temp_.c_str());
    temp_.clear();
  }
}

bool IsTemporaryOf(std::string_view name, std::string_view target) {
  if (name.size() != target.size() + kTemporarySuffix.size() + kTemporaryRandomChars) return false;
  if (name.substr(0, target.size()) != target || name.substr(target.size(), kTemporarySuffix.size()) != kTemporarySuffix)
    return false;
  for (char c : name.substr(target.size() + kTemporarySuffix.size()))
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

namespace {

// Opens `path` (a file or a folder) read-only and applies `sync` to it.
bool SyncOpened(const std::string& path, int (*sync)(int)) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = sync(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

bool SyncPath(const std::string& path) { return SyncOpened(path, ::fsync); }

bool SyncFileSystemOf(const std::string& path) { return SyncOpened(path, ::syncfs); }

bool WriteWholeFile(std::string_view path, std::string_view data) {
  AtomicFile file;
  return file.Open(path) && file.Write(data) && file.Commit();
}

}  // namespace torvale
