// The notice's timer runs on the window's event loop, which the run pumps between its steps.
// Its area may be on a page not laid out yet, so it takes its place again whenever the area's
// size changes.
#include "ui/window/run_notice.h"

#include <QEvent>
#include <QTimer>

#include "ui/widgets/look.h"
#include "ui/window/window_style.h"

namespace nobrix::ui::window {

RunNotice::RunNotice(QWidget* area) : QLabel(area), hideTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("RunNoticeLabel"));
  setFont(look::font(11, look::Face::Semibold));
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setStyleSheet(QStringLiteral("#RunNoticeLabel { background: %1; color: black;"
                               " border: 1px solid %2; padding: 4px; }")
                    .arg(look::rgb(style::kNoticeBackground), look::rgb(look::kDarkBlue)));
  hideTimer_->setSingleShot(true);
  hideTimer_->setInterval(kShownMs);
  connect(hideTimer_, &QTimer::timeout, this, &QWidget::hide);
  area->installEventFilter(this);
  hide();
}

void RunNotice::showText(const QString& text) {
  setText(text);
  place();
  raise();
  show();
  hideTimer_->start();
}

bool RunNotice::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) {
    place();
  }
  return QLabel::eventFilter(watched, event);
}

void RunNotice::place() {
  const QRect area = parentWidget()->rect();
  const int height = qMin(area.height(), heightForWidth(area.width()));
  setGeometry(0, area.height() - height, area.width(), height);
}

}  // namespace nobrix::ui::window

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_run_notice.cpp"
