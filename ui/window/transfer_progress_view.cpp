// The bar shows thousandths, so a full-speed printer (1.2 MB/s, about a minute per image) moves
// it visibly every second.
#include "ui/window/transfer_progress_view.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/widgets/look.h"

namespace nobrix::ui::window {

namespace {
constexpr int kBarSteps = 1000;
}

TransferProgressView::TransferProgressView(const firmware::TransferProgress* progress,
                                           TickCount tickCount, QWidget* parent)
    : QWidget(parent), progress_(progress), tickCount_(std::move(tickCount)) {
  setObjectName(QStringLiteral("TransferProgressView"));
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* stack = new QVBoxLayout(this);
  stack->setContentsMargins(6, 4, 6, 2);
  stack->setSpacing(2);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("TransferProgressBar"));
  bar_->setRange(0, kBarSteps);
  bar_->setTextVisible(false);
  bar_->setFixedHeight(6);
  bar_->setStyleSheet(
      QStringLiteral("#TransferProgressBar { background: white; border: 1px solid %1; }"
                     "#TransferProgressBar::chunk { background: %1; }")
          .arg(look::rgb(look::kDarkBlue)));
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("TransferProgressLabel"));
  text_->setFont(look::font(8));
  text_->setStyleSheet(QStringLiteral("#TransferProgressLabel { color: black; }"));
  stack->addWidget(bar_);
  stack->addWidget(text_);
  stack->addStretch(1);
  timer_ = new QTimer(this);
  timer_->setInterval(kRefreshMs);
  connect(timer_, &QTimer::timeout, this, [this] { refreshNow(); });
  refresh(0);
}

void TransferProgressView::setWatching(bool watching) {
  if (watching && !timer_->isActive()) {
    lastTick_ = tickCount_();
    watchedMs_ = 0;
    timer_->start();
  } else if (!watching) {
    timer_->stop();
  }
  refreshNow();
}

// Differences of the unsigned counter stay right across its wrap.
std::int64_t TransferProgressView::watchedMs() {
  if (!timer_->isActive()) {
    return watchedMs_;
  }
  const std::uint32_t now = tickCount_();
  watchedMs_ += static_cast<std::uint32_t>(now - lastTick_);
  lastTick_ = now;
  return watchedMs_;
}

double TransferProgressView::shownShare() const {
  return bar_->isVisibleTo(this) ? bar_->value() / double{kBarSteps} : -1.0;
}

void TransferProgressView::refresh(std::int64_t nowMs) {
  const bool sending = progress_ != nullptr && timer_->isActive() &&
                       progress_->sending.load(std::memory_order_acquire);
  bar_->setVisible(sending);
  text_->setVisible(sending);
  if (!sending) {
    rate_.reset();
    return;
  }
  const std::uint64_t accepted = progress_->acceptedBytes.load(std::memory_order_relaxed);
  const std::uint64_t total = progress_->imageBytes.load(std::memory_order_relaxed);
  rate_.sample(nowMs, accepted);
  const double share =
      total == 0 ? 0.0 : static_cast<double>(accepted) / static_cast<double>(total);
  bar_->setValue(static_cast<int>(share * kBarSteps));
  // No rate before there is one: the first reading of a send has nothing to compare with.
  const QString rate = rate_.measured()
                           ? QStringLiteral("%1 MB/s").arg(rate_.bytesPerSecond() / 1e6, 0, 'f', 1)
                           : QString();
  text_->setText(QStringLiteral("%1 %\n").arg(share * 100.0, 0, 'f', 1) + rate);
}

}  // namespace nobrix::ui::window

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_transfer_progress_view.cpp"
