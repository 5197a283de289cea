// The SetupAPI enumeration: what it asks the system for, that it stops once six paths are
// stored, and that the device information set is released on every way out. Under Wine the real
// SetupAPI has no usbprint interfaces, so the real calls can only show an empty, released set;
// a scripted SetupAPI plays the printers.
#include "platform/windows/usbprint_enumeration.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace nobrix::platform::win32 {
namespace {

const HDEVINFO kScriptedSet = reinterpret_cast<HDEVINFO>(static_cast<std::intptr_t>(0x5e7));

// What the scripted SetupAPI offers, and what the enumeration asked of it.
struct Script {
  DWORD interfaces = 0;
  bool setUnavailable = false;
  std::set<DWORD> unreadableDetails;
  std::optional<DWORD> throwingDetail;

  std::set<DWORD> enumeratedIndices;
  std::set<DWORD> detailIndices;
  std::vector<HDEVINFO> destroyed;
  HDEVINFO created = nullptr;
};

Script* script = nullptr;

std::wstring scriptedPath(DWORD index) {
  return L"\\\\?\\usb#vid_1234&pid_5678#sn" + std::to_wstring(index) +
         L"#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}";
}

HDEVINFO WINAPI scriptedGetClassDevs(const GUID*, PCWSTR, HWND, DWORD) {
  return script->setUnavailable ? INVALID_HANDLE_VALUE : kScriptedSet;
}

BOOL WINAPI scriptedEnum(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD index,
                         PSP_DEVICE_INTERFACE_DATA data) {
  script->enumeratedIndices.insert(index);
  if (index >= script->interfaces) {
    SetLastError(ERROR_NO_MORE_ITEMS);
    return FALSE;
  }
  data->Flags = index;  // which interface the detail queries are about
  return TRUE;
}

BOOL WINAPI scriptedDetail(HDEVINFO, PSP_DEVICE_INTERFACE_DATA data,
                           PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD size, PDWORD required,
                           PSP_DEVINFO_DATA) {
  const DWORD index = data->Flags;
  script->detailIndices.insert(index);
  if (script->throwingDetail == index)
    throw std::runtime_error("out of memory");
  if (script->unreadableDetails.count(index) != 0) {
    SetLastError(ERROR_INVALID_DATA);
    return FALSE;
  }
  const std::wstring path = scriptedPath(index);
  const DWORD needed = static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath) +
                                          (path.size() + 1) * sizeof(wchar_t));
  if (detail == nullptr) {
    *required = needed;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  if (size < needed || detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
    return FALSE;
  path.copy(detail->DevicePath, path.size());
  detail->DevicePath[path.size()] = L'\0';
  return TRUE;
}

BOOL WINAPI scriptedDestroy(HDEVINFO set) {
  script->destroyed.push_back(set);
  return TRUE;
}

// The real calls, watched: which set came back and which were released.
BOOL WINAPI watchedDestroy(HDEVINFO set) {
  script->destroyed.push_back(set);
  return SetupDiDestroyDeviceInfoList(set);
}

HDEVINFO WINAPI watchedGetClassDevs(const GUID* guid, PCWSTR enumerator, HWND window, DWORD flags) {
  script->created = SetupDiGetClassDevsW(guid, enumerator, window, flags);
  return script->created;
}

class UsbPrintEnumeration : public ::testing::Test {
 protected:
  void SetUp() override { script = &script_; }
  void TearDown() override { script = nullptr; }

  static SetupApi scriptedApi() {
    return {scriptedGetClassDevs, scriptedEnum, scriptedDetail, scriptedDestroy};
  }

  Script script_;
};

TEST_F(UsbPrintEnumeration, TheSystemFindsNoneAndTheSetIsReleased) {
  const SetupApi watched{watchedGetClassDevs, &SetupDiEnumDeviceInterfaces,
                         &SetupDiGetDeviceInterfaceDetailW, watchedDestroy};
  EXPECT_TRUE(usbPrintInterfacePaths(watched).empty());
  ASSERT_NE(script_.created, INVALID_HANDLE_VALUE) << "Wine hands out an empty set";
  EXPECT_EQ(script_.destroyed, std::vector<HDEVINFO>{script_.created});
  EXPECT_TRUE(usbPrintInterfacePaths().empty());
}

struct Listing {
  const char* name;
  DWORD interfaces;
  std::set<DWORD> unreadable;
  std::vector<DWORD> expectedPaths;
  DWORD lastIndexAsked;  // no interface beyond this one is looked at
};

TEST_F(UsbPrintEnumeration, StopsOnceSixPathsAreStoredAndReleasesTheSet) {
  const std::vector<Listing> listings = {
      {"none", 0, {}, {}, 0},
      {"three", 3, {}, {0, 1, 2}, 3},
      {"exactly six", 6, {}, {0, 1, 2, 3, 4, 5}, 5},
      {"eight: the last two are never asked for", 8, {}, {0, 1, 2, 3, 4, 5}, 5},
      {"an unreadable one is skipped, the seventh fills in", 8, {2}, {0, 1, 3, 4, 5, 6}, 6},
  };
  for (const Listing& listing : listings) {
    SCOPED_TRACE(listing.name);
    script_ = Script{};
    script_.interfaces = listing.interfaces;
    script_.unreadableDetails = listing.unreadable;

    std::vector<std::u16string> expected;
    for (const DWORD index : listing.expectedPaths) {
      const std::wstring path = scriptedPath(index);
      expected.emplace_back(path.begin(), path.end());
    }
    EXPECT_EQ(usbPrintInterfacePaths(scriptedApi()), expected);
    EXPECT_EQ(*script_.enumeratedIndices.rbegin(), listing.lastIndexAsked);
    EXPECT_LE(script_.detailIndices.empty() ? 0 : *script_.detailIndices.rbegin(),
              listing.lastIndexAsked);
    EXPECT_EQ(script_.destroyed, std::vector<HDEVINFO>{kScriptedSet});
  }
}

TEST_F(UsbPrintEnumeration, AnExceptionStillReleasesTheSet) {
  script_.interfaces = 4;
  script_.throwingDetail = 2;
  EXPECT_THROW(usbPrintInterfacePaths(scriptedApi()), std::runtime_error);
  EXPECT_EQ(script_.destroyed, std::vector<HDEVINFO>{kScriptedSet});
}

TEST_F(UsbPrintEnumeration, NoSetMeansNoPathsAndNothingToRelease) {
  script_.setUnavailable = true;
  script_.interfaces = 3;
  EXPECT_TRUE(usbPrintInterfacePaths(scriptedApi()).empty());
  EXPECT_TRUE(script_.enumeratedIndices.empty());
  EXPECT_TRUE(script_.destroyed.empty());
}

}  // namespace
}  // namespace nobrix::platform::win32
