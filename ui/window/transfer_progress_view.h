// The progress page's cell for the send under way: a slim bar with the share of the image the
// printer has taken and the current rate in MB/s. Empty whenever no image is being sent. It reads
// the transfer's counters four times a second on the window thread; the transfer never calls it.
// Time is the platform's tick count, the clock the transfer itself runs on: on the simulated bus
// that is virtual time, which a wall clock would misread as a rate many times too high.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "firmware/transfer_progress.h"
#include "firmware/transfer_rate.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace nobrix::ui::window {

class TransferProgressView final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRefreshMs = 250;

  // The platform's millisecond tick counter (it wraps after about 49.7 days).
  using TickCount = std::function<std::uint32_t()>;

  // `progress` may be null (a sender that does not tell); it must outlive the view.
  TransferProgressView(const firmware::TransferProgress* progress, TickCount tickCount,
                       QWidget* parent = nullptr);

  // Reads the counters on a timer while a run is under way.
  void setWatching(bool watching);
  // One reading, as the timer takes it, `nowMs` after watching began; refreshNow() at once.
  void refresh(std::int64_t nowMs);
  void refreshNow() { refresh(watchedMs()); }
  // The share of the image shown, 0 to 1; negative while the cell is empty.
  double shownShare() const;

 private:
  const firmware::TransferProgress* progress_;
  QProgressBar* bar_ = nullptr;
  QLabel* text_ = nullptr;
  std::int64_t watchedMs();

  QTimer* timer_ = nullptr;
  TickCount tickCount_;
  std::uint32_t lastTick_ = 0;
  std::int64_t watchedMs_ = 0;
  firmware::TransferRate rate_;
};

}  // namespace nobrix::ui::window
