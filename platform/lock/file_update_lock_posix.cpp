// flock() on a file in /run/lock, which every user may create files in (mode 1777). The file is
// made writable for all, so that whoever holds the lock next can write its name into it; a file
// another user made and left read-only can still be locked, only not signed.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/lock/file_update_lock.h"

namespace nobrix::platform {

namespace {

int openLockFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0) {
    ::fchmod(fd, 0666);  // only the file's owner may; for the others it stays as it is
    return fd;
  }
  return errno == EACCES ? ::open(path.c_str(), O_RDONLY | O_CLOEXEC) : -1;
}

std::string readAll(int fd) {
  std::string text;
  char buffer[256];
  ssize_t got = 0;
  off_t at = 0;
  while ((got = ::pread(fd, buffer, sizeof buffer, at)) > 0 && text.size() < 4096) {
    text.append(buffer, static_cast<std::size_t>(got));
    at += got;
  }
  return text;
}

}  // namespace

bool FileUpdateLock::acquire(LockHolder& holder, std::string& problem) {
  if (handle_ >= 0) {
    return true;
  }
  const int fd = openLockFile(path_);
  if (fd < 0) {
    problem = path_ + ": " + std::strerror(errno);
    return true;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    if (error == EWOULDBLOCK) {
      holder = settledHolder([fd] { return readAll(fd); }, pauseBetweenHolderReads);
    } else {
      problem = path_ + ": " + std::strerror(error);
    }
    ::close(fd);
    return error != EWOULDBLOCK;
  }
  const std::string text = holderText(self_);
  if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.data(), text.size(), 0) < 0) {
    problem = path_ + ": locked, but the holder could not be written: " + std::strerror(errno);
  }
  handle_ = fd;
  return true;
}

void FileUpdateLock::release() {
  if (handle_ < 0) {
    return;
  }
  const int fd = static_cast<int>(handle_);
  handle_ = -1;
  // The name goes first: a reader that finds the file unlocked must not see a stale holder. If
  // it cannot go, the next holder writes its own over it before anyone is refused.
  [[maybe_unused]] const int emptied = ::ftruncate(fd, 0);
  ::close(fd);
}

LockHolder thisProcess(std::string program) {
  LockHolder self{std::move(program), "", static_cast<std::int64_t>(::getpid())};
  if (const passwd* entry = ::getpwuid(::getuid())) {
    self.user = entry->pw_name;
  } else if (const char* user = std::getenv("USER")) {
    self.user = user;
  }
  return self;
}

std::string defaultUpdateLockPath() {
  const char* path = std::getenv("NOBRIX_LOCK");
  return path != nullptr ? path : "/run/lock/nobrixvuz.lock";
}

}  // namespace nobrix::platform
