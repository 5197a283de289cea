// A whole update run through the real window on the simulated bus, and what the window allows
// during and after it: no closing from outside while it runs, CLOSE once it has ended.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>

#include "tests/ui_app/window_rig.h"
#include "ui/dialog/ui_message.h"
#include "ui/resources/activity_animator.h"

namespace nobrix::ui::testing {
namespace {

class Form1Run : public ::testing::Test {
 protected:
  void SetUp() override {
    a_ = rig_.plug("SN-A");
    rig_.plugOtherModel("SN-X");
    b_ = rig_.plug("SN-B");
    c_ = rig_.plug("SN-C");
    rig_.loadAndShow();
    for (int entry = 0; entry < 3; ++entry) {
      rig_.clickEntry(entry);
    }
  }

  Form1& window() { return rig_.app.window(); }
  QPushButton* button(const char* name) { return rig_.control<QPushButton>(name); }

  WindowRig rig_;
  platform::sim::PrinterId a_ = 0;
  platform::sim::PrinterId b_ = 0;
  platform::sim::PrinterId c_ = 0;
};

TEST_F(Form1Run, ThreePrintersAreUpdatedAndTheResultReadsThreeOfThree) {
  std::vector<std::pair<int, QString>> changes;
  QObject::connect(&window(), &Form1::statusRowChanged,
                   [&](int row, const QString& text) { changes.emplace_back(row, text); });

  rig_.clickButton("StartButton");

  ASSERT_EQ(rig_.dialogs.size(), 1U);
  EXPECT_EQ(rig_.dialogs[0].type, kResultMessage);
  EXPECT_EQ(rig_.dialogs[0].message, rig_.text("StrRes_AllUpdated"));
  EXPECT_EQ(rig_.dialogs[0].counts, "[3/3]  " + rig_.text("StrRes_UIMsgResult"));
  for (const auto printer : {a_, b_, c_}) {
    EXPECT_EQ(rig_.bus.image(printer).bytes, WindowRig::kImageBytes);
    EXPECT_EQ(rig_.bus.image(printer).checksum, rig_.image.checksum());
  }
  const QString completed = rig_.text("StrRes_StatusUpdateCompleted");
  EXPECT_EQ(rig_.statusRows(), (std::vector<QString>{completed, completed, completed}));

  // Every row went through the same texts in place: idle, switching, flash mode, sending,
  // storing, completed; no row was ever added past the three.
  const std::vector<QString> expected = {
      rig_.text("StrRes_StatusInIdleMode"),         rig_.text("StrRes_StatusSettingFlashMode"),
      rig_.text("StrRes_StatusInFlashMode"),        rig_.text("StrRes_StatusSendingFhx"),
      rig_.text("StrRes_StatusStoringAndUpdating"), completed};
  for (int row = 0; row < 3; ++row) {
    std::vector<QString> seen;
    for (const auto& [changedRow, text] : changes) {
      ASSERT_LT(changedRow, 3);
      if (changedRow == row) {
        seen.push_back(text);
      }
    }
    EXPECT_EQ(seen, expected) << "row " << row;
  }
  auto* serials = rig_.control<QListWidget>("VUZPrinterListBox");
  ASSERT_EQ(serials->count(), 3);
  EXPECT_EQ(serials->item(2)->text(), "SN-C");
}

TEST_F(Form1Run, TheWindowSwitchesToTheProgressPageAndLocksItsControlsForGood) {
  auto* animation = window().findChild<images::ActivityAnimator*>();
  ASSERT_NE(animation, nullptr);
  EXPECT_FALSE(animation->isRunning());
  bool activityDuringRun = false;
  bool animatingDuringRun = false;
  bool captionCloseDuringRun = true;
  QObject::connect(&window(), &Form1::statusRowChanged, [&](int, const QString&) {
    activityDuringRun = button("PrinterStatusButton")->isEnabled();
    animatingDuringRun = animation->isRunning();
    captionCloseDuringRun = button("CloseButton")->isEnabled();
  });
  rig_.clickButton("StartButton");

  EXPECT_TRUE(activityDuringRun);
  EXPECT_TRUE(animatingDuringRun);
  EXPECT_FALSE(animation->isRunning());
  EXPECT_FALSE(captionCloseDuringRun);
  auto* pages = rig_.control<QStackedWidget>("MainTabControl");
  EXPECT_EQ(pages->currentWidget()->objectName(), "ProgressTabPage");
  EXPECT_FALSE(button("CloseButton")->isEnabled());
  EXPECT_FALSE(button("LangButton")->isEnabled());
  EXPECT_FALSE(button("PrinterStatusButton")->isEnabled());
  EXPECT_TRUE(button("AppCloseButton")->isEnabled());
  EXPECT_FALSE(rig_.control<QListWidget>("SupportedPrinterCheckedListBox")->isEnabled());
  EXPECT_TRUE(rig_.control<QLabel>("Progress_UpdateStepsLabel")->text().isEmpty());
}

TEST_F(Form1Run, ACloseFromOutsideIsRefusedWhileTheRunGoesOn) {
  int refusals = 0;
  bool stillVisible = true;
  QStringList notices;
  bool shownOverTheLists = false;
  auto* notice = window().findChild<QLabel*>(QStringLiteral("RunNoticeLabel"));
  ASSERT_NE(notice, nullptr);
  QObject::connect(&window(), &Form1::statusRowChanged, [&](int, const QString&) {
    // The window manager's close, Alt+F4 and the session's end all arrive as a close event.
    QCloseEvent request;
    QCoreApplication::sendEvent(&window(), &request);
    refusals += request.isAccepted() ? 0 : 1;
    window().close();
    stillVisible = stillVisible && window().isVisible();
    // Up from the first refusal, shown with the progress page once that comes up.
    notices << (notice->isHidden() ? QString() : notice->text());
    const QRect lists = notice->parentWidget()->rect();
    shownOverTheLists = notice->isVisible() && lists.contains(notice->geometry()) &&
                        notice->geometry().bottom() == lists.bottom() &&
                        notice->height() >= notice->heightForWidth(lists.width());
  });
  rig_.clickButton("StartButton");

  EXPECT_EQ(refusals, 3 * 6);  // every status change of the three printers
  EXPECT_TRUE(stillVisible);
  // Each refusal says why, in the window's language, with no dialog to answer.
  EXPECT_EQ(notices.count(rig_.text("StrRes_CloseRefusedWhileUpdating")), 3 * 6);
  EXPECT_TRUE(shownOverTheLists);
  EXPECT_FALSE(notice->isVisible()) << "gone once CLOSE is offered";
  ASSERT_EQ(rig_.dialogs.size(), 1U);
  EXPECT_EQ(rig_.dialogs[0].counts.left(5), "[3/3]");

  // Over: the window's own CLOSE closes it.
  rig_.clickButton("AppCloseButton");
  EXPECT_FALSE(window().isVisible());
}

TEST_F(Form1Run, UnpluggingAfterStartLeavesTheCheckListAlone) {
  rig_.clickButton("StartButton");
  rig_.bus.unplug(rig_.bus.printers().front());
  rig_.plug("SN-NEW");
  WindowRig::deliverEvents();
  EXPECT_EQ(rig_.control<QListWidget>("SupportedPrinterCheckedListBox")->count(), 3);
}

// The result dialog sits exactly in the middle of the window, wherever the window is.
TEST_F(Form1Run, TheResultDialogIsCentredOnTheWindow) {
  window().move(37, 58);
  WindowRig::deliverEvents();
  QRect dialogArea;
  rig_.whileDialogOpen = [&](UI_Message& dialog) { dialogArea = dialog.frameGeometry(); };
  rig_.clickButton("StartButton");

  const QRect windowArea = window().frameGeometry();
  ASSERT_FALSE(dialogArea.isEmpty());
  EXPECT_EQ(dialogArea.x() - windowArea.x(), (windowArea.width() - dialogArea.width()) / 2);
  EXPECT_EQ(dialogArea.y() - windowArea.y(), (windowArea.height() - dialogArea.height()) / 2);
}

// A printer an interrupted run left in flash mode is listed after the others; with no record of
// its model the window asks before it sends anything, and a "no" leaves every printer untouched.
TEST(Form1Recovery, APrinterWaitingInFlashModeIsFinishedOnlyAfterTheUserConfirmsItsModel) {
  WindowRig rig;
  const auto normal = rig.plug("SN-N");
  auto script = rig.printerScript("SN-W");
  script.startsInFlashMode = true;
  const auto waiting = rig.bus.plug(script);
  rig.loadAndShow();
  auto* list = rig.control<QListWidget>("SupportedPrinterCheckedListBox");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(),
            "NOBRIX reflash[SN#:SN-W]\n" + rig.text("StrRes_ListedInFlashModeUnknown"));
  rig.clickEntry(0);
  rig.clickEntry(1);

  std::vector<QString> questions;
  bool answer = false;
  rig.app.messages().setConfirmHook([&](const QString& question) {
    questions.push_back(question);
    return answer;
  });
  rig.clickButton("StartButton");
  ASSERT_EQ(questions.size(), 1U);
  EXPECT_TRUE(questions[0].contains("SN-W")) << questions[0].toStdString();
  EXPECT_TRUE(rig.bus.commandBytes(normal).empty());
  EXPECT_TRUE(rig.dialogs.empty());
  EXPECT_TRUE(rig.control<QPushButton>("StartButton")->isVisible()) << "still on the start page";

  answer = true;
  rig.clickButton("StartButton");
  ASSERT_EQ(rig.dialogs.size(), 1U);
  EXPECT_EQ(rig.dialogs[0].counts, "[2/2]  " + rig.text("StrRes_UIMsgResult"));
  for (const auto printer : {normal, waiting}) {
    EXPECT_EQ(rig.bus.image(printer).checksum, rig.image.checksum());
  }
}

TEST(Form1Closing, TheCaptionCloseButtonClosesAtOnceBeforeARun) {
  WindowRig rig;
  rig.loadAndShow();
  rig.clickButton("CloseButton");
  EXPECT_FALSE(rig.app.window().isVisible());
}

TEST(Form1Closing, TheCloseHandlerClosesOnlyOnItsExactCommand) {
  WindowRig rig;
  rig.loadAndShow();
  rig.app.window().APP_AppCloseButton_Handler(QStringLiteral("close"));
  rig.app.window().APP_AppCloseButton_Handler(QStringLiteral("Close "));
  EXPECT_TRUE(rig.app.window().isVisible());
  rig.app.window().APP_AppCloseButton_Handler(QStringLiteral("Close"));
  EXPECT_FALSE(rig.app.window().isVisible());
}

TEST(Form1Closing, StartWithNothingListedAsksForAPrinterAndKeepsTheStartPage) {
  WindowRig rig;
  rig.loadAndShow();
  rig.clickButton("StartButton");
  ASSERT_EQ(rig.dialogs.size(), 1U);
  EXPECT_EQ(rig.dialogs[0].message, rig.text("StrRes_ConnectPrinter"));
  EXPECT_EQ(rig.control<QStackedWidget>("MainTabControl")->currentWidget()->objectName(),
            "StartTabPage");
  EXPECT_TRUE(rig.control<QPushButton>("CloseButton")->isEnabled());
  EXPECT_TRUE(rig.control<QPushButton>("LangButton")->isEnabled());
}

// A START refused for want of a ticked printer enables CLOSE on the hidden page; the run
// started next must still keep CLOSE out of reach until it has ended.
TEST(Form1Closing, CloseStaysDisabledThroughARunThatFollowsARefusedStart) {
  WindowRig rig;
  rig.plug("SN-A");
  rig.loadAndShow();
  rig.clickButton("StartButton");
  ASSERT_EQ(rig.dialogs.size(), 1U);
  EXPECT_EQ(rig.dialogs[0].message, rig.text("StrRes_SelectPrinter"));

  auto* close = rig.control<QPushButton>("AppCloseButton");
  std::vector<bool> enabledDuringRun;
  QObject::connect(&rig.app.window(), &Form1::statusRowChanged,
                   [&](int, const QString&) { enabledDuringRun.push_back(close->isEnabled()); });
  rig.clickEntry(0);
  rig.clickButton("StartButton");

  EXPECT_EQ(enabledDuringRun, std::vector<bool>(6, false));
  EXPECT_TRUE(close->isEnabled());
}

}  // namespace
}  // namespace nobrix::ui::testing
