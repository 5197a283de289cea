// Stop requests delivered to this process the way the system delivers a user's: on Linux SIGINT
// and SIGTERM (kill), on Windows the console's Ctrl+C and Ctrl+Break (GenerateConsoleCtrlEvent).
// Each call returns once the request has reached the process's handlers, so a test knows when it
// arrived. CMake picks the system's file.
#pragma once

namespace nobrix::testing {

class StopRequests {
 public:
  // On Windows the test gets a console of its own: the requests reach no other process.
  StopRequests();
  ~StopRequests();
  StopRequests(const StopRequests&) = delete;
  StopRequests& operator=(const StopRequests&) = delete;

  void interrupt();  // SIGINT; Ctrl+C
  // SIGTERM; Ctrl+Break, or Ctrl+C where the system cannot raise a Ctrl+Break (Wine cannot).
  void terminate();
};

}  // namespace nobrix::testing
