// Discovery: the check list of supported printers in idle mode, kept current by device-change
// notices until the first run, and the flash-mode listing that finds the run's printers again.
#include <string>
#include <vector>

#include "device/printer_records.h"
#include "workflow/printer_status.h"
#include "workflow/update_workflow.h"

namespace nobrix::workflow {

void UpdateWorkflow::listIdlePrinters() {
  try {
    services_.view.clearPrinterChecklist();
    // With no interface at all the idle table keeps its old entries; nothing reads them while
    // the check list is empty.
    if (services_.device.Lib_EnumeratePrinterClassPnPDevices(&gUSBPrinterClassDeviceInfo) > 0) {
      clearPrinterTable(u"IDLE");
      auto& idle = gVUZPrinterInfo.idlePrinters;
      const int found = device::PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(
          productName_.c_str(), &idle, &gUSBPrinterClassDeviceInfo);
      appendFlashModePrinters(found);
      if (idle.deviceCount > 0) {
        std::vector<std::u16string> entries;
        for (int entry = 0; entry < idle.deviceCount && entry < device::MaxPrinterDevices;
             ++entry) {
          entries.push_back(checklistEntry(entry));
        }
        services_.view.setPrinterChecklist(entries);
      }
    }
    diagnoseUnusablePrinters();
    services_.view.pump();
  } catch (const std::exception& error) {
    showError(error);
  }
}

// A printer that a killed or stopped run left in flash mode waits there for its image. It reports
// only the flash loader's identity and its serial number, so whether it is this product is known
// only from an earlier run's record of that serial number.
void UpdateWorkflow::appendFlashModePrinters(int listed) {
  listedInFlashMode_.fill(false);
  listedModelKnown_.fill(false);
  device::USBPrinterClassDeviceInfo flash{};
  const std::u16string flashDescription(device::kFlashModeDescription);
  const int found = device::PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(
      flashDescription.c_str(), &flash, &gUSBPrinterClassDeviceInfo);
  auto& idle = gVUZPrinterInfo.idlePrinters;
  int entry = listed;
  for (int index = 0; index < found && entry < device::MaxPrinterDevices; ++index, ++entry) {
    device::copyToSlot(idle.description[entry], device::slotText(flash.description[index]));
    device::copyToSlot(idle.devicePath[entry], device::slotText(flash.devicePath[index]));
    device::copyToSlot(idle.serialNumber[entry], device::slotText(flash.serialNumber[index]));
    listedInFlashMode_[entry] = true;
    listedModelKnown_[entry] =
        knownPrinters_->knownAsProduct(device::slotText(flash.serialNumber[index]), productName_);
  }
  idle.deviceCount = entry;
}

// "<description>[SN#:<serial>]"; a printer in flash mode says so on a second line, which the
// narrow list shows without scrolling, with whether its model is known: a known one goes under
// the product's name.
std::u16string UpdateWorkflow::checklistEntry(int entry) const {
  const auto& idle = gVUZPrinterInfo.idlePrinters;
  const bool known = listedModelKnown_[entry];
  std::u16string text =
      known ? productName_ : std::u16string(device::slotText(idle.description[entry]));
  text += u"[SN#:";
  text += device::slotText(idle.serialNumber[entry]);
  text += u"]";
  if (listedInFlashMode_[entry]) {
    text += u"\n";
    text += this->text(known ? keys::kListedInFlashModeKnown : keys::kListedInFlashModeUnknown);
  }
  return text;
}

bool UpdateWorkflow::listedInFlashMode(int entry) const {
  return entry >= 0 && entry < device::MaxPrinterDevices && listedInFlashMode_[entry];
}

bool UpdateWorkflow::listedModelKnown(int entry) const {
  return listedInFlashMode(entry) && listedModelKnown_[entry];
}

void UpdateWorkflow::listFlashPrinters() {
  try {
    if (services_.device.Lib_EnumeratePrinterClassPnPDevices(&gUSBPrinterClassDeviceInfo) > 0) {
      clearPrinterTable(u"FLASH");
      auto& flash = gVUZPrinterInfo.flashPrinters;
      const std::u16string flashDescription(device::kFlashModeDescription);
      const int found = device::PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(
          flashDescription.c_str(), &flash, &gUSBPrinterClassDeviceInfo);
      for (int entry = 0; entry < found && entry < device::MaxPrinterDevices; ++entry) {
        flash.selected[entry] = isTakingPart(device::slotText(flash.serialNumber[entry])) ? 1 : 0;
      }
    }
    services_.view.pump();
  } catch (const std::exception& error) {
    showError(error);
  }
}

bool UpdateWorkflow::hasUnmatchedFlashPrinter() const {
  const auto& flash = gVUZPrinterInfo.flashPrinters;
  for (int entry = 0; entry < flash.deviceCount && entry < device::MaxPrinterDevices; ++entry) {
    if (flash.selected[entry] != 1) {
      return true;
    }
  }
  return false;
}

// A flash-mode printer belongs to the run when a ticked idle printer has its serial number.
bool UpdateWorkflow::isTakingPart(std::u16string_view serialNumber) const {
  const auto& idle = gVUZPrinterInfo.idlePrinters;
  for (int entry = 0; entry < idle.deviceCount && entry < device::MaxPrinterDevices; ++entry) {
    if (idle.selected[entry] == 1 && device::slotText(idle.serialNumber[entry]) == serialNumber) {
      return true;
    }
  }
  return false;
}

void UpdateWorkflow::clearPrinterTable(std::u16string_view table) {
  device::PrinterDeviceLayer::ClearDeviceInfo(table == u"IDLE" ? &gVUZPrinterInfo.idlePrinters
                                                               : &gVUZPrinterInfo.flashPrinters);
}

void UpdateWorkflow::handleDeviceChange() {
  // The guard is released even if something below escapes, or hot-plug would stay deaf.
  struct GuardRelease {
    std::int32_t& flag;
    ~GuardRelease() { flag = 0; }
  } release{gUSBPnPDetected};
  if (g_BlockUsbEnumeration == 0) {
    listIdlePrinters();
  } else {
    noticeWhileBlocked_ = true;
  }
}

// Listing pumps, so another notice can arrive while one is being handled. It is not listed from
// inside the listing, but it is not dropped either: the kernel announces a printer's USB device
// before its printer node, so the notice that matters is often the one that comes during the
// listing its predecessor started.
void UpdateWorkflow::onDeviceNodesChanged() {
  if (gUSBPnPDetected != 0) {
    relistRequested_ = true;
    return;
  }
  do {
    relistRequested_ = false;
    gUSBPnPDetected = 1;
    handleDeviceChange();
  } while (relistRequested_);
}

}  // namespace nobrix::workflow
