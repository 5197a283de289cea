#include "cli/console.h"

#include "platform/text_encoding.h"

namespace nobrix::cli {

void Console::line(std::string_view text) {
  const std::lock_guard lock(mutex_);
  std::fwrite(text.data(), 1, text.size(), out_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

void Console::message(std::string_view text) {
  const std::lock_guard lock(mutex_);
  std::fflush(out_);
  std::fwrite(text.data(), 1, text.size(), err_);
  std::fputc('\n', err_);
  std::fflush(err_);
  liveLinesDrawn_ = 0;
}

void Console::drawLive(const std::vector<std::u16string>& lines) {
  const std::lock_guard lock(mutex_);
  if (liveLinesDrawn_ > 0) {
    std::fprintf(out_, "\x1b[%dA", liveLinesDrawn_);
  }
  for (const auto& text : lines) {
    // A line wider than the terminal would wrap, and the cursor would no longer find its start.
    std::u16string shown = text;
    if (width_ > 1 && shown.size() >= static_cast<std::size_t>(width_)) {
      shown.resize(static_cast<std::size_t>(width_ - 1));
    }
    std::fprintf(out_, "\r\x1b[2K%s\n", oneLine(shown).c_str());
  }
  std::fflush(out_);
  liveLinesDrawn_ = static_cast<int>(lines.size());
}

}  // namespace nobrix::cli
