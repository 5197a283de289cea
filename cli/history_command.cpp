// Reads only: a history that cannot be read is said on standard error (exit 1), and a file that
// does not exist yet is an empty history. Dates are UTC; a date without a time in --until counts
// the whole of that day.
#include "cli/history_command.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <string>

#include "cli/exit_codes.h"
#include "history/history_reader.h"

namespace nobrix::cli {

namespace {

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

// "2026-12-09" or "2026-12-09T14:30:00" (UTC unless a zone is given); none when unreadable.
std::optional<std::chrono::sys_seconds> parseMoment(const std::string& text, bool endOfDay) {
  const QString value = q(text);
  QDateTime moment;
  if (const QDate date = QDate::fromString(value, Qt::ISODate); date.isValid()) {
    moment = (endOfDay ? date.addDays(1) : date).startOfDay(QTimeZone::utc());
  } else {
    moment = QDateTime::fromString(value, Qt::ISODate);
    if (moment.isValid() && moment.timeSpec() == Qt::LocalTime) {
      moment.setTimeZone(QTimeZone::utc());
    }
  }
  if (!moment.isValid()) {
    return std::nullopt;
  }
  return std::chrono::sys_seconds(std::chrono::seconds(moment.toSecsSinceEpoch()));
}

QJsonObject printerJson(const history::PrinterRecord& printer) {
  QJsonArray steps;
  for (const auto& step : printer.steps) {
    steps.append(QJsonObject{{"startedAt", q(step.startedAt)}, {"endedAt", q(step.endedAt)}});
  }
  return QJsonObject{{"serial", q(printer.serialNumber)},
                     {"description", q(printer.description)},
                     {"path", q(printer.devicePath)},
                     {"statusCode", printer.statusCode},
                     {"statusKey", q(printer.statusKey)},
                     {"status", q(printer.statusText)},
                     {"bytesAccepted", static_cast<qint64>(printer.bytesAccepted)},
                     {"steps", steps}};
}

QJsonObject runJson(const history::RunRecord& run) {
  QJsonArray printers;
  for (const auto& printer : run.printers) {
    printers.append(printerJson(printer));
  }
  return QJsonObject{{"id", static_cast<qint64>(run.id)},
                     {"state", q(std::string(history::runStateName(run.state)))},
                     {"startedAt", q(run.startedAt)},
                     {"endedAt", q(run.endedAt)},
                     {"program", q(run.program)},
                     {"programVersion", q(run.programVersion)},
                     {"image", QJsonObject{{"name", q(run.imageName)},
                                           {"bytes", static_cast<qint64>(run.imageBytes)},
                                           {"sha256", q(run.imageSha256)}}},
                     {"host", q(run.host)},
                     {"user", q(run.user)},
                     {"ticked", run.ticked},
                     {"sent", run.sent},
                     {"updated", run.updated},
                     {"error", q(run.errorText)},
                     {"printers", printers}};
}

void printRun(std::FILE* out, const history::RunRecord& run) {
  std::fprintf(out, "%s  %-11s  [%d/%d]  %s %s  %s@%s\n", run.startedAt.c_str(),
               std::string(history::runStateName(run.state)).c_str(), run.updated, run.ticked,
               run.program.c_str(), run.programVersion.c_str(), run.user.c_str(), run.host.c_str());
  if (!run.errorText.empty()) {
    std::fprintf(out, "    %s\n", run.errorText.c_str());
  }
  for (const auto& printer : run.printers) {
    std::fprintf(out, "    %s  %s  %llu bytes  %s\n", printer.serialNumber.c_str(),
                 printer.statusText.empty() ? "-" : printer.statusText.c_str(),
                 static_cast<unsigned long long>(printer.bytesAccepted),
                 printer.devicePath.c_str());
  }
}

}  // namespace

int runHistoryCommand(const CliOptions& options, CliContext& context) {
  history::HistoryQuery query;
  if (!options.serials.empty()) {
    query.serialNumber = options.serials.front();
  }
  for (const auto& [text, endOfDay, moment] :
       {std::tuple{options.since, false, &query.from}, {options.until, true, &query.until}}) {
    if (!text.empty() && !(*moment = parseMoment(text, endOfDay))) {
      std::fprintf(context.err, "not a date: '%s' (for example 2026-12-09 or 2026-12-09T14:30)\n",
                   text.c_str());
      return kExitUsage;
    }
  }
  if (context.historyFile.isEmpty()) {
    std::fputs("this program keeps no service history\n", context.err);
    return kExitSomeNotUpdated;
  }
  const history::HistoryListing listing = history::readHistory(context.historyFile, query);
  if (!listing.ok) {
    std::fprintf(context.err, "the service history cannot be read: %s\n", listing.problem.c_str());
    return kExitSomeNotUpdated;
  }
  if (options.json) {
    QJsonArray runs;
    for (const auto& run : listing.runs) {
      runs.append(runJson(run));
    }
    const QJsonObject document{{"history", context.historyFile}, {"runs", runs}};
    std::fputs(QJsonDocument(document).toJson(QJsonDocument::Indented).constData(), context.out);
  } else {
    for (const auto& run : listing.runs) {
      printRun(context.out, run);
    }
  }
  return kExitAllUpdated;
}

}  // namespace nobrix::cli
