// A process killed in the middle of a run (SIGKILL, or TerminateProcess on Windows: nothing of it
// runs afterwards) leaves a record that reads "interrupted" with everything known up to the kill.
#include <string>

#include "tests/history/driver_process.h"
#include "tests/history/history_fixture.h"
#include "workflow/printer_status.h"

namespace nobrix::testing {
namespace {

TEST_F(HistoryTest, AProcessKilledMidRunLeavesAnInterruptedRecordOfWhatWasKnown) {
  DriverProcess driver(path());
  ASSERT_TRUE(driver.awaitLine("sending"));
  // The second printer's image is on its way: the record says so before anything is killed.
  const auto before = read();
  ASSERT_EQ(before.runs.size(), 1U);
  ASSERT_EQ(before.runs[0].printers.size(), 3U);
  EXPECT_FALSE(before.runs[0].printers[1].steps[1].startedAt.empty());
  ASSERT_TRUE(driver.killHard());

  const auto listing = read();
  ASSERT_TRUE(listing.ok) << listing.problem;
  ASSERT_EQ(listing.runs.size(), 1U);
  const history::RunRecord& run = listing.runs[0];
  EXPECT_EQ(history::runStateName(run.state), "interrupted");
  EXPECT_TRUE(run.endedAt.empty());
  EXPECT_EQ(run.ticked, 3);
  ASSERT_EQ(run.printers.size(), 3U);
  const auto& first = run.printers[0];
  EXPECT_EQ(first.serialNumber, "SIM0001");
  EXPECT_EQ(first.statusCode, workflow::kStoringAndUpdating);
  EXPECT_EQ(first.bytesAccepted, kSmallImageBytes);
  EXPECT_FALSE(first.steps[1].endedAt.empty());
  const auto& second = run.printers[1];
  EXPECT_EQ(second.serialNumber, "SIM0002");
  EXPECT_EQ(second.statusText, "Sending firmware file ...");
  EXPECT_FALSE(second.steps[1].startedAt.empty());
  EXPECT_TRUE(second.steps[1].endedAt.empty());
  // Counted as the send went, not only when it ended: part of the image, not none of it.
  EXPECT_GT(second.bytesAccepted, 0U);
  EXPECT_LT(second.bytesAccepted, kSmallImageBytes);
  const auto& third = run.printers[2];
  EXPECT_EQ(third.serialNumber, "SIM0003");
  EXPECT_EQ(third.statusKey, "StrRes_StatusInFlashMode");
  EXPECT_TRUE(third.steps[1].startedAt.empty());
}

}  // namespace
}  // namespace nobrix::testing
