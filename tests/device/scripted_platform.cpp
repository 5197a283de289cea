// The scripted platform's behaviour: each call does exactly what its fields say.
#include "tests/device/scripted_platform.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace nobrix::device::testing {

std::vector<std::u16string> ScriptedPlatform::printerInterfacePaths() {
  if (pathsThrow) {
    throw std::runtime_error("enumeration broke");
  }
  return paths;
}

platform::DeviceHandle ScriptedPlatform::open(std::u16string_view, platform::OpenMode) {
  if (!openSucceeds) {
    return platform::kInvalidHandle;
  }
  ++opens;
  return 7;
}

bool ScriptedPlatform::queryDeviceId(platform::DeviceHandle, char* buffer, std::size_t capacity,
                                     std::size_t& length) {
  const std::size_t copied = std::min(capacity, deviceId.size());
  std::memcpy(buffer, deviceId.data(), copied);
  length = reportedIdLength.value_or(copied);
  return true;
}

platform::IoResult ScriptedPlatform::write(platform::DeviceHandle, const std::uint8_t* data,
                                           std::size_t size) {
  ++writeCalls;
  if (writeThrows) {
    throw std::runtime_error("write broke");
  }
  if (writeFails) {
    return {false, 0, "device gone"};
  }
  const std::size_t taken =
      writeTakesNothing ? 0 : (writeChunk == 0 ? size : std::min(writeChunk, size));
  written.append(reinterpret_cast<const char*>(data), taken);
  return {true, taken, {}};
}

platform::IoResult ScriptedPlatform::read(platform::DeviceHandle, std::uint8_t* buffer,
                                          std::size_t capacity) {
  if (readThrows) {
    throw std::runtime_error("read broke");
  }
  tick += readStepMs;
  if (readFailsAtTick && tick >= *readFailsAtTick) {
    return {false, 0, "device gone"};
  }
  if (replies.empty() || replies.front().atTick > tick) {
    return {true, 0, {}};
  }
  const std::string bytes = replies.front().bytes;
  replies.pop_front();
  const std::size_t count = std::min(capacity, bytes.size());
  std::memcpy(buffer, bytes.data(), count);
  return {true, count, {}};
}

void ScriptedPlatform::close(platform::DeviceHandle) {
  ++closes;
}

void ScriptedPlatform::sleep(std::uint32_t milliseconds) {
  sleeps.push_back(milliseconds);
  tick += milliseconds;
}

}  // namespace nobrix::device::testing
