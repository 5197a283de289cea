// The device-change broadcast as the system delivers it: sent (or posted) to the main window's
// handle, it reaches the filter through the window's native events and lists the printers again;
// other device events and other windows' messages do not.
#include <gtest/gtest.h>

// dbt.h needs the types of windows.h before it.
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <QListWidget>
#include <QWidget>

#include "tests/ui_app/window_rig.h"
#include "ui/adapters/windows_device_change_filter.h"

namespace nobrix::ui::testing {
namespace {

class WindowDeviceChange : public ::testing::Test {
 protected:
  WindowDeviceChange() {
    rig_.plug("SN-A");
    rig_.loadAndShow();
  }

  // The message, then the relay's queued notice.
  static void send(HWND window, WPARAM event) {
    DEV_BROADCAST_HDR header{};
    header.dbch_size = sizeof(header);
    header.dbch_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    SendMessageW(window, WM_DEVICECHANGE, event,
                 event == DBT_DEVNODES_CHANGED ? 0 : reinterpret_cast<LPARAM>(&header));
    WindowRig::deliverEvents();
  }

  HWND mainWindow() { return reinterpret_cast<HWND>(rig_.app.window().winId()); }
  int listings() const { return rig_.platform.enumerations(); }

  WindowRig rig_;
  WindowsDeviceChangeFilter filter_{
      rig_.app.window(), [this] { rig_.app.window().workflow().onDeviceNodesChanged(); }};
};

TEST_F(WindowDeviceChange, TheDeviceNodesChangeListsThePrintersAgain) {
  const int before = listings();
  send(mainWindow(), DBT_DEVNODES_CHANGED);
  EXPECT_EQ(listings(), before + 1);

  ASSERT_TRUE(PostMessageW(mainWindow(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0));
  WindowRig::deliverEvents();
  WindowRig::deliverEvents();
  EXPECT_EQ(listings(), before + 2);
  EXPECT_EQ(rig_.control<QListWidget>("SupportedPrinterCheckedListBox")->count(), 1);
}

TEST_F(WindowDeviceChange, OtherEventsAndOtherWindowsAreNotWatched) {
  QWidget other;
  other.show();
  const int before = listings();
  send(mainWindow(), DBT_DEVICEARRIVAL);
  send(mainWindow(), DBT_DEVICEREMOVECOMPLETE);
  send(reinterpret_cast<HWND>(other.winId()), DBT_DEVNODES_CHANGED);
  EXPECT_EQ(listings(), before);
}

}  // namespace
}  // namespace nobrix::ui::testing
