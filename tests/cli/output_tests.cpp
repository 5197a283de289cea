// What a run prints: stamped lines when piped, live lines redrawn in place on a terminal, with the
// share sent and the rate while an image is sent.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/console.h"
#include "cli/live_lines.h"
#include "tests/cli/cli_harness.h"

namespace nobrix::testing {
namespace {

const std::string kCompleted = "Firmware update: completed";

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    lines.push_back(line);
  }
  return lines;
}

TEST(Output, PipedRunPrintsOneStampedLinePerChange) {
  ImageResources resources(kCliImageBytes);
  auto bus = scenarioBus("default", resources);
  const CliOutcome outcome = runCliOn(*bus, *bus, resources, {"update", "--all", "--lang", "en"});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  EXPECT_EQ(outcome.out.find('\x1b'), std::string::npos);
  const std::regex stamped(R"(\+[0-9]+\.[0-9]{3}s  .+)");
  int steps = 0;
  int completed = 0;
  for (const auto& line : linesOf(outcome.out)) {
    EXPECT_TRUE(std::regex_match(line, stamped)) << line;
    steps += line.find("Processing step: [") != std::string::npos ? 1 : 0;
    completed += line.ends_with("  " + kCompleted) ? 1 : 0;
  }
  EXPECT_EQ(steps, 3);  // once per step, not once per printer
  EXPECT_EQ(completed, 3);
  EXPECT_NE(outcome.out.find("CN53A1B002  " + kCompleted), std::string::npos);
  // The result dialog goes to standard error, never into the progress lines.
  EXPECT_NE(outcome.err.find("[3/3]  printers updated"), std::string::npos) << outcome.err;
  EXPECT_EQ(outcome.out.find("printers updated"), std::string::npos);
}

// The last drawing of each live line is the run's final state; lines are replaced, not added.
TEST(Output, TerminalRunRedrawsLiveLinesInPlace) {
  ImageResources resources(kCliImageBytes);
  auto bus = scenarioBus("default", resources);
  const CliOutcome outcome = runCliOn(*bus, *bus, resources, {"update", "--all", "--lang", "en"},
                                      CliRunSettings{.terminal = true});
  ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  const std::string redraw = "\x1b[4A";  // the step label and three printer lines
  const std::size_t last = outcome.out.rfind(redraw);
  ASSERT_NE(last, std::string::npos);
  const std::string finalScreen = outcome.out.substr(last + redraw.size());
  EXPECT_EQ(finalScreen,
            "\r\x1b[2KProcessing step: [3/3]\n"
            "\r\x1b[2KCN53A1B001  " +
                kCompleted + "\n" + "\r\x1b[2KCN53A1B002  " + kCompleted + "\n" +
                "\r\x1b[2KCN53A1B003  " + kCompleted + "\n");
  EXPECT_EQ(std::regex_search(outcome.out, std::regex(R"(\+[0-9]+\.[0-9]{3}s)")), false);
}

// The sending printer's line carries the share and the rate, from the transfer's counters and the
// platform's clock; other lines do not.
TEST(Output, LiveLineShowsShareAndRateWhileSending) {
  CapturedStream out;
  {
    cli::Console console(out.file(), out.file());
    platform::sim::SimBus clock;
    firmware::TransferProgress progress;
    cli::LiveLines lines(console, clock, &progress, u"Sending");
    lines.rowChanged(0, u"SN1", u"Sending");
    lines.rowChanged(1, u"SN2", u"Waiting");
    progress.imageBytes = 4'000'000;
    progress.sending = true;
    lines.pumped();
    clock.advance(1000);
    progress.acceptedBytes = 2'000'000;
    lines.pumped();
  }
  const std::string text = out.text();
  EXPECT_NE(text.find("SN1  Sending  50% 2.0 MB/s\n\r\x1b[2KSN2  Waiting\n"), std::string::npos)
      << text;
  EXPECT_EQ(cli::transferShare(0, 0, 0.0), u"0%");
}

}  // namespace
}  // namespace nobrix::testing
