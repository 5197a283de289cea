// Supported printers that are attached but cannot be opened (no rights, or another program holds
// them) would otherwise simply be missing from the check list. They are named beside it, with why
// and the remedy, without touching the list.
#include "device/device_layer.h"
#include "platform/text_encoding.h"
#include "workflow/printer_status.h"
#include "workflow/text_format.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

void UpdateWorkflow::diagnoseUnusablePrinters() {
  unusablePrinters_.clear();
  for (platform::UnusableInterface& printer : services_.device.platform().unusableInterfaces()) {
    const std::u16string description = device::identityOfDeviceId(printer.deviceId).description;
    if (description == productName_ || description == device::kFlashModeDescription) {
      unusablePrinters_.push_back(std::move(printer));
    }
  }
  refreshPrinterDiagnosis();
}

void UpdateWorkflow::refreshPrinterDiagnosis() {
  using Reason = platform::UnusableInterface::Reason;
  std::vector<std::u16string> lines;
  for (const platform::UnusableInterface& printer : unusablePrinters_) {
    const device::DeviceIdentity identity = device::identityOfDeviceId(printer.deviceId);
    std::string_view key = keys::kDiagnosisNoRights;
    if (printer.reason == Reason::Busy) {
      key = printer.heldBy.empty() ? keys::kDiagnosisBusy : keys::kDiagnosisHeldBy;
    }
    lines.push_back(formatted(text(key), {identity.description, identity.serialNumber,
                                          platform::fromUtf8(printer.heldBy)}));
  }
  services_.view.setPrinterDiagnosis(lines);
}

}  // namespace nobrix::workflow
