// Error boxes are asked for from worker threads too, but a box belongs to the window thread:
// a blocking queued call carries it there and the worker waits until it is answered.
#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace nobrix::ui::adapters {

template <typename Work>
void runOnWindowThread(Work&& work) {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || QThread::currentThread() == application->thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(application, std::forward<Work>(work), Qt::BlockingQueuedConnection);
}

}  // namespace nobrix::ui::adapters
