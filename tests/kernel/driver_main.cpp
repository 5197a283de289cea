// nobrix_kernel_driver: the update workflow headless on the real usblp backend, for the kernel
// test stage. It prints records (see console_view.cpp and console_messages.h) that the guest
// check scripts compare with what each emulated printer received. Exit code 2 on bad usage.
#include <poll.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <memory>

#include "firmware/embedded/program_resources.h"
#include "tests/kernel/console_output.h"
#include "tests/kernel/driver_options.h"
#include "tests/kernel/driver_rig.h"
#include "tests/kernel/file_image.h"

namespace nobrix::kernel {
namespace {

void printImage(firmware::ResourceModule& resources) {
  const ImageSummary image = summarizeImage(resources);
  char crc[9];
  std::snprintf(crc, sizeof crc, "%08x", image.crc32);
  printRecord("IMAGE", {image.found ? std::to_string(image.bytes) : "missing", crc});
}

void runList(DriverRig& driver) {
  driver.rig.listPrinters();
  driver.records.printChecklistIfChanged();
}

// The window between two runs: device notices re-list, and the list is printed at each change.
void runWatch(DriverRig& driver, int seconds) {
  driver.startHotplug();
  runList(driver);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    pollfd monitor{driver.monitor.descriptor(), POLLIN, 0};
    ::poll(&monitor, monitor.fd >= 0 ? 1 : 0, 100);
    driver.rig.view.pump();
  }
}

void runUpdate(DriverRig& driver, const DriverOptions& options) {
  driver.startHotplug();
  runList(driver);
  if (options.all) {
    driver.rig.view.tickAll();
  }
  for (const auto& serial : options.serials) {
    if (!driver.rig.view.tickSerial(QString::fromStdString(serial).toStdU16String())) {
      printRecord("NOTLISTED", {serial});
    }
  }
  driver.rig.workflow.startUpdate();
  driver.printFinalRows();
}

int run(const DriverOptions& options) {
  std::unique_ptr<firmware::ResourceModule> resources =
      options.imagePath.empty() ? firmware::makeProgramResourceModule()
                                : makeFileImageModule(options.imagePath);
  if (!resources) {
    std::fprintf(stderr, "cannot read %s\n", options.imagePath.c_str());
    return 2;
  }
  printImage(*resources);
  if (options.command == "image") {
    return 0;
  }
  DriverRig driver(*resources);
  if (options.command == "list") {
    runList(driver);
  } else if (options.command == "watch") {
    runWatch(driver, options.seconds);
  } else {
    runUpdate(driver, options);
  }
  return 0;
}

}  // namespace
}  // namespace nobrix::kernel

int main(int argc, char* argv[]) {
  nobrix::kernel::DriverOptions options;
  std::string error;
  if (!nobrix::kernel::parseDriverOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "nobrix_kernel_driver: %s\n", error.c_str());
    return 2;
  }
  QCoreApplication application(argc, argv);
  return nobrix::kernel::run(options);
}
