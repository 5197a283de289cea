// Whether a file is this program's history, read before anything is written to it. An SQLite
// file of another program (its own tables, or the id of another application) and a history of a
// newer layout are never taken over: the history is kept elsewhere or by a newer program.
#pragma once

#include <optional>

namespace nobrix::history {

class HistoryDatabase;

// The layout of the open file when it is this program's history of a layout it knows, 0 for a
// file without tables (new, or left empty by a run that never got as far as a write). None
// otherwise, with the database's problem saying why (foreign, newer, damaged, unreadable).
std::optional<int> readLayout(HistoryDatabase& database);

}  // namespace nobrix::history
