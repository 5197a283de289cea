// How a simulated printer moves through an update: it takes the flash command, leaves the bus,
// returns as a flash-mode interface with the same serial number, takes the image and leaves again
// once it has applied it. Every function here runs with the bus mutex held.
#include <algorithm>
#include <string_view>

#include "platform/sim/sim_state.h"

namespace nobrix::platform::sim::detail {

namespace {

constexpr std::string_view kFlashCommand = "udw.srec_download;";

bool appearInFlashMode(State& state, PrinterId id) {
  SimPrinter& printer = state.printer(id);
  if (printer.phase != PrinterPhase::Away) {
    return false;  // unplugged while away
  }
  printer.phase = PrinterPhase::FlashMode;
  printer.flashInterface = state.addInterface(id, true);
  return true;
}

bool leaveNormalMode(State& state, PrinterId id) {
  SimPrinter& printer = state.printer(id);
  if (printer.phase != PrinterPhase::Switching) {
    return false;
  }
  printer.phase = PrinterPhase::Away;
  if (printer.script.reappearAfterMs) {
    state.schedule(*printer.script.reappearAfterMs,
                   [id](State& s) { return appearInFlashMode(s, id); });
  }
  return state.removeInterface(printer.normalInterface, kGoneError);
}

// Back in normal mode with the new firmware: a new attachment, usually under the node number
// the flash-mode interface had.
bool rejoinInNormalMode(State& state, PrinterId id) {
  SimPrinter& printer = state.printer(id);
  if (printer.phase != PrinterPhase::Finished) {
    return false;
  }
  printer.normalInterface = state.addInterface(id, false);
  return true;
}

bool finishApplying(State& state, PrinterId id) {
  SimPrinter& printer = state.printer(id);
  if (printer.phase != PrinterPhase::Applying) {
    return false;
  }
  printer.phase = PrinterPhase::Finished;
  if (printer.script.rejoinAfterApplyMs) {
    state.schedule(*printer.script.rejoinAfterApplyMs,
                   [id](State& s) { return rejoinInNormalMode(s, id); });
  }
  return state.removeInterface(printer.flashInterface, kGoneError);
}

void record(ImageReception& image, const std::uint8_t* data, std::size_t size) {
  image.checksum = imageChecksum(data, size, image.checksum);
  image.bytes += size;
}

// Virtual time the bytes received so far have cost beyond what earlier writes were charged;
// charging the running total keeps sub-millisecond writes from costing nothing.
std::uint64_t transferCost(SimPrinter& printer) {
  const std::uint64_t rate = printer.script.bytesPerSecond;
  if (rate == 0) {
    return 0;
  }
  const std::uint64_t total = printer.image.bytes * 1000 / rate;
  const std::uint64_t cost = total - std::min(total, printer.chargedTransferMs);
  printer.chargedTransferMs = total;
  return cost;
}

}  // namespace

PrinterId plugPrinter(State& state, PrinterScript script) {
  state.printers.push_back(SimPrinter{});
  const auto id = static_cast<PrinterId>(state.printers.size());
  SimPrinter& printer = state.printers.back();
  printer.script = std::move(script);
  printer.image.checksum = imageChecksum(nullptr, 0);
  if (printer.script.startsInFlashMode) {
    printer.phase = PrinterPhase::FlashMode;
    printer.flashInterface = state.addInterface(id, true);
  } else {
    printer.normalInterface = state.addInterface(id, false);
  }
  return id;
}

void takeCommandBytes(State& state, PrinterId id, const std::uint8_t* data, std::size_t size) {
  SimPrinter& printer = state.printer(id);
  const std::size_t before = printer.commandBytes.size();
  printer.commandBytes.append(reinterpret_cast<const char*>(data), size);
  if (!printer.replyOffered && size > 0) {
    printer.replyOffered = true;
    printer.pendingReply = printer.script.reply;
  }
  if (printer.phase != PrinterPhase::Idle || printer.script.ignoresFlashCommands) {
    return;
  }
  // The command may arrive split over several writes: search from just before the new bytes.
  const std::size_t from = before >= kFlashCommand.size() ? before - kFlashCommand.size() + 1 : 0;
  if (printer.commandBytes.find(kFlashCommand, from) == std::string::npos) {
    return;
  }
  printer.phase = PrinterPhase::Switching;
  state.schedule(printer.script.leaveAfterSwitchMs,
                 [id](State& s) { return leaveNormalMode(s, id); });
}

ImageWrite takeImageBytes(State& state, PrinterId id, const std::uint8_t* data, std::size_t size) {
  SimPrinter& printer = state.printer(id);
  const PrinterScript& script = printer.script;
  std::size_t accepted = script.takesNoImageBytes ? 0 : size;
  if (script.maxBytesPerWrite > 0) {
    accepted = std::min(accepted, script.maxBytesPerWrite);
  }
  bool cut = false;
  if (script.unplugAfterImageBytes) {
    const std::uint64_t room = *script.unplugAfterImageBytes - printer.image.bytes;
    cut = accepted > room;
    accepted = static_cast<std::size_t>(std::min<std::uint64_t>(accepted, room));
  }
  record(printer.image, data, accepted);

  ImageWrite write;
  if (script.unplugAfterImageBytes && printer.image.bytes >= *script.unplugAfterImageBytes) {
    printer.phase = PrinterPhase::Unplugged;
    write.interfacesChanged = state.removeInterface(printer.flashInterface, kCutError);
  }
  if (cut) {
    // As on the kernel driver: the write fails, but what went out before the printer left counts.
    ++printer.image.rejectedWrites;
    write.result = IoResult{false, accepted, kCutError, IoFailure::Gone};
    return write;
  }
  printer.image.writeSizes.push_back(accepted);
  write.result = IoResult{true, accepted, {}};
  write.costMs = transferCost(printer);
  if (printer.phase == PrinterPhase::FlashMode && printer.image.bytes >= script.imageSize) {
    printer.phase = PrinterPhase::Applying;
    if (script.applyMs) {
      state.schedule(write.costMs + *script.applyMs,
                     [id](State& s) { return finishApplying(s, id); });
    }
  }
  return write;
}

}  // namespace nobrix::platform::sim::detail
