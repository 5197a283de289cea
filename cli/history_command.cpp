// Reads only: a history that cannot be read is said on standard error (exit 1), and a file that
// does not exist yet is an empty history. With --json every outcome is one document of the same
// fields, a failure's "error" set. Times are UTC unless a zone is given; --until with a date
// alone counts that whole day.
#include "cli/history_command.h"

#include <QJsonArray>
#include <QJsonObject>
#include <string>

#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "cli/json_documents.h"
#include "history/history_reader.h"
#include "history/time_bounds.h"
#include "l10n/language_state.h"
#include "workflow/text_format.h"

namespace nobrix::cli {

namespace {

struct Failure {
  int exitCode = kExitSomeNotUpdated;
  std::string code;  // "usage", "no-history", or the history's trouble ("foreign-file", ...)
  std::string message;
};

QString q(const std::string& text) {
  return QString::fromStdString(text);
}

std::string_view eventMeaning(const std::string& name) {
  if (name == "hang-up") {
    return "the terminal went away; the run went on";
  }
  if (name == "output-closed") {
    return "the reader of standard output went away; the run went on";
  }
  if (name == "stop-requested") {
    return "a stop was asked for; no printer was started after it";
  }
  return "";
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
  QJsonArray events;
  for (const auto& event : run.events) {
    events.append(QJsonObject{{"at", q(event.at)}, {"event", q(event.name)}});
  }
  const QJsonValue gap = run.fullyRecorded() ? QJsonValue()
                                             : QJsonObject{{"from", q(run.recordGapFrom)},
                                                           {"reason", q(run.recordGapReason)}};
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
                     {"fullyRecorded", run.fullyRecorded()},
                     {"recordGap", gap},
                     {"events", events},
                     {"printers", printers}};
}

void printRun(std::FILE* out, const history::RunRecord& run) {
  std::fprintf(out, "%s  %-11s  [%d/%d]  %s %s  %s@%s\n", run.startedAt.c_str(),
               std::string(history::runStateName(run.state)).c_str(), run.updated, run.ticked,
               run.program.c_str(), run.programVersion.c_str(), run.user.c_str(), run.host.c_str());
  if (!run.errorText.empty()) {
    std::fprintf(out, "    %s\n", run.errorText.c_str());
  }
  if (!run.fullyRecorded()) {
    std::fprintf(out,
                 "    not fully recorded: the history could not be written from %s on: %s; the"
                 " run's end wrote the rest\n",
                 run.recordGapFrom.c_str(), run.recordGapReason.c_str());
  }
  for (const auto& event : run.events) {
    std::fprintf(out, "    %s  %s: %s\n", event.at.c_str(), event.name.c_str(),
                 std::string(eventMeaning(event.name)).c_str());
  }
  for (const auto& printer : run.printers) {
    std::fprintf(out, "    %s  %s  %llu bytes  %s\n", printer.serialNumber.c_str(),
                 printer.statusText.empty() ? "-" : printer.statusText.c_str(),
                 static_cast<unsigned long long>(printer.bytesAccepted),
                 printer.devicePath.c_str());
  }
}

std::optional<Failure> readTimeRange(const CliOptions& options, history::HistoryQuery& query) {
  for (const auto& [option, text, moment, bound] :
       {std::tuple{"--since", &options.since, &query.from, &history::rangeStart},
        std::tuple{"--until", &options.until, &query.until, &history::rangeEnd}}) {
    if (text->empty()) {
      continue;
    }
    const auto parsed = bound(*text);
    if (!parsed) {
      return Failure{kExitUsage, "usage",
                     std::string(option) + ": not a date or time: '" + *text +
                         "' (for example 2026-12-09, 2026-12-09T14:30, 2026-12-09T14:30:15Z or"
                         " 2026-12-09T14:30+01:00)"};
    }
    *moment = *parsed;
  }
  return std::nullopt;
}

void printJson(std::FILE* out, const QString& historyFile, const QJsonValue& error,
               const QJsonArray& runs) {
  QJsonObject document = emptyDocument("history");
  document["history"] = historyFile;
  document["error"] = error;
  document["runs"] = runs;
  std::fputs(documentText(document).constData(), out);
}

// The program's own sentences in the language asked for, as update says its own.
class Sayer {
 public:
  explicit Sayer(const CliOptions& options)
      : language_(options.language ? l10n::LanguageState(*options.language)
                                   : l10n::LanguageState()) {}
  std::string operator()(std::string_view key, const std::string& value = {}) const {
    const std::u16string wide = QString::fromStdString(value).toStdU16String();
    return QString::fromStdU16String(workflow::formatted(language_.text(key), {wide}))
        .toStdString();
  }

 private:
  l10n::LanguageState language_;
};

int fail(const CliOptions& options, CliContext& context, const Failure& failure) {
  if (options.json) {
    printJson(context.out, context.historyFile,
              QJsonObject{{"code", q(failure.code)}, {"message", q(failure.message)}}, {});
  }
  std::fprintf(context.err, "%s\n", failure.message.c_str());
  return failure.exitCode;
}

}  // namespace

int runHistoryCommand(const CliOptions& options, CliContext& context) {
  history::HistoryQuery query;
  if (!options.serials.empty()) {
    query.serialNumber = options.serials.front();
  }
  if (const auto usage = readTimeRange(options, query)) {
    return fail(options, context, *usage);
  }
  const Sayer say(options);
  if (context.historyFile.isEmpty()) {
    return fail(options, context, {kExitSomeNotUpdated, "no-history", say(keys::kNoHistoryKept)});
  }
  const history::HistoryListing listing = history::readHistory(context.historyFile, query);
  if (!listing.ok) {
    return fail(options, context,
                {kExitSomeNotUpdated, std::string(history::troubleCode(listing.trouble)),
                 say(keys::kHistoryUnreadable, listing.problem)});
  }
  if (!listing.fileExists) {
    std::fprintf(context.err, "%s\n",
                 say(keys::kNoHistoryYet, context.historyFile.toStdString()).c_str());
  }
  if (options.json) {
    QJsonArray runs;
    for (const auto& run : listing.runs) {
      runs.append(runJson(run));
    }
    printJson(context.out, context.historyFile, QJsonValue(), runs);
  } else {
    for (const auto& run : listing.runs) {
      printRun(context.out, run);
    }
  }
  return kExitAllUpdated;
}

}  // namespace nobrix::cli
