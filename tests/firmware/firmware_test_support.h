// Stand-ins for the firmware layer's collaborators: language texts, the message dialog, the
// program's resources, and a simulated printer already in flash mode.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "firmware/resource_module.h"
#include "platform/sim/sim_bus.h"
#include "ports/message_sink.h"
#include "ports/text_source.h"

namespace nobrix::firmware::testing {

class FakeTexts final : public ports::TextSource {
 public:
  std::map<std::string, std::u16string, std::less<>> texts;
  std::optional<std::string> throwText;  // every lookup throws std::runtime_error(throwText)
  mutable std::vector<std::string> requestedKeys;

  std::u16string text(std::string_view key) const override {
    requestedKeys.emplace_back(key);
    if (throwText) {
      throw std::runtime_error(*throwText);
    }
    const auto found = texts.find(key);
    return found == texts.end() ? std::u16string{} : found->second;
  }
};

struct ShownMessage {
  std::int32_t type = 0;
  std::u16string text;
  std::int32_t total = -1;
  std::int32_t updated = -1;
};

class RecordingMessages final : public ports::MessageSink {
 public:
  std::vector<ShownMessage> shown;
  std::function<void()> whileShown;  // runs as if the user were looking at the dialog

  void showMessage(std::int32_t type, std::u16string_view message, std::int32_t total,
                   std::int32_t updated) override {
    shown.push_back({type, std::u16string{message}, total, updated});
    if (whileShown) {
      whileShown();
    }
  }
};

// One raw-data resource held in memory; each step can be made to fail. Counts loads and frees
// so tests can tell that whatever was loaded was released.
class FakeResources final : public ResourceModule {
 public:
  std::vector<std::uint8_t> bytes;
  bool moduleMissing = false;
  bool resourceMissing = false;
  bool loadFails = false;
  bool lockFails = false;
  std::optional<std::size_t> reportedSize;  // overrides bytes.size()
  int loads = 0;
  int frees = 0;
  std::vector<std::pair<std::uint16_t, std::uint16_t>> lookups;  // (id, type)

  ModuleHandle ownModule() override { return moduleMissing ? ModuleHandle{} : ModuleHandle{this}; }
  ResourceEntry find(ModuleHandle, std::uint16_t id, std::uint16_t type) override {
    lookups.emplace_back(id, type);
    const bool present =
        !resourceMissing && id == kFirmwareImageResourceId && type == kRawDataResourceType;
    return present ? ResourceEntry{&bytes} : ResourceEntry{};
  }
  LoadedResource load(ModuleHandle, ResourceEntry) override {
    if (loadFails) {
      return {};
    }
    ++loads;
    return LoadedResource{&bytes};
  }
  std::size_t size(ModuleHandle, ResourceEntry) override {
    return reportedSize.value_or(bytes.size());
  }
  const std::uint8_t* lock(LoadedResource) override { return lockFails ? nullptr : bytes.data(); }
  void free(LoadedResource) override { ++frees; }
};

// Plugs a printer and switches it into flash mode on the virtual clock.
inline platform::sim::PrinterId plugInFlashMode(platform::sim::SimBus& bus,
                                                platform::sim::PrinterScript script) {
  script.leaveAfterSwitchMs = 1;
  script.reappearAfterMs = 1;
  const platform::sim::PrinterId printer = bus.plug(std::move(script));
  const platform::DeviceHandle handle =
      bus.open(bus.normalPath(printer), platform::OpenMode::SharedReadWrite);
  const std::string command = "udw.srec_download;";
  bus.write(handle, reinterpret_cast<const std::uint8_t*>(command.data()), command.size());
  bus.close(handle);
  bus.advance(10);
  return printer;
}

}  // namespace nobrix::firmware::testing
