// The bad days of a run: printers a killed or stopped run left in flash mode are listed and
// finished, a stop leaves every row saying what happened to its printer and takes no pause after
// it, a twin that never switched takes no other printer's image, another run's lock refuses START
// before anything is touched, and a send is recorded as it goes.
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "tests/workflow/workflow_fixture.h"
#include "workflow/printer_status.h"

namespace nobrix::testing {
namespace {

using platform::sim::PrinterPhase;

class KnownSerials final : public ports::KnownPrinters {
 public:
  explicit KnownSerials(std::vector<std::u16string> serials) : serials_(std::move(serials)) {}
  bool knownAsProduct(std::u16string_view serial, std::u16string_view product) const override {
    return product == kProductName &&
           std::find(serials_.begin(), serials_.end(), serial) != serials_.end();
  }

 private:
  std::vector<std::u16string> serials_;
};

class ScriptedLock final : public platform::UpdateLock {
 public:
  bool acquire(platform::LockHolder& holder, std::string&) override {
    ++acquired;
    holder = other;
    return other.processId == 0;
  }
  void release() override { ++released; }
  platform::LockHolder other;  // a process id other than 0: that process holds the lock
  int acquired = 0;
  int released = 0;
};

// What a run tells its journal about bytes and events; the rest is the history's business.
class ByteJournal final : public ports::RunJournal {
 public:
  void runStarted(const std::vector<ports::JournalPrinter>&) override {}
  void stepStarted(int, int) override {}
  void statusChanged(int, std::int32_t, std::string_view, std::u16string_view) override {}
  void bytesAccepted(int row, std::uint64_t bytes) override { counts.push_back({row, bytes}); }
  void stepEnded(int, int) override {}
  void runEvent(ports::RunEvent event) override { events.push_back(event); }
  void runEnded(const ports::RunResult& result) override { outcome = result.outcome; }
  std::vector<std::pair<int, std::uint64_t>> counts;
  std::vector<ports::RunEvent> events;
  ports::RunOutcome outcome{};
};

class Interruptions : public WorkflowTest {
 protected:
  platform::sim::PrinterId plugWaiting(const std::string& serial) {
    auto script = rig->printerScript(serial);
    script.startsInFlashMode = true;
    return rig->plug(script);
  }
  void expectWholeImage(platform::sim::PrinterId printer) const {
    EXPECT_EQ(rig->bus.image(printer).bytes, rig->imageBytes()) << "printer " << printer;
    EXPECT_EQ(rig->bus.image(printer).checksum, rig->imageChecksum()) << "printer " << printer;
  }
};

struct RecoveryCase {
  const char* name;
  bool known;
  bool answer;
  bool updated;  // both printers; otherwise neither was touched
};

class Recovery : public Interruptions, public ::testing::WithParamInterface<RecoveryCase> {};

// A printer waiting in flash mode is listed after the others and finished without a switch; one
// whose serial number no earlier run recorded as this product is sent nothing unless the user
// says it is one.
TEST_P(Recovery, PrintersLeftInFlashModeAreListedAndFinishedOnlyWhenTheirModelIsKnown) {
  const RecoveryCase& c = GetParam();
  const KnownSerials known(c.known ? std::vector<std::u16string>{u"LEFT-1"}
                                   : std::vector<std::u16string>{});
  rig->workflow.setKnownPrinters(known);
  rig->messages.answer = [&c](std::u16string_view) { return c.answer; };
  const auto normal = rig->plug("NORM-1");
  const auto waiting = plugWaiting("LEFT-1");
  rig->listPrinters();

  ASSERT_EQ(rig->view.checklist.size(), 2U);
  EXPECT_EQ(rig->view.checklist[1],
            c.known ? u"SALVENOR LRX5303[SN#:LEFT-1]\nin flash mode: needs the firmware"
                    : u"NOBRIX reflash[SN#:LEFT-1]\nin flash mode, model unknown");
  rig->startWith({0, 1});

  EXPECT_EQ(rig->messages.questions().size(), c.known ? 0U : 1U);
  if (!c.known) {
    EXPECT_NE(rig->messages.questions()[0].find(u"LEFT-1"), std::u16string::npos);
  }
  if (!c.updated) {
    EXPECT_TRUE(rig->bus.commandBytes(normal).empty());
    EXPECT_EQ(rig->bus.image(waiting).bytes, 0U);
    EXPECT_TRUE(results().empty());
    EXPECT_EQ(rig->workflow.lastRefusal(), workflow::StartRefusal::kModelNotConfirmed);
    EXPECT_FALSE(rig->workflow.listingBlocked()) << "a START that ran nothing keeps listing";
    return;
  }
  EXPECT_EQ(rig->view.statusHistory(0), completedHistory());
  EXPECT_EQ(rig->view.statusHistory(1),
            (std::vector<std::u16string>{text::kFlashMode, text::kSending, text::kStoring,
                                         text::kCompleted}));
  EXPECT_TRUE(rig->bus.commandBytes(waiting).empty()) << "it needed no switch";
  expectWholeImage(normal);
  expectWholeImage(waiting);
  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].updated, 2);
}

INSTANTIATE_TEST_SUITE_P(KnownOrAsked, Recovery,
                         ::testing::Values(RecoveryCase{"Known", true, false, true},
                                           RecoveryCase{"ConfirmedByTheUser", false, true, true},
                                           RecoveryCase{"NotConfirmed", false, false, false}),
                         [](const auto& test) { return std::string(test.param.name); });

struct StopCase {
  const char* name;
  std::u16string stopWhenRow0Reads;  // empty: stop before START
  std::vector<std::u16string> finalRows;
  std::vector<PrinterPhase> phases;
};

class Stops : public Interruptions, public ::testing::WithParamInterface<StopCase> {};

TEST_P(Stops, EveryRowSaysWhatTheStopLeftAndNoPauseFollowsIt) {
  const StopCase& c = GetParam();
  bool stop = c.stopWhenRow0Reads.empty();
  std::uint64_t stoppedAt = 0;
  RigOptions options;
  options.stopRequested = [&stop] { return stop; };
  remakeRig(options);
  ByteJournal journal;
  rig->workflow.setRunJournal(journal);
  const auto printers = {rig->plug("STOP-1"), rig->plug("STOP-2"), rig->plug("STOP-3")};
  rig->listPrinters();
  rig->view.onStatusRow = [&](int row, const std::u16string& rowText) {
    if (!stop && row == 0 && rowText == c.stopWhenRow0Reads) {
      stop = true;
      stoppedAt = rig->bus.elapsedMs();
    }
  };
  rig->startWith({0, 1, 2});

  EXPECT_EQ(rig->view.statusRows, c.finalRows);
  int index = 0;
  for (const auto printer : printers) {
    EXPECT_EQ(rig->bus.phase(printer), c.phases[index++]) << "printer " << index;
  }
  EXPECT_EQ(journal.outcome, ports::RunOutcome::kStopped);
  EXPECT_EQ(journal.events, std::vector{ports::RunEvent::kStopRequested});
  // After the stop only the image being written and the wait for what has the image remain.
  const bool sending = c.stopWhenRow0Reads == text::kSending;
  EXPECT_LT(rig->bus.elapsedMs() - stoppedAt, sending ? 60'000U : 2'000U);
}

INSTANTIATE_TEST_SUITE_P(
    AtEachStep, Stops,
    ::testing::Values(
        StopCase{"BeforeStart",
                 {},
                 {text::kStoppedUntouched, text::kStoppedUntouched, text::kStoppedUntouched},
                 {PrinterPhase::Idle, PrinterPhase::Idle, PrinterPhase::Idle}},
        StopCase{"AfterTheFirstSwitch",
                 text::kFlashMode,
                 {text::kStoppedInFlashMode, text::kStoppedUntouched, text::kStoppedUntouched},
                 {PrinterPhase::FlashMode, PrinterPhase::Idle, PrinterPhase::Idle}},
        StopCase{"DuringTheFirstSend",
                 text::kSending,
                 {text::kCompleted, text::kStoppedInFlashMode, text::kStoppedInFlashMode},
                 {PrinterPhase::Finished, PrinterPhase::FlashMode, PrinterPhase::FlashMode}},
        StopCase{"WhileTheyApplyIt",
                 text::kCompleted,
                 {text::kCompleted, text::kCompleted, text::kCompleted},
                 {PrinterPhase::Finished, PrinterPhase::Finished, PrinterPhase::Finished}}),
    [](const auto& test) { return std::string(test.param.name); });

// Three printers report one serial number; the first ignores the flash command. The two that
// switched each get the image once, and the first takes no flash entry from them.
TEST_F(Interruptions, ATwinThatNeverSwitchedTakesNoOtherPrintersImage) {
  auto stubborn = rig->printerScript("TWIN");
  stubborn.ignoresFlashCommands = true;
  const auto a = rig->plug(stubborn);
  const auto b = rig->plug("TWIN");
  const auto c = rig->plug("TWIN");
  rig->listPrinters();
  rig->startWith({0, 1, 2});

  EXPECT_EQ(rig->view.statusRows,
            (std::vector<std::u16string>{text::kNotFound, text::kCompleted, text::kCompleted}));
  EXPECT_EQ(rig->bus.image(a).bytes, 0U);
  for (const auto printer : {b, c}) {
    expectWholeImage(printer);
    EXPECT_EQ(rig->bus.image(printer).writeSizes.size(), rig->bus.image(b).writeSizes.size());
  }
  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].updated, 2);
}

TEST_F(Interruptions, AnotherRunsLockRefusesStartBeforeAnythingIsTouched) {
  ScriptedLock lock;
  lock.other = {"NobrixVUZ-cli", "ana", 4242};
  rig->workflow.setUpdateLock(&lock);
  const auto printer = rig->plug("LOCK-1");
  rig->listPrinters();
  rig->startWith({0});

  EXPECT_TRUE(rig->bus.commandBytes(printer).empty());
  ASSERT_EQ(plainMessages().size(), 1U);
  EXPECT_EQ(plainMessages()[0].text,
            u"Another update run is under way (NobrixVUZ-cli, user ana, process 4242). No "
            u"printer was touched: start again when it has ended.");
  EXPECT_EQ(rig->workflow.lastRefusal(), workflow::StartRefusal::kLocked);
  EXPECT_FALSE(rig->workflow.listingBlocked());

  lock.other = {};  // the other run has ended: START takes the lock and lets it go at the end
  rig->startWith({0});
  EXPECT_EQ(rig->view.statusRows[0], text::kCompleted);
  EXPECT_EQ(lock.acquired, 2);
  EXPECT_GE(lock.released, 1);
}

TEST_F(Interruptions, TheBytesAPrinterTookAreRecordedAtLeastOnceASecondDuringItsSend) {
  ByteJournal journal;
  rig->workflow.setRunJournal(journal);
  // Each piece waits for the window thread to pump once, as a real send is slow next to a pump.
  std::mutex mutex;
  std::condition_variable pumped;
  int pumps = 0;
  const auto deliver = rig->view.onPump;
  rig->view.onPump = [&] {
    deliver();
    const std::lock_guard lock(mutex);
    ++pumps;
    pumped.notify_all();
  };
  rig->platform.beforeWrite = [&] {
    std::unique_lock lock(mutex);
    const int seen = pumps;
    pumped.wait(lock, [&] { return pumps > seen; });
  };
  auto slow = rig->printerScript("SLOW-1");
  slow.bytesPerSecond = 40'000;  // five seconds for the small image
  rig->plug(slow);
  rig->listPrinters();
  rig->startWith({0});

  ASSERT_GE(journal.counts.size(), 3U);
  for (std::size_t i = 1; i < journal.counts.size(); ++i) {
    EXPECT_GE(journal.counts[i].second, journal.counts[i - 1].second);
  }
  EXPECT_GT(journal.counts[1].second, 0U);
  EXPECT_LT(journal.counts[1].second, rig->imageBytes()) << "recorded while the send went on";
  EXPECT_EQ(journal.counts.back().second, rig->imageBytes());
}

}  // namespace
}  // namespace nobrix::testing
