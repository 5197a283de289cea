// The simulated printer bus: scripted USB printers behind the Platform interface, on a virtual
// clock. Tests and the demo program use it; it records what every printer received.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace nobrix::platform::sim {

using PrinterId = int;

enum class OpenRefusal { NoRights, Busy };

// How one simulated printer looks and behaves. Defaults: an idle supported printer that switches
// to flash mode, returns, takes the image and leaves the bus after applying it.
struct PrinterScript {
  std::string manufacturer = "SALVENOR";
  std::string model = "LRX5303";
  std::optional<std::string> serial = "SIM0001";  // nullopt: the ID has no "SN:" field
  // State code, written as two upper-case hex digits (its low byte) at characters 16-17 of the
  // ";S:" field's value.
  int statusCode = 0;
  bool hasStatusField = true;              // false: no ";S:" field at all
  std::optional<std::string> rawDeviceId;  // replaces the composed normal-mode ID when set
  bool deviceIdUnreadable = false;         // the normal-mode device-ID request fails
  bool openFails = false;                  // busy or no rights: every open fails, in either mode
  // Why opens fail, as the diagnosis reports it; `heldBy` names the holding program when busy.
  OpenRefusal openRefusal = OpenRefusal::Busy;
  std::string heldBy;
  std::optional<std::string> openThrows;  // every open throws std::runtime_error(text)
  std::string reply;  // bytes offered for reading after the first command arrives

  // Flash-mode switch, triggered by "udw.srec_download;" on the normal-mode interface. The
  // defaults are the timings measured on the kernel driver: still on the bus 0.5 s after the
  // command, back in flash mode 0.75 s after leaving (0.3 s away plus enumeration), usually
  // under the very node number it left.
  bool ignoresFlashCommands = false;
  std::uint32_t leaveAfterSwitchMs = 500;  // normal-mode interface disappears
  // The flash-mode interface appears this long after the normal one left; nullopt: never.
  std::optional<std::uint32_t> reappearAfterMs = 750;
  std::string flashManufacturer = "NOBRIX";
  std::string flashModel = "reflash";
  std::optional<std::string> flashSerial;  // replaces the serial in the flash-mode ID when set
  // Plugged already in flash mode, waiting for its image (a run that was killed or stopped left
  // it there, and it has been power-cycled into its loader since, or not).
  bool startsInFlashMode = false;

  // Flash mode: image reception.
  std::uint64_t imageSize = 76'926'097;  // bytes after which the image is complete
  // Leaves the bus this long after the last image byte; nullopt: never.
  std::optional<std::uint32_t> applyMs = 45'000;
  // Comes back in normal mode this long after leaving with the new image; nullopt: never.
  std::optional<std::uint32_t> rejoinAfterApplyMs;
  std::optional<std::uint64_t> unplugAfterImageBytes;  // leaves the bus mid-transfer
  std::size_t maxBytesPerWrite = 0;                    // 0: whole writes; else partial writes
  bool takesNoImageBytes = false;    // every image write succeeds but takes no byte
  std::uint64_t bytesPerSecond = 0;  // 0: writes cost no time; else virtual time
};

enum class PrinterPhase {
  Idle,       // normal-mode interface present
  Switching,  // flash command taken, about to leave the bus
  Away,       // between leaving normal mode and appearing in flash mode
  FlashMode,  // flash-mode interface present, receiving the image
  Applying,   // whole image received, about to leave
  Finished,   // applied the image and left the bus (or came back in normal mode after it)
  Unplugged,  // removed by the test or mid-transfer
};

struct ImageReception {
  std::uint64_t bytes = 0;
  std::uint64_t checksum = 0;           // imageChecksum() over every byte received, in order
  std::vector<std::size_t> writeSizes;  // bytes accepted by each successful write, in order
  int rejectedWrites = 0;  // writes that failed: cut off mid-transfer or after leaving the bus
};

// FNV-1a 64 over the bytes; extendable: checksum(b, checksum(a)) == checksum(a + b).
std::uint64_t imageChecksum(const std::uint8_t* data, std::size_t size,
                            std::uint64_t seed = 0xcbf29ce484222325ULL);

struct BusOptions {
  std::uint32_t tickAtStart = 0;  // set near 0xFFFFFFFF to test the counter wrapping
  // 0: purely virtual; > 0: virtual time runs this many times as fast as real time.
  double realTimeFactor = 0.0;
  std::uint32_t readWaitMs = 10;  // virtual time an empty read waits before it returns 0 bytes
  std::uint32_t writeCostMs = 0;  // virtual time every write to a normal-mode interface takes
};

class SimBus final : public Platform {
 public:
  explicit SimBus(BusOptions options = {});
  ~SimBus() override;
  SimBus(const SimBus&) = delete;
  SimBus& operator=(const SimBus&) = delete;

  // Scripting. A plugged printer's interface goes to the end of the system's order.
  PrinterId plug(PrinterScript script);
  void plugAfter(std::uint32_t delayMs, PrinterScript script);  // scheduled on the virtual clock
  void unplug(PrinterId printer);
  void setStatusCode(PrinterId printer, int statusCode);
  void advance(std::uint32_t milliseconds);  // let virtual time pass without anyone sleeping
  void poll();  // run due events (real-time mode: call it from a timer)

  // Hot-plug broadcast: called after every change of the set of interfaces, outside any lock,
  // on whichever thread made time pass.
  int addChangeListener(std::function<void()> listener);
  void removeChangeListener(int token);

  // Observation.
  std::vector<PrinterId> printers() const;
  PrinterPhase phase(PrinterId printer) const;
  std::string commandBytes(PrinterId printer) const;  // all bytes written in normal mode
  ImageReception image(PrinterId printer) const;      // all bytes written in flash mode
  std::u16string normalPath(PrinterId printer) const;
  std::u16string flashPath(PrinterId printer) const;  // empty until it appeared in flash mode
  // The node a path names without its attachment ("sim:/usb/lp0"): what a driver that only
  // numbers nodes would call it. Opening it reaches whichever interface holds the node now.
  static std::u16string nodeOf(std::u16string_view path);
  std::uint64_t elapsedMs() const;  // virtual time since the bus was made
  int openHandleCount() const;

  // Platform.
  std::vector<std::u16string> printerInterfacePaths() override;
  std::vector<UnusableInterface> unusableInterfaces() override;
  DeviceHandle open(std::u16string_view path, OpenMode mode) override;
  bool queryDeviceId(DeviceHandle handle, char* buffer, std::size_t capacity,
                     std::size_t& length) override;
  IoResult write(DeviceHandle handle, const std::uint8_t* data, std::size_t size) override;
  IoResult read(DeviceHandle handle, std::uint8_t* buffer, std::size_t capacity) override;
  void close(DeviceHandle handle) override;
  std::uint32_t tickCount() override;
  void sleep(std::uint32_t milliseconds) override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace nobrix::platform::sim
