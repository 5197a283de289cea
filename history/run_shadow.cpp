// The run's end after a gap: flushed like every end, so that a power cut keeps it.
#include "history/run_shadow.h"

#include <QVariant>

#include "history/history_database.h"

namespace nobrix::history {

namespace {

QVariant timeOrNull(const QString& time) {
  return time.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(time);
}

bool writePrinters(HistoryDatabase& database, qint64 runId, const RunShadow& shadow) {
  for (std::size_t row = 0; row < shadow.printers.size(); ++row) {
    const PrinterShadow& printer = shadow.printers[row];
    QVariantList values{printer.statusCode, printer.statusKey, printer.statusText,
                        printer.bytesAccepted};
    for (const QString& time : printer.stepTimes) {
      values << timeOrNull(time);
    }
    values << runId << static_cast<int>(row);
    if (!database.exec(
            QStringLiteral(
                "UPDATE run_printers SET status_code = ?, status_key = ?,"
                " status_text = ?, bytes_accepted = ?, step1_started_at = ?,"
                " step1_ended_at = ?, step2_started_at = ?, step2_ended_at = ?,"
                " step3_started_at = ?, step3_ended_at = ? WHERE run_id = ? AND row = ?"),
            values)) {
      return false;
    }
  }
  return true;
}

bool writeEvents(HistoryDatabase& database, qint64 runId, const RunShadow& shadow) {
  for (std::size_t seq = 0; seq < shadow.events.size(); ++seq) {
    const EventShadow& event = shadow.events[seq];
    if (!event.written &&
        !database.exec(QStringLiteral("INSERT INTO run_events (run_id, seq, at, event)"
                                      " VALUES (?, ?, ?, ?)"),
                       {runId, static_cast<int>(seq), event.at, event.name})) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool writeWholeRun(HistoryDatabase& database, qint64 runId, RunShadow& shadow, const RunEnd& end) {
  if (!database.exec(QStringLiteral("PRAGMA synchronous=FULL")) ||
      !database.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    return false;
  }
  const bool written =
      database.exec(QStringLiteral("UPDATE runs SET ended_at = ?, outcome = ?, sent = ?,"
                                   " updated = ?, error_text = ?, record_gap_from = ?,"
                                   " record_gap_reason = ? WHERE id = ?"),
                    {end.at, end.outcome, end.sent, end.updated, end.errorText,
                     timeOrNull(end.gapFrom), end.gapReason, runId}) &&
      writePrinters(database, runId, shadow) && writeEvents(database, runId, shadow) &&
      database.exec(QStringLiteral("COMMIT"));
  if (!written) {
    const HistoryDatabase::Failure failure = database.failure();
    database.exec(QStringLiteral("ROLLBACK"));
    database.restore(failure);
    return false;
  }
  for (EventShadow& event : shadow.events) {
    event.written = true;
  }
  return true;
}

}  // namespace nobrix::history
