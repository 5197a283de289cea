// The read-only attribute makes a file unwritable for every account. A folder would need an
// access control list and a disk a volume of its own: neither is made here, and those cases are
// skipped. Under Wine, run as root, even the attribute is not enforced; the probe finds that out.
#include <windows.h>

#include <QDir>

#include "tests/history/fault_conditions.h"

namespace nobrix::testing {

namespace {

std::wstring nativePath(const QString& path) {
  return QDir::toNativeSeparators(path).toStdWString();
}

}  // namespace

struct WritesDenied::Undo {
  std::wstring file;
};

WritesDenied::WritesDenied(const QString& path, Kind kind) : undo_(std::make_unique<Undo>()) {
  if (kind == Kind::kFile &&
      SetFileAttributesW(nativePath(path).c_str(), FILE_ATTRIBUTE_READONLY)) {
    undo_->file = nativePath(path);
  }
}

WritesDenied::~WritesDenied() {
  if (!undo_->file.empty()) {
    SetFileAttributesW(undo_->file.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

bool WritesDenied::holds() const {
  if (undo_->file.empty()) {
    return false;
  }
  const HANDLE probe = CreateFileW(undo_->file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe == INVALID_HANDLE_VALUE) {
    return true;
  }
  CloseHandle(probe);
  return false;
}

struct DiskFull::Undo {};

DiskFull::DiskFull() = default;
DiskFull::~DiskFull() = default;

bool DiskFull::holds() const {
  return false;
}

}  // namespace nobrix::testing
