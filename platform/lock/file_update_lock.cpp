// What the lock is alike on every system: its life, and the holder's three lines.
#include <cstdlib>
#include <sstream>

#include "platform/lock/file_update_lock.h"

namespace nobrix::platform {

FileUpdateLock::FileUpdateLock(std::string path, LockHolder self)
    : path_(std::move(path)), self_(std::move(self)) {}

FileUpdateLock::~FileUpdateLock() {
  release();
}

std::string holderText(const LockHolder& holder) {
  return holder.program + "\n" + holder.user + "\n" + std::to_string(holder.processId) + "\n";
}

LockHolder holderOfText(const std::string& text) {
  LockHolder holder;
  std::istringstream lines(text);
  std::string processId;
  std::getline(lines, holder.program);
  std::getline(lines, holder.user);
  std::getline(lines, processId);
  holder.processId = std::strtoll(processId.c_str(), nullptr, 10);
  return holder;
}

std::string simulatedUpdateLockPath() {
  const char* path = std::getenv("NOBRIX_LOCK");
  return path != nullptr ? path : "";
}

}  // namespace nobrix::platform
