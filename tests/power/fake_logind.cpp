// The lock is a pipe: nothing is ever written, so the read end polls readable only with
// end-of-file (POLLHUP), when the last write end is gone.
#include "tests/power/fake_logind.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace nobrix::power::testing {

FakeLogind::FakeLogind(QDBusConnection bus) : bus_(std::move(bus)) {
  thread_.start();
  moveToThread(&thread_);
  bus_.registerObject(QStringLiteral("/org/freedesktop/login1"), this,
                      QDBusConnection::ExportAllSlots);
  bus_.registerService(QStringLiteral("org.freedesktop.login1"));
}

FakeLogind::~FakeLogind() {
  bus_.unregisterService(QStringLiteral("org.freedesktop.login1"));
  bus_.unregisterObject(QStringLiteral("/org/freedesktop/login1"));
  thread_.quit();
  thread_.wait();
  for (const int fd : readEnds_) {
    ::close(fd);
  }
}

std::vector<InhibitCall> FakeLogind::calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

bool FakeLogind::lockReleased(std::size_t index, int waitMs) const {
  int fd = -1;
  {
    std::lock_guard lock(mutex_);
    if (index >= readEnds_.size()) {
      return false;
    }
    fd = readEnds_[index];
  }
  pollfd end{fd, POLLIN, 0};
  return ::poll(&end, 1, waitMs) == 1 && (end.revents & POLLHUP) != 0;
}

QDBusUnixFileDescriptor FakeLogind::Inhibit(const QString& what, const QString& who,
                                            const QString& why, const QString& mode) {
  int ends[2] = {-1, -1};
  if (::pipe2(ends, O_CLOEXEC) != 0) {
    return {};
  }
  QDBusUnixFileDescriptor lock;
  lock.giveFileDescriptor(ends[1]);
  std::lock_guard guard(mutex_);
  calls_.push_back({what, who, why, mode});
  readEnds_.push_back(ends[0]);
  return lock;
}

}  // namespace nobrix::power::testing

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_fake_logind.cpp"
