#include "cli/cli_main.h"

#include <QDateTime>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/system_console.h"

namespace nobrix::cli {

namespace {

std::string wallClockStamp() {
  return QDateTime::currentDateTime()
      .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
      .toStdString();
}

}  // namespace

std::optional<int> parseCommandLine(int argc, char** argv, Variant variant, CliOptions& options) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  std::string error;
  if (!parseCliOptions(arguments, variant, options, error)) {
    std::fprintf(stderr, "%s\n\n%s", error.c_str(), helpText(variant).c_str());
    return kExitUsage;
  }
  if (options.help) {
    std::fputs(helpText(variant).c_str(), stdout);
    return kExitAllUpdated;
  }
  return std::nullopt;
}

CliContext standardContext(platform::Platform& platform, firmware::ResourceModule& resources) {
  CliContext context{platform, resources, stdout, stderr};
  const TerminalInfo terminal = describeTerminal(stdout);
  context.terminal = terminal.liveLines;
  context.terminalWidth = terminal.width;
  context.stamp = wallClockStamp;
  return context;
}

}  // namespace nobrix::cli
