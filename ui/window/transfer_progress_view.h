// The progress page's cell for the send under way: a slim bar with the share of the image the
// printer has taken and the current rate in MB/s. Empty whenever no image is being sent. It reads
// the transfer's counters four times a second on the window thread; the transfer never calls it.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

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

  // `progress` may be null (a sender that does not tell); it must outlive the view.
  explicit TransferProgressView(const firmware::TransferProgress* progress,
                                QWidget* parent = nullptr);

  // Reads the counters on a timer while a run is under way.
  void setWatching(bool watching);
  // One reading, as the timer takes it, at `nowMs` on a steady clock; refreshNow() at once.
  void refresh(std::int64_t nowMs);
  void refreshNow() { refresh(clock_.isValid() ? clock_.elapsed() : 0); }
  // The share of the image shown, 0 to 1; negative while the cell is empty.
  double shownShare() const;

 private:
  const firmware::TransferProgress* progress_;
  QProgressBar* bar_ = nullptr;
  QLabel* text_ = nullptr;
  QTimer* timer_ = nullptr;
  QElapsedTimer clock_;
  firmware::TransferRate rate_;
};

}  // namespace nobrix::ui::window
