// Moving the borderless window: only the title label is a handle, and the window follows the
// mouse by exactly the mouse's own movement.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

#include "tests/ui_app/window_rig.h"

namespace nobrix::ui::testing {
namespace {

// A mouse held over `target` and moved on the screen. It sends what the system would: events
// in the target's coordinates at the moment they happen, so as the window (and the target with
// it) moves, the same screen point becomes another local point.
class Mouse {
 public:
  Mouse(QWidget& window, QWidget& target, QPoint screenPoint)
      : window_(window), target_(target), screen_(screenPoint) {}

  void press() { send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton); }
  void moveBy(QPoint delta) {
    screen_ += delta;
    send(QEvent::MouseMove, Qt::NoButton, held_ ? Qt::LeftButton : Qt::NoButton);
  }
  void release() { send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton); }

 private:
  void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
    held_ = buttons.testFlag(Qt::LeftButton);
    const QPoint targetOrigin = window_.pos() + target_.mapTo(&window_, QPoint(0, 0));
    const QPointF local(screen_ - targetOrigin);
    QMouseEvent event(type, local, local, QPointF(screen_), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&target_, &event);
  }

  QWidget& window_;
  QWidget& target_;
  QPoint screen_;
  bool held_ = false;
};

class Form1Drag : public ::testing::Test {
 protected:
  void SetUp() override {
    rig_.loadAndShow();
    window().move(200, 150);
    WindowRig::deliverEvents();
    start_ = window().pos();
  }

  Form1& window() { return rig_.app.window(); }

  Mouse mouseOver(QWidget& target, QPoint local) {
    return Mouse(window(), target, window().pos() + target.mapTo(&window(), local));
  }

  WindowRig rig_;
  QPoint start_;
};

TEST_F(Form1Drag, TheTitleLabelMovesTheWindowByExactlyTheMouseMovement) {
  auto* title = rig_.control<QLabel>("VUZProductNameLabel");
  Mouse mouse = mouseOver(*title, QPoint(40, 12));
  mouse.press();
  mouse.moveBy({30, 15});
  EXPECT_EQ(window().pos(), start_ + QPoint(30, 15));
  mouse.moveBy({-7, 40});
  mouse.moveBy({2, -5});
  EXPECT_EQ(window().pos(), start_ + QPoint(25, 50));
  mouse.release();

  // Released: moving the mouse over the label no longer drags.
  mouse.moveBy({60, 60});
  EXPECT_EQ(window().pos(), start_ + QPoint(25, 50));
}

TEST_F(Form1Drag, NoOtherPartOfTheWindowDrags) {
  const char* others[] = {"MfgIconPicBox",  "SupportedPrinterLabel",  "InstructionsLabel",
                          "CopyrightLabel", "ConnectionWarningLabel", "WarningPicBox"};
  for (const char* name : others) {
    auto* target = rig_.control<QWidget>(name);
    ASSERT_NE(target, nullptr) << name;
    Mouse mouse = mouseOver(*target, QPoint(5, 5));
    mouse.press();
    mouse.moveBy({30, 20});
    mouse.release();
    EXPECT_EQ(window().pos(), start_) << name;
  }
  auto* list = rig_.control<QListWidget>("SupportedPrinterCheckedListBox");
  Mouse mouse = mouseOver(*list->viewport(), QPoint(5, 5));
  mouse.press();
  mouse.moveBy({30, 20});
  mouse.release();
  EXPECT_EQ(window().pos(), start_);
}

}  // namespace
}  // namespace nobrix::ui::testing
