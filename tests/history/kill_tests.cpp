// A process killed in the middle of a run (SIGKILL: nothing of it runs afterwards) leaves a
// record that reads "interrupted" with everything known up to the kill.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "tests/history/history_fixture.h"
#include "workflow/printer_status.h"

extern char** environ;

namespace nobrix::testing {
namespace {

// Starts the driver with its standard output on a pipe; blocks on the pipe until `line` has been
// printed. False when the driver ended or printed something else first.
class Driver {
 public:
  explicit Driver(const QString& historyFile) {
    int fds[2];
    if (pipe(fds) != 0) {
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    setenv("NOBRIX_HISTORY", historyFile.toLocal8Bit().constData(), 1);
    char program[] = NOBRIX_KILL_DRIVER;
    char* argv[] = {program, nullptr};
    if (posix_spawn(&pid_, program, &actions, nullptr, argv, environ) != 0) {
      pid_ = -1;
    }
    unsetenv("NOBRIX_HISTORY");
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    output_ = fds[0];
  }
  ~Driver() {
    killHard();
    close(output_);
  }

  bool awaitLine(const std::string& line) {
    std::string received;
    char c = 0;
    while (pid_ > 0 && read(output_, &c, 1) == 1) {
      if (c != '\n') {
        received += c;
      } else if (received == line) {
        return true;
      } else {
        return false;
      }
    }
    return false;
  }

  // True when the process ended by SIGKILL.
  bool killHard() {
    if (pid_ <= 0) {
      return false;
    }
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  }

 private:
  pid_t pid_ = -1;
  int output_ = -1;
};

TEST_F(HistoryTest, AProcessKilledMidRunLeavesAnInterruptedRecordOfWhatWasKnown) {
  Driver driver(path());
  ASSERT_TRUE(driver.awaitLine("sending"));
  // The second printer's image is on its way: the record says so before anything is killed.
  const auto before = read();
  ASSERT_EQ(before.runs.size(), 1U);
  ASSERT_EQ(before.runs[0].printers.size(), 3U);
  EXPECT_FALSE(before.runs[0].printers[1].steps[1].startedAt.empty());
  ASSERT_TRUE(driver.killHard());

  const auto listing = read();
  ASSERT_TRUE(listing.ok) << listing.problem;
  ASSERT_EQ(listing.runs.size(), 1U);
  const history::RunRecord& run = listing.runs[0];
  EXPECT_EQ(history::runStateName(run.state), "interrupted");
  EXPECT_TRUE(run.endedAt.empty());
  EXPECT_EQ(run.ticked, 3);
  ASSERT_EQ(run.printers.size(), 3U);
  const auto& first = run.printers[0];
  EXPECT_EQ(first.serialNumber, "SIM0001");
  EXPECT_EQ(first.statusCode, workflow::kStoringAndUpdating);
  EXPECT_EQ(first.bytesAccepted, kSmallImageBytes);
  EXPECT_FALSE(first.steps[1].endedAt.empty());
  const auto& second = run.printers[1];
  EXPECT_EQ(second.serialNumber, "SIM0002");
  EXPECT_EQ(second.statusText, "Sending firmware file ...");
  EXPECT_FALSE(second.steps[1].startedAt.empty());
  EXPECT_TRUE(second.steps[1].endedAt.empty());
  // Counted as the send went, not only when it ended: part of the image, not none of it.
  EXPECT_GT(second.bytesAccepted, 0U);
  EXPECT_LT(second.bytesAccepted, kSmallImageBytes);
  const auto& third = run.printers[2];
  EXPECT_EQ(third.serialNumber, "SIM0003");
  EXPECT_EQ(third.statusKey, "StrRes_StatusInFlashMode");
  EXPECT_TRUE(third.steps[1].startedAt.empty());
}

}  // namespace
}  // namespace nobrix::testing
