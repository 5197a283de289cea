// Measures how long the window thread goes without processing its messages: a timer asks to
// run every few milliseconds, and any gap much longer than that is time the window was blocked.
// NobrixVUZ-sim reports it on request, to show that a run never freezes the window.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace nobrix::ui::programs {

class StallMeter final : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTickMs = 5;

  StallMeter();

  qint64 longestGapMs() const { return longestGapMs_; }
  qint64 ticks() const { return ticks_; }

 private:
  void tick();

  QTimer timer_;
  QElapsedTimer sinceLastTick_;
  qint64 longestGapMs_ = 0;
  qint64 ticks_ = 0;
};

}  // namespace nobrix::ui::programs
