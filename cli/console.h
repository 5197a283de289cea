// Standard output and standard error of a command-line run, shared by the window thread and the
// send worker: one lock keeps lines whole, and a message on standard error makes the live lines
// start afresh below it instead of redrawing over it. A stream whose reader went away (a closed
// pipe) or whose terminal hung up gets nothing more; the run goes on regardless.
#pragma once

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "workflow/headless/one_line.h"

namespace nobrix::cli {

// Which of the two streams are on a terminal, the one a hang-up takes away.
struct TerminalStreams {
  bool out = false;
  bool err = false;
};

class Console {
 public:
  // `width`: columns of the terminal the live lines are drawn on; 0: unknown (not cut).
  Console(std::FILE* out, std::FILE* err, int width = 0, TerminalStreams terminals = {})
      : out_(out), err_(err), width_(width), terminals_(terminals) {}

  void line(std::string_view text);     // one line on standard output
  void message(std::string_view text);  // one message on standard error
  // Replaces the live lines drawn last with these (terminal escapes: cursor up, erase line).
  void drawLive(const std::vector<std::u16string>& lines);

  // The terminal went away: nothing more is written to the streams that were on it.
  void terminalGone();
  // True once a write to standard output failed: its reader went away.
  bool outputClosed() const { return outClosed_.load(); }

 private:
  void write(std::FILE* stream, std::string_view text, std::atomic<bool>& closed, bool silent);

  std::mutex mutex_;
  std::FILE* out_;
  std::FILE* err_;
  int width_;
  TerminalStreams terminals_;
  std::atomic<bool> outClosed_{false};
  std::atomic<bool> errClosed_{false};
  bool hungUp_ = false;
  int liveLinesDrawn_ = 0;
};

using nobrix::workflow::headless::oneLine;

}  // namespace nobrix::cli
