// Standard output and standard error of a command-line run, shared by the window thread and the
// send worker: one lock keeps lines whole, and a message on standard error makes the live lines
// start afresh below it instead of redrawing over it.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "workflow/headless/one_line.h"

namespace nobrix::cli {

class Console {
 public:
  // `width`: columns of the terminal the live lines are drawn on; 0: unknown (not cut).
  Console(std::FILE* out, std::FILE* err, int width = 0) : out_(out), err_(err), width_(width) {}

  void line(std::string_view text);     // one line on standard output
  void message(std::string_view text);  // one message on standard error
  // Replaces the live lines drawn last with these (terminal escapes: cursor up, erase line).
  void drawLive(const std::vector<std::u16string>& lines);

 private:
  std::mutex mutex_;
  std::FILE* out_;
  std::FILE* err_;
  int width_;
  int liveLinesDrawn_ = 0;
};

using nobrix::workflow::headless::oneLine;

}  // namespace nobrix::cli
