// The conditions of the history's fault tests that each system makes its own way, for as long as
// the object lives. CMake picks the system's file. Where this system, or the account the tests
// run under, cannot make one (a full disk on Windows; Wine run as root writes anywhere), holds()
// says so and the test is skipped with that reason.
#pragma once

#include <QString>
#include <memory>

namespace nobrix::testing {

// The user may read `path` (a file, or a folder) but neither write it nor create files in it.
class WritesDenied {
 public:
  enum class Kind { kFile, kFolder };
  WritesDenied(const QString& path, Kind kind);
  ~WritesDenied();
  WritesDenied(const WritesDenied&) = delete;
  WritesDenied& operator=(const WritesDenied&) = delete;

  bool holds() const;

 private:
  struct Undo;
  std::unique_ptr<Undo> undo_;
};

// No file may grow by a byte, as on a full disk.
class DiskFull {
 public:
  DiskFull();
  ~DiskFull();
  DiskFull(const DiskFull&) = delete;
  DiskFull& operator=(const DiskFull&) = delete;

  bool holds() const;

 private:
  struct Undo;
  std::unique_ptr<Undo> undo_;
};

}  // namespace nobrix::testing
