#include "cli/console.h"

#include "platform/text_encoding.h"

namespace nobrix::cli {

// A failed write is never retried: the reader that went away does not come back, and a run must
// not stall or end on its output.
void Console::write(std::FILE* stream, std::string_view text, std::atomic<bool>& closed,
                    bool silent) {
  if (closed.load() || silent) {
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stream);
  if (std::fflush(stream) != 0 || std::ferror(stream) != 0) {
    closed.store(true);
  }
}

void Console::line(std::string_view text) {
  const std::lock_guard lock(mutex_);
  write(out_, std::string(text) + '\n', outClosed_, hungUp_ && terminals_.out);
}

void Console::message(std::string_view text) {
  const std::lock_guard lock(mutex_);
  write(err_, std::string(text) + '\n', errClosed_, hungUp_ && terminals_.err);
  liveLinesDrawn_ = 0;
}

void Console::drawLive(const std::vector<std::u16string>& lines) {
  const std::lock_guard lock(mutex_);
  std::string frame;
  if (liveLinesDrawn_ > 0) {
    frame += "\x1b[" + std::to_string(liveLinesDrawn_) + "A";
  }
  for (const auto& text : lines) {
    // A line wider than the terminal would wrap, and the cursor would no longer find its start.
    std::u16string shown = text;
    if (width_ > 1 && shown.size() >= static_cast<std::size_t>(width_)) {
      shown.resize(static_cast<std::size_t>(width_ - 1));
    }
    frame += "\r\x1b[2K" + oneLine(shown) + "\n";
  }
  write(out_, frame, outClosed_, hungUp_ && terminals_.out);
  liveLinesDrawn_ = static_cast<int>(lines.size());
}

// Whatever is still in the buffers was meant for the terminal: it is dropped, not written later.
void Console::terminalGone() {
  const std::lock_guard lock(mutex_);
  hungUp_ = true;
}

}  // namespace nobrix::cli
