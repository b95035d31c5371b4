#include "platform/single_instance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/path.h"

namespace torvale {

std::string RuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return runtime;
  // Without a runtime folder the lock lives in the temporary folder, in a folder of the
  // user's own: a lock file shared between users would let one user block another.
  const char* tmp = std::getenv("TMPDIR");
  return JoinPath(tmp && *tmp ? tmp : "/tmp", "torvale-" + std::to_string(::getuid()));
}

SingleInstanceLock::SingleInstanceLock(std::string folder, std::string name)
    : folder_(std::move(folder)), path_(JoinPath(folder_, name)) {}

SingleInstanceLock::Result SingleInstanceLock::TryAcquire() {
  if (fd_ >= 0) return Result::kAcquired;
  if (::mkdir(folder_.c_str(), 0700) != 0 && errno != EEXIST) return Result::kCannotCreate;
  // Close-on-exec: a program the editor starts must not inherit, and so keep, the lock.
  int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return Result::kCannotCreate;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int error = errno;
    ::close(fd);
    return error == EWOULDBLOCK ? Result::kHeldByOther : Result::kCannotCreate;
  }
  fd_ = fd;
  return Result::kAcquired;
}

void SingleInstanceLock::Release() {
  if (fd_ < 0) return;
  ::close(fd_);  // closing the only descriptor drops the lock
  fd_ = -1;
}

}  // namespace torvale
