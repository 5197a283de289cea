// The layout of the history file and its forward migration. The file's user_version says which
// layout it has; each step brings it one version further, all in one transaction.
#pragma once

namespace nobrix::history {

class HistoryDatabase;

// 1: runs and their printers with each step's times. 2: the status's text key, the error that
// ended a run, and indexes for looking up by serial number and start time.
inline constexpr int kLayoutVersion = 2;

// False when the file has a newer layout than this program knows (it is left as it is) or a
// step failed (nothing of it stays); the database's problem() says which.
bool migrateToCurrentLayout(HistoryDatabase& database);

// The layout a file of the given version has, for the tests to write an older file.
const char* const* layoutStatements(int version);

}  // namespace nobrix::history
