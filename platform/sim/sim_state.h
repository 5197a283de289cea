// Inner state of the simulated bus, shared by its source files: printers, interfaces, open
// handles, the event queue of the virtual clock and the change listeners, all under one mutex.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_bus.h"

namespace nobrix::platform::sim::detail {

// Wording of the errors a printer-class driver reports, kept as the OS would word them.
inline constexpr const char* kGoneError = "No such device";
inline constexpr const char* kCutError = "Input/output error";
inline constexpr const char* kBadHandleError = "Bad file descriptor";

struct SimInterface {
  PrinterId printer = 0;
  bool flashMode = false;
  int node = 0;        // lowest number free when it appeared, as the kernel hands them out
  int attachment = 0;  // counts every appearance on the bus, like a USB device number
  std::u16string path;
  bool present = true;
  std::string departureError = kGoneError;
};

struct SimHandle {
  std::size_t interfaceIndex = 0;
  OpenMode mode = OpenMode::SharedReadWrite;
};

struct SimPrinter {
  PrinterScript script;
  PrinterPhase phase = PrinterPhase::Idle;
  std::optional<std::size_t> normalInterface;
  std::optional<std::size_t> flashInterface;
  std::string commandBytes;
  bool replyOffered = false;
  std::string pendingReply;
  ImageReception image;
  std::uint64_t chargedTransferMs = 0;  // virtual time already charged for received image bytes
};

struct State;

// An event returns true when it changed the set of interfaces (the listeners must hear of it).
using EventAction = std::function<bool(State&)>;

struct Event {
  std::uint64_t due = 0;
  std::uint64_t sequence = 0;  // keeps events of the same instant in the order they were made
  EventAction action;
};

struct State {
  explicit State(BusOptions busOptions);

  BusOptions options;
  mutable std::mutex mutex;
  std::chrono::steady_clock::time_point realStart;
  std::uint64_t virtualMs = 0;  // virtual mode: the clock; real-time mode: time added by advance()

  std::vector<SimPrinter> printers;      // PrinterId n lives at index n - 1
  std::vector<SimInterface> interfaces;  // in plug order, departed ones included
  std::map<DeviceHandle, SimHandle> handles;
  DeviceHandle nextHandle = 1;
  int nextAttachment = 1;

  std::vector<Event> events;  // a heap ordered by (due, sequence)
  std::uint64_t nextSequence = 0;

  std::map<int, std::function<void()>> listeners;
  int nextListener = 1;

  // Locked helpers.
  std::uint64_t now() const;
  void schedule(std::uint64_t delayMs, EventAction action);
  SimPrinter& printer(PrinterId id);
  const SimPrinter& printer(PrinterId id) const;
  std::size_t addInterface(PrinterId id, bool flashMode);
  // The present interface a path names; a path without an attachment names whichever
  // interface holds its node now.
  std::optional<std::size_t> presentInterface(std::u16string_view path) const;
  bool removeInterface(std::optional<std::size_t> index, const char* error);
};

// Clock: run what is due, let time pass (virtually or for real), tell the listeners.
void notifyListeners(State& state);
void runDueEvents(State& state);
void letTimePass(State& state,
                 std::uint64_t milliseconds);  // sleep-like: really waits in real time

// Printer behaviour, called with the mutex held. Each returns true when the set of interfaces
// changed.
PrinterId plugPrinter(State& state, PrinterScript script);
void takeCommandBytes(State& state, PrinterId id, const std::uint8_t* data, std::size_t size);
struct ImageWrite {
  IoResult result;
  bool interfacesChanged = false;
  std::uint64_t costMs = 0;
};
ImageWrite takeImageBytes(State& state, PrinterId id, const std::uint8_t* data, std::size_t size);

// The device IDs a printer reports.
std::string normalDeviceId(const PrinterScript& script);
std::string flashDeviceId(const PrinterScript& script);

}  // namespace nobrix::platform::sim::detail

namespace nobrix::platform::sim {

struct SimBus::State : detail::State {
  using detail::State::State;
};

}  // namespace nobrix::platform::sim
