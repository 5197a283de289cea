// The inhibitor lock is asked for synchronously on the window thread at START: the first printer
// must not be switched before the system has promised to stay awake.
#include "power/logind_sleep_inhibitor.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <cstdio>

namespace nobrix::power {

namespace {

// logind answers within milliseconds; a bus that does not answer must not hold up START for
// D-Bus's default 25 seconds.
constexpr int kReplyTimeoutMs = 5000;

// logind drops the lock when the last copy of its descriptor is closed.
class LogindHold final : public ports::SleepInhibitor::Hold {
 public:
  explicit LogindHold(QDBusUnixFileDescriptor descriptor) : descriptor_(std::move(descriptor)) {}

 private:
  QDBusUnixFileDescriptor descriptor_;
};

QDBusMessage inhibitCall(std::u16string_view reason) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
  // "block" rather than "delay": a printer half-written is worse than a lid that stays awake.
  call << QStringLiteral("sleep:idle") << QStringLiteral("NobrixVUZ")
       << QString::fromStdU16String(std::u16string(reason)) << QStringLiteral("block");
  return call;
}

}  // namespace

void writeToStandardError(const QString& line) {
  std::fprintf(stderr, "%s\n", qPrintable(line));
}

LogindSleepInhibitor::LogindSleepInhibitor(QDBusConnection bus, Diagnostics diagnostics)
    : bus_(std::move(bus)), diagnostics_(std::move(diagnostics)) {}

std::unique_ptr<ports::SleepInhibitor::Hold> LogindSleepInhibitor::inhibit(
    std::u16string_view reason) {
  if (!bus_.isConnected()) {
    return refuse(QStringLiteral("no system bus (%1)").arg(bus_.lastError().message()));
  }
  const QDBusReply<QDBusUnixFileDescriptor> reply =
      bus_.call(inhibitCall(reason), QDBus::Block, kReplyTimeoutMs);
  if (!reply.isValid()) {
    return refuse(reply.error().name() + QStringLiteral(": ") + reply.error().message());
  }
  if (!reply.value().isValid()) {
    return refuse(QStringLiteral("logind answered without a lock"));
  }
  return std::make_unique<LogindHold>(reply.value());
}

std::unique_ptr<ports::SleepInhibitor::Hold> LogindSleepInhibitor::refuse(const QString& why) {
  if (!refusalReported_) {
    refusalReported_ = true;
    diagnostics_(QStringLiteral("NobrixVUZ: could not keep the system from sleeping during the "
                                "update (%1); the update goes on.")
                     .arg(why));
  }
  return nullptr;
}

}  // namespace nobrix::power
