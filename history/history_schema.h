// The layout of the history file and its forward migration. The file's user_version says which
// layout it has; each step brings it one version further, all in one transaction.
#pragma once

#include <cstdint>
#include <string_view>

#include "ports/run_journal.h"

namespace nobrix::history {

class HistoryDatabase;

// 1: runs and their printers with each step's times. 2: the status's text key, the error that
// ended a run, and indexes for looking up by serial number and start time. 3: the run's events,
// the gap in a run's record, the application id and the spare room.
inline constexpr int kLayoutVersion = 3;

// "NBVU" in the file's header from layout 3 on.
inline constexpr std::int64_t kApplicationId = 0x4E425655;

// The name a run event is kept under: "hang-up", "output-closed", "stop-requested".
std::string_view runEventName(ports::RunEvent event);

// False when the file has a newer layout than this program knows (it is left as it is) or a
// step failed (nothing of it stays); the database's problem() says which.
bool migrateToCurrentLayout(HistoryDatabase& database);

// The layout a file of the given version has, for the tests to write an older file.
const char* const* layoutStatements(int version);

}  // namespace nobrix::history
