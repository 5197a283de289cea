// Carries "the set of device nodes changed" to the window thread. Notices may come from any
// thread (the simulated bus raises them on whichever thread made time pass); notices that
// arrive before the window thread has taken the previous one become a single notice.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>

namespace nobrix::ui::adapters {

class DeviceChangeRelay final : public QObject {
  Q_OBJECT

 public:
  // `onChange` runs on the thread this relay lives on (the window thread).
  explicit DeviceChangeRelay(std::function<void()> onChange, QObject* parent = nullptr);

  // Thread-safe; never blocks and never calls onChange directly.
  void notify();

 private:
  void deliver();

  std::function<void()> onChange_;
  std::atomic<bool> pending_{false};
};

}  // namespace nobrix::ui::adapters
