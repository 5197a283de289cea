// What START makes sure of before it touches a printer: a printer in flash mode whose model no
// earlier run recorded is sent this product's image only when the user confirms it is one, and
// no other update run holds the printers.
#include <string>

#include "device/printer_records.h"
#include "platform/text_encoding.h"
#include "workflow/printer_status.h"
#include "workflow/text_format.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

// Every model of the family reports the same flash loader: a wrong image could leave a printer
// that no longer starts, so the question names the printers and the product.
bool UpdateWorkflow::unknownModelsConfirmed(int entries, const TickedEntries& tickedEntries) {
  std::u16string serials;
  for (int entry = 0; entry < entries; ++entry) {
    if (tickedEntries[entry] && listedInFlashMode(entry) && !listedModelKnown(entry)) {
      serials += serials.empty() ? u"" : u", ";
      serials += device::slotText(gVUZPrinterInfo.idlePrinters.serialNumber[entry]);
    }
  }
  if (serials.empty()) {
    return true;
  }
  const std::u16string question =
      formatted(text(keys::kConfirmUnknownModel), {serials, productName_});
  return services_.messages.confirm(question);
}

bool UpdateWorkflow::updateLockTaken() {
  if (updateLock_ == nullptr || updateLockHeld_) {
    return true;
  }
  lockProblem_.clear();
  platform::LockHolder holder;
  if (updateLock_->acquire(holder, lockProblem_)) {
    updateLockHeld_ = true;
    return true;
  }
  const std::u16string processId =
      holder.processId > 0 ? platform::fromUtf8(std::to_string(holder.processId)) : u"?";
  services_.messages.showMessage(
      ports::kPlainMessage,
      formatted(text(keys::kUpdateLocked),
                {platform::fromUtf8(holder.program), platform::fromUtf8(holder.user), processId}),
      0, 0);
  return false;
}

bool UpdateWorkflow::takeUpdateLockEarly() {
  if (updateLockTaken()) {
    return true;
  }
  refusal_ = StartRefusal::kLocked;
  return false;
}

void UpdateWorkflow::releaseUpdateLock() {
  if (updateLock_ != nullptr && updateLockHeld_) {
    updateLock_->release();
  }
  updateLockHeld_ = false;
}

// A START that ran nothing lets the list follow the printers again, and catches up with a
// notice that came while it was fixed.
void UpdateWorkflow::unblockListing() {
  g_BlockUsbEnumeration = 0;
  if (noticeWhileBlocked_) {
    noticeWhileBlocked_ = false;
    onDeviceNodesChanged();
  }
}

}  // namespace nobrix::workflow
