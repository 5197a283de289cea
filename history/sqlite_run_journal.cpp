// Every event is one statement on the window thread: with the write-ahead log and
// synchronous=NORMAL a commit is an append to the log without a flush (well under a
// millisecond); only the run's start and end ask for a flush, so that a power cut keeps them.
#include "history/sqlite_run_journal.h"

#include <QVariant>

#include "history/history_schema.h"

namespace nobrix::history {

namespace {

// Never null: the driver binds a null string as SQL NULL, which the layout refuses.
QString fromUtf16(std::u16string_view text) {
  return text.empty() ? QStringLiteral("")
                      : QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString nonNull(const QString& text) {
  return text.isNull() ? QStringLiteral("") : text;
}

std::shared_future<RunContext> ready(RunContext context) {
  std::promise<RunContext> promise;
  promise.set_value(std::move(context));
  return promise.get_future().share();
}

}  // namespace

SqliteRunJournal::SqliteRunJournal(QString path, std::shared_future<RunContext> context,
                                   std::function<void()> notRecorded, Clock clock)
    : path_(std::move(path)),
      context_(std::move(context)),
      notRecorded_(std::move(notRecorded)),
      clock_(std::move(clock)) {}

SqliteRunJournal::SqliteRunJournal(QString path, RunContext context,
                                   std::function<void()> notRecorded, Clock clock)
    : SqliteRunJournal(std::move(path), ready(std::move(context)), std::move(notRecorded),
                       std::move(clock)) {}

SqliteRunJournal::~SqliteRunJournal() = default;

QString SqliteRunJournal::now() const {
  const QDateTime time = clock_ ? clock_() : QDateTime::currentDateTimeUtc();
  return time.toUTC().toString(Qt::ISODateWithMs);
}

void SqliteRunJournal::notify(const QString& line) const {
  if (notices_) {
    notices_(line);
  }
}

void SqliteRunJournal::runStarted(const std::vector<ports::JournalPrinter>& printers) {
  shadow_ = RunShadow{};
  shadow_.printers.resize(printers.size());
  running_ = true;
  live_ = false;
  runId_ = -1;
  gapFrom_.clear();
  kept_ = Kept::kNothing;
  problem_.clear();
  const bool opened = database_.open(path_, HistoryDatabase::Mode::kWrite);
  setAside_ = database_.setAside();
  if (!setAside_.isEmpty()) {
    notify(path_ + QStringLiteral(" is damaged: it was moved to ") + setAside_ +
           QStringLiteral(", and a new history was started"));
  }
  if (opened && insertRun(printers)) {
    live_ = true;
    return;
  }
  notStarted();
}

bool SqliteRunJournal::insertRun(const std::vector<ports::JournalPrinter>& printers) {
  if (!database_.exec(QStringLiteral("PRAGMA synchronous=FULL")) ||
      !database_.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
    return false;
  }
  const RunContext& context = context_.get();
  const bool inserted = database_.exec(
      QStringLiteral("INSERT INTO runs (started_at, program, program_version, image_name,"
                     " image_bytes, image_sha256, host, user_name, ticked)"
                     " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
      {now(), nonNull(context.program), nonNull(context.programVersion), nonNull(context.imageName),
       QVariant::fromValue(static_cast<qint64>(context.imageBytes)), nonNull(context.imageSha256),
       nonNull(context.host), nonNull(context.user), static_cast<int>(printers.size())});
  const qint64 runId = inserted ? database_.query().lastInsertId().toLongLong() : -1;
  bool written = inserted;
  for (std::size_t row = 0; written && row < printers.size(); ++row) {
    written = database_.exec(
        QStringLiteral("INSERT INTO run_printers (run_id, row, serial_number, description,"
                       " device_path, status_code, status_text)"
                       " VALUES (?, ?, ?, ?, ?, 0, '')"),
        {runId, static_cast<int>(row), fromUtf16(printers[row].serialNumber),
         fromUtf16(printers[row].description), fromUtf16(printers[row].devicePath)});
  }
  if (!written || !database_.exec(QStringLiteral("COMMIT"))) {
    return false;
  }
  runId_ = runId;
  database_.keepSpareRoom();
  return database_.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

// Nothing of the run is in the file: there is nothing to complete at its end either.
void SqliteRunJournal::notStarted() {
  problem_ = database_.problem();
  runId_ = -1;
  database_.close();
  notify(QStringLiteral("this run is not recorded: ") + problem_);
  if (notRecorded_) {
    notRecorded_();
  }
}

PrinterShadow* SqliteRunJournal::shadowOf(int row) {
  const bool known =
      running_ && row >= 0 && static_cast<std::size_t>(row) < shadow_.printers.size();
  return known ? &shadow_.printers[static_cast<std::size_t>(row)] : nullptr;
}

void SqliteRunJournal::stepStarted(int row, int step) {
  stampStep(row, step, 0);
}

void SqliteRunJournal::stepEnded(int row, int step) {
  stampStep(row, step, 1);
}

void SqliteRunJournal::stampStep(int row, int step, int edge) {
  PrinterShadow* printer = shadowOf(row);
  if (printer == nullptr || step < 1 || step > 3) {
    return;
  }
  const QString time = now();
  printer->stepTimes[static_cast<std::size_t>(2 * (step - 1) + edge)] = time;
  updatePrinter(QStringLiteral("step%1_%2_at = ?")
                    .arg(step)
                    .arg(edge == 0 ? QLatin1String("started") : QLatin1String("ended")),
                row, {time});
}

void SqliteRunJournal::statusChanged(int row, std::int32_t status, std::string_view textKey,
                                     std::u16string_view rowText) {
  PrinterShadow* printer = shadowOf(row);
  if (printer == nullptr) {
    return;
  }
  printer->statusCode = status;
  printer->statusKey =
      nonNull(QString::fromLatin1(textKey.data(), static_cast<qsizetype>(textKey.size())));
  printer->statusText = fromUtf16(rowText);
  updatePrinter(QStringLiteral("status_code = ?, status_key = ?, status_text = ?"), row,
                {status, printer->statusKey, printer->statusText});
}

void SqliteRunJournal::bytesAccepted(int row, std::uint64_t bytes) {
  PrinterShadow* printer = shadowOf(row);
  if (printer == nullptr) {
    return;
  }
  printer->bytesAccepted = static_cast<qint64>(bytes);
  updatePrinter(QStringLiteral("bytes_accepted = ?"), row,
                {QVariant::fromValue(printer->bytesAccepted)});
}

void SqliteRunJournal::updatePrinter(const QString& assignments, int row, QVariantList values) {
  if (!live_) {
    return;
  }
  values << runId_ << row;
  write(QStringLiteral("UPDATE run_printers SET ") + assignments +
            QStringLiteral(" WHERE run_id = ? AND row = ?"),
        values);
}

void SqliteRunJournal::runEvent(ports::RunEvent event) {
  if (!running_) {
    return;
  }
  shadow_.events.push_back({now(), QString::fromLatin1(runEventName(event)), false});
  EventShadow& added = shadow_.events.back();
  if (live_) {
    added.written =
        write(QStringLiteral("INSERT INTO run_events (run_id, seq, at, event)"
                             " VALUES (?, ?, ?, ?)"),
              {runId_, static_cast<int>(shadow_.events.size() - 1), added.at, added.name});
  }
}

// A full disk still leaves the room the log takes; anything else stops the writing at once, so
// that a locked or failing disk costs one wait, not one per event.
bool SqliteRunJournal::write(const QString& sql, const QVariantList& values) {
  if (database_.exec(sql, values)) {
    return true;
  }
  const HistoryDatabase::Failure failure = database_.failure();
  if (failure.trouble == Trouble::kFull && database_.reuseLogRoom() &&
      database_.exec(sql, values)) {
    return true;
  }
  database_.restore(failure);
  stopWriting();
  return false;
}

void SqliteRunJournal::stopWriting() {
  live_ = false;
  gapFrom_ = now();
  gapCause_ = database_.failure();
  problem_ = gapCause_.problem;
  notify(QStringLiteral("this run is not recorded from ") + gapFrom_ + QStringLiteral(" on: ") +
         problem_ + QStringLiteral("; its end will try once more"));
  if (notRecorded_) {
    notRecorded_();
  }
}

void SqliteRunJournal::runEnded(const ports::RunResult& result) {
  if (!running_) {
    return;
  }
  running_ = false;
  if (runId_ >= 0 && live_ && writeEnd(result)) {
    kept_ = Kept::kWhole;
  } else if (runId_ >= 0) {
    if (live_) {
      stopWriting();
    }
    kept_ = writeEnd(result) ? Kept::kCompletedAtEnd : Kept::kUntilTrouble;
    notify(kept_ == Kept::kCompletedAtEnd
               ? QStringLiteral("the run was recorded at its end after all, marked as not fully"
                                " recorded from ") +
                     gapFrom_
               : QStringLiteral("the run's record stops at ") + gapFrom_ +
                     QStringLiteral(" and reads as interrupted: ") + database_.problem());
  }
  live_ = false;
  runId_ = -1;
  database_.close();
}

bool SqliteRunJournal::writeEnd(const ports::RunResult& result) {
  const RunEnd end{now(),
                   static_cast<std::int32_t>(result.outcome),
                   result.sent,
                   result.updated,
                   fromUtf16(result.errorText),
                   gapFrom_,
                   gapFrom_.isEmpty() ? QStringLiteral("") : gapCause_.reason};
  if (writeWholeRun(database_, runId_, shadow_, end)) {
    return true;
  }
  const HistoryDatabase::Failure failure = database_.failure();
  if (failure.trouble == Trouble::kFull && database_.reuseLogRoom() &&
      writeWholeRun(database_, runId_, shadow_, end)) {
    return true;
  }
  database_.restore(failure);
  return false;
}

}  // namespace nobrix::history
