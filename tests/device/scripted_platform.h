// A hand-scripted platform for the faults the simulated bus does not produce: partial and stalled
// writes, reads timed to the millisecond, lying byte counts and failing enumeration.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace nobrix::device::testing {

class ScriptedPlatform final : public platform::Platform {
 public:
  struct TimedBytes {
    std::uint32_t atTick;
    std::string bytes;
  };

  // Enumeration.
  std::vector<std::u16string> paths;
  bool pathsThrow = false;

  // Opening and the device ID.
  bool openSucceeds = true;
  std::string deviceId = "MFG:M;MDL:D;SN:1;S:0000000000000000000;";
  std::optional<std::size_t> reportedIdLength;  // overrides the true length when set

  // Writes: at most writeChunk bytes per call (0: all); takesNothing accepts 0 bytes.
  std::size_t writeChunk = 0;
  bool writeTakesNothing = false;
  bool writeFails = false;
  bool writeThrows = false;

  // Reads: each read lets readStepMs pass and then hands over the next due bytes, if any.
  std::uint32_t tick = 0;
  std::uint32_t readStepMs = 10;
  std::deque<TimedBytes> replies;
  std::optional<std::uint32_t> readFailsAtTick;
  bool readThrows = false;

  // Observation.
  std::string written;
  int writeCalls = 0;
  int opens = 0;
  int closes = 0;
  std::vector<std::uint32_t> sleeps;

  std::vector<std::u16string> printerInterfacePaths() override;
  platform::DeviceHandle open(std::u16string_view path, platform::OpenMode mode) override;
  bool queryDeviceId(platform::DeviceHandle handle, char* buffer, std::size_t capacity,
                     std::size_t& length) override;
  platform::IoResult write(platform::DeviceHandle handle, const std::uint8_t* data,
                           std::size_t size) override;
  platform::IoResult read(platform::DeviceHandle handle, std::uint8_t* buffer,
                          std::size_t capacity) override;
  void close(platform::DeviceHandle handle) override;
  std::uint32_t tickCount() override { return tick; }
  void sleep(std::uint32_t milliseconds) override;
};

}  // namespace nobrix::device::testing
