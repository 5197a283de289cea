// A paint event reaches the window before its contents are handed to the screen, in the same
// pass; the call is queued from there, so it runs once that pass is over.
#include "ui/widgets/after_first_paint.h"

#include <QEvent>
#include <QMetaObject>

namespace nobrix::ui {
namespace {

class FirstPaintWatch final : public QObject {
 public:
  FirstPaintWatch(QWidget& window, std::function<void()> call)
      : QObject(&window), call_(std::move(call)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched == parent()) {
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this,
          [this] {
            call_();
            deleteLater();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<void()> call_;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> call) {
  new FirstPaintWatch(window, std::move(call));
}

}  // namespace nobrix::ui
