// The operating system as the printer layers see it: interface paths, handles, bytes, ticks and
// sleeps. Backends: linux/ (usblp), windows/ (SetupAPI + CreateFile), sim/ (simulated bus).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nobrix::platform {

using DeviceHandle = std::intptr_t;
inline constexpr DeviceHandle kInvalidHandle = -1;

enum class OpenMode {
  SharedReadWrite,     // read and write, others may share: device ID, commands, connection test
  ExclusiveWriteOnly,  // write only, no sharing: the firmware image
};

// Why a read or write failed, as far as the layers above tell the user apart.
enum class IoFailure {
  Other,    // the device refused the call, or the cause is not known
  Gone,     // the printer left the bus: unplugged or switched off
  Stalled,  // the printer stopped taking data and gave no error
};

// Outcome of one read or write. OS errors are mapped here, at the backend edge; errorText keeps
// the platform's own wording (UTF-8), which the user sees only as a detail of the product's text.
struct IoResult {
  bool ok = false;
  std::size_t bytes = 0;
  std::string errorText;
  IoFailure failure = IoFailure::Other;  // meaningful only when !ok
};

// A printer interface that is present but cannot be opened, told apart from an absent one so
// that the user learns why and what to do.
struct UnusableInterface {
  enum class Reason { NoRights, Busy };
  std::u16string path;
  Reason reason = Reason::Busy;
  std::string deviceId;  // the IEEE 1284 ID as the system knows it without opening; may be empty
  std::string heldBy;    // Busy: the program holding the interface ("cupsd (pid 812)"), if known
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Paths of the present USB printer-class interfaces, in the system's order.
  virtual std::vector<std::u16string> printerInterfacePaths() = 0;

  // Present interfaces that cannot be opened right now, and why. A backend that cannot tell
  // reports none.
  virtual std::vector<UnusableInterface> unusableInterfaces() { return {}; }

  // kInvalidHandle when the path cannot be opened (absent, busy, no rights). A path names one
  // attachment of one printer: once that printer has left the bus the path never opens again,
  // even if the system gives the next printer the same device node.
  virtual DeviceHandle open(std::u16string_view path, OpenMode mode) = 0;

  // The IEEE 1284 device ID as raw single-byte text, without any length prefix and without a
  // terminator. At most `capacity` bytes are written; `length` receives how many were.
  virtual bool queryDeviceId(DeviceHandle handle, char* buffer, std::size_t capacity,
                             std::size_t& length) = 0;

  // One write call; `bytes` may be less than `size` (a partial write).
  virtual IoResult write(DeviceHandle handle, const std::uint8_t* data, std::size_t size) = 0;

  // One read call that returns after a short wait: ok with 0 bytes when nothing came.
  virtual IoResult read(DeviceHandle handle, std::uint8_t* buffer, std::size_t capacity) = 0;

  virtual void close(DeviceHandle handle) = 0;

  // Millisecond tick counter: unsigned 32-bit, wraps after about 49.7 days.
  virtual std::uint32_t tickCount() = 0;
  virtual void sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace nobrix::platform
