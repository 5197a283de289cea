// Three statements: the runs that pass the filter, then their events and their printers, joined
// here. Columns and tables that an older layout lacks read as empty.
#include "history/history_reader.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <map>

#include "history/history_database.h"

namespace nobrix::history {

namespace {

using RunsById = std::map<std::int64_t, RunRecord*>;

std::string utf8(const QVariant& value) {
  return value.toString().toStdString();
}

QString isoText(std::chrono::sys_time<std::chrono::milliseconds> time) {
  return QDateTime::fromMSecsSinceEpoch(time.time_since_epoch().count(), Qt::UTC)
      .toString(Qt::ISODateWithMs);
}

RunState stateOf(const QVariant& endedAt, int outcome) {
  if (endedAt.isNull()) {
    return RunState::kInterrupted;
  }
  switch (outcome) {
    case 2:
      return RunState::kFailed;
    case 3:
      return RunState::kStopped;
    default:
      return RunState::kFinished;
  }
}

QString runsStatement(const HistoryQuery& query, int version, QVariantList& values) {
  QStringList where;
  if (query.serialNumber) {
    where << QStringLiteral("id IN (SELECT run_id FROM run_printers WHERE serial_number = ?)");
    values << QString::fromStdString(*query.serialNumber);
  }
  if (query.from) {
    where << QStringLiteral("started_at >= ?");
    values << isoText(*query.from);
  }
  if (query.until) {
    where << QStringLiteral("started_at < ?");
    values << isoText(*query.until);
  }
  return QStringLiteral(
             "SELECT id, started_at, ended_at, outcome, program, program_version, image_name,"
             " image_bytes, image_sha256, host, user_name, ticked, sent, updated, %1, %2"
             " FROM runs %3 ORDER BY started_at DESC, id DESC")
      .arg(version >= 2 ? QStringLiteral("error_text") : QStringLiteral("''"),
           version >= 3 ? QStringLiteral("record_gap_from, record_gap_reason")
                        : QStringLiteral("'', ''"),
           where.isEmpty() ? QString() : QStringLiteral("WHERE ") + where.join(u" AND "));
}

RunRecord runOf(const QSqlQuery& row) {
  RunRecord run;
  run.id = row.value(0).toLongLong();
  run.startedAt = utf8(row.value(1));
  run.endedAt = utf8(row.value(2));
  run.state = stateOf(row.value(2), row.value(3).toInt());
  run.program = utf8(row.value(4));
  run.programVersion = utf8(row.value(5));
  run.imageName = utf8(row.value(6));
  run.imageBytes = row.value(7).toULongLong();
  run.imageSha256 = utf8(row.value(8));
  run.host = utf8(row.value(9));
  run.user = utf8(row.value(10));
  run.ticked = row.value(11).toInt();
  run.sent = row.value(12).toInt();
  run.updated = row.value(13).toInt();
  run.errorText = utf8(row.value(14));
  run.recordGapFrom = utf8(row.value(15));
  run.recordGapReason = utf8(row.value(16));
  return run;
}

PrinterRecord printerOf(const QSqlQuery& row) {
  PrinterRecord printer;
  printer.row = row.value(1).toInt();
  printer.serialNumber = utf8(row.value(2));
  printer.description = utf8(row.value(3));
  printer.devicePath = utf8(row.value(4));
  printer.statusCode = row.value(5).toInt();
  printer.statusKey = utf8(row.value(6));
  printer.statusText = utf8(row.value(7));
  printer.bytesAccepted = row.value(8).toULongLong();
  for (int step = 0; step < 3; ++step) {
    printer.steps[static_cast<std::size_t>(step)] = {utf8(row.value(9 + 2 * step)),
                                                     utf8(row.value(10 + 2 * step))};
  }
  return printer;
}

bool readPrinters(HistoryDatabase& database, const HistoryQuery& query, const RunsById& runs) {
  QVariantList values;
  QString sql =
      QStringLiteral(
          "SELECT run_id, row, serial_number, description, device_path, status_code,"
          " %1, status_text, bytes_accepted, step1_started_at, step1_ended_at,"
          " step2_started_at, step2_ended_at, step3_started_at, step3_ended_at FROM run_printers")
          .arg(database.layoutVersion() >= 2 ? QStringLiteral("status_key") : QStringLiteral("''"));
  if (query.serialNumber) {
    sql += QStringLiteral(" WHERE serial_number = ?");
    values << QString::fromStdString(*query.serialNumber);
  }
  if (!database.exec(sql + QStringLiteral(" ORDER BY run_id, row"), values)) {
    return false;
  }
  while (database.query().next()) {
    const auto run = runs.find(database.query().value(0).toLongLong());
    if (run != runs.end()) {
      run->second->printers.push_back(printerOf(database.query()));
    }
  }
  return true;
}

bool readEvents(HistoryDatabase& database, const RunsById& runs) {
  if (database.layoutVersion() < 3) {
    return true;
  }
  if (!database.exec(QStringLiteral("SELECT run_id, at, event FROM run_events"
                                    " ORDER BY run_id, seq"))) {
    return false;
  }
  while (database.query().next()) {
    const auto run = runs.find(database.query().value(0).toLongLong());
    if (run != runs.end()) {
      run->second->events.push_back(
          {utf8(database.query().value(1)), utf8(database.query().value(2))});
    }
  }
  return true;
}

bool readRuns(HistoryDatabase& database, const HistoryQuery& query, std::vector<RunRecord>& runs) {
  QVariantList values;
  if (!database.exec(runsStatement(query, database.layoutVersion(), values), values)) {
    return false;
  }
  while (database.query().next()) {
    runs.push_back(runOf(database.query()));
  }
  RunsById byId;
  for (RunRecord& run : runs) {
    byId[run.id] = &run;
  }
  return readEvents(database, byId) && readPrinters(database, query, byId);
}

}  // namespace

std::string_view runStateName(RunState state) {
  switch (state) {
    case RunState::kFinished:
      return "finished";
    case RunState::kFailed:
      return "failed";
    case RunState::kStopped:
      return "stopped";
    case RunState::kInterrupted:
      break;
  }
  return "interrupted";
}

HistoryListing readHistory(const QString& path, const HistoryQuery& query) {
  HistoryListing listing;
  listing.fileExists = QFileInfo::exists(path);
  if (!listing.fileExists) {
    listing.ok = true;
    return listing;
  }
  HistoryDatabase database;
  // Layout 0: an empty file, a history whose first run never got as far as a write.
  listing.ok = database.open(path, HistoryDatabase::Mode::kRead) &&
               (database.layoutVersion() == 0 || readRuns(database, query, listing.runs));
  if (!listing.ok) {
    listing.runs.clear();
    listing.trouble = database.trouble();
    listing.problem = database.problem().toStdString();
  }
  return listing;
}

}  // namespace nobrix::history
