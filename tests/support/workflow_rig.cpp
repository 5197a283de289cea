// Wiring of the whole-run rig.
#include "tests/support/workflow_rig.h"

namespace nobrix::testing {

namespace {

firmware::ResourceModule& chooseResources(const RigOptions& options, ImageResources& small) {
  return options.resources != nullptr ? *options.resources : small;
}

std::uint64_t checksumOf(firmware::ResourceModule& resources) {
  const auto module = resources.ownModule();
  const auto entry =
      resources.find(module, firmware::kFirmwareImageResourceId, firmware::kRawDataResourceType);
  const auto loaded = resources.load(module, entry);
  const auto checksum =
      platform::sim::imageChecksum(resources.lock(loaded), resources.size(module, entry));
  resources.free(loaded);
  return checksum;
}

}  // namespace

WorkflowRig::WorkflowRig(const ports::TextSource& texts, RigOptions options)
    : bus(options.bus),
      platform(bus),
      device(platform, platform),
      image(options.resources != nullptr ? 0 : options.imageBytes),
      firmware(platform, chooseResources(options, image), texts, messages),
      pump(view),
      workers(pump),
      workflow(workflow::WorkflowServices{device, firmware, texts, messages, view, workers,
                                          kProductName, options.sleepInhibitor,
                                          options.stopRequested}) {
  imageBytes_ = options.resources != nullptr ? options.resourceImageBytes : image.bytes().size();
  imageChecksum_ = checksumOf(chooseResources(options, image));
  view.clock = [this] { return bus.elapsedMs(); };
  view.onPump = [this] { deliverPendingNotices(); };
  listenerToken_ = bus.addChangeListener([this] { ++pendingNotices_; });
}

WorkflowRig::~WorkflowRig() {
  bus.removeChangeListener(listenerToken_);
}

platform::sim::PrinterScript WorkflowRig::printerScript(const std::string& serial) const {
  platform::sim::PrinterScript script;
  script.serial = serial;
  script.imageSize = imageBytes_;
  return script;
}

platform::sim::PrinterId WorkflowRig::plug(const std::string& serial) {
  return bus.plug(printerScript(serial));
}

platform::sim::PrinterId WorkflowRig::plug(platform::sim::PrinterScript script) {
  return bus.plug(std::move(script));
}

void WorkflowRig::listPrinters() {
  pendingNotices_ = 0;
  workflow.handleDeviceChange();
}

void WorkflowRig::startWith(std::initializer_list<int> tickedEntries) {
  for (const int entry : tickedEntries) {
    view.tick(entry);
  }
  workflow.startUpdate();
}

// One notice per change, each handed to the window's device-change handler in turn: notices
// that arrive while one is being handled meet its guard, as they would in the real window.
void WorkflowRig::deliverPendingNotices() {
  while (pendingNotices_ > 0) {
    --pendingNotices_;
    workflow.onDeviceNodesChanged();
  }
}

}  // namespace nobrix::testing
