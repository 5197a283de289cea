// The kill driver (kill_driver.cpp) as a process of its own, with its standard output on a pipe
// and NOBRIX_HISTORY naming the file it records in. CMake picks the system's file: posix_spawn
// and SIGKILL, or CreateProcess and TerminateProcess; neither lets anything of the process run
// after the kill.
#pragma once

#include <QString>
#include <memory>
#include <string>

namespace nobrix::testing {

class DriverProcess {
 public:
  explicit DriverProcess(const QString& historyFile);
  ~DriverProcess();  // kills it if it still runs
  DriverProcess(const DriverProcess&) = delete;
  DriverProcess& operator=(const DriverProcess&) = delete;

  // Blocks until the driver has printed a line; true when it was `line`. False when the driver
  // ended or printed something else first.
  bool awaitLine(const std::string& line);
  // True when the process ended by this kill.
  bool killHard();

 private:
  struct Process;
  std::unique_ptr<Process> process_;
};

}  // namespace nobrix::testing
