// Row changes redraw at once; the share and rate are sampled at every pump but redrawn at most
// every 200 ms of the platform's clock, so a fast transfer does not flood the terminal.
#include "cli/live_lines.h"

#include <cstdio>

#include "platform/text_encoding.h"

namespace nobrix::cli {

namespace {
constexpr std::uint32_t kRedrawMs = 200;
}

void LiveLines::stepLabelChanged(const std::u16string& label) {
  if (label != label_) {
    label_ = label;
    draw();
  }
}

void LiveLines::rowChanged(int row, const std::u16string& serial, const std::u16string& text) {
  if (row < 0) {
    return;
  }
  if (static_cast<std::size_t>(row) >= rows_.size()) {
    rows_.resize(static_cast<std::size_t>(row) + 1);
  }
  rows_[static_cast<std::size_t>(row)] = serial + u"  " + text;
  if (text == sendingText_) {
    sendingRow_ = row;
    rate_.reset();
  } else if (row == sendingRow_) {
    sendingRow_ = -1;
  }
  draw();
}

void LiveLines::pumped() {
  if (sendingRow_ < 0 || progress_ == nullptr || !progress_->sending.load()) {
    return;
  }
  const std::uint32_t now = platform_.tickCount();
  rate_.sample(now, progress_->acceptedBytes.load());
  if (static_cast<std::uint32_t>(now - lastDrawTick_) >= kRedrawMs) {
    draw();
  }
}

void LiveLines::draw() {
  std::vector<std::u16string> lines;
  if (!label_.empty()) {
    lines.push_back(label_);
  }
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    lines.push_back(static_cast<int>(row) == sendingRow_ ? rows_[row] + transferText()
                                                         : rows_[row]);
  }
  lastDrawTick_ = platform_.tickCount();
  if (lines != drawn_) {
    console_.drawLive(lines);
    drawn_ = lines;
  }
}

std::u16string LiveLines::transferText() {
  if (progress_ == nullptr || !progress_->sending.load()) {
    return u"";
  }
  return u"  " + transferShare(progress_->acceptedBytes.load(), progress_->imageBytes.load(),
                               rate_.bytesPerSecond());
}

std::u16string transferShare(std::uint64_t accepted, std::uint64_t total, double bytesPerSecond) {
  const std::uint64_t percent = total > 0 ? accepted * 100 / total : 0;
  char text[48];
  if (bytesPerSecond > 0.0) {
    std::snprintf(text, sizeof text, "%llu%% %.1f MB/s", static_cast<unsigned long long>(percent),
                  bytesPerSecond / 1e6);
  } else {
    std::snprintf(text, sizeof text, "%llu%%", static_cast<unsigned long long>(percent));
  }
  return platform::fromUtf8(text);
}

}  // namespace nobrix::cli
