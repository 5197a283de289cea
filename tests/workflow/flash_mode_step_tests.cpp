// Step 1: switching printers to flash mode, the window thread's own verdict, the 10 s polls with
// their 15 s limit, and errors that end the run.
#include "tests/workflow/workflow_fixture.h"

namespace nobrix::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Kind = ViewEvent::Kind;

class FlashModeStep : public WorkflowTest {
 protected:
  platform::sim::PrinterScript ignoring(const std::string& serial) const {
    auto script = rig->printerScript(serial);
    script.ignoresFlashCommands = true;
    return script;
  }
  // Virtual time from the row's "Setting to flash mode ..." to `verdict`.
  std::uint64_t switchTime(int row, const std::u16string& verdict) const {
    return rig->view.timeOf(Kind::StatusRowReplaced, row, verdict) -
           rig->view.timeOf(Kind::StatusRowReplaced, row, text::kSetting);
  }
};

TEST_F(FlashModeStep, AMiddlePrinterThatFailsDoesNotStopTheOthers) {
  const auto first = rig->plug("MID-1");
  const auto middle = rig->plug(ignoring("MID-2"));
  const auto last = rig->plug("MID-3");
  rig->listPrinters();
  rig->startWith({0, 1, 2});

  EXPECT_EQ(rig->view.statusHistory(0), completedHistory());
  EXPECT_THAT(rig->view.statusHistory(1),
              ElementsAre(text::kIdle, text::kSetting, text::kFlashModeFail, text::kNotConnected,
                          text::kNotFound));
  EXPECT_EQ(rig->view.statusHistory(2), completedHistory());
  EXPECT_EQ(rig->view.statusRows[1], text::kNotFound);

  for (const auto printer : {first, last}) {
    EXPECT_EQ(rig->bus.image(printer).bytes, rig->imageBytes());
    EXPECT_EQ(rig->bus.image(printer).checksum, rig->imageChecksum());
  }
  EXPECT_EQ(rig->bus.image(middle).bytes, 0U);
  // It was sent both commands; it just did not act on them.
  EXPECT_THAT(rig->bus.commandBytes(middle), HasSubstr("ds2.set 79744, 1;"));
  EXPECT_THAT(rig->bus.commandBytes(middle), HasSubstr("udw.srec_download;"));

  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].text, text::kSomeUpdated);
  EXPECT_EQ(results()[0].total, 3);
  EXPECT_EQ(results()[0].updated, 2);
  EXPECT_THAT(rig->workflow.printerInfo().printerStatus, ElementsAre(6, 7, 6, 0, 0, 0));
}

// Two 10 s polls: after the second the elapsed 20 s exceed the 15 s limit.
TEST_F(FlashModeStep, APrinterThatIgnoresTheCommandIsGivenUpAfterAboutTwentySeconds) {
  rig->plug(ignoring("DEAF01"));
  const auto next = rig->plug("NEXT01");
  rig->listPrinters();
  rig->startWith({0, 1});

  const auto waited = switchTime(0, text::kFlashModeFail);
  RecordProperty("flash_mode_give_up_virtual_ms", static_cast<int>(waited));
  EXPECT_GE(waited, 20'000U);
  EXPECT_LT(waited, 23'000U);
  EXPECT_EQ(rig->view.statusHistory(1), completedHistory());
  EXPECT_EQ(rig->bus.image(next).bytes, rig->imageBytes());
}

TEST_F(FlashModeStep, APrinterGoneWithinTheCommandsOwnTimeNeedsNoPoll) {
  auto quick = rig->printerScript("QUICK1");
  quick.leaveAfterSwitchMs = 0;
  rig->plug(quick);
  rig->plug("SLOW01");  // leaves 300 ms after the command, within the worker's first poll
  rig->listPrinters();
  rig->startWith({0, 1});

  EXPECT_LT(switchTime(0, text::kFlashMode), 10'000U);
  EXPECT_GE(switchTime(1, text::kFlashMode), 10'000U);
  EXPECT_EQ(rig->view.statusHistory(0), completedHistory());
}

TEST_F(FlashModeStep, TheTickCounterWrappingDuringThePollsDoesNotEndThemEarly) {
  // Measure when the poll starts on an unwrapped counter, then wrap it 5 s into the first poll.
  rig->plug(ignoring("WRAP01"));
  rig->listPrinters();
  rig->startWith({0});
  const auto pollStart = rig->view.timeOf(Kind::StatusRowReplaced, 0, text::kSetting);

  RigOptions wrapping;
  wrapping.bus.tickAtStart = static_cast<std::uint32_t>(0x1'0000'0000ULL - (pollStart + 6'500));
  remakeRig(wrapping);
  rig->plug(ignoring("WRAP01"));
  rig->listPrinters();
  rig->startWith({0});

  EXPECT_LT(rig->bus.tickCount(), 0x1000'0000U) << "the counter never wrapped";
  EXPECT_GE(switchTime(0, text::kFlashModeFail), 20'000U);
}

// The window thread's connection test throws: preparation and step 1 catch nothing, so the run
// ends with the error's text, no result dialog, and the window finished.
TEST_F(FlashModeStep, AnErrorInStepOneEndsTheRunWithItsTextAndNoResult) {
  const auto failing = rig->plug("THROW1");
  const auto other = rig->plug("OTHER1");
  rig->listPrinters();
  rig->platform.throwOnOpen(rig->bus.normalPath(failing), "Access is denied.");
  rig->startWith({0, 1});

  EXPECT_TRUE(results().empty());
  const auto shown = plainMessages();
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_EQ(shown[0].text, u"Access is denied.");
  EXPECT_EQ(shown[0].total, 0);
  EXPECT_EQ(rig->view.statusHistory(0), (std::vector<std::u16string>{text::kIdle, text::kSetting}));
  EXPECT_EQ(rig->view.statusHistory(1), (std::vector<std::u16string>{text::kIdle}));
  EXPECT_TRUE(rig->bus.commandBytes(other).empty());

  EXPECT_TRUE(rig->workflow.runFinished());
  EXPECT_FALSE(rig->workflow.runInProgress());
  EXPECT_FALSE(rig->view.activityIndicatorEnabled);
  EXPECT_TRUE(rig->view.appCloseEnabled);
  EXPECT_FALSE(rig->view.captionCloseEnabled);
  EXPECT_TRUE(rig->view.stepLabel.empty());
  EXPECT_FALSE(rig->view.waitCursor);
  EXPECT_TRUE(rig->workflow.listingBlocked());
}

}  // namespace
}  // namespace nobrix::testing
