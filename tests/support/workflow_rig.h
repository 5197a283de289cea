// Everything a whole update run needs, wired as the program wires it but on the simulated bus:
// device layer, firmware transfer with an injected image, the recording view and messages, the
// thread worker runner and the workflow. Bus changes become device notices that the view's pump
// delivers on the window thread, as the window's message loop would.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "device/device_layer.h"
#include "firmware/firmware_transfer.h"
#include "platform/sim/sim_bus.h"
#include "ports/sleep_inhibitor.h"
#include "ports/text_source.h"
#include "tests/support/fake_view.h"
#include "tests/support/fault_platform.h"
#include "tests/support/image_resources.h"
#include "tests/support/recording_messages.h"
#include "workflow/update_workflow.h"
#include "workflow/worker_runner.h"

namespace nobrix::testing {

inline constexpr std::size_t kSmallImageBytes = 200'000;  // two whole pieces and a remainder
inline constexpr std::u16string_view kProductName = u"SALVENOR LRX5303";

struct RigOptions {
  platform::sim::BusOptions bus;
  std::size_t imageBytes = kSmallImageBytes;
  // Replaces the small image (e.g. the program's own resources); the rig does not own it.
  firmware::ResourceModule* resources = nullptr;
  std::uint64_t resourceImageBytes = 0;             // size of that image, for the printers' scripts
  ports::SleepInhibitor* sleepInhibitor = nullptr;  // the rig does not own it
  std::function<bool()> stopRequested = {};         // the workflow's stop question; null: never
};

// Write access to the workflow's tables, for tests that set up what a run would leave behind.
struct WorkflowProbe {
  static device::PrinterInfo& printerInfo(workflow::UpdateWorkflow& workflow) {
    return workflow.gVUZPrinterInfo;
  }
};

class WorkflowRig {
 public:
  explicit WorkflowRig(const ports::TextSource& texts, RigOptions options = {});
  ~WorkflowRig();
  WorkflowRig(const WorkflowRig&) = delete;
  WorkflowRig& operator=(const WorkflowRig&) = delete;

  // A supported printer with this serial number that takes this rig's image.
  platform::sim::PrinterScript printerScript(const std::string& serial) const;
  platform::sim::PrinterId plug(const std::string& serial);
  platform::sim::PrinterId plug(platform::sim::PrinterScript script);

  // The window's first listing at load; notices of the plugging before it are already covered.
  void listPrinters();
  // Ticks entries and presses START.
  void startWith(std::initializer_list<int> tickedEntries);

  int pendingNotices() const { return pendingNotices_.load(); }
  std::uint64_t imageBytes() const { return imageBytes_; }
  std::uint64_t imageChecksum() const { return imageChecksum_; }

  platform::sim::SimBus bus;
  FaultPlatform platform;
  device::PrinterDeviceLayer device;
  ImageResources image;
  RecordingMessages messages;
  FakeView view;
  firmware::FirmwareTransfer firmware;
  workflow::ViewPump pump;
  workflow::WorkerRunner workers;
  workflow::UpdateWorkflow workflow;

 private:
  void deliverPendingNotices();

  std::atomic<int> pendingNotices_{0};
  int listenerToken_ = 0;
  std::uint64_t imageBytes_ = 0;
  std::uint64_t imageChecksum_ = 0;
};

}  // namespace nobrix::testing
