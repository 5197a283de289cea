#include "cli/stop_state.h"

#include "cli/cli_texts.h"

namespace nobrix::cli {

void StopState::poll() {
  const ArrivedSignals arrived = takeSignals_ ? takeSignals_() : ArrivedSignals{};
  if (arrived.hangUps > 0 && !hungUp_) {
    hungUp_ = true;
    console_.terminalGone();
  }
  for (int i = 0; i < arrived.stops; ++i) {
    console_.message(
        oneLine(texts_.text(stops_++ == 0 ? keys::kStopRequested : keys::kAlreadyStopping)));
  }
}

}  // namespace nobrix::cli
