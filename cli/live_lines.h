// The run on a terminal: the step label and one line per printer (serial number and status
// text), redrawn in place; while a printer is sent the image its line also shows the share sent
// and the rate.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/console.h"
#include "firmware/transfer_progress.h"
#include "firmware/transfer_rate.h"
#include "platform/platform.h"
#include "workflow/headless/headless_view.h"

namespace nobrix::cli {

class LiveLines final : public workflow::headless::ViewObserver {
 public:
  // `sendingText`: the row text of a printer being sent the image. `progress` may be null.
  LiveLines(Console& console, platform::Platform& platform,
            const firmware::TransferProgress* progress, std::u16string sendingText)
      : console_(console),
        platform_(platform),
        progress_(progress),
        sendingText_(std::move(sendingText)) {}

  void stepLabelChanged(const std::u16string& label) override;
  void rowChanged(int row, const std::u16string& serial, const std::u16string& text) override;
  void pumped() override;

 private:
  void draw();
  std::u16string transferText();

  Console& console_;
  platform::Platform& platform_;
  const firmware::TransferProgress* progress_;
  std::u16string sendingText_;
  std::u16string label_;
  std::vector<std::u16string> rows_;
  std::vector<std::u16string> drawn_;
  int sendingRow_ = -1;
  firmware::TransferRate rate_;
  std::uint32_t lastDrawTick_ = 0;
};

// "37% 8.1 MB/s" (megabytes of 10^6 bytes); the rate is left out until it can be told.
std::u16string transferShare(std::uint64_t accepted, std::uint64_t total, double bytesPerSecond);

}  // namespace nobrix::cli
