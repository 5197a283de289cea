#include "tests/cli/cli_harness.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QJsonDocument>
#include <cstdio>
#include <cstdlib>

#include "cli/cli_program.h"
#include "cli/sim_setup.h"
#include "cli/usage_error.h"

namespace nobrix::testing {

namespace {

// A stream in memory whose text is read back after it is closed.
class MemoryStream {
 public:
  MemoryStream() : file_(open_memstream(&buffer_, &size_)) {}
  ~MemoryStream() {
    close();
    std::free(buffer_);
  }
  std::FILE* file() { return file_; }
  std::string text() {
    close();
    return buffer_ != nullptr ? std::string(buffer_, size_) : std::string();
  }

 private:
  void close() {
    if (file_ != nullptr) {
      std::fclose(file_);
      file_ = nullptr;
    }
  }
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

// Standard output of a run piped into a reader that has gone away (`... | head -1`): every write
// fails with EPIPE, and SIGPIPE would end the process where it is not ignored.
std::FILE* pipeWithoutReader() {
  int ends[2];
  if (pipe(ends) != 0) {
    return nullptr;
  }
  close(ends[0]);
  return fdopen(ends[1], "w");
}

}  // namespace

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
  MemoryStream out;
  MemoryStream err;
  if (!cli::parseCliOptions(arguments, cli::Variant::Sim, options, error)) {
    outcome.exitCode =
        cli::reportUsageError(options, error, settings.historyFile, out.file(), err.file());
    outcome.out = out.text();
    outcome.err = err.text();
    return outcome;
  }
  std::FILE* closedPipe = settings.outputClosed ? pipeWithoutReader() : nullptr;
  cli::CliContext context{platform, resources, closedPipe != nullptr ? closedPipe : out.file(),
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
  if (closedPipe != nullptr) {
    std::fclose(closedPipe);
  }
  outcome.out = out.text();
  outcome.err = err.text();
  return outcome;
}

}  // namespace nobrix::testing
