// The listener runs on whichever thread made bus time pass (a worker sleeping, the poll timer,
// a test advancing the clock); the relay carries the notice to the window thread.
#include "ui/programs/sim_bus_driver.h"

#include <utility>

namespace nobrix::ui::programs {

SimBusDriver::SimBusDriver(platform::sim::SimBus& bus, std::function<void()> onChange,
                           QObject* parent)
    : QObject(parent), bus_(bus), relay_(std::move(onChange)) {
  listenerToken_ = bus_.addChangeListener([this] { relay_.notify(); });
  connect(&pollTimer_, &QTimer::timeout, this, [this] { bus_.poll(); });
}

SimBusDriver::~SimBusDriver() {
  bus_.removeChangeListener(listenerToken_);
}

void SimBusDriver::startPolling(int intervalMs) {
  pollTimer_.start(intervalMs);
}

}  // namespace nobrix::ui::programs

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_sim_bus_driver.cpp"
