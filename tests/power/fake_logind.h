// Plays logind's Manager on a private bus: records every Inhibit call and hands out the write
// end of a pipe as the lock, keeping the read end, which reports end-of-file once every copy of
// the lock is closed. Lives on a thread of its own, since the inhibitor blocks the calling
// thread until the answer comes.
#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>
#include <QThread>
#include <mutex>
#include <vector>

namespace nobrix::power::testing {

struct InhibitCall {
  QString what;
  QString who;
  QString why;
  QString mode;
};

class FakeLogind final : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

 public:
  // Registers under logind's name and path on `bus`, which must stay connected meanwhile.
  explicit FakeLogind(QDBusConnection bus);
  ~FakeLogind() override;

  std::vector<InhibitCall> calls() const;
  // True once every copy of the lock handed out at call `index` has been closed; waits at most
  // `waitMs` for it.
  bool lockReleased(std::size_t index, int waitMs) const;

 public slots:
  QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                  const QString& mode);

 private:
  QDBusConnection bus_;
  QThread thread_;
  mutable std::mutex mutex_;
  std::vector<InhibitCall> calls_;
  std::vector<int> readEnds_;
};

}  // namespace nobrix::power::testing
