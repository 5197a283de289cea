// Streams the built-in image through the firmware transfer and through a plain loop of the same
// 81,920-byte writes into the same sink, in one run, and reports the ratio of the two in wall and
// in CPU time, and each case's own peak resident memory (the high-water mark is reset before
// every case, so no case inherits the peak of one before it).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_sinks.h"
#include "firmware/embedded/program_resources.h"
#include "firmware/firmware_transfer.h"
#include "platform/sim/sim_bus.h"

namespace nobrix::bench {
namespace {

using firmware::FirmwareTransfer;

constexpr const char* kPlain = "plain_loop/";
constexpr const char* kTransfer = "transfer/";
// One send takes about a second on a busy machine; a few of them make a steadier figure.
constexpr double kMinSeconds = 3.0;

// Takes every byte at once and only counts them.
class CountingDevice final : public platform::Platform {
 public:
  std::vector<std::u16string> printerInterfacePaths() override { return {}; }
  platform::DeviceHandle open(std::u16string_view, platform::OpenMode) override { return 1; }
  bool queryDeviceId(platform::DeviceHandle, char*, std::size_t, std::size_t&) override {
    return false;
  }
  platform::IoResult write(platform::DeviceHandle, const std::uint8_t*, std::size_t size) override {
    bytes_ += size;
    return {true, size, {}};
  }
  platform::IoResult read(platform::DeviceHandle, std::uint8_t*, std::size_t) override {
    return {};
  }
  void close(platform::DeviceHandle) override {}
  std::uint32_t tickCount() override { return 0; }
  void sleep(std::uint32_t) override {}

 private:
  std::uint64_t bytes_ = 0;
};

// A simulated printer in flash mode that never considers its image complete.
SinkSetup simulatedPrinter() {
  auto bus = std::make_unique<platform::sim::SimBus>();
  platform::sim::PrinterScript script;
  script.imageSize = std::numeric_limits<std::uint64_t>::max();
  script.leaveAfterSwitchMs = 1;
  script.reappearAfterMs = 1;
  const auto printer = bus->plug(script);
  const auto handle = bus->open(bus->normalPath(printer), platform::OpenMode::SharedReadWrite);
  const std::string command = "udw.srec_download;";
  bus->write(handle, reinterpret_cast<const std::uint8_t*>(command.data()), command.size());
  bus->close(handle);
  bus->advance(10);
  std::u16string path = bus->flashPath(printer);
  return {std::move(bus), std::move(path)};
}

std::vector<Sink> allSinks() {
  std::vector<Sink> sinks{{"counting",
                           [] {
                             return SinkSetup{std::make_unique<CountingDevice>(), u"counting"};
                           }},
                          {"simulated_printer", simulatedPrinter}};
  for (Sink& sink : systemSinks()) {
    sinks.push_back(std::move(sink));
  }
  return sinks;
}

struct LinkedImage {
  const std::uint8_t* bytes = nullptr;
  std::size_t size = 0;
};

LinkedImage lockLinkedImage(firmware::ResourceModule& resources) {
  const auto module = resources.ownModule();
  const auto entry =
      resources.find(module, firmware::kFirmwareImageResourceId, firmware::kRawDataResourceType);
  return {resources.lock(resources.load(module, entry)), resources.size(module, entry)};
}

// Sets the process's resident high-water mark back to what is resident now.
void resetPeakResident() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// VmHWM: the peak resident memory since the last reset, in MiB.
double peakResidentMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) {
      return std::stod(line.substr(6)) / 1024.0;  // the kernel writes kB
    }
  }
  return 0.0;
}

void finish(benchmark::State& state, std::size_t imageBytes) {
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(imageBytes));
  state.counters["peak_rss_MiB"] = peakResidentMiB();
}

bool plainLoop(platform::Platform& device, const std::u16string& path, LinkedImage image) {
  const auto handle = device.open(path, platform::OpenMode::ExclusiveWriteOnly);
  bool ok = handle != platform::kInvalidHandle;
  for (std::size_t offset = 0; ok && offset < image.size; offset += FirmwareTransfer::kPieceBytes) {
    const std::size_t piece = std::min(FirmwareTransfer::kPieceBytes, image.size - offset);
    ok = device.write(handle, image.bytes + offset, piece).bytes == piece;
  }
  if (handle != platform::kInvalidHandle) {
    device.close(handle);
  }
  return ok;
}

class SilentTexts final : public ports::TextSource {
 public:
  std::u16string text(std::string_view) const override { return u"message"; }
};

class CountingMessages final : public ports::MessageSink {
 public:
  int shown = 0;
  void showMessage(std::int32_t, std::u16string_view, std::int32_t, std::int32_t) override {
    ++shown;
  }
};

void runPlainLoop(benchmark::State& state, const Sink& sink) {
  auto resources = firmware::makeProgramResourceModule();
  const LinkedImage image = lockLinkedImage(*resources);
  SinkSetup setup = sink.make();
  resetPeakResident();
  for (auto _ : state) {
    if (!plainLoop(*setup.platform, setup.path, image)) {
      state.SkipWithError("a write failed");
    }
  }
  finish(state, image.size);
}

void runTransfer(benchmark::State& state, const Sink& sink) {
  auto resources = firmware::makeProgramResourceModule();
  const LinkedImage image = lockLinkedImage(*resources);
  SinkSetup setup = sink.make();
  SilentTexts texts;
  CountingMessages messages;
  FirmwareTransfer transfer{*setup.platform, *resources, texts, messages};
  resetPeakResident();
  for (auto _ : state) {
    if (transfer.sendImage(setup.path.c_str()) != 1) {
      state.SkipWithError("the transfer failed");
    }
  }
  finish(state, image.size);
}

// Console output plus, at the end, the transfer against the plain loop for each sink.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  // With repetitions the median stands for a case; without, its one run does. Names carry the
  // repetition count ("transfer/counting/repeats:3"), so cases are keyed by function name.
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.error_occurred || !(single || median)) {
        continue;
      }
      const std::string& name = run.run_name.function_name;
      milliseconds_[name] = run.GetAdjustedRealTime();
      cpuMilliseconds_[name] = run.GetAdjustedCPUTime();
      const auto peak = run.counters.find("peak_rss_MiB");
      peakMiB_[name] = peak == run.counters.end() ? 0.0 : peak->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-18s %21s %21s %11s %11s %15s\n", "sink", "plain ms real/cpu",
                "transfer ms real/cpu", "ratio real", "ratio cpu", "peak MiB p/t");
    for (const Sink& sink : allSinks()) {
      const std::string plain = kPlain + sink.name;
      const std::string transfer = kTransfer + sink.name;
      if (!milliseconds_.contains(plain) || !milliseconds_.contains(transfer)) {
        continue;
      }
      std::printf("%-18s %10.2f/%-10.2f %10.2f/%-10.2f %11.3f %11.3f %7.1f/%-7.1f\n",
                  sink.name.c_str(), milliseconds_[plain], cpuMilliseconds_[plain],
                  milliseconds_[transfer], cpuMilliseconds_[transfer],
                  milliseconds_[transfer] / milliseconds_[plain],
                  cpuMilliseconds_[transfer] / cpuMilliseconds_[plain], peakMiB_[plain],
                  peakMiB_[transfer]);
    }
  }

 private:
  std::map<std::string, double> milliseconds_;
  std::map<std::string, double> cpuMilliseconds_;
  std::map<std::string, double> peakMiB_;
};

void registerAll(const std::vector<Sink>& sinks) {
  for (const Sink& sink : sinks) {
    benchmark::RegisterBenchmark((kPlain + sink.name).c_str(), runPlainLoop, sink)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(kMinSeconds)
        ->UseRealTime();
  }
  for (const Sink& sink : sinks) {
    benchmark::RegisterBenchmark((kTransfer + sink.name).c_str(), runTransfer, sink)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(kMinSeconds)
        ->UseRealTime();
  }
}

}  // namespace
}  // namespace nobrix::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  nobrix::bench::registerAll(nobrix::bench::allSinks());
  nobrix::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
