// Supported printers that are attached but cannot be opened (no rights, or another program holds
// them) would otherwise simply be missing from the check list. They are named beside it, with why
// and the remedy, without touching the list.
#include <initializer_list>

#include "device/device_layer.h"
#include "platform/text_encoding.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

namespace {

// "%1".."%3" replaced in one pass, so a value that itself contains "%2" stays as it is.
std::u16string formatted(std::u16string_view pattern,
                         std::initializer_list<std::u16string_view> values) {
  std::u16string text;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char16_t next = at + 1 < pattern.size() ? pattern[at + 1] : u'\0';
    const auto index = static_cast<std::size_t>(next - u'1');
    if (pattern[at] == u'%' && next >= u'1' && index < values.size()) {
      text += values.begin()[index];
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}

}  // namespace

void UpdateWorkflow::diagnoseUnusablePrinters() {
  unusablePrinters_.clear();
  for (platform::UnusableInterface& printer : services_.device.platform().unusableInterfaces()) {
    if (device::identityOfDeviceId(printer.deviceId).description == productName_) {
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
