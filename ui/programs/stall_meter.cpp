#include "ui/programs/stall_meter.h"

#include <algorithm>

namespace nobrix::ui::programs {

StallMeter::StallMeter() {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kTickMs);
  connect(&timer_, &QTimer::timeout, this, &StallMeter::tick);
  sinceLastTick_.start();
  timer_.start();
}

void StallMeter::tick() {
  longestGapMs_ = std::max(longestGapMs_, sinceLastTick_.restart());
  ++ticks_;
}

}  // namespace nobrix::ui::programs

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_stall_meter.cpp"
