// What an SQLite result code means for the history.
#include "history/history_problem.h"

namespace nobrix::history {

Trouble troubleOfSqliteCode(int code) {
  switch (code & 0xff) {
    case 0:
      return Trouble::kNone;
    case kSqliteBusy:
    case kSqliteLocked:
      return Trouble::kLocked;
    case kSqlitePermission:
    case kSqliteReadOnly:
      return Trouble::kReadOnly;
    case kSqliteFull:
      return Trouble::kFull;
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
      return Trouble::kDamaged;
    default:
      return Trouble::kOther;
  }
}

std::string_view troubleCode(Trouble trouble) {
  switch (trouble) {
    case Trouble::kLocked:
      return "locked";
    case Trouble::kReadOnly:
      return "read-only";
    case Trouble::kFull:
      return "full";
    case Trouble::kDamaged:
      return "damaged";
    case Trouble::kNewerLayout:
      return "newer-layout";
    case Trouble::kForeignFile:
      return "foreign-file";
    case Trouble::kNone:
    case Trouble::kOther:
      break;
  }
  return "unreadable";
}

QString troubleReason(Trouble trouble, const QString& detail) {
  QString reason;
  switch (trouble) {
    case Trouble::kLocked:
      reason = QStringLiteral("it is locked by another program");
      break;
    case Trouble::kReadOnly:
      reason = QStringLiteral("the file or its folder is read-only");
      break;
    case Trouble::kFull:
      reason = QStringLiteral("the disk is full");
      break;
    case Trouble::kDamaged:
      reason = QStringLiteral("the file is damaged");
      break;
    default:
      return detail;
  }
  return detail.isEmpty() ? reason : reason + QStringLiteral(" (") + detail + u')';
}

}  // namespace nobrix::history
