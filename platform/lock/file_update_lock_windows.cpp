// LockFileEx() on a file under %ProgramData%, which every user of the machine can reach. The lock
// covers one byte far past the holder's lines, so the refused can still read who holds it.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/lock/file_update_lock.h"
#include "platform/text_encoding.h"

namespace nobrix::platform {

namespace {

constexpr DWORD kLockedByteOffset = 0x40000000;

std::wstring widened(const std::string& text) {
  const std::u16string wide = fromUtf8(text);
  return std::wstring(wide.begin(), wide.end());
}

HANDLE openLockFile(const std::string& path) {
  const std::wstring name = widened(path);
  HANDLE file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
    file = CreateFileW(name.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  return file;
}

std::string readHolder(HANDLE file) {
  char buffer[1024];
  DWORD got = 0;
  OVERLAPPED at{};
  if (!ReadFile(file, buffer, sizeof buffer, &got, &at)) {
    return {};
  }
  return std::string(buffer, got);
}

std::string systemText(DWORD error) {
  return "system error " + std::to_string(error);
}

}  // namespace

bool FileUpdateLock::acquire(LockHolder& holder, std::string& problem) {
  if (handle_ != -1) {
    return true;
  }
  HANDLE file = openLockFile(path_);
  if (file == INVALID_HANDLE_VALUE) {
    problem = path_ + ": " + systemText(GetLastError());
    return true;
  }
  OVERLAPPED range{};
  range.Offset = kLockedByteOffset;
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range)) {
    const DWORD error = GetLastError();
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) {
      holder = holderOfText(readHolder(file));
      CloseHandle(file);
      return false;
    }
    problem = path_ + ": " + systemText(error);
    CloseHandle(file);
    return true;
  }
  const std::string text = holderText(self_);
  DWORD written = 0;
  OVERLAPPED start{};
  if (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, &start)) {
    problem = path_ + ": locked, but the holder could not be written";
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return true;
}

void FileUpdateLock::release() {
  if (handle_ == -1) {
    return;
  }
  HANDLE file = reinterpret_cast<HANDLE>(handle_);
  handle_ = -1;
  LARGE_INTEGER zero{};
  if (SetFilePointerEx(file, zero, nullptr, FILE_BEGIN)) {
    SetEndOfFile(file);
  }
  CloseHandle(file);  // also ends the lock
}

LockHolder thisProcess(std::string program) {
  LockHolder self{std::move(program), "", static_cast<std::int64_t>(GetCurrentProcessId())};
  wchar_t name[256];
  DWORD size = 256;
  if (GetUserNameW(name, &size) && size > 0) {
    self.user = toUtf8(std::u16string(name, name + size - 1));
  }
  return self;
}

std::string defaultUpdateLockPath() {
  if (const char* path = std::getenv("NOBRIX_LOCK")) {
    return path;
  }
  const char* programData = std::getenv("ProgramData");
  const std::string folder =
      std::string(programData != nullptr ? programData : "C:\\ProgramData") + "\\NobrixVUZ";
  CreateDirectoryW(widened(folder).c_str(), nullptr);
  return folder + "\\update.lock";
}

}  // namespace nobrix::platform
