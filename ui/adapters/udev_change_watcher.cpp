// Draining before reporting keeps a listing that pumps from being woken again by the same
// events; the workflow's guard drops a change reported while a listing is under way.
#include "ui/adapters/udev_change_watcher.h"

#include <QSocketNotifier>
#include <utility>

namespace nobrix::ui::adapters {

UdevChangeWatcher::UdevChangeWatcher(std::function<void()> onChange, QObject* parent)
    : QObject(parent), onChange_(std::move(onChange)) {}

bool UdevChangeWatcher::start() {
  if (!monitor_.start() || monitor_.descriptor() < 0) {
    return false;
  }
  notifier_ = new QSocketNotifier(monitor_.descriptor(), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &UdevChangeWatcher::onReadable);
  return true;
}

void UdevChangeWatcher::onReadable() {
  if (monitor_.drainEvents() && onChange_) {
    onChange_();
  }
}

}  // namespace nobrix::ui::adapters

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_udev_change_watcher.cpp"
