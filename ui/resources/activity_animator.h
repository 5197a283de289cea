// Plays the six-frame activity animation: a 100 ms timer steps through the frames and hands
// each one to a caller-supplied sink (a label or a button icon).
#pragma once

#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QTimer>
#include <array>
#include <functional>

#include "ui/resources/image_library.h"

namespace nobrix::ui::images {

class ActivityAnimator : public QObject {
  Q_OBJECT

 public:
  // Shows frame 0 through showFrame at once, so the target has its resting picture from the
  // start; showFrame must therefore be callable when the constructor runs.
  ActivityAnimator(QSize logicalSize, std::function<void(const QPixmap&)> showFrame,
                   QObject* parent = nullptr);

  // Running steps one frame every kActivityFrameMs; stopping goes back to frame 0 and holds it.
  void setRunning(bool running);
  bool isRunning() const { return timer_.isActive(); }
  int currentFrame() const { return frame_; }

  // One step forward, wrapping after the last frame.
  void advance();

  // Re-renders the frames for a screen of another pixel density and shows the current one.
  void setDevicePixelRatio(qreal devicePixelRatio);

 private:
  // Shows frame_, rendering it first if this density has not shown it yet.
  void showCurrent();

  QSize logicalSize_;
  qreal devicePixelRatio_ = 1.0;
  std::function<void(const QPixmap&)> showFrame_;
  std::array<QPixmap, kActivityFrameCount> frames_;
  int frame_ = 0;
  QTimer timer_;
};

}  // namespace nobrix::ui::images
