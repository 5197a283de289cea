// The device-change broadcast as the system delivers it: posted to the main window's handle, it
// reaches the filter through the window's native events and lists the printers again; other
// device events and other windows' messages do not.
#include <dbt.h>
#include <gtest/gtest.h>

#include <QListWidget>
#include <QWidget>

#include "tests/ui_app/window_rig.h"
#include "ui/app/windows_device_change_filter.h"

namespace nobrix::ui::app::testing {
namespace {

class WindowDeviceChange : public ::testing::Test {
 protected:
  WindowDeviceChange() {
    rig_.plug("SN-A");
    rig_.loadAndShow();
  }

  // The posted message, then the relay's queued notice.
  void post(HWND window, WPARAM event) {
    ASSERT_TRUE(PostMessageW(window, WM_DEVICECHANGE, event, 0));
    WindowRig::deliverEvents();
    WindowRig::deliverEvents();
  }

  HWND mainWindow() { return reinterpret_cast<HWND>(rig_.app.window().winId()); }

  WindowRig rig_;
  WindowsDeviceChangeFilter filter_{
      rig_.app.window(), [this] { rig_.app.window().workflow().onDeviceNodesChanged(); }};
};

TEST_F(WindowDeviceChange, TheDeviceNodesChangeListsThePrintersAgain) {
  const int before = rig_.platform.enumerations();
  post(mainWindow(), DBT_DEVNODES_CHANGED);
  EXPECT_EQ(rig_.platform.enumerations(), before + 1);
  EXPECT_EQ(rig_.control<QListWidget>("SupportedPrinterCheckedListBox")->count(), 1);
}

TEST_F(WindowDeviceChange, OtherEventsAndOtherWindowsAreNotWatched) {
  QWidget other;
  other.show();
  const int before = rig_.platform.enumerations();
  post(mainWindow(), DBT_DEVICEARRIVAL);
  post(mainWindow(), DBT_DEVICEREMOVECOMPLETE);
  post(reinterpret_cast<HWND>(other.winId()), DBT_DEVNODES_CHANGED);
  EXPECT_EQ(rig_.platform.enumerations(), before);
}

}  // namespace
}  // namespace nobrix::ui::app::testing
