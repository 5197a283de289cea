// Scripting and observation side of the simulated bus: what tests and the demo program use to
// plug printers, let time pass and look at what each printer received.
#include "platform/sim/sim_bus.h"

#include "platform/sim/sim_state.h"

namespace nobrix::platform::sim {

using detail::notifyListeners;
using detail::runDueEvents;

SimBus::SimBus(BusOptions options) : state_(std::make_unique<State>(options)) {}

SimBus::~SimBus() = default;

PrinterId SimBus::plug(PrinterScript script) {
  runDueEvents(*state_);
  PrinterId id = 0;
  {
    std::lock_guard lock(state_->mutex);
    id = detail::plugPrinter(*state_, std::move(script));
  }
  notifyListeners(*state_);
  return id;
}

void SimBus::plugAfter(std::uint32_t delayMs, PrinterScript script) {
  {
    std::lock_guard lock(state_->mutex);
    state_->schedule(delayMs, [script = std::move(script)](detail::State& state) {
      detail::plugPrinter(state, script);
      return true;
    });
  }
  runDueEvents(*state_);
}

void SimBus::unplug(PrinterId printer) {
  bool changed = false;
  {
    std::lock_guard lock(state_->mutex);
    detail::SimPrinter& target = state_->printer(printer);
    changed = state_->removeInterface(target.normalInterface, detail::kGoneError);
    changed = state_->removeInterface(target.flashInterface, detail::kGoneError) || changed;
    if (target.phase != PrinterPhase::Finished) {
      target.phase = PrinterPhase::Unplugged;
    }
  }
  if (changed) {
    notifyListeners(*state_);
  }
}

void SimBus::setStatusCode(PrinterId printer, int statusCode) {
  std::lock_guard lock(state_->mutex);
  state_->printer(printer).script.statusCode = statusCode;
}

void SimBus::advance(std::uint32_t milliseconds) {
  if (state_->options.realTimeFactor > 0.0) {
    {
      std::lock_guard lock(state_->mutex);
      state_->virtualMs += milliseconds;
    }
    runDueEvents(*state_);
    return;
  }
  detail::letTimePass(*state_, milliseconds);
}

void SimBus::poll() {
  runDueEvents(*state_);
}

int SimBus::addChangeListener(std::function<void()> listener) {
  std::lock_guard lock(state_->mutex);
  const int token = state_->nextListener++;
  state_->listeners.emplace(token, std::move(listener));
  return token;
}

void SimBus::removeChangeListener(int token) {
  std::lock_guard lock(state_->mutex);
  state_->listeners.erase(token);
}

std::vector<PrinterId> SimBus::printers() const {
  runDueEvents(*state_);
  std::lock_guard lock(state_->mutex);
  std::vector<PrinterId> ids;
  for (std::size_t i = 0; i < state_->printers.size(); ++i) {
    ids.push_back(static_cast<PrinterId>(i + 1));
  }
  return ids;
}

PrinterPhase SimBus::phase(PrinterId printer) const {
  runDueEvents(*state_);
  std::lock_guard lock(state_->mutex);
  return state_->printer(printer).phase;
}

std::string SimBus::commandBytes(PrinterId printer) const {
  std::lock_guard lock(state_->mutex);
  return state_->printer(printer).commandBytes;
}

ImageReception SimBus::image(PrinterId printer) const {
  std::lock_guard lock(state_->mutex);
  return state_->printer(printer).image;
}

std::u16string SimBus::normalPath(PrinterId printer) const {
  std::lock_guard lock(state_->mutex);
  return state_->interfaces[*state_->printer(printer).normalInterface].path;
}

std::u16string SimBus::flashPath(PrinterId printer) const {
  runDueEvents(*state_);
  std::lock_guard lock(state_->mutex);
  const auto& index = state_->printer(printer).flashInterface;
  return index ? state_->interfaces[*index].path : std::u16string();
}

std::uint64_t SimBus::elapsedMs() const {
  std::lock_guard lock(state_->mutex);
  return state_->now();
}

int SimBus::openHandleCount() const {
  std::lock_guard lock(state_->mutex);
  return static_cast<int>(state_->handles.size());
}

}  // namespace nobrix::platform::sim
