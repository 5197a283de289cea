// Shared set-up of the workflow tests: the real English tables, a whole-run rig on the
// simulated bus, and the exact texts the user reads.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "l10n/language_state.h"
#include "ports/message_sink.h"
#include "tests/support/workflow_rig.h"

namespace nobrix::testing {

namespace text {
inline const std::u16string kIdle = u"Idle mode";
inline const std::u16string kSetting = u"Setting to flash mode ...";
inline const std::u16string kFlashMode = u"Flash mode";
inline const std::u16string kFlashModeFail = u"ERROR: Failed to set flash mode";
inline const std::u16string kSending = u"Sending firmware file ...";
inline const std::u16string kStoring = u"Storing and updating firmware ...";
inline const std::u16string kFlashingTimeout = u"Error: Flashing timeout!";
inline const std::u16string kNotConnected = u"Error: Printer not connected!";
inline const std::u16string kCompleted = u"Firmware update: completed";
inline const std::u16string kUpdateTimeout = u"Firmware update: timeout!";
inline const std::u16string kNotFound = u"Error: Printer not found!";
inline const std::u16string kAllUpdated =
    u"All selected printers have been updated.Updated printers would be OFF.";
inline const std::u16string kSomeUpdated =
    u"ERROR:Failed to update some printers!\r\nPlease check status for each printer.\r\n"
    u"Updated printers would be OFF.";
inline const std::u16string kConnectPrinter = u"Please connect atleast one printer";
inline const std::u16string kSelectPrinter = u"Please select atleast one printer";
inline const std::u16string kStoppedUntouched = u"Stopped: not touched, not updated";
inline const std::u16string kStoppedInFlashMode =
    u"Stopped in flash mode: waiting for the firmware. Finish it with this program, or switch "
    u"the printer off and on.";
inline const std::u16string kStep1 = u"Processing step: [1/3]";
inline const std::u16string kStep2 = u"Processing step: [2/3]";
inline const std::u16string kStep3 = u"Processing step: [3/3]";
}  // namespace text

// The row history of a printer that went through all three steps.
inline std::vector<std::u16string> completedHistory() {
  return {text::kIdle,    text::kSetting, text::kFlashMode,
          text::kSending, text::kStoring, text::kCompleted};
}

class WorkflowTest : public ::testing::Test {
 protected:
  WorkflowTest() : rig(std::make_unique<WorkflowRig>(texts)) {}

  void remakeRig(RigOptions options) {
    rig.reset();
    rig = std::make_unique<WorkflowRig>(texts, options);
  }

  std::vector<RecordedMessage> results() const {
    return rig->messages.messagesOfType(ports::kResultMessage);
  }
  std::vector<RecordedMessage> plainMessages() const {
    return rig->messages.messagesOfType(ports::kPlainMessage);
  }

  // Virtual time of the first change of the step label to `label`.
  std::uint64_t stepStart(const std::u16string& label) const {
    return rig->view.timeOf(ViewEvent::Kind::StepLabelSet, -1, label);
  }

  l10n::LanguageState texts{l10n::kEnglish};
  std::unique_ptr<WorkflowRig> rig;
};

}  // namespace nobrix::testing
