// The dialog on its own: which page each mode fills, the result's tick or cross and count
// line, the progress display and its text bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "tests/ui_dialog/dialog_probe.h"
#include "ui/dialog/ui_message.h"

namespace nobrix::ui {
namespace {

using testing::control;
using testing::currentPage;
using testing::labelText;
using testing::okEnabled;
using testing::showsPicture;

UI_MessageInfo info(std::int32_t type, const QString& message, std::int32_t total = 0,
                    std::int32_t updated = 0, const QString& result = QString()) {
  return {QStringLiteral("ACME 1 VUZ"), message, result, total, updated, type};
}

// Shows the dialog (which fills it), as the presenter does, without a modal loop.
class ShownDialog : public ::testing::Test {
 protected:
  void show(const UI_MessageInfo& record) {
    dialog_.UI_IFCSetInfo(record);
    dialog_.show();
  }
  void TearDown() override { dialog_.close(); }
  UI_Message dialog_;
};

TEST_F(ShownDialog, PlainMessageFillsTheMessagePage) {
  show(info(kPlainMessage, QStringLiteral("ERROR: Firmware file mismatch!\r\nClosing tool")));
  EXPECT_EQ(currentPage(dialog_), "MessageTabPage");
  EXPECT_EQ(labelText(dialog_, "UI_MessageLabel"),
            "ERROR: Firmware file mismatch!\r\nClosing tool");
  EXPECT_EQ(labelText(dialog_, "UI_CaptionLabel"), "ACME 1 VUZ");
  EXPECT_EQ(dialog_.windowTitle(), "ACME 1 VUZ") << "what the task bar shows";
  EXPECT_TRUE(okEnabled(dialog_));
}

TEST_F(ShownDialog, AllPrintersUpdatedShowsTickAndCountLine) {
  show(info(kResultMessage, QStringLiteral("All done"), 3, 3, QStringLiteral("printers updated")));
  EXPECT_EQ(currentPage(dialog_), "ResultTabPage");
  EXPECT_EQ(labelText(dialog_, "UI_ResultLabel"), "All done");
  EXPECT_EQ(labelText(dialog_, "UI_UpdatedPrintersLabel"), "[3/3]  printers updated");
  EXPECT_TRUE(showsPicture(dialog_, "UI_UpdatedPicBox", "CheckMark.png"));
  EXPECT_FALSE(showsPicture(dialog_, "UI_UpdatedPicBox", "Cross.png"));
  EXPECT_TRUE(okEnabled(dialog_));
}

TEST_F(ShownDialog, SomePrintersFailedShowsCross) {
  show(info(kResultMessage, QStringLiteral("Some failed"), 3, 2, QStringLiteral("Drucker")));
  EXPECT_EQ(labelText(dialog_, "UI_UpdatedPrintersLabel"), "[2/3]  Drucker");
  EXPECT_TRUE(showsPicture(dialog_, "UI_UpdatedPicBox", "Cross.png"));
}

TEST_F(ShownDialog, RunOfNoPrintersCountsAsAllUpdated) {
  show(info(kResultMessage, QString(), 0, 0, QStringLiteral("x")));
  EXPECT_EQ(labelText(dialog_, "UI_UpdatedPrintersLabel"), "[0/0]  x");
  EXPECT_TRUE(showsPicture(dialog_, "UI_UpdatedPicBox", "CheckMark.png"));
}

TEST_F(ShownDialog, ProgressModeDisablesOkAndTakesNewTexts) {
  show(info(kProgressMessage, QStringLiteral("Sending")));
  EXPECT_EQ(currentPage(dialog_), "ProgressTabPage");
  EXPECT_EQ(labelText(dialog_, "UI_ProgressMsgLabel"), "Sending");
  EXPECT_FALSE(okEnabled(dialog_));
  dialog_.UI_IFCUpdateProgressMessage(QStringLiteral("Storing"));
  EXPECT_EQ(labelText(dialog_, "UI_ProgressMsgLabel"), "Storing");
  EXPECT_FALSE(okEnabled(dialog_));
}

TEST_F(ShownDialog, ProgressTextIsIgnoredOutsideProgressMode) {
  show(info(kPlainMessage, QStringLiteral("Plain")));
  dialog_.UI_IFCUpdateProgressMessage(QStringLiteral("Storing"));
  EXPECT_EQ(currentPage(dialog_), "MessageTabPage");
  EXPECT_EQ(labelText(dialog_, "UI_ProgressMsgLabel"), "");
  EXPECT_EQ(labelText(dialog_, "UI_MessageLabel"), "Plain");
  EXPECT_TRUE(okEnabled(dialog_));
}

TEST_F(ShownDialog, UnknownModeShowsOnlyTheCaption) {
  show(info(7, QStringLiteral("lost")));
  EXPECT_EQ(labelText(dialog_, "UI_CaptionLabel"), "ACME 1 VUZ");
  for (const char* label : {"UI_MessageLabel", "UI_ResultLabel", "UI_ProgressMsgLabel"}) {
    EXPECT_EQ(labelText(dialog_, label), "") << label;
  }
}

TEST_F(ShownDialog, TextBarGrowsToFourteenSquaresThenStartsAgainAtOne) {
  show(info(kProgressMessage, QStringLiteral("Sending")));
  const QChar square(0x25A0);
  for (int tick = 1; tick <= 14; ++tick) {
    dialog_.UI_ProgressTimer_Handler(QStringLiteral("Run"));
    ASSERT_EQ(labelText(dialog_, "UI_ProgressBarLabel"), QString(tick, square)) << tick;
  }
  dialog_.UI_ProgressTimer_Handler(QStringLiteral("Run"));
  EXPECT_EQ(labelText(dialog_, "UI_ProgressBarLabel"), QString(square));
}

TEST_F(ShownDialog, TextBarStartEmptiesAndRunsTheTimerStopEmptiesAndStopsIt) {
  show(info(kProgressMessage, QStringLiteral("Sending")));
  auto* timer = control<QTimer>(dialog_, "UI_ProgressTimer");
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(timer->interval(), 300);
  dialog_.UI_ProgressTimer_Handler(QStringLiteral("Run"));
  dialog_.UI_ProgressTimer_Handler(QStringLiteral("Run"));
  dialog_.UI_ProgressTimer_Handler(QStringLiteral("Start"));
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(labelText(dialog_, "UI_ProgressBarLabel"), "");
  dialog_.UI_ProgressTimer_Handler(QStringLiteral("Run"));
  dialog_.UI_ProgressTimer_Handler(QStringLiteral("start"));  // commands are case-sensitive
  EXPECT_EQ(labelText(dialog_, "UI_ProgressBarLabel").size(), 1);
  dialog_.UI_ProgressTimer_Handler(QStringLiteral("Start"));  // already running: no reset
  EXPECT_EQ(labelText(dialog_, "UI_ProgressBarLabel").size(), 1);
  dialog_.UI_ProgressTimer_Handler(QStringLiteral("Stop"));
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(labelText(dialog_, "UI_ProgressBarLabel"), "");
}

// Escape closes what OK closes; a progress display waits for its owner to close it.
TEST(UI_Message, EscapeClosesAMessageButNeverAProgressDisplay) {
  for (const std::int32_t type : {kPlainMessage, kResultMessage, kProgressMessage}) {
    UI_Message dialog;
    dialog.UI_IFCSetInfo(info(type, QStringLiteral("text"), 1, 1));
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_EQ(dialog.isVisible(), type == kProgressMessage) << type;
  }
}

TEST(UI_Message, IsBorderlessAndStaysOnTop) {
  UI_Message dialog;
  EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(dialog.size(), QSize(456, 287));  // 684 x 430 drawn at 144 dpi
}

TEST(UI_Message, FillsItsPageOnlyOnceAndOnlyFromItsOwnCopy) {
  UI_Message dialog;
  UI_MessageInfo record = info(kPlainMessage, QStringLiteral("first"));
  dialog.UI_IFCSetInfo(record);
  record.MessageStr = QStringLiteral("changed by the caller");
  dialog.show();
  dialog.hide();
  dialog.show();
  EXPECT_EQ(labelText(dialog, "UI_MessageLabel"), "first");
  dialog.close();
}

}  // namespace
}  // namespace nobrix::ui
