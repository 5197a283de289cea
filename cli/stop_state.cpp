#include "cli/stop_state.h"

namespace nobrix::cli {

void StopState::poll() {
  const ArrivedSignals arrived = takeSignals_ ? takeSignals_() : ArrivedSignals{};
  if (arrived.hangUps > 0 && !hungUp_) {
    hungUp_ = true;
    console_.terminalGone();
  }
  for (int i = 0; i < arrived.stops; ++i) {
    console_.message(
        stops_++ == 0
            ? "Stop requested: the printer being written is finished, no further printer is "
              "started."
            : "Already stopping: an image being written is never cut off; the run ends after "
              "the printers that have the image.");
  }
}

}  // namespace nobrix::cli
