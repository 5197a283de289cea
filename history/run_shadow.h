// What the journal knows of the run under way, kept in memory beside the file. When the file
// cannot be written for part of a run, the run's end writes from here what the file missed, so
// that the record ends true instead of stopping where the trouble began.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace nobrix::history {

struct PrinterShadow {
  std::int32_t statusCode = 0;
  QString statusKey = QStringLiteral("");
  QString statusText = QStringLiteral("");
  qint64 bytesAccepted = 0;
  std::array<QString, 6> stepTimes;  // step 1 started, step 1 ended, step 2 started, ...
};

struct EventShadow {
  QString at;
  QString name;
  bool written = false;
};

struct RunShadow {
  std::vector<PrinterShadow> printers;
  std::vector<EventShadow> events;
};

// How the run ended, and the part of it the file missed (an empty gap: none).
struct RunEnd {
  QString at;
  std::int32_t outcome = 0;
  std::int32_t sent = 0;
  std::int32_t updated = 0;
  QString errorText;
  QString gapFrom;
  QString gapReason;
};

class HistoryDatabase;

// One transaction: the run's end, every printer as it ended, the events not written yet. False,
// with nothing of it kept, when it could not be written.
bool writeWholeRun(HistoryDatabase& database, qint64 runId, RunShadow& shadow, const RunEnd& end);

}  // namespace nobrix::history
