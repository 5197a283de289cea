// What can keep the service history from being read or written, as the user is told it: each
// trouble has a short code for machines and a plain reason for people.
#pragma once

#include <QString>
#include <string_view>

namespace nobrix::history {

// SQLite's primary result codes (the low byte of an extended code) that say more than "failed".
inline constexpr int kSqlitePermission = 3;
inline constexpr int kSqliteBusy = 5;
inline constexpr int kSqliteLocked = 6;
inline constexpr int kSqliteReadOnly = 8;
inline constexpr int kSqliteIoError = 10;
inline constexpr int kSqliteCorrupt = 11;
inline constexpr int kSqliteFull = 13;
inline constexpr int kSqliteCantOpen = 14;
inline constexpr int kSqliteNotADatabase = 26;

enum class Trouble {
  kNone,
  kLocked,       // another program holds the file for longer than the history waits
  kReadOnly,     // the file or its folder may not be written
  kFull,         // the disk, or the user's share of it, is full
  kDamaged,      // SQLite calls the file damaged
  kNewerLayout,  // written by a newer program: left as it is
  kForeignFile,  // an SQLite file of another program: left as it is
  kOther,        // an I/O error, a folder that cannot be made, ...
};

// SQLite's primary result code as a trouble.
Trouble troubleOfSqliteCode(int code);

// "locked", "read-only", "full", "damaged", "newer-layout", "foreign-file", "unreadable".
std::string_view troubleCode(Trouble trouble);

// "the disk is full (database or disk is full)": the trouble in words, with SQLite's own.
QString troubleReason(Trouble trouble, const QString& detail);

}  // namespace nobrix::history
