#include "cli/stop_state.h"

namespace nobrix::cli {

void StopState::poll() {
  const int arrived = takeSignals_ ? takeSignals_() : 0;
  for (int i = 0; i < arrived; ++i) {
    console_.message(
        signals_++ == 0
            ? "Stop requested: the printer being written is finished, no further printer is "
              "started."
            : "Already stopping: an image being written is never cut off; the run ends after "
              "the printers that have the image.");
  }
}

}  // namespace nobrix::cli
