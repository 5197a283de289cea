// The thread worker runner: work off the calling thread, the view pumped until it is done, and
// the work's exception carried back to the caller.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "tests/support/fake_view.h"
#include "workflow/thread_worker_runner.h"

namespace nobrix::testing {
namespace {

using namespace std::chrono_literals;

TEST(ThreadWorkerRunner, RunsTheWorkOnAnotherThreadAndReturnsWhenItIsDone) {
  FakeView view;
  workflow::ThreadWorkerRunner runner(view, 1ms);
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
TEST(ThreadWorkerRunner, KeepsPumpingWhileTheWorkRuns) {
  FakeView view;
  std::atomic<int> pumpsSeen{0};
  std::thread::id pumpThread;
  view.onPump = [&] {
    pumpThread = std::this_thread::get_id();
    ++pumpsSeen;
  };
  workflow::ThreadWorkerRunner runner(view, 1ms);
  runner.runAndPump([&] {
    while (pumpsSeen.load() < 5) {
      std::this_thread::yield();
    }
  });
  EXPECT_GE(pumpsSeen.load(), 5);
  EXPECT_EQ(pumpThread, std::this_thread::get_id());
}

TEST(ThreadWorkerRunner, RethrowsTheWorksExceptionOnTheCallingThread) {
  FakeView view;
  workflow::ThreadWorkerRunner runner(view, 1ms);
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

TEST(ThreadWorkerRunner, AFailingPumpStillWaitsForTheWorkBeforeItThrows) {
  FakeView view;
  std::atomic<bool> workFinished{false};
  std::atomic<bool> pumped{false};
  view.onPump = [&] {
    pumped = true;
    throw std::logic_error("pump failed");
  };
  workflow::ThreadWorkerRunner runner(view, 1ms);
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
