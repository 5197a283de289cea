// The system error box as MessageBoxW: caption, text, icon and button, its owner (the main
// window once it exists), and the window thread as the only place a box is shown.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <atomic>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/ui_app/window_rig.h"
#include "ui/adapters/win32_error_box.h"

namespace nobrix::ui::testing {
namespace {

struct ShownBox {
  HWND owner = nullptr;
  std::wstring caption;
  std::wstring text;
  UINT type = 0;
  DWORD thread = 0;
};

std::mutex shownMutex;
std::vector<ShownBox> shown;

int WINAPI recordBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  std::lock_guard lock(shownMutex);
  shown.push_back({owner, caption, text, type, GetCurrentThreadId()});
  return IDOK;
}

class Win32ErrorBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shown.clear();
    previous_ = Win32ErrorBox::setMessageBoxCall(&recordBox);
  }
  void TearDown() override { Win32ErrorBox::setMessageBoxCall(previous_); }

 private:
  Win32ErrorBox::MessageBoxCall previous_ = nullptr;
};

TEST_F(Win32ErrorBoxTest, ABoxBeforeAnyWindowHasNoOwner) {
  Win32ErrorBox box;
  box.showErrorBox(u"VUZ App", u"Zugriff verweigert \u00fcber USB");
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_EQ(shown[0].owner, nullptr);
  EXPECT_EQ(shown[0].caption, L"VUZ App");
  EXPECT_EQ(shown[0].text, L"Zugriff verweigert \u00fcber USB");
  EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

TEST_F(Win32ErrorBoxTest, TheDeviceLayersBoxIsOwnedByTheMainWindow) {
  WindowRig rig;
  rig.plug("SN-A");
  rig.loadAndShow();
  rig.platform.duringEnumeration = [] { throw std::runtime_error("enumeration failed"); };
  rig.app.window().workflow().onDeviceNodesChanged();

  ASSERT_EQ(shown.size(), 1U);
  const auto mainWindow = reinterpret_cast<HWND>(rig.app.window().winId());
  EXPECT_TRUE(IsWindow(mainWindow));
  EXPECT_EQ(shown[0].owner, mainWindow);
  EXPECT_EQ(shown[0].caption, L"VUZ App");
  EXPECT_EQ(shown[0].text, L"enumeration failed");
}

TEST_F(Win32ErrorBoxTest, AWorkersBoxIsShownOnTheWindowThreadAndTheWorkerWaitsForIt) {
  Win32ErrorBox box;
  std::atomic<bool> workerDone{false};
  std::atomic<std::size_t> boxesWhenWorkerWentOn{0};
  std::thread worker([&] {
    box.showErrorBox(u"VUZ App", u"from a worker");
    {
      std::lock_guard lock(shownMutex);
      boxesWhenWorkerWentOn = shown.size();
    }
    // Wakes the window thread's wait below.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&workerDone] { workerDone = true; }, Qt::QueuedConnection);
  });
  while (!workerDone) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  worker.join();
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_EQ(shown[0].thread, GetCurrentThreadId());
  EXPECT_EQ(boxesWhenWorkerWentOn, 1U);
}

}  // namespace
}  // namespace nobrix::ui::testing
