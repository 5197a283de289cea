// No nested event loop: an application-wide exit ends every nested loop at once, and the runner
// must go on waiting for its worker all the same.
#include "ui/adapters/qt_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

namespace nobrix::ui::adapters {

void QtPump::pumpAndWait() {
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtPump::wake() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
}

}  // namespace nobrix::ui::adapters
