// Qt's parser reads the words (--option value and --option=value alike); the checks after it
// hold the options against the command. Unknown, empty or misplaced options are usage errors,
// never ignored: a typing error in an unattended update must not update other printers.
#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <initializer_list>

#include "cli/language_choice.h"

namespace nobrix::cli {

namespace {

const char* const kValuedOptions[] = {"serial", "since", "until", "lang"};
const char* const kSimValuedOptions[] = {"scenario", "clock"};

QString qName(const char* name) {
  return QString::fromLatin1(name);
}

void addOptions(QCommandLineParser& parser, Variant variant) {
  parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
  for (const char* flag : {"version", "all", "json", "confirm-model"}) {
    parser.addOption(QCommandLineOption(qName(flag)));
  }
  const QString valueName = QStringLiteral("value");
  for (const char* name : kValuedOptions) {
    parser.addOption(QCommandLineOption(qName(name), QString(), valueName));
  }
  if (variant == Variant::Sim) {
    for (const char* name : kSimValuedOptions) {
      parser.addOption(QCommandLineOption(qName(name), QString(), valueName));
    }
  }
}

bool isSet(const QCommandLineParser& parser, const char* name) {
  return parser.isSet(qName(name));
}

std::string lastValue(const QCommandLineParser& parser, const char* name) {
  return parser.value(qName(name)).toStdString();
}

// The first word names the command; no other word may stand outside an option.
std::string takeCommand(const QStringList& words, CliOptions& options) {
  if (words.isEmpty()) {
    return {};
  }
  const std::string first = words.first().toStdString();
  if (first != "list" && first != "update" && first != "history") {
    return "unknown command '" + first + "' (list, update or history)";
  }
  options.command = first;
  return words.size() > 1 ? "unexpected argument '" + words.at(1).toStdString() + "'"
                          : std::string();
}

// An empty value (--serial "", --lang=) is a mistake in a script, never "no filter".
std::string emptyValueProblem(const QCommandLineParser& parser) {
  for (const QString& name : parser.optionNames()) {
    if (parser.values(name).contains(QString())) {
      return "--" + name.toStdString() + " needs a value";
    }
  }
  return {};
}

std::string takeValues(const QCommandLineParser& parser, CliOptions& options) {
  options.all = isSet(parser, "all");
  options.confirmModel = isSet(parser, "confirm-model");
  for (const QString& serial : parser.values(QStringLiteral("serial"))) {
    options.serials.push_back(serial.toStdString());
  }
  options.since = lastValue(parser, "since");
  options.until = lastValue(parser, "until");
  if (isSet(parser, "lang")) {
    options.language = languageOfCode(lastValue(parser, "lang"));
    if (!options.language) {
      return "unknown language '" + lastValue(parser, "lang") + "' (en, de, es or fr)";
    }
  }
  if (options.variant == Variant::Sim && isSet(parser, "scenario")) {
    options.scenario = lastValue(parser, "scenario");
  }
  if (options.variant == Variant::Sim && isSet(parser, "clock")) {
    options.clock = lastValue(parser, "clock");
  }
  return {};
}

// Options that the command does not take, or that it needs; the first broken rule is said.
struct Rule {
  bool (*breaks)(const CliOptions&);
  const char* problem;
};

const Rule kRules[] = {
    {[](const CliOptions& o) { return o.command.empty(); },
     "expected a command: list, update or history"},
    {[](const CliOptions& o) { return o.command == "update" && o.all == !o.serials.empty(); },
     "update needs either --all or one or more --serial"},
    {[](const CliOptions& o) { return o.command == "list" && (o.all || !o.serials.empty()); },
     "list takes no --all or --serial"},
    {[](const CliOptions& o) { return o.command == "history" && (o.all || o.serials.size() > 1); },
     "history takes at most one --serial and no --all"},
    {[](const CliOptions& o) { return o.command != "update" && o.confirmModel; },
     "--confirm-model goes with update"},
    {[](const CliOptions& o) {
       return o.command != "history" && (!o.since.empty() || !o.until.empty());
     },
     "--since and --until go with history"},
    {[](const CliOptions& o) {
       return o.clock != "virtual" && o.clock != "compressed" && o.clock != "realtime";
     },
     "--clock is virtual, compressed or realtime"},
};

std::string commandProblem(const CliOptions& options) {
  if (options.help || options.version) {
    return {};
  }
  for (const Rule& rule : kRules) {
    if (rule.breaks(options)) {
      return rule.problem;
    }
  }
  return {};
}

std::string firstProblem(std::initializer_list<std::string> problems) {
  const auto found = std::find_if(problems.begin(), problems.end(),
                                  [](const std::string& problem) { return !problem.empty(); });
  return found != problems.end() ? *found : std::string();
}

}  // namespace

bool parseCliOptions(const std::vector<std::string>& arguments, Variant variant,
                     CliOptions& options, std::string& error) {
  QCommandLineParser parser;
  addOptions(parser, variant);
  QStringList words{qName(programName(variant))};
  for (const std::string& argument : arguments) {
    words.append(QString::fromStdString(argument));
  }
  const bool parsed = parser.parse(words);
  options.variant = variant;
  options.help = isSet(parser, "help");
  options.version = isSet(parser, "version");
  options.json = isSet(parser, "json");
  // In this order, each read even when an earlier one failed: the JSON still names the command.
  error = firstProblem({parsed ? std::string() : parser.errorText().toStdString(),
                        takeCommand(parser.positionalArguments(), options),
                        emptyValueProblem(parser), takeValues(parser, options)});
  if (error.empty()) {
    error = commandProblem(options);
  }
  return error.empty();
}

const char* programName(Variant variant) {
  return variant == Variant::Sim ? "NobrixVUZ-cli-sim" : "NobrixVUZ-cli";
}

}  // namespace nobrix::cli
