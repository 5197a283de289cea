// Every event is one statement on the window thread: with the write-ahead log and
// synchronous=NORMAL a commit is an append to the log without a flush (well under a
// millisecond); only the run's start and end ask for a flush, so that a power cut keeps them.
#include "history/sqlite_run_journal.h"

#include <QVariant>

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

bool isStep(int step) {
  return step >= 1 && step <= 3;
}

}  // namespace

SqliteRunJournal::SqliteRunJournal(QString path, std::shared_future<RunContext> context,
                                   std::function<void()> notRecorded, Clock clock)
    : path_(std::move(path)),
      context_(std::move(context)),
      notRecorded_(std::move(notRecorded)),
      clock_(std::move(clock)) {}

namespace {
std::shared_future<RunContext> ready(RunContext context) {
  std::promise<RunContext> promise;
  promise.set_value(std::move(context));
  return promise.get_future().share();
}
}  // namespace

SqliteRunJournal::SqliteRunJournal(QString path, RunContext context,
                                   std::function<void()> notRecorded, Clock clock)
    : SqliteRunJournal(std::move(path), ready(std::move(context)), std::move(notRecorded),
                       std::move(clock)) {}

SqliteRunJournal::~SqliteRunJournal() = default;

QString SqliteRunJournal::now() const {
  const QDateTime time = clock_ ? clock_() : QDateTime::currentDateTimeUtc();
  return time.toUTC().toString(Qt::ISODateWithMs);
}

void SqliteRunJournal::runStarted(const std::vector<ports::JournalPrinter>& printers) {
  runId_ = -1;
  problem_.clear();
  const bool opened = database_.open(path_, HistoryDatabase::Mode::kWrite);
  setAside_ = database_.setAside();
  if (!opened || !insertRun(printers)) {
    turnOff();
  }
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
  return database_.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
}

void SqliteRunJournal::stepStarted(int row, int step) {
  stampStep(row, step, "started");
}

void SqliteRunJournal::stepEnded(int row, int step) {
  stampStep(row, step, "ended");
}

void SqliteRunJournal::stampStep(int row, int step, const char* edge) {
  if (isStep(step)) {
    updatePrinter(QStringLiteral("step%1_%2_at = ?").arg(step).arg(QLatin1String(edge)), row,
                  {now()});
  }
}

void SqliteRunJournal::statusChanged(int row, std::int32_t status, std::string_view textKey,
                                     std::u16string_view rowText) {
  updatePrinter(
      QStringLiteral("status_code = ?, status_key = ?, status_text = ?"), row,
      {status, nonNull(QString::fromLatin1(textKey.data(), static_cast<qsizetype>(textKey.size()))),
       fromUtf16(rowText)});
}

void SqliteRunJournal::bytesAccepted(int row, std::uint64_t bytes) {
  updatePrinter(QStringLiteral("bytes_accepted = ?"), row,
                {QVariant::fromValue(static_cast<qint64>(bytes))});
}

void SqliteRunJournal::updatePrinter(const QString& assignments, int row, QVariantList values) {
  if (!recording()) {
    return;
  }
  values << runId_ << row;
  write(QStringLiteral("UPDATE run_printers SET ") + assignments +
            QStringLiteral(" WHERE run_id = ? AND row = ?"),
        values);
}

void SqliteRunJournal::runEnded(const ports::RunResult& result) {
  if (!recording()) {
    return;
  }
  const bool flushed = database_.exec(QStringLiteral("PRAGMA synchronous=FULL"));
  if (flushed &&
      write(QStringLiteral("UPDATE runs SET ended_at = ?, outcome = ?, sent = ?, updated = ?,"
                           " error_text = ? WHERE id = ?"),
            {now(), static_cast<int>(result.outcome), result.sent, result.updated,
             fromUtf16(result.errorText), runId_})) {
    database_.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
  }
  runId_ = -1;
  database_.close();
}

bool SqliteRunJournal::write(const QString& sql, const QVariantList& values) {
  if (database_.exec(sql, values)) {
    return true;
  }
  turnOff();
  return false;
}

// Once per run: the first failure closes the file, and nothing is tried again until the next
// run, so a locked or full disk costs one wait, not one per event.
void SqliteRunJournal::turnOff() {
  problem_ = database_.problem();
  database_.close();
  runId_ = -1;
  if (notRecorded_) {
    notRecorded_();
  }
}

}  // namespace nobrix::history
