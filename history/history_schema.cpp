// A new file goes through every step from version 0, so a new file and a migrated one are the
// same. Steps never change once released; a new layout is a new step.
#include "history/history_schema.h"

#include <QString>

#include "history/history_database.h"

namespace nobrix::history {

namespace {

// Times are UTC in ISO 8601 with milliseconds ("2026-12-09T17:57:33.123Z"): they sort as text.
// A run without `ended_at` never had its end written: it was interrupted.
const char* const kVersion1[] = {
    "CREATE TABLE runs ("
    " id INTEGER PRIMARY KEY,"
    " started_at TEXT NOT NULL,"
    " ended_at TEXT,"
    " outcome INTEGER,"
    " program TEXT NOT NULL,"
    " program_version TEXT NOT NULL,"
    " image_name TEXT NOT NULL,"
    " image_bytes INTEGER NOT NULL,"
    " image_sha256 TEXT NOT NULL,"
    " host TEXT NOT NULL,"
    " user_name TEXT NOT NULL,"
    " ticked INTEGER NOT NULL,"
    " sent INTEGER,"
    " updated INTEGER)",
    "CREATE TABLE run_printers ("
    " run_id INTEGER NOT NULL REFERENCES runs(id),"
    " row INTEGER NOT NULL,"
    " serial_number TEXT NOT NULL,"
    " description TEXT NOT NULL,"
    " device_path TEXT NOT NULL,"
    " status_code INTEGER NOT NULL,"
    " status_text TEXT NOT NULL,"
    " bytes_accepted INTEGER NOT NULL DEFAULT 0,"
    " step1_started_at TEXT, step1_ended_at TEXT,"
    " step2_started_at TEXT, step2_ended_at TEXT,"
    " step3_started_at TEXT, step3_ended_at TEXT,"
    " PRIMARY KEY (run_id, row))",
    nullptr,
};

const char* const kVersion2[] = {
    "ALTER TABLE runs ADD COLUMN error_text TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE run_printers ADD COLUMN status_key TEXT NOT NULL DEFAULT ''",
    "CREATE INDEX run_printers_by_serial ON run_printers(serial_number)",
    "CREATE INDEX runs_by_start ON runs(started_at)",
    nullptr,
};

// The run's events; when the file could not be written for part of a run (from when, and why),
// the run's end filled in the rest from memory; an application id, so that a file tells whose it
// is; and a table that is always empty, whose freed pages stay in the file as spare room for a
// run's record on a full disk.
const char* const kVersion3[] = {
    "ALTER TABLE runs ADD COLUMN record_gap_from TEXT",
    "ALTER TABLE runs ADD COLUMN record_gap_reason TEXT NOT NULL DEFAULT ''",
    "CREATE TABLE run_events ("
    " run_id INTEGER NOT NULL REFERENCES runs(id),"
    " seq INTEGER NOT NULL,"
    " at TEXT NOT NULL,"
    " event TEXT NOT NULL,"
    " PRIMARY KEY (run_id, seq)) WITHOUT ROWID",
    "CREATE TABLE spare_room (filler BLOB)",
    "PRAGMA application_id = 1312970325",
    nullptr,
};

const char* const* const kSteps[] = {kVersion1, kVersion2, kVersion3};
static_assert(std::size(kSteps) == kLayoutVersion);

int readVersion(HistoryDatabase& database) {
  if (!database.exec(QStringLiteral("PRAGMA user_version")) || !database.query().next()) {
    return -1;
  }
  return database.query().value(0).toInt();
}

bool applySteps(HistoryDatabase& database, int from) {
  for (int version = from + 1; version <= kLayoutVersion; ++version) {
    for (const char* const* statement = kSteps[version - 1]; *statement != nullptr; ++statement) {
      if (!database.exec(QString::fromLatin1(*statement))) {
        return false;
      }
    }
  }
  return database.exec(QStringLiteral("PRAGMA user_version = %1").arg(kLayoutVersion));
}

}  // namespace

std::string_view runEventName(ports::RunEvent event) {
  switch (event) {
    case ports::RunEvent::kHangUp:
      return "hang-up";
    case ports::RunEvent::kOutputClosed:
      return "output-closed";
    case ports::RunEvent::kStopRequested:
      return "stop-requested";
  }
  return "other";
}

const char* const* layoutStatements(int version) {
  return version >= 1 && version <= kLayoutVersion ? kSteps[version - 1] : nullptr;
}

bool migrateToCurrentLayout(HistoryDatabase& database) {
  // Read without a lock first: the usual case, a current file, then takes no write lock at all.
  int version = readVersion(database);
  if (version == kLayoutVersion) {
    return true;
  }
  // Writing takes the lock at once, so two programs starting together do not both migrate.
  if (version < 0 || !database.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    return false;
  }
  version = readVersion(database);
  if (version > kLayoutVersion) {
    database.setProblem(QStringLiteral("it was written by a newer program (layout %1; this"
                                       " program knows up to %2); it is left as it is")
                            .arg(version)
                            .arg(kLayoutVersion),
                        Trouble::kNewerLayout);
  } else if (version >= 0 && (version == kLayoutVersion || applySteps(database, version)) &&
             database.exec(QStringLiteral("COMMIT"))) {
    return true;
  }
  const HistoryDatabase::Failure failure = database.failure();
  database.exec(QStringLiteral("ROLLBACK"));
  database.restore(failure);
  return false;
}

}  // namespace nobrix::history
