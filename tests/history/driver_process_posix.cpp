// posix_spawn with standard output on a pipe; SIGKILL ends the driver.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/history/driver_process.h"

extern char** environ;

namespace nobrix::testing {

struct DriverProcess::Process {
  pid_t pid = -1;
  int output = -1;
};

DriverProcess::DriverProcess(const QString& historyFile) : process_(std::make_unique<Process>()) {
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
  if (posix_spawn(&process_->pid, program, &actions, nullptr, argv, environ) != 0) {
    process_->pid = -1;
  }
  unsetenv("NOBRIX_HISTORY");
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  process_->output = fds[0];
}

DriverProcess::~DriverProcess() {
  killHard();
  close(process_->output);
}

bool DriverProcess::awaitLine(const std::string& line) {
  std::string received;
  char c = 0;
  while (process_->pid > 0 && read(process_->output, &c, 1) == 1) {
    if (c != '\n') {
      received += c;
    } else {
      return received == line;
    }
  }
  return false;
}

bool DriverProcess::killHard() {
  if (process_->pid <= 0) {
    return false;
  }
  kill(process_->pid, SIGKILL);
  int status = 0;
  waitpid(process_->pid, &status, 0);
  process_->pid = -1;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

}  // namespace nobrix::testing
