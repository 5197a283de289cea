// Discovery, the START request and the three flash steps: everything the window does with
// printers, written against the narrow UpdateView so whole runs are testable without pixels.
// Every public method runs on the window thread.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "device/device_layer.h"
#include "device/printer_records.h"
#include "firmware/firmware_sender.h"
#include "platform/lock/update_lock.h"
#include "ports/known_printers.h"
#include "ports/message_sink.h"
#include "ports/run_journal.h"
#include "ports/sleep_inhibitor.h"
#include "ports/text_source.h"
#include "workflow/update_view.h"
#include "workflow/worker_runner.h"

namespace nobrix::testing {
struct WorkflowProbe;
}

namespace nobrix::workflow {

struct WorkflowServices {
  device::PrinterDeviceLayer& device;
  firmware::FirmwareSender& firmware;
  const ports::TextSource& texts;
  ports::MessageSink& messages;
  UpdateView& view;
  WorkerRunner& workers;
  std::u16string_view productName;                  // the description a supported printer reports
  ports::SleepInhibitor* sleepInhibitor = nullptr;  // null: the system may sleep during a run
  // Asked on the window thread before each printer is switched or sent the image; once true, no
  // further printer is started, while the one being written is always finished. Null: never.
  std::function<bool()> stopRequested = {};
};

// Why START did not run the update; kNone after a run.
enum class StartRefusal {
  kNone,
  kNothingTicked,      // nothing listed, or nothing ticked
  kNoImage,            // no image to send
  kModelNotConfirmed,  // a printer in flash mode of unknown model, and the user did not confirm
  kLocked,             // another update run holds the printers
};

class UpdateWorkflow {
 public:
  explicit UpdateWorkflow(WorkflowServices services);

  // Where the run is recorded as it goes; nowhere until one is attached. The journal must
  // outlive the workflow, and is attached before START.
  void setRunJournal(ports::RunJournal& journal) { journal_ = &journal; }
  // Taken at START and held to the run's end; without one (null), no other run is guarded
  // against. Must outlive the workflow.
  void setUpdateLock(platform::UpdateLock* lock) { updateLock_ = lock; }
  // Takes the update lock before the printers are listed, for a front end that lists them only
  // to start at once: a run begun a moment earlier may have its printers off the bus while they
  // switch, and this one must be refused (lastRefusal() kLocked, the holder said) rather than
  // find none. START keeps the lock taken here; releaseUpdateLock() lets it go unused.
  bool takeUpdateLockEarly();
  void releaseUpdateLock();
  // Which printers in flash mode earlier runs knew as this product; until given, none.
  void setKnownPrinters(const ports::KnownPrinters& known) { knownPrinters_ = &known; }

  // Discovery and hot-plug. The idle listing also lists the product's printers that are waiting
  // in flash mode (a run that was killed or stopped left them there), after the others.
  void listIdlePrinters();
  void listFlashPrinters();
  void clearPrinterTable(std::u16string_view table);  // "IDLE" or anything else (flash)
  void handleDeviceChange();
  // A change of the set of device nodes. One that arrives while a listing runs (the listing
  // pumps) is not lost: the listing runs once more when it ends, however many came meanwhile.
  void onDeviceNodesChanged();
  // Writes the diagnosis of unusable printers again in the current language.
  void refreshPrinterDiagnosis();

  // The update run.
  void startUpdate();
  void switchPrintersToFlashMode();
  std::int32_t sendFirmwareToPrinters();
  std::int32_t waitForPrintersToUpdate();

  // Worker bodies (run on a background thread by the WorkerRunner).
  void flashModeWorker();
  // `printer` names the printer in the transfer's messages, as the check list did.
  void sendFirmwareWorker(std::int32_t flashEntry, std::u16string_view printer = {});
  void updateWaitWorker();

  // True from START (with something to update) until the run has ended; the window refuses
  // to be closed from outside meanwhile.
  bool runInProgress() const { return runInProgress_; }
  bool runFinished() const { return runFinished_; }
  StartRefusal lastRefusal() const { return refusal_; }
  // True once a stop was asked for during the run.
  bool stopWasRequested() const { return stopSeen_; }
  // Why the update lock could not be used, when it could not (the run then went on unguarded).
  const std::string& lockProblem() const { return lockProblem_; }

  // What the run left of a progress row: the step (1-3) in which its printer failed, 0 when it
  // did not; and the bytes of the image it took.
  int failedStep(int row) const;
  std::uint64_t bytesAccepted(int row) const;
  // The product's printers that are attached but cannot be opened, from the last idle listing.
  const std::vector<platform::UnusableInterface>& unusablePrinters() const {
    return unusablePrinters_;
  }

  // What discovery and the run have found so far, for the window and the tests to read.
  const device::PrinterInfo& printerInfo() const { return gVUZPrinterInfo; }
  const device::USBPrinterClassDeviceInfo& lastEnumeration() const {
    return gUSBPrinterClassDeviceInfo;
  }
  // An entry of the idle listing that is a printer waiting in flash mode, and whether an earlier
  // run knew its serial number as this product.
  bool listedInFlashMode(int entry) const;
  bool listedModelKnown(int entry) const;
  bool listingUnderWay() const { return gUSBPnPDetected != 0; }
  bool listingBlocked() const { return g_BlockUsbEnumeration != 0; }

 private:
  // Tests lay out the tables a run would leave behind without running one.
  friend struct testing::WorkflowProbe;

  // State, named as the rest of the system knows it.
  device::USBPrinterClassDeviceInfo gUSBPrinterClassDeviceInfo{};
  device::PrinterInfo gVUZPrinterInfo{};
  std::int32_t gUSBPnPDetected = 0;
  std::int32_t g_BlockUsbEnumeration = 0;
  std::atomic<std::int32_t> gFlashModeStatus{0};
  std::atomic<std::int32_t> gFhxSendStatus{0};
  std::atomic<std::int32_t> gFlashUpdateStatus{0};

  // START's checks before anything is touched, and the run around the three steps; errors of
  // preparation and step 1 end the run.
  using TickedEntries = std::array<bool, device::MaxPrinterDevices>;
  bool unknownModelsConfirmed(int entries, const TickedEntries& tickedEntries);
  void runOrRefuse(int entries, const TickedEntries& tickedEntries, std::int32_t ticked,
                   const std::u16string* imageProblem);
  bool updateLockTaken();
  void unblockListing();
  void performRun(int entries, const TickedEntries& tickedEntries, std::int32_t ticked);
  void prepareRun(int entries, const TickedEntries& tickedEntries);
  void pauseForFlashModeListing();
  void showRunResult(std::int32_t ticked, std::int32_t sent, std::int32_t updated);
  void journalRunStarted();
  void journalBytesAccepted(int row);
  std::unique_ptr<ports::SleepInhibitor::Hold> keepSystemAwake();

  // The idle listing's printers in flash mode, after the others.
  void appendFlashModePrinters(int listed);
  std::u16string checklistEntry(int entry) const;

  // Rows of the progress page and the texts they show.
  std::u16string text(std::string_view key) const;
  void showStepLabel(int step);
  void setPrinterStatus(int slot, int row, std::int32_t status, std::string_view key);
  int rowOfSlot(int slot) const;
  int slotOfRow(int row) const;
  void assignFlashEntries();
  bool isTakingPart(std::u16string_view serialNumber) const;
  bool hasUnmatchedFlashPrinter() const;
  // Whether a stop has been asked for; the first time, the journal hears of it.
  bool stopAsked();

  // Supported printers that are attached but cannot be opened, from the last idle listing.
  void diagnoseUnusablePrinters();

  // Visits every progress row of step 2 or 3: the step label, the row selected while
  // `visit(row, slot, flashEntry)` judges its printer (true: count it), the pause after it
  // (none once a stop was asked for).
  using RowVisit = std::function<bool(int row, int slot, int flashEntry)>;
  std::int32_t forEachProgressRow(int step, std::uint32_t pauseAfterRowMs, const RowVisit& visit);
  bool sendToRow(int row, int slot, int entry);

  // The workers' shared wait: polls the current device until it is gone or the limit is over.
  void waitWhileConnected(std::uint32_t startTick, std::uint32_t limitSeconds);
  // Runs one printer's worker of steps 2 and 3. Its failure is that printer's alone: the text is
  // shown and the result global, reset before, judges the printer as for any other failure.
  // `whilePumping` runs on this thread at each pump while the worker is busy.
  void runPrinterWorker(const std::function<void()>& work,
                        const std::function<void()>& whilePumping = {});
  void showError(const std::exception& error);

  WorkflowServices services_;
  ports::RunJournal* journal_ = &ports::noRunJournal();
  platform::UpdateLock* updateLock_ = nullptr;
  const ports::KnownPrinters* knownPrinters_ = &ports::noKnownPrinters();
  std::u16string productName_;  // terminated copy for the device layer
  bool runInProgress_ = false;
  bool runFinished_ = false;
  bool relistRequested_ = false;
  bool noticeWhileBlocked_ = false;
  bool stopSeen_ = false;
  StartRefusal refusal_ = StartRefusal::kNone;
  std::string lockProblem_;
  bool updateLockHeld_ = false;
  std::vector<platform::UnusableInterface> unusablePrinters_;
  // Idle-listing entries that are printers waiting in flash mode, and those known as this product.
  std::array<bool, device::MaxPrinterDevices> listedInFlashMode_{};
  std::array<bool, device::MaxPrinterDevices> listedModelKnown_{};
  // The step under way, and per progress row the step its printer failed in and the bytes it took.
  int currentStep_ = 0;
  std::array<int, device::MaxPrinterDevices> failedStep_{};
  std::array<std::uint64_t, device::MaxPrinterDevices> bytesAccepted_{};
  // The flash entry each progress row was given for step 2 and 3 (-1: none).
  std::array<int, device::MaxPrinterDevices> rowFlashEntry_{};
  // Rows whose printer reached flash mode but could not be told apart from another flash-mode
  // printer by serial number; their text says so to the end of the run.
  std::array<bool, device::MaxPrinterDevices> flashModeUnmatched_{};
};

}  // namespace nobrix::workflow
