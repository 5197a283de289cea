// Keeps a Linux system awake through logind's inhibitor lock: logind hands out a file
// descriptor and holds off sleep and idle until every copy of it is closed, so the lock also
// ends when the program dies.
#pragma once

#include <QDBusConnection>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "ports/sleep_inhibitor.h"

namespace nobrix::power {

// Where the one line about a failed request goes; standard error unless a test listens.
using Diagnostics = std::function<void(const QString& line)>;
void writeToStandardError(const QString& line);

class LogindSleepInhibitor final : public ports::SleepInhibitor {
 public:
  // `bus` is the system bus in the programs, a private bus in the tests.
  explicit LogindSleepInhibitor(QDBusConnection bus,
                                Diagnostics diagnostics = writeToStandardError);

  std::unique_ptr<Hold> inhibit(std::u16string_view reason) override;

 private:
  std::unique_ptr<Hold> refuse(const QString& why);

  QDBusConnection bus_;
  Diagnostics diagnostics_;
  bool refusalReported_ = false;
};

}  // namespace nobrix::power
