// The daemon prints its address once it listens; every wait for it is bounded.
#include "tests/power/private_bus.h"

#include <QFile>

namespace nobrix::power::testing {

namespace {

constexpr int kDaemonWaitMs = 5000;

// Anyone may own any name and call anything: the test plays logind.
QByteArray configFor(const QString& directory) {
  return QByteArrayLiteral(
             "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\""
             " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
             "<busconfig><type>session</type><listen>unix:dir=") +
         directory.toUtf8() +
         QByteArrayLiteral(
             "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
             "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
             "<allow own=\"*\"/></policy></busconfig>\n");
}

}  // namespace

PrivateBus::PrivateBus() {
  const QString config = directory_.filePath(QStringLiteral("bus.conf"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly) || file.write(configFor(directory_.path())) < 0) {
    return;
  }
  file.close();
  daemon_.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--config-file=") + config, QStringLiteral("--print-address"),
                 QStringLiteral("--nofork")});
  while (daemon_.waitForReadyRead(kDaemonWaitMs) && !daemon_.canReadLine()) {
  }
  address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
  if (daemon_.state() != QProcess::NotRunning) {
    daemon_.terminate();
    if (!daemon_.waitForFinished(kDaemonWaitMs)) {
      daemon_.kill();
      daemon_.waitForFinished(kDaemonWaitMs);
    }
  }
}

QDBusConnection PrivateBus::connect(const QString& name) const {
  return QDBusConnection::connectToBus(address_, name);
}

}  // namespace nobrix::power::testing
