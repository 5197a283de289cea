// The window with the keyboard alone, as a technician with a broken mouse uses it: Tab order,
// arrows and Space in the check list, Return on the buttons and in the dialogs; and a click whose
// hand slips onto the next entry before the button comes up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/ui_app/window_rig.h"
#include "ui/dialog/ui_message.h"

namespace nobrix::ui::testing {
namespace {

class Form1Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* serial : {"SN-A", "SN-B", "SN-C"}) {
      rig_.plug(serial);
    }
    rig_.loadAndShow();
    QApplication::setActiveWindow(&rig_.app.window());
    WindowRig::deliverEvents();
  }

  // A key pressed where the keyboard's focus is, as the system delivers it.
  static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
  }
  static QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QString() : focus->objectName();
  }
  QListWidget* list() { return rig_.control<QListWidget>("SupportedPrinterCheckedListBox"); }
  std::vector<bool> ticks() {
    std::vector<bool> ticked;
    for (int entry = 0; entry < list()->count(); ++entry) {
      ticked.push_back(list()->item(entry)->checkState() == Qt::Checked);
    }
    return ticked;
  }

  WindowRig rig_;
};

TEST_F(Form1Keyboard, AWholeRunFromTicksToCloseNeedsNoMouse) {
  // Nothing looks chosen before the first key press.
  EXPECT_EQ(focusName(), "Form1");
  EXPECT_EQ(list()->currentRow(), -1);

  press(Qt::Key_Tab);
  EXPECT_EQ(focusName(), "SupportedPrinterCheckedListBox");
  EXPECT_EQ(list()->currentRow(), 0) << "the entry the keyboard is on is framed";
  EXPECT_EQ(ticks(), (std::vector<bool>{false, false, false}));
  press(Qt::Key_Space);
  press(Qt::Key_Down);
  press(Qt::Key_Space);
  press(Qt::Key_Down);
  press(Qt::Key_Return);
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true}));
  press(Qt::Key_Up);
  press(Qt::Key_Space);
  press(Qt::Key_Space);
  EXPECT_EQ(ticks(), (std::vector<bool>{true, true, true})) << "Space toggles, twice undoes";

  // The result dialog is read and closed with Return, as OK has the keyboard.
  std::vector<QString> dialogCounts;
  rig_.app.messages().setDialogShownHook([&](UI_Message& dialog) {
    dialogCounts.push_back(dialog.findChild<QLabel*>("UI_UpdatedPrintersLabel")->text());
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  press(Qt::Key_Tab);
  EXPECT_EQ(focusName(), "StartButton");
  press(Qt::Key_Return);

  ASSERT_EQ(dialogCounts.size(), 1U);
  EXPECT_TRUE(dialogCounts[0].startsWith("[3/3]"));
  const QString completed = rig_.text("StrRes_StatusUpdateCompleted");
  EXPECT_EQ(rig_.statusRows(), (std::vector<QString>{completed, completed, completed}));
  // The dialog has gone; a window manager gives the window back the keyboard.
  QApplication::setActiveWindow(&rig_.app.window());
  EXPECT_EQ(focusName(), "AppCloseButton") << "the one thing left to do has the keyboard";
  press(Qt::Key_Return);
  EXPECT_FALSE(rig_.app.window().isVisible());
}

TEST_F(Form1Keyboard, TabGoesListStartAndTheCaptionButtonsRoundAndShiftTabBack) {
  const QString forward[] = {"SupportedPrinterCheckedListBox",
                             "StartButton",
                             "LangButton",
                             "MinimizeButton",
                             "CloseButton",
                             "SupportedPrinterCheckedListBox"};
  for (const QString& expected : forward) {
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), expected);
  }
  press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(focusName(), "CloseButton");
  press(Qt::Key_Tab, Qt::ShiftModifier);
  press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(focusName(), "LangButton");
  const std::int32_t before = rig_.app.language().index();
  press(Qt::Key_Return);
  press(Qt::Key_Space);
  EXPECT_EQ(rig_.app.language().index(), l10n::nextLanguage(l10n::nextLanguage(before)));
  EXPECT_EQ(focusName(), "LangButton");
}

TEST_F(Form1Keyboard, AClickTicksTheEntryPressedWhereverTheHandComesUpInTheList) {
  QWidget* viewport = list()->viewport();
  const QRect first = list()->visualItemRect(list()->item(0));
  const QRect second = list()->visualItemRect(list()->item(1));
  // Four pixels above the boundary, then eight down across it.
  const QPoint pressed(first.center().x(), first.bottom() - 3);
  QTest::mousePress(viewport, Qt::LeftButton, {}, pressed);
  QTest::mouseMove(viewport, pressed + QPoint(0, 8));
  ASSERT_TRUE(second.contains(pressed + QPoint(0, 8)));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, pressed + QPoint(0, 8));
  EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(list()->currentRow(), 0) << "the frame is on the entry ticked";

  // Released outside the list: the click is taken back.
  QTest::mousePress(viewport, Qt::LeftButton, {}, second.center());
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(-20, second.center().y()));
  EXPECT_EQ(ticks(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(list()->currentRow(), 0);
}

}  // namespace
}  // namespace nobrix::ui::testing
