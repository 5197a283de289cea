// Frames are rendered once per pixel density and then only handed out, so a running animation
// costs a pixmap copy every 100 ms rather than an SVG render.
#include "ui/resources/activity_animator.h"

#include <utility>

namespace nobrix::ui::images {

ActivityAnimator::ActivityAnimator(QSize logicalSize, std::function<void(const QPixmap&)> showFrame,
                                   QObject* parent)
    : QObject(parent), logicalSize_(logicalSize), showFrame_(std::move(showFrame)) {
  timer_.setInterval(kActivityFrameMs);
  connect(&timer_, &QTimer::timeout, this, &ActivityAnimator::advance);
  renderFrames();
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
  renderFrames();
  showCurrent();
}

void ActivityAnimator::renderFrames() {
  for (int i = 0; i < kActivityFrameCount; ++i) {
    frames_[static_cast<std::size_t>(i)] =
        pixmap(activityFrameKey(i), logicalSize_, devicePixelRatio_);
  }
}

void ActivityAnimator::showCurrent() {
  if (showFrame_) {
    showFrame_(frames_[static_cast<std::size_t>(frame_)]);
  }
}

}  // namespace nobrix::ui::images
