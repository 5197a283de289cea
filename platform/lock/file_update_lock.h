// The update lock as a file the operating system locks for us: flock() on Linux, LockFileEx() on
// Windows. Either lock belongs to the open file, so it is gone the moment the holding process
// ends, by its own hand or killed. The holder writes who it is into the file, for the refused.
#pragma once

#include <cstdint>
#include <string>

#include "platform/lock/update_lock.h"

namespace nobrix::platform {

class FileUpdateLock final : public UpdateLock {
 public:
  FileUpdateLock(std::string path, LockHolder self);
  ~FileUpdateLock() override;
  FileUpdateLock(const FileUpdateLock&) = delete;
  FileUpdateLock& operator=(const FileUpdateLock&) = delete;

  bool acquire(LockHolder& holder, std::string& problem) override;
  void release() override;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  LockHolder self_;
  std::intptr_t handle_ = -1;  // a descriptor on Linux, a HANDLE on Windows
};

// This process, as a holder names it: the program, the user it runs as, its process id.
LockHolder thisProcess(std::string program);

// Where the programs for real printers keep the lock, shared by every user of the machine
// (`NOBRIX_LOCK` replaces it): /run/lock/nobrixvuz.lock on Linux,
// %ProgramData%\NobrixVUZ\update.lock on Windows.
std::string defaultUpdateLockPath();

// The lock the simulated programs take: only the one `NOBRIX_LOCK` names, since a simulated bus
// belongs to its own process and no two runs can share its printers. Empty: none.
std::string simulatedUpdateLockPath();

// "program" NL "user" NL "process id" NL, and back; unreadable fields stay empty (0).
std::string holderText(const LockHolder& holder);
LockHolder holderOfText(const std::string& text);

}  // namespace nobrix::platform
