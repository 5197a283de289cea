// A D-Bus daemon of the test's own, started on a temporary socket and stopped with the object,
// so that tests talk over a real bus without touching the machine's system bus.
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace nobrix::power::testing {

class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  // Empty when the daemon did not start.
  const QString& address() const { return address_; }
  // A new connection of its own (the inhibitor's and the fake service's must differ, or Qt
  // short-cuts the call without passing the descriptor over the socket).
  QDBusConnection connect(const QString& name) const;

 private:
  QTemporaryDir directory_;
  QProcess daemon_;
  QString address_;
};

}  // namespace nobrix::power::testing
