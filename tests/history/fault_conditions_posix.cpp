// Permission bits, and for root a file-system user and group of nobody for this thread, so that the
// bits count as they would for a technician; the file-size limit stands in for a full disk.
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "tests/history/fault_conditions.h"

namespace nobrix::testing {

namespace {

constexpr uid_t kNobody = 65534;

}  // namespace

struct WritesDenied::Undo {
  QString file;
  QString folder;
};

// A file: its folder may be entered but nothing created in it by others, the file only read.
// A folder: it may be read and entered, nothing created in it.
WritesDenied::WritesDenied(const QString& path, Kind kind) : undo_(std::make_unique<Undo>()) {
  const auto read = QFile::ReadOwner | QFile::ReadOther;
  const auto enter = QFile::ExeOwner | QFile::ExeOther;
  if (kind == Kind::kFile) {
    undo_->file = path;
    undo_->folder = QFileInfo(path).absolutePath();
    QFile::setPermissions(undo_->folder, read | enter | QFile::WriteOwner | QFile::WriteOther);
    QFile::setPermissions(path, read);
  } else {
    undo_->folder = path;
    QFile::setPermissions(path, read | enter);
  }
  if (geteuid() == 0) {
    setfsgid(kNobody);
    setfsuid(kNobody);
  }
}

WritesDenied::~WritesDenied() {
  if (geteuid() == 0) {
    setfsuid(0);
    setfsgid(0);
  }
  if (!undo_->file.isEmpty()) {
    QFile::setPermissions(undo_->file, QFile::ReadOwner | QFile::WriteOwner);
  }
  QFile::setPermissions(undo_->folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool WritesDenied::holds() const {
  return true;
}

struct DiskFull::Undo {
  rlimit saved{};
};

DiskFull::DiskFull() : undo_(std::make_unique<Undo>()) {
  std::signal(SIGXFSZ, SIG_IGN);
  getrlimit(RLIMIT_FSIZE, &undo_->saved);
  rlimit tight = undo_->saved;
  tight.rlim_cur = 1;
  setrlimit(RLIMIT_FSIZE, &tight);
}

DiskFull::~DiskFull() {
  setrlimit(RLIMIT_FSIZE, &undo_->saved);
}

bool DiskFull::holds() const {
  return true;
}

}  // namespace nobrix::testing
