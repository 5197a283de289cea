// Frames are rendered once per pixel density, each when it is first shown, and then only handed
// out: a running animation costs a pixmap copy every 100 ms rather than an SVG render, and a window
// that is only starting renders its resting frame alone.
#include "ui/resources/activity_animator.h"

#include <utility>

namespace nobrix::ui::images {

ActivityAnimator::ActivityAnimator(QSize logicalSize, std::function<void(const QPixmap&)> showFrame,
                                   QObject* parent)
    : QObject(parent), logicalSize_(logicalSize), showFrame_(std::move(showFrame)) {
  timer_.setInterval(kActivityFrameMs);
  connect(&timer_, &QTimer::timeout, this, &ActivityAnimator::advance);
  showCurrent();
}

void ActivityAnimator::setRunning(bool running) {
  if (running) {
    if (!timer_.isActive()) {
      timer_.start();
    }
    return;
  }
  timer_.stop();
  frame_ = 0;
  showCurrent();
}

void ActivityAnimator::advance() {
  frame_ = (frame_ + 1) % kActivityFrameCount;
  showCurrent();
}

void ActivityAnimator::setDevicePixelRatio(qreal devicePixelRatio) {
  if (devicePixelRatio <= 0.0 || qFuzzyCompare(devicePixelRatio, devicePixelRatio_)) {
    return;
  }
  devicePixelRatio_ = devicePixelRatio;
  frames_ = {};
  showCurrent();
}

void ActivityAnimator::showCurrent() {
  QPixmap& frame = frames_[static_cast<std::size_t>(frame_)];
  if (frame.isNull()) {
    frame = pixmap(activityFrameKey(frame_), logicalSize_, devicePixelRatio_);
  }
  if (showFrame_) {
    showFrame_(frame);
  }
}

}  // namespace nobrix::ui::images

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_activity_animator.cpp"
