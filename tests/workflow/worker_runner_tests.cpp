// The worker runner with the recording view's pump: work off the calling thread, the view pumped
// until it is done, and the work's exception carried back to the caller. The window's own pump
// hook is tried with the window's event loop in the window tests.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "tests/support/fake_view.h"
#include "workflow/worker_runner.h"

namespace nobrix::testing {
namespace {

using namespace std::chrono_literals;

TEST(WorkerRunner, RunsTheWorkOnAnotherThreadAndReturnsWhenItIsDone) {
  FakeView view;
  workflow::ViewPump pump(view, 1ms);
  workflow::WorkerRunner runner(pump);
  std::thread::id workThread;
  bool done = false;
  runner.runAndPump([&] {
    workThread = std::this_thread::get_id();
    done = true;
  });
  EXPECT_TRUE(done);
  EXPECT_NE(workThread, std::this_thread::get_id());
  EXPECT_GE(view.pumpCount, 1);
}

// The work only finishes after the window thread has pumped several times, which it can only
// do if it keeps pumping while the work runs.
TEST(WorkerRunner, KeepsPumpingWhileTheWorkRuns) {
  FakeView view;
  std::atomic<int> pumpsSeen{0};
  std::thread::id pumpThread;
  view.onPump = [&] {
    pumpThread = std::this_thread::get_id();
    ++pumpsSeen;
  };
  workflow::ViewPump pump(view, 1ms);
  workflow::WorkerRunner runner(pump);
  runner.runAndPump([&] {
    while (pumpsSeen.load() < 5) {
      std::this_thread::yield();
    }
  });
  EXPECT_GE(pumpsSeen.load(), 5);
  EXPECT_EQ(pumpThread, std::this_thread::get_id());
}

TEST(WorkerRunner, RethrowsTheWorksExceptionOnTheCallingThread) {
  FakeView view;
  workflow::ViewPump pump(view, 1ms);
  workflow::WorkerRunner runner(pump);
  try {
    runner.runAndPump([] { throw std::runtime_error("device gone"); });
    FAIL() << "nothing was thrown";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "device gone");
  }
  // The runner is usable again afterwards.
  bool ran = false;
  runner.runAndPump([&] { ran = true; });
  EXPECT_TRUE(ran);
}

TEST(WorkerRunner, AFailingPumpStillWaitsForTheWorkBeforeItThrows) {
  FakeView view;
  std::atomic<bool> workFinished{false};
  std::atomic<bool> pumped{false};
  view.onPump = [&] {
    pumped = true;
    throw std::logic_error("pump failed");
  };
  workflow::ViewPump pump(view, 1ms);
  workflow::WorkerRunner runner(pump);
  EXPECT_THROW(runner.runAndPump([&] {
    while (!pumped.load()) {
      std::this_thread::yield();
    }
    workFinished = true;
  }),
               std::logic_error);
  EXPECT_TRUE(workFinished.load());
}

}  // namespace
}  // namespace nobrix::testing
