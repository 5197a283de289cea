// A file system as SQLite sees it, with the faults a test switches on: a full disk (no file may
// grow, while what a file already holds can still be overwritten, as on ext4 or tmpfs), a failing
// disk (no write succeeds), and no shared memory (the log's index cannot be mapped, as on 9p).
// While it lives it is the default file system of every connection the process opens, the
// history's own through Qt SQL included (Debian's SQLite driver links the same libsqlite3).
#pragma once

namespace nobrix::testing {

class DiskFaults {
 public:
  enum class Fault { kNone, kFull, kFailing };

  DiskFaults();
  ~DiskFaults();
  DiskFaults(const DiskFaults&) = delete;
  DiskFaults& operator=(const DiskFaults&) = delete;

  void set(Fault fault);
  void setSharedMemory(bool available);
  // Writes refused so far, to show that the fault was met (and that SQLite writes through it).
  int refusedWrites() const;
};

}  // namespace nobrix::testing
