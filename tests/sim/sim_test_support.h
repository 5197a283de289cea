// Small helpers the simulated-bus tests share: typed writes and one-shot device-ID reads.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/sim/sim_bus.h"

namespace nobrix::platform::sim::testing {

inline IoResult writeText(SimBus& bus, DeviceHandle handle, std::string_view text) {
  return bus.write(handle, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

inline bool opens(SimBus& bus, const std::u16string& path,
                  OpenMode mode = OpenMode::SharedReadWrite) {
  const DeviceHandle handle = bus.open(path, mode);
  if (handle == kInvalidHandle) {
    return false;
  }
  bus.close(handle);
  return true;
}

// The device ID as one shared open, query and close, the way the device layer reads it;
// "<unreadable>" when the open or the request fails.
inline std::string readDeviceId(SimBus& bus, const std::u16string& path) {
  const DeviceHandle handle = bus.open(path, OpenMode::SharedReadWrite);
  if (handle == kInvalidHandle) {
    return "<unreadable>";
  }
  char buffer[512];
  std::size_t length = 0;
  const bool ok = bus.queryDeviceId(handle, buffer, sizeof buffer, length);
  bus.close(handle);
  return ok ? std::string(buffer, length) : std::string("<unreadable>");
}

// A field's value found the way the device layer finds it: first occurrence of the key anywhere,
// up to the next ";" or the end. nullopt when the key is absent.
inline std::optional<std::string> fieldValue(const std::string& id, std::string_view key) {
  const std::size_t at = id.find(key);
  if (at == std::string::npos) {
    return std::nullopt;
  }
  const std::size_t start = at + key.size();
  const std::size_t end = id.find(';', start);
  return id.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The flash switch as the command channel sends it, arriving in one write.
inline void sendFlashSwitch(SimBus& bus, const std::u16string& path) {
  const DeviceHandle handle = bus.open(path, OpenMode::SharedReadWrite);
  ASSERT_NE(handle, kInvalidHandle);
  EXPECT_TRUE(writeText(bus, handle, "ds2.set 79744, 1;").ok);
  EXPECT_TRUE(writeText(bus, handle, "udw.srec_download;").ok);
  bus.close(handle);
}

}  // namespace nobrix::platform::sim::testing
