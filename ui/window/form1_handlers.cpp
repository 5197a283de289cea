// The window's handlers of the update run under the names the window has always given them. The
// work is the workflow's, which the command line drives without a window.
#include "ui/window/form1.h"

namespace nobrix::ui::window {

void Form1::App_StartButton_Handler() {
  workflow_->startUpdate();
}

void Form1::App_USBEvent_Handler() {
  workflow_->handleDeviceChange();
}

void Form1::App_EnumerateSupportedPrintersInIdleMode() {
  workflow_->listIdlePrinters();
}

void Form1::App_EnumerateSupportedPrintersInFlashMode() {
  workflow_->listFlashPrinters();
}

void Form1::App_ClearPrinterInfo(std::u16string_view table) {
  workflow_->clearPrinterTable(table);
}

void Form1::App_SetPrintersInFlashMode() {
  workflow_->switchPrintersToFlashMode();
}

std::int32_t Form1::App_FlashFirmware() {
  return workflow_->sendFirmwareToPrinters();
}

std::int32_t Form1::App_WaitForFlashUpdate() {
  return workflow_->waitForPrintersToUpdate();
}

void Form1::App_ShowUIMessage_Handler(std::int32_t type, std::u16string_view message,
                                      std::int32_t total, std::int32_t updated) {
  services_.messages.showMessage(type, message, total, updated);
}

}  // namespace nobrix::ui::window
