// One update run at a time on a machine: two programs (two command-line runs, the window and a
// command-line run, two users) must never switch or send to the same printers at once. The lock
// is the operating system's, so it goes with the process that held it, however that ended.
#pragma once

#include <cstdint>
#include <string>

namespace nobrix::platform {

// Who holds the lock, as that process wrote it down; empty fields when it could not be read.
struct LockHolder {
  std::string program;
  std::string user;
  std::int64_t processId = 0;
};

class UpdateLock {
 public:
  virtual ~UpdateLock() = default;
  // Takes the lock for this process until release(). False when another process holds it; then
  // `holder` says who. A lock that cannot be used at all (no such folder, no rights) is not a
  // refusal: it returns true with `problem` set, and the run goes on unguarded.
  virtual bool acquire(LockHolder& holder, std::string& problem) = 0;
  virtual void release() = 0;
};

}  // namespace nobrix::platform
