#include "platform/atomic_file.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/path.h"

namespace torvale {

AtomicFile::~AtomicFile() { Abort(); }

bool AtomicFile::Open(std::string_view path) {
  Abort();
  target_ = ResolvePath(path);
  temp_ = target_ + ".tmpXXXXXX";
  int fd = ::mkstemp(temp_.data());
  if (fd < 0) {
    temp_.clear();
    return false;
  }
  ::fchmod(fd, 0644);
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

bool AtomicFile::Commit() {
  if (!file_) return false;
  // No fsync: the rename already keeps an interrupted write from replacing the old file,
  // and syncing every one of a database's 200-odd files would dominate the save.
  bool ok = !failed_ && std::fflush(file_) == 0;
  ok = (std::fclose(file_) == 0) && ok;
  file_ = nullptr;
  if (ok) ok = std::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!ok) ::unlink(temp_.c_str());
  temp_.clear();
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

bool WriteWholeFile(std::string_view path, std::string_view data) {
  AtomicFile file;
  return file.Open(path) && file.Write(data) && file.Commit();
}

}  // namespace torvale
