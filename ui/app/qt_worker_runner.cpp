// The local loop ends on a queued quit that the worker posts as its last act. If something else
// ends it early (an application-wide exit ends every nested loop and makes new ones return at
// once), the window thread goes on processing events until the worker is done: returning early
// would let two device operations overlap.
#include "ui/app/qt_worker_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <atomic>
#include <exception>
#include <thread>

namespace nobrix::ui::app {

void QtWorkerRunner::runAndPump(const std::function<void()>& work) {
  QEventLoop loop;
  std::atomic<bool> finished{false};
  std::exception_ptr failure;

  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    finished.store(true);
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });

  loop.exec();
  while (!finished.load()) {
    // The worker's queued quit wakes this wait when it finishes.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  worker.join();
  if (failure) {
    std::rethrow_exception(failure);
  }
}

}  // namespace nobrix::ui::app
