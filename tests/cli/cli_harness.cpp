#include "tests/cli/cli_harness.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <cstdio>

#include "cli/cli_program.h"
#include "cli/sim_setup.h"
#include "cli/usage_error.h"

namespace nobrix::testing {

CapturedStream::CapturedStream()
    : file_(
          std::fopen(folder_.filePath(QStringLiteral("stream")).toLocal8Bit().constData(), "w+b")) {
  EXPECT_NE(file_, nullptr) << folder_.path().toStdString();
}

CapturedStream::~CapturedStream() {
  if (file_ != nullptr) {
    std::fclose(file_);
  }
}

std::string CapturedStream::text() {
  std::string text;
  if (file_ == nullptr || std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0) {
    return text;
  }
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file_)) > 0;) {
    text.append(buffer, got);
  }
  return text;
}

QJsonObject CliOutcome::json() const {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << out;
  return document.object();
}

std::unique_ptr<platform::sim::SimBus> scenarioBus(const std::string& scenario,
                                                   firmware::ResourceModule& resources) {
  cli::CliOptions options;
  options.scenario = scenario;
  return cli::makeScenarioBus(options, resources);
}

CliOutcome runCliOn(platform::Platform& platform, platform::sim::SimBus& clock,
                    firmware::ResourceModule& resources, const std::vector<std::string>& arguments,
                    const CliRunSettings& settings) {
  CliOutcome outcome;
  cli::CliOptions options;
  std::string error;
  CapturedStream out;
  CapturedStream err;
  if (!cli::parseCliOptions(arguments, cli::Variant::Sim, options, error)) {
    outcome.exitCode =
        cli::reportUsageError(options, error, settings.historyFile, out.file(), err.file());
    outcome.out = out.text();
    outcome.err = err.text();
    return outcome;
  }
  cli::CliContext context{platform, resources, settings.out ? settings.out : out.file(),
                          err.file()};
  cli::useBusClock(context, clock);
  context.terminal = settings.terminal;
  context.takeSignals = settings.takeSignals;
  context.historyFile = settings.historyFile;
  context.updateLock = settings.updateLock;
  context.knownPrinters = settings.knownPrinters;
  context.sleepInhibitor = settings.sleepInhibitor;
  context.program = QStringLiteral("NobrixVUZ-cli-sim");
  outcome.exitCode = cli::runCli(options, context);
  outcome.out = out.text();
  outcome.err = err.text();
  return outcome;
}

}  // namespace nobrix::testing
