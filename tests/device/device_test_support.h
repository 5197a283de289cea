// Shared pieces of the device tests: a simulated bus with a device layer on it and the error
// boxes it showed, and builders for device IDs and command envelopes.
#pragma once

#include <string>
#include <vector>

#include "device/device_layer.h"
#include "platform/sim/sim_bus.h"
#include "tests/support/recording_error_box.h"

namespace nobrix::device::testing {

using nobrix::testing::RecordingErrorBox;

// A device layer on a fresh simulated bus, its error boxes recorded.
struct SimRig {
  explicit SimRig(platform::sim::BusOptions options = {}) : bus(options), layer(bus, errorBox) {}

  platform::sim::PrinterId plugRaw(std::string deviceId) {
    platform::sim::PrinterScript script;
    script.rawDeviceId = std::move(deviceId);
    return bus.plug(script);
  }

  void select(platform::sim::PrinterId printer) {
    const std::u16string path = bus.normalPath(printer);
    layer.Lib_SetUSBDeviceFilePath(1, path.c_str());
  }

  platform::sim::SimBus bus;
  RecordingErrorBox errorBox;
  std::vector<nobrix::testing::ShownErrorBox>& boxes = errorBox.boxes;
  PrinterDeviceLayer layer;
};

// The bytes a printer receives for one command, written out independently of the layer.
inline std::string expectedEnvelope(std::string_view command) {
  const std::string uel = "\x1b%-12345X";
  return uel +
         "@PJL ENTER LANGUAGE=PCL3GUI\n\x1b"
         "E\x1b%P" +
         std::string(command) +
         "exit;\x1b"
         "E" +
         uel;
}

// A normal-mode device ID with the given status value.
inline std::string idWithStatus(std::string_view statusValue) {
  return "MFG:SALVENOR;MDL:LRX5303;SN:S1;S:" + std::string(statusValue) + ";";
}

inline std::u16string widen(std::string_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace nobrix::device::testing
