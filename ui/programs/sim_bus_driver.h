// Connects the simulated bus to the window's event loop: the bus's change listener becomes the
// window's device-change notice (through a DeviceChangeRelay), and a timer lets the bus run
// events that fall due while nobody is sleeping on it (real-time clock).
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "platform/sim/sim_bus.h"
#include "ui/adapters/device_change_relay.h"

namespace nobrix::ui::programs {

class SimBusDriver final : public QObject {
  Q_OBJECT

 public:
  // `onChange` runs on the window thread after the bus's set of interfaces changed.
  SimBusDriver(platform::sim::SimBus& bus, std::function<void()> onChange,
               QObject* parent = nullptr);
  ~SimBusDriver() override;
  SimBusDriver(const SimBusDriver&) = delete;
  SimBusDriver& operator=(const SimBusDriver&) = delete;

  // Polls the bus every `intervalMs` of real time; without it only sleepers move the bus on.
  void startPolling(int intervalMs = 20);

 private:
  platform::sim::SimBus& bus_;
  adapters::DeviceChangeRelay relay_;
  QTimer pollTimer_;
  int listenerToken_ = 0;
};

}  // namespace nobrix::ui::programs
