// The real main window on the simulated bus with a purely virtual clock: the program's own
// wiring (AppAssembly), a small in-memory firmware image, the bus's change listener relayed to
// the window thread, and every dialog recorded and closed by pressing its OK button.
#pragma once

#include <QApplication>
#include <QString>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "platform/sim/sim_bus.h"
#include "tests/support/forwarding_platform.h"
#include "tests/support/image_resources.h"
#include "ui/programs/app_assembly.h"
#include "ui/programs/sim_bus_driver.h"

namespace nobrix::ui::testing {

// The window tests reach the window, its adapters and the programs' parts by their plain names.
using namespace nobrix::ui::window;
using namespace nobrix::ui::adapters;
using namespace nobrix::ui::programs;
using namespace nobrix::l10n;
using namespace nobrix::platform::sim;

// One QApplication for the whole test program, on the offscreen platform.
void ensureApplication();

// Passes everything to the bus and counts the enumerations, so tests can count listings. A
// hook may act in the middle of an enumeration (a notice arriving while a listing runs).
class CountingPlatform final : public nobrix::testing::ForwardingPlatform {
 public:
  using ForwardingPlatform::ForwardingPlatform;

  int enumerations() const { return enumerations_.load(); }
  std::function<void()> duringEnumeration;

  std::vector<std::u16string> printerInterfacePaths() override;

 private:
  std::atomic<int> enumerations_{0};
};

struct SeenDialog {
  std::int32_t type = 0;
  QString message;  // the plain message, or the result text
  QString counts;   // result dialogs: the "[D/T]  ..." line
};

class WindowRig {
 public:
  static constexpr std::size_t kImageBytes = 200'000;

  explicit WindowRig(FirmwareCheck firmwareCheck = {});
  ~WindowRig();

  platform::sim::PrinterId plug(const std::string& serial);
  platform::sim::PrinterId plugOtherModel(const std::string& serial);
  platform::sim::PrinterScript printerScript(const std::string& serial) const;

  // The window's start-up, then on screen (offscreen) as the program shows it.
  void loadAndShow();
  // Delivers what the event loop has queued (device notices among it).
  static void deliverEvents();

  // Ticks an entry of the check list by a single mouse click, as a person does.
  void clickEntry(int entry);
  void clickButton(const char* objectName);

  template <typename Widget>
  Widget* control(const char* objectName) {
    return app.window().findChild<Widget*>(QString::fromLatin1(objectName));
  }

  QString tableText(std::int32_t language, const char* key);
  QString text(const char* key) { return app.language().textOf(key); }
  std::vector<QString> statusRows();

  platform::sim::SimBus bus;
  CountingPlatform platform{bus};
  nobrix::testing::ImageResources image{kImageBytes};
  AppAssembly app;
  SimBusDriver driver;
  std::vector<SeenDialog> dialogs;
  // Runs while a dialog is open, before the rig presses its OK button.
  std::function<void(UI_Message&)> whileDialogOpen;
};

}  // namespace nobrix::ui::testing
