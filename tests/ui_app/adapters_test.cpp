// The two adapters between plain C++ and the event loop: the relay that carries device
// notices to the window thread, and the worker runner that keeps the loop turning while a
// worker does blocking device work.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <stdexcept>
#include <thread>

#include "tests/ui_app/window_rig.h"
#include "ui/adapters/device_change_relay.h"
#include "ui/adapters/qt_pump.h"

namespace nobrix::ui::testing {
namespace {

class Adapters : public ::testing::Test {
 protected:
  void SetUp() override { ensureApplication(); }
};

TEST_F(Adapters, RelayTurnsNoticesFromAnotherThreadIntoOneCallOnTheWindowThread) {
  int calls = 0;
  bool onWindowThread = true;
  DeviceChangeRelay relay([&] {
    ++calls;
    onWindowThread = onWindowThread && QThread::currentThread() == relay.thread();
  });
  std::thread notifier([&] {
    for (int i = 0; i < 5; ++i) {
      relay.notify();
    }
  });
  notifier.join();
  EXPECT_EQ(calls, 0) << "never called from notify itself";
  QCoreApplication::processEvents();
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(onWindowThread);
}

TEST_F(Adapters, RelayPostsAgainForANoticeRaisedWhileItsCallRuns) {
  int calls = 0;
  DeviceChangeRelay* self = nullptr;
  DeviceChangeRelay relay([&] {
    if (++calls == 1) {
      self->notify();
    }
  });
  self = &relay;
  relay.notify();
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(calls, 2);
}

TEST_F(Adapters, WindowPumpedRunnerReturnsOnlyAfterTheWorkHasRunOnAnotherThread) {
  QtPump pump;
  workflow::WorkerRunner runner(pump);
  std::thread::id workerThread;
  bool finished = false;
  runner.runAndPump([&] {
    workerThread = std::this_thread::get_id();
    finished = true;
  });
  EXPECT_TRUE(finished);
  EXPECT_NE(workerThread, std::this_thread::get_id());
}

TEST_F(Adapters, WindowPumpedRunnerDeliversTheWorkersBlockingCallsToTheWindowThread) {
  // A message box raised by the firmware transfer waits on the window thread like this; if
  // the runner did not turn the loop, the worker would wait for ever.
  QtPump pump;
  workflow::WorkerRunner runner(pump);
  QObject windowThreadObject;
  bool ranOnWindowThread = false;
  runner.runAndPump([&] {
    QMetaObject::invokeMethod(
        &windowThreadObject,
        [&] { ranOnWindowThread = QThread::currentThread() == windowThreadObject.thread(); },
        Qt::BlockingQueuedConnection);
  });
  EXPECT_TRUE(ranOnWindowThread);
}

TEST_F(Adapters, WindowPumpedRunnerRethrowsTheWorkersErrorOnTheCallingThread) {
  QtPump pump;
  workflow::WorkerRunner runner(pump);
  EXPECT_THROW(runner.runAndPump([] { throw std::runtime_error("printer on fire"); }),
               std::runtime_error);
  // And is usable again afterwards.
  bool ran = false;
  runner.runAndPump([&] { ran = true; });
  EXPECT_TRUE(ran);
}

TEST_F(Adapters, WindowPumpedRunnerWaitsForTheWorkerEvenWhenTheApplicationIsAskedToExit) {
  // An application-wide exit ends every nested loop; returning then would let the next device
  // operation start while this one still runs.
  QtPump pump;
  workflow::WorkerRunner runner(pump);
  std::atomic<bool> exitRequested{false};
  std::atomic<bool> finished{false};
  QObject windowThreadObject;
  runner.runAndPump([&] {
    QMetaObject::invokeMethod(
        &windowThreadObject,
        [&] {
          QCoreApplication::exit(0);
          exitRequested = true;
        },
        Qt::BlockingQueuedConnection);
    finished = true;
  });
  EXPECT_TRUE(exitRequested);
  EXPECT_TRUE(finished);

  // The exit request stays pending for the test program's other loops (every modal dialog
  // would return at once); running the application loop once consumes it.
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

}  // namespace
}  // namespace nobrix::ui::testing
