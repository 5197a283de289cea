// The Platform side of the simulated bus: enumeration, opens with the sharing rules of a
// printer-class driver, device-ID queries, reads, writes, ticks and sleeps.
#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/sim/sim_bus.h"
#include "platform/sim/sim_state.h"

namespace nobrix::platform::sim {

using detail::letTimePass;
using detail::notifyListeners;
using detail::runDueEvents;
using detail::State;

namespace {

const detail::SimHandle* findHandle(const State& state, DeviceHandle handle) {
  const auto found = state.handles.find(handle);
  return found == state.handles.end() ? nullptr : &found->second;
}

// A write-only exclusive open needs the interface to itself; shared opens coexist but not with
// an exclusive one.
bool sharingAllows(const State& state, std::size_t interfaceIndex, OpenMode mode) {
  for (const auto& entry : state.handles) {
    if (entry.second.interfaceIndex != interfaceIndex) {
      continue;
    }
    if (mode == OpenMode::ExclusiveWriteOnly || entry.second.mode == OpenMode::ExclusiveWriteOnly) {
      return false;
    }
  }
  return true;
}

IoResult failure(std::string text, IoFailure kind = IoFailure::Other) {
  return IoResult{false, 0, std::move(text), kind};
}

}  // namespace

std::vector<std::u16string> SimBus::printerInterfacePaths() {
  runDueEvents(*state_);
  std::lock_guard lock(state_->mutex);
  std::vector<std::u16string> paths;
  for (const auto& printerInterface : state_->interfaces) {
    if (printerInterface.present) {
      paths.push_back(printerInterface.path);
    }
  }
  return paths;
}

std::vector<UnusableInterface> SimBus::unusableInterfaces() {
  runDueEvents(*state_);
  std::lock_guard lock(state_->mutex);
  std::vector<UnusableInterface> unusable;
  for (const auto& printerInterface : state_->interfaces) {
    const PrinterScript& script = state_->printer(printerInterface.printer).script;
    if (!printerInterface.present || !script.openFails) {
      continue;
    }
    const bool busy = script.openRefusal == OpenRefusal::Busy;
    unusable.push_back(
        {printerInterface.path,
         busy ? UnusableInterface::Reason::Busy : UnusableInterface::Reason::NoRights,
         printerInterface.flashMode ? detail::flashDeviceId(script)
                                    : detail::normalDeviceId(script),
         busy ? script.heldBy : std::string()});
  }
  return unusable;
}

std::u16string SimBus::nodeOf(std::u16string_view path) {
  return std::u16string(path.substr(0, path.find(u'@')));
}

DeviceHandle SimBus::open(std::u16string_view path, OpenMode mode) {
  runDueEvents(*state_);
  std::string throwText;
  {
    std::lock_guard lock(state_->mutex);
    const auto index = state_->presentInterface(path);
    if (!index) {
      return kInvalidHandle;
    }
    const PrinterScript& script = state_->printer(state_->interfaces[*index].printer).script;
    if (script.openThrows) {
      throwText = *script.openThrows;
    } else if (script.openFails || !sharingAllows(*state_, *index, mode)) {
      return kInvalidHandle;
    } else {
      const DeviceHandle handle = state_->nextHandle++;
      state_->handles.emplace(handle, detail::SimHandle{*index, mode});
      return handle;
    }
  }
  throw std::runtime_error(throwText);
}

bool SimBus::queryDeviceId(DeviceHandle handle, char* buffer, std::size_t capacity,
                           std::size_t& length) {
  runDueEvents(*state_);
  std::lock_guard lock(state_->mutex);
  length = 0;
  const detail::SimHandle* open = findHandle(*state_, handle);
  if (open == nullptr || !state_->interfaces[open->interfaceIndex].present) {
    return false;
  }
  const detail::SimInterface& printerInterface = state_->interfaces[open->interfaceIndex];
  const PrinterScript& script = state_->printer(printerInterface.printer).script;
  if (!printerInterface.flashMode && script.deviceIdUnreadable) {
    return false;
  }
  const std::string id =
      printerInterface.flashMode ? detail::flashDeviceId(script) : detail::normalDeviceId(script);
  length = std::min(capacity, id.size());
  if (length > 0) {
    std::memcpy(buffer, id.data(), length);
  }
  return true;
}

IoResult SimBus::write(DeviceHandle handle, const std::uint8_t* data, std::size_t size) {
  runDueEvents(*state_);
  detail::ImageWrite outcome;
  {
    std::lock_guard lock(state_->mutex);
    const detail::SimHandle* open = findHandle(*state_, handle);
    if (open == nullptr) {
      return failure(detail::kBadHandleError);
    }
    const detail::SimInterface& printerInterface = state_->interfaces[open->interfaceIndex];
    if (!printerInterface.present) {
      if (printerInterface.flashMode) {
        ++state_->printer(printerInterface.printer).image.rejectedWrites;
      }
      return failure(printerInterface.departureError, IoFailure::Gone);
    }
    if (printerInterface.flashMode) {
      outcome = detail::takeImageBytes(*state_, printerInterface.printer, data, size);
    } else {
      detail::takeCommandBytes(*state_, printerInterface.printer, data, size);
      outcome.result = IoResult{true, size, {}};
      outcome.costMs = state_->options.writeCostMs;
    }
  }
  if (outcome.interfacesChanged) {
    notifyListeners(*state_);
  }
  if (outcome.costMs > 0) {
    letTimePass(*state_, outcome.costMs);
  }
  return outcome.result;
}

IoResult SimBus::read(DeviceHandle handle, std::uint8_t* buffer, std::size_t capacity) {
  runDueEvents(*state_);
  {
    std::lock_guard lock(state_->mutex);
    const detail::SimHandle* open = findHandle(*state_, handle);
    if (open == nullptr || open->mode == OpenMode::ExclusiveWriteOnly) {
      return failure(detail::kBadHandleError);
    }
    const detail::SimInterface& printerInterface = state_->interfaces[open->interfaceIndex];
    if (!printerInterface.present) {
      return failure(printerInterface.departureError, IoFailure::Gone);
    }
    std::string& pending = state_->printer(printerInterface.printer).pendingReply;
    if (!printerInterface.flashMode && !pending.empty() && capacity > 0) {
      const std::size_t count = std::min(capacity, pending.size());
      std::memcpy(buffer, pending.data(), count);
      pending.erase(0, count);
      return IoResult{true, count, {}};
    }
  }
  // Nothing to hand over: the driver's read times out after a short wait.
  letTimePass(*state_, state_->options.readWaitMs);
  return IoResult{true, 0, {}};
}

void SimBus::close(DeviceHandle handle) {
  std::lock_guard lock(state_->mutex);
  state_->handles.erase(handle);
}

std::uint32_t SimBus::tickCount() {
  runDueEvents(*state_);
  std::lock_guard lock(state_->mutex);
  return static_cast<std::uint32_t>(state_->options.tickAtStart + state_->now());
}

void SimBus::sleep(std::uint32_t milliseconds) {
  letTimePass(*state_, milliseconds);
}

}  // namespace nobrix::platform::sim
