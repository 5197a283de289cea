// The program's parts wired as the window wires them, without the window: device layer, firmware
// transfer, worker runner and workflow over any platform, with the headless view in place of the
// window. The caller supplies the platform, the image, the texts and where messages go.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "device/device_layer.h"
#include "firmware/firmware_transfer.h"
#include "firmware/resource_module.h"
#include "platform/platform.h"
#include "ports/error_box.h"
#include "ports/message_sink.h"
#include "ports/sleep_inhibitor.h"
#include "ports/text_source.h"
#include "workflow/headless/headless_view.h"
#include "workflow/update_workflow.h"
#include "workflow/worker_runner.h"

namespace nobrix::workflow::headless {

struct RigParts {
  platform::Platform& platform;
  firmware::ResourceModule& resources;
  const ports::TextSource& texts;
  ports::MessageSink& messages;
  ports::ErrorBox& errorBox;
  std::u16string_view productName;
  ports::SleepInhibitor* sleepInhibitor = nullptr;  // null: the system may sleep during a run
};

// One taking-part printer as the run left it.
struct FinalRow {
  std::u16string serial;
  std::u16string text;
  std::int32_t status = -1;  // workflow::PrinterStatus; -1 when no slot belongs to the row
  int failedStep = 0;        // 1-3: the step the printer failed in; 0: it did not fail
  std::uint64_t bytesAccepted = 0;
  std::u16string path;  // the listing's path of the printer
};

// One supported printer of the idle listing.
struct ListedPrinter {
  std::u16string description;
  std::u16string serial;
  std::u16string path;
  bool inFlashMode = false;  // waiting in flash mode for its image
  bool modelKnown = true;    // false: in flash mode, and no earlier run knew it as this product
};

class HeadlessRig {
 public:
  // `stopRequested` is passed to the workflow (see WorkflowServices); null: never.
  explicit HeadlessRig(const RigParts& parts, std::function<bool()> stopRequested = {});

  // The idle listing, as the window makes it at start.
  void listPrinters() { workflow.handleDeviceChange(); }
  std::vector<ListedPrinter> listedPrinters() const;

  std::vector<FinalRow> finalRows() const;

  HeadlessView view;
  device::PrinterDeviceLayer device;
  firmware::FirmwareTransfer firmware;
  ViewPump pump;
  WorkerRunner workers;
  UpdateWorkflow workflow;

 private:
  int slotOfRow(int row) const;
};

}  // namespace nobrix::workflow::headless
