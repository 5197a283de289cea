// The pending flag is cleared before onChange runs, so a notice raised while the listing is
// under way posts again; the workflow's own guard then decides whether that one lists.
#include "ui/adapters/device_change_relay.h"

#include <QMetaObject>
#include <utility>

namespace nobrix::ui::adapters {

DeviceChangeRelay::DeviceChangeRelay(std::function<void()> onChange, QObject* parent)
    : QObject(parent), onChange_(std::move(onChange)) {}

void DeviceChangeRelay::notify() {
  if (pending_.exchange(true)) {
    return;
  }
  QMetaObject::invokeMethod(this, &DeviceChangeRelay::deliver, Qt::QueuedConnection);
}

void DeviceChangeRelay::deliver() {
  pending_.store(false);
  if (onChange_) {
    onChange_();
  }
}

}  // namespace nobrix::ui::adapters

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_device_change_relay.cpp"
