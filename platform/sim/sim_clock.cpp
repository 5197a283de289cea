// The bus's clock and event queue. Virtual time jumps straight to each due event, so a test that
// waits minutes costs microseconds; in real-time mode it follows the steady clock and events run
// whenever someone calls in.
#include <algorithm>
#include <stdexcept>
#include <thread>

#include "platform/sim/sim_state.h"
#include "platform/text_encoding.h"

namespace nobrix::platform::sim::detail {

namespace {

std::string nodePath(int node) {
  return "sim:/usb/lp" + std::to_string(node);
}

bool later(const Event& a, const Event& b) {
  return a.due != b.due ? a.due > b.due : a.sequence > b.sequence;
}

bool realTime(const State& state) {
  return state.options.realTimeFactor > 0.0;
}

// Runs the earliest event due by `target`. The lock is dropped before the listeners hear of a
// change, because they call straight back into the bus.
bool runNextEvent(State& state, std::uint64_t target) {
  bool changed = false;
  {
    std::lock_guard lock(state.mutex);
    if (state.events.empty() || state.events.front().due > target) {
      return false;
    }
    std::pop_heap(state.events.begin(), state.events.end(), later);
    Event event = std::move(state.events.back());
    state.events.pop_back();
    if (!realTime(state)) {
      state.virtualMs = std::max(state.virtualMs, event.due);
    }
    changed = event.action(state);
  }
  if (changed) {
    notifyListeners(state);
  }
  return true;
}

void runEventsUntil(State& state, std::uint64_t target) {
  while (runNextEvent(state, target)) {
  }
}

}  // namespace

State::State(BusOptions busOptions)
    : options(busOptions), realStart(std::chrono::steady_clock::now()) {}

std::uint64_t State::now() const {
  if (!realTime(*this)) {
    return virtualMs;
  }
  const std::chrono::duration<double, std::milli> real =
      std::chrono::steady_clock::now() - realStart;
  return virtualMs + static_cast<std::uint64_t>(real.count() * options.realTimeFactor);
}

void State::schedule(std::uint64_t delayMs, EventAction action) {
  events.push_back(Event{now() + delayMs, nextSequence++, std::move(action)});
  std::push_heap(events.begin(), events.end(), later);
}

SimPrinter& State::printer(PrinterId id) {
  if (id < 1 || static_cast<std::size_t>(id) > printers.size()) {
    throw std::out_of_range("no simulated printer with id " + std::to_string(id));
  }
  return printers[static_cast<std::size_t>(id) - 1];
}

const SimPrinter& State::printer(PrinterId id) const {
  return const_cast<State*>(this)->printer(id);
}

std::size_t State::addInterface(PrinterId id, bool flashMode) {
  int node = 0;
  while (std::any_of(interfaces.begin(), interfaces.end(), [node](const SimInterface& other) {
    return other.present && other.node == node;
  })) {
    ++node;
  }
  const int attachment = nextAttachment++;
  const std::string path = nodePath(node) + "@" + std::to_string(attachment);
  interfaces.push_back(SimInterface{id, flashMode, node, attachment, fromUtf8(path)});
  return interfaces.size() - 1;
}

std::optional<std::size_t> State::presentInterface(std::u16string_view path) const {
  const std::size_t at = path.find(u'@');
  const std::u16string_view node = path.substr(0, at);
  const std::u16string_view attachment =
      at == std::u16string_view::npos ? std::u16string_view() : path.substr(at + 1);
  for (std::size_t i = 0; i < interfaces.size(); ++i) {
    const SimInterface& candidate = interfaces[i];
    if (!candidate.present || fromUtf8(nodePath(candidate.node)) != node) {
      continue;
    }
    if (at != std::u16string_view::npos &&
        fromUtf8(std::to_string(candidate.attachment)) != attachment) {
      return std::nullopt;  // the node now belongs to a later attachment
    }
    return i;
  }
  return std::nullopt;
}

bool State::removeInterface(std::optional<std::size_t> index, const char* error) {
  if (!index || !interfaces[*index].present) {
    return false;
  }
  interfaces[*index].present = false;
  interfaces[*index].departureError = error;
  return true;
}

void notifyListeners(State& state) {
  std::vector<std::function<void()>> listeners;
  {
    std::lock_guard lock(state.mutex);
    for (const auto& entry : state.listeners) {
      listeners.push_back(entry.second);
    }
  }
  for (const auto& listener : listeners) {
    listener();
  }
}

void runDueEvents(State& state) {
  std::uint64_t target = 0;
  {
    std::lock_guard lock(state.mutex);
    target = state.now();
  }
  runEventsUntil(state, target);
}

void letTimePass(State& state, std::uint64_t milliseconds) {
  if (realTime(state)) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(
        static_cast<double>(milliseconds) / state.options.realTimeFactor));
    runDueEvents(state);
    return;
  }
  std::uint64_t target = 0;
  {
    std::lock_guard lock(state.mutex);
    target = state.virtualMs + milliseconds;
  }
  runEventsUntil(state, target);
  std::lock_guard lock(state.mutex);
  state.virtualMs = std::max(state.virtualMs, target);
}

}  // namespace nobrix::platform::sim::detail
