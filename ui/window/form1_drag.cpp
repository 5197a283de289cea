// Moving the borderless window: the title label is its only handle. The window follows the
// mouse by the offset measured from where the button went down; since the label moves with
// the window, each move event measures the offset since the previous move.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

#include "ui/window/form1.h"

namespace nobrix::ui::window {

namespace {

// Wayland does not let a client place its own windows; the compositor moves them instead.
bool compositorMovesWindows() {
  return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

}  // namespace

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched != VUZProductNameLabel) {
    return QWidget::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (compositorMovesWindows() && windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
        return true;
      }
      App_FormMouseDown_Handler(*static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseMove:
      App_FormMouseMove_Handler(*static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseButtonRelease:
      App_FormMouseUp_Handler();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

void Form1::App_FormMouseDown_Handler(const QMouseEvent& event) {
  // Any button starts a drag.
  gFormMoveActivated_ = true;
  gFormLocation_ = pos();
  gMouseStartLocation_ = event.position().toPoint();
}

void Form1::App_FormMouseMove_Handler(const QMouseEvent& event) {
  const QPoint offset = event.position().toPoint() - gMouseStartLocation_;
  if (!gFormMoveActivated_) {
    return;
  }
  const QPoint target = gFormLocation_ + offset;
  move(target);
  gFormLocation_ = target;
  QCoreApplication::processEvents();
}

void Form1::App_FormMouseUp_Handler() {
  gFormMoveActivated_ = false;
}

}  // namespace nobrix::ui::window
