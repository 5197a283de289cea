// The START request: refusals, preparation of the progress page, the controls a run switches,
// the step label, and the end state the window is left in.
#include <set>

#include "firmware/image_withheld.h"
#include "tests/workflow/workflow_fixture.h"

namespace nobrix::testing {
namespace {

using ::testing::ElementsAre;
using Kind = ViewEvent::Kind;

class StartRequest : public WorkflowTest {};

TEST_F(StartRequest, WithAnEmptyListAsksToConnectAPrinterAndALaterStartWorks) {
  rig->listPrinters();
  rig->workflow.startUpdate();

  const auto refused = plainMessages();
  ASSERT_EQ(refused.size(), 1U);
  EXPECT_EQ(refused[0].text, text::kConnectPrinter);
  EXPECT_EQ(refused[0].total, 0);
  EXPECT_EQ(refused[0].updated, 0);
  EXPECT_FALSE(rig->view.progressPageShown);
  EXPECT_FALSE(rig->workflow.runFinished());
  EXPECT_FALSE(rig->workflow.listingBlocked());

  const auto printer = rig->plug("LATE01");
  rig->view.pump();  // the plug's device notice lists it
  ASSERT_EQ(rig->view.checklist.size(), 1U);
  rig->startWith({0});

  EXPECT_TRUE(rig->view.progressPageShown);
  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].text, text::kAllUpdated);
  EXPECT_EQ(rig->bus.image(printer).bytes, rig->imageBytes());
}

TEST_F(StartRequest, WithNothingTickedAsksToSelectAPrinterAndALaterStartWorks) {
  rig->plug("ONE001");
  rig->plug("TWO002");
  rig->listPrinters();
  rig->workflow.startUpdate();

  ASSERT_EQ(plainMessages().size(), 1U);
  EXPECT_EQ(plainMessages()[0].text, text::kSelectPrinter);
  EXPECT_FALSE(rig->view.progressPageShown);
  EXPECT_TRUE(rig->view.checklistEnabled);
  EXPECT_TRUE(rig->view.captionCloseEnabled);
  EXPECT_TRUE(rig->bus.commandBytes(1).empty());

  rig->startWith({1});
  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].total, 1);
  EXPECT_EQ(results()[0].updated, 1);
}

TEST_F(StartRequest, WithoutAnImageToSendRefusesBeforeAnyPrinterIsSwitched) {
  const auto noImage = firmware::withholdImage(nullptr);
  RigOptions options;
  options.resources = noImage.get();
  options.resourceImageBytes = 1;
  remakeRig(options);
  const auto printer = rig->plug("ONE001");
  rig->listPrinters();
  rig->startWith({0});

  ASSERT_EQ(plainMessages().size(), 1U);
  EXPECT_EQ(plainMessages()[0].text, u"Build Error: Could not find firmware resource file!");
  EXPECT_TRUE(results().empty());
  EXPECT_TRUE(rig->bus.commandBytes(printer).empty()) << "the printer must stay in normal mode";
  EXPECT_FALSE(rig->view.progressPageShown);
  EXPECT_FALSE(rig->workflow.runFinished());
  EXPECT_FALSE(rig->workflow.listingBlocked());
}

TEST_F(StartRequest, ADeviceNoticeDuringTheFirstPumpKeepsTheTicksTheRunWasStartedWith) {
  const auto first = rig->plug("ONE001");
  const auto second = rig->plug("TWO002");
  rig->listPrinters();
  rig->plug("LATE03");  // its notice waits for the pump inside START
  ASSERT_GT(rig->pendingNotices(), 0);
  rig->startWith({1});

  EXPECT_THAT(rig->view.printerRows, ElementsAre(u"TWO002"));
  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].text, text::kAllUpdated);
  EXPECT_EQ(rig->bus.image(second).bytes, rig->imageBytes());
  EXPECT_TRUE(rig->bus.commandBytes(first).empty());
  EXPECT_EQ(rig->view.checklist.size(), 2U) << "the late printer is not listed during the run";
}

TEST_F(StartRequest, OneTickedOfThreeGivesOneRowInEachListWithItsSerialAndIdleMode) {
  rig->plug("SER-A");
  rig->plug("SER-B");
  rig->plug("SER-C");
  rig->listPrinters();
  rig->startWith({1});

  std::vector<std::u16string> printerRows;
  for (const auto& event : rig->view.eventsOf(Kind::PrinterRowAppended)) {
    printerRows.push_back(event.text);
  }
  EXPECT_THAT(printerRows, ElementsAre(u"SER-B"));
  const auto statusRows = rig->view.eventsOf(Kind::StatusRowAppended);
  ASSERT_EQ(statusRows.size(), 1U);
  EXPECT_EQ(statusRows[0].text, text::kIdle);
  EXPECT_THAT(rig->view.printerRows, ElementsAre(u"SER-B"));

  const auto& idle = rig->workflow.printerInfo().idlePrinters;
  EXPECT_THAT(idle.selected, ElementsAre(0, 1, 0, 0, 0, 0));
  EXPECT_TRUE(rig->bus.commandBytes(1).empty());
  EXPECT_TRUE(rig->bus.commandBytes(3).empty());
}

TEST_F(StartRequest, OnlyTheThirdTickedHasEveryStepChangeRowZero) {
  rig->plug("P1");
  rig->plug("P2");
  const auto third = rig->plug("P3");
  rig->listPrinters();
  rig->startWith({2});

  for (const auto& event : rig->view.eventsOf(Kind::StatusRowReplaced)) {
    EXPECT_EQ(event.row, 0);
  }
  EXPECT_EQ(rig->view.statusHistory(0), completedHistory());
  EXPECT_EQ(rig->bus.image(third).bytes, rig->imageBytes());
  EXPECT_EQ(rig->bus.image(1).bytes, 0U);
  EXPECT_EQ(rig->bus.image(2).bytes, 0U);
  EXPECT_EQ(rig->workflow.printerInfo().printerStatus[2], 6);
  EXPECT_EQ(rig->workflow.printerInfo().printerStatus[0], 0);
}

// What the window looks like while the run is under way, seen from inside its message pumps.
TEST_F(StartRequest, DuringTheRunTheWindowIsLockedAndTheRunIsInProgress) {
  rig->plug("LOCK01");
  rig->listPrinters();
  int checkedPumps = 0;
  bool resultShown = false;
  rig->view.onPump = [&] {
    if (!rig->view.progressPageShown || resultShown) {
      return;
    }
    ++checkedPumps;
    EXPECT_TRUE(rig->workflow.runInProgress());
    EXPECT_FALSE(rig->workflow.runFinished());
    EXPECT_FALSE(rig->view.captionCloseEnabled);
    EXPECT_FALSE(rig->view.languageButtonEnabled);
    EXPECT_FALSE(rig->view.checklistEnabled);
    EXPECT_FALSE(rig->view.appCloseEnabled);
    EXPECT_TRUE(rig->view.waitCursor);
    EXPECT_TRUE(rig->workflow.listingBlocked());
  };
  bool activityDuringResult = false;
  rig->messages.onShow = [&](const RecordedMessage&) {
    resultShown = true;
    activityDuringResult = rig->view.activityIndicatorEnabled;
    EXPECT_TRUE(rig->workflow.runInProgress());
  };
  rig->startWith({0});

  EXPECT_GT(checkedPumps, 10);
  EXPECT_TRUE(activityDuringResult);
}

TEST_F(StartRequest, AfterTheRunOnlyCloseIsLeftAndNothingIsListedAgain) {
  rig->plug("END01");
  rig->listPrinters();
  rig->startWith({0});
  ASSERT_EQ(results().size(), 1U);

  EXPECT_FALSE(rig->workflow.runInProgress());
  EXPECT_TRUE(rig->workflow.runFinished());
  EXPECT_TRUE(rig->view.progressPageShown);
  EXPECT_TRUE(rig->view.appCloseEnabled);
  EXPECT_FALSE(rig->view.activityIndicatorEnabled);
  EXPECT_FALSE(rig->view.captionCloseEnabled);
  EXPECT_FALSE(rig->view.languageButtonEnabled);
  EXPECT_FALSE(rig->view.checklistEnabled);
  EXPECT_FALSE(rig->view.waitCursor);
  EXPECT_TRUE(rig->view.stepLabel.empty());
  EXPECT_TRUE(rig->view.selectedPrinterRows.empty());

  const auto listingsBefore = rig->view.eventsOf(Kind::ChecklistCleared).size();
  rig->plug("AFTER1");
  rig->view.pump();
  EXPECT_EQ(rig->view.eventsOf(Kind::ChecklistCleared).size(), listingsBefore);
  EXPECT_THAT(rig->view.checklist, ElementsAre(u"SALVENOR LRX5303[SN#:END01]"));
  EXPECT_FALSE(rig->workflow.listingUnderWay());

  // A second START (unreachable in the window) starts no second run.
  rig->workflow.startUpdate();
  EXPECT_EQ(results().size(), 1U);
  EXPECT_EQ(rig->bus.image(2).bytes, 0U);
}

TEST_F(StartRequest, TheStepLabelCountsTheStepsAndIsEmptyOutsideTheRun) {
  rig->plug("LBL01");
  rig->plug("LBL02");
  rig->listPrinters();
  rig->startWith({0, 1});

  std::vector<std::u16string> labels;
  for (const auto& event : rig->view.eventsOf(Kind::StepLabelSet)) {
    if (labels.empty() || labels.back() != event.text) {
      labels.push_back(event.text);
    }
  }
  EXPECT_THAT(labels, ElementsAre(u"", text::kStep1, text::kStep2, text::kStep3, u""));
}

// Every status change of a step lands while the step has that printer's row selected, and the
// step leaves no row selected behind.
TEST_F(StartRequest, StepsSelectThePrinterTheyWorkOn) {
  rig->plug("SEL01");
  rig->plug("SEL02");
  rig->listPrinters();
  rig->startWith({0, 1});

  std::set<int> selected;
  int replacements = 0;
  for (const auto& event : rig->view.log) {
    if (event.kind == Kind::RowSelected) {
      EXPECT_TRUE(selected.empty()) << "two rows selected at once";
      selected.insert(event.row);
    } else if (event.kind == Kind::RowDeselected) {
      selected.erase(event.row);
    } else if (event.kind == Kind::StatusRowReplaced) {
      ++replacements;
      EXPECT_EQ(selected.count(event.row), 1U) << "row " << event.row << ": " << replacements;
    }
  }
  EXPECT_EQ(replacements, 10);
  EXPECT_TRUE(selected.empty());
}

TEST_F(StartRequest, PausesThreeSecondsBeforeFindingPrintersInFlashModeAndHalfASecondPerSend) {
  rig->plug("PAU01");
  rig->plug("PAU02");
  rig->listPrinters();
  rig->startWith({0, 1});

  const auto lastFlashMode = rig->view.timeOf(Kind::StatusRowReplaced, 1, text::kFlashMode);
  const auto step2 = stepStart(text::kStep2);
  EXPECT_GE(step2 - lastFlashMode, 3000U);
  EXPECT_LT(step2 - lastFlashMode, 3100U);

  // Sending costs no virtual time here, so two step-2 turns lie the pause apart.
  std::vector<std::uint64_t> turns;
  for (const auto& event : rig->view.eventsOf(Kind::RowSelected)) {
    if (event.atMs >= step2 && event.atMs < stepStart(text::kStep3)) {
      turns.push_back(event.atMs);
    }
  }
  ASSERT_EQ(turns.size(), 2U);
  EXPECT_GE(turns[1] - turns[0], 500U);
  EXPECT_LT(turns[1] - turns[0], 600U);
}

}  // namespace
}  // namespace nobrix::testing
