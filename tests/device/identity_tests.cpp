// Reading a printer's device ID, extracting its fields and filling a table's identities.
#include <gtest/gtest.h>

#include <memory>

#include "device/bounded_text.h"
#include "tests/device/device_test_support.h"
#include "tests/device/scripted_platform.h"

namespace nobrix::device {
namespace {

using testing::SimRig;
using testing::widen;

std::u16string fieldText(const FieldBuffer& buffer) {
  return std::u16string(detail::boundedText(buffer, kFieldChars));
}

struct FieldCase {
  const char* name;
  std::string deviceId;
  std::u16string key;
  int found;
  std::u16string value;
};

TEST(DeviceIdField, ExtractsByPlainSubstringSearch) {
  const std::string longModel(200, 'm');
  const FieldCase cases[] = {
      {"middle field", "MFG:NOBRIX;MDL:reflash;SN:X1;", u"MDL:", 1, u"reflash"},
      {"last field without semicolon", "MFG:NOBRIX;MDL:reflash", u"MDL:", 1, u"reflash"},
      {"key at the very end", "MFG:A;MDL:B;SN:", u"SN:", 0, u""},
      {"key followed by semicolon", "MFG:A;SN:;MDL:B;", u"SN:", 1, u""},
      {"inside a longer key, first wins", "MFG:A;XSN:first;SN:second;", u"SN:", 1, u"first"},
      {"case-sensitive", "MFG:A;mdl:b;", u"MDL:", 0, u""},
      {"absent", "MFG:A;MDL:B;", u"SN:", 0, u""},
      {"status key needs its semicolon", "MFG:A;S:123;", u";S:", 1, u"123"},
      {"overlong value keeps 127", "MFG:A;MDL:" + longModel + ";", u"MDL:", 1,
       std::u16string(kFieldChars - 1, u'm')},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.name);
    SimRig rig;
    rig.select(rig.plugRaw(c.deviceId));
    ASSERT_EQ(rig.layer.ReadDeviceId(), 1);
    FieldBuffer value;
    std::fill(std::begin(value), std::end(value), u'#');
    EXPECT_EQ(rig.layer.GetDeviceIdField(c.key, value), c.found);
    EXPECT_EQ(fieldText(value), c.value);
  }
}

TEST(DeviceIdField, NothingReadYetFindsNothing) {
  SimRig rig;
  FieldBuffer value{};
  EXPECT_EQ(rig.layer.GetDeviceIdField(u"MFG:", value), 0);
}

TEST(ReadDeviceId, RefusesPrintersWithoutAUsableId) {
  struct Case {
    const char* name;
    platform::sim::PrinterScript script;
  };
  std::vector<Case> cases(5);
  cases[0] = {"unreadable", {}};
  cases[0].script.deviceIdUnreadable = true;
  cases[1] = {"open fails", {}};
  cases[1].script.openFails = true;
  cases[2] = {"empty ID", {}};
  cases[2].script.rawDeviceId = "";
  cases[3] = {"no MFG:", {}};
  cases[3].script.rawDeviceId = "MDL:LRX5303;SN:1;";
  cases[4] = {"lower-case mfg:", {}};
  cases[4].script.rawDeviceId = "mfg:SALVENOR;MDL:LRX5303;";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimRig rig;
    rig.select(rig.bus.plug(c.script));
    EXPECT_EQ(rig.layer.ReadDeviceId(), 0);
    EXPECT_EQ(rig.bus.openHandleCount(), 0);
  }
}

TEST(ReadDeviceId, WidensByteForByteWithoutCodePage) {
  SimRig rig;
  rig.select(rig.plugRaw("MFG:Caf\xE9\xFF;MDL:x;"));
  ASSERT_EQ(rig.layer.ReadDeviceId(), 1);
  FieldBuffer value{};
  ASSERT_EQ(rig.layer.GetDeviceIdField(u"MFG:", value), 1);
  EXPECT_EQ(fieldText(value), u"Caf\u00E9\u00FF");
}

TEST(ReadDeviceId, OverlongIdIsShortenedInsideTheBuffer) {
  SimRig rig;
  const std::string id = "MFG:A;MDL:B;" + std::string(600, 'q');
  rig.select(rig.plugRaw(id));
  ASSERT_EQ(rig.layer.ReadDeviceId(), 1);
  EXPECT_EQ(rig.layer.lastDeviceIdText(), id.substr(0, kDeviceIdBytes - 1));
}

TEST(ReadDeviceId, TerminatesAtTheReturnedLengthNotAtStaleBytes) {
  SimRig rig;
  const auto longer = rig.plugRaw("MFG:LONGMAKER;MDL:LONGMODEL;SN:LONGSERIAL;");
  const auto shorter = rig.plugRaw("MFG:A;MDL:B;");
  rig.select(longer);
  ASSERT_EQ(rig.layer.ReadDeviceId(), 1);
  rig.select(shorter);
  ASSERT_EQ(rig.layer.ReadDeviceId(), 1);
  EXPECT_EQ(rig.layer.lastDeviceIdText(), "MFG:A;MDL:B;");
  FieldBuffer value{};
  EXPECT_EQ(rig.layer.GetDeviceIdField(u"SN:", value), 0);
}

TEST(ReadDeviceId, LengthBeyondTheBufferIsNotTrusted) {
  testing::ScriptedPlatform platform;
  platform.deviceId = "MFG:A;MDL:B;";
  platform.reportedIdLength = 100'000;
  PrinterDeviceLayer layer(platform);
  layer.Lib_SetUSBDeviceFilePath(1, u"/p");
  EXPECT_EQ(layer.ReadDeviceId(), 1);
  EXPECT_LT(layer.lastDeviceIdText().size(), kDeviceIdBytes);
  EXPECT_EQ(platform.closes, platform.opens);
}

struct IdentityCase {
  const char* name;
  std::string deviceId;
  std::u16string description;
  std::u16string serial;
};

TEST(FillDeviceIdentity, DescribesEachEntryFromItsDeviceId) {
  const std::string maker(100, 'M');
  const std::string model(100, 'D');
  const IdentityCase cases[] = {
      {"flash mode", "MFG:NOBRIX;MDL:reflash;SN:X1;", u"NOBRIX reflash", u"X1"},
      {"no serial", "MFG:SALVENOR;MDL:LRX5303;CLS:PRINTER;", u"SALVENOR LRX5303", u""},
      {"model last without semicolon", "MFG:NOBRIX;MDL:reflash", u"NOBRIX reflash", u""},
      {"serial key at the end", "MFG:A;MDL:B;SN:", u"A B", u""},
      {"no model", "MFG:A;SN:7;", u"A ", u"7"},
      {"empty maker", "MFG:;MDL:B;SN:7;", u" B", u"7"},
      {"no MFG: at all", "MDL:LRX5303;SN:7;", u"unknown", u"unknown"},
      {"overlong description keeps 127", "MFG:" + maker + ";MDL:" + model + ";",
       (widen(maker) + u" " + widen(model)).substr(0, kFieldChars - 1), u""},
  };
  for (const IdentityCase& c : cases) {
    SCOPED_TRACE(c.name);
    SimRig rig;
    const auto printer = rig.plugRaw(c.deviceId);
    auto table = std::make_unique<USBPrinterClassDeviceInfo>();
    table->deviceCount = 1;
    copyToSlot(table->devicePath[0], rig.bus.normalPath(printer));
    rig.layer.FillDeviceIdentity(table.get());
    EXPECT_EQ(slotText(table->description[0]), c.description);
    EXPECT_EQ(slotText(table->serialNumber[0]), c.serial);
  }
}

TEST(FillDeviceIdentity, EmptyTableIsLeftAloneAndKeepsTheCurrentPath) {
  SimRig rig;
  rig.layer.Lib_SetUSBDeviceFilePath(1, u"/before");
  auto table = std::make_unique<USBPrinterClassDeviceInfo>();
  copyToSlot(table->devicePath[0], u"/somewhere");
  rig.layer.FillDeviceIdentity(table.get());
  rig.layer.FillDeviceIdentity(nullptr);
  EXPECT_EQ(slotText(table->description[0]), u"");
  EXPECT_EQ(rig.layer.currentDevicePath(), u"/before");
}

TEST(FillDeviceIdentity, EntryWithoutPathIsUnknownNotThePreviousPrinter) {
  SimRig rig;
  const auto printer = rig.bus.plug({});
  auto table = std::make_unique<USBPrinterClassDeviceInfo>();
  table->deviceCount = 2;
  copyToSlot(table->devicePath[0], rig.bus.normalPath(printer));
  rig.layer.FillDeviceIdentity(table.get());
  EXPECT_EQ(slotText(table->description[0]), u"SALVENOR LRX5303");
  EXPECT_EQ(slotText(table->description[1]), u"unknown");
  EXPECT_EQ(slotText(table->serialNumber[1]), u"unknown");
}

TEST(FillDeviceIdentity, ExceptionIsShownAndEndsTheFill) {
  SimRig rig;
  const auto good = rig.bus.plug({});
  platform::sim::PrinterScript throwing;
  throwing.openThrows = "access to the printer broke";
  const auto bad = rig.bus.plug(throwing);
  const auto later = rig.bus.plug({});
  auto table = std::make_unique<USBPrinterClassDeviceInfo>();
  table->deviceCount = 3;
  copyToSlot(table->devicePath[0], rig.bus.normalPath(good));
  copyToSlot(table->devicePath[1], rig.bus.normalPath(bad));
  copyToSlot(table->devicePath[2], rig.bus.normalPath(later));

  rig.layer.FillDeviceIdentity(table.get());
  EXPECT_EQ(slotText(table->description[0]), u"SALVENOR LRX5303");
  EXPECT_EQ(slotText(table->description[1]), u"");
  EXPECT_EQ(slotText(table->description[2]), u"");
  ASSERT_EQ(rig.boxes.size(), 1u);
  EXPECT_EQ(rig.boxes[0].caption, u"VUZ App");
  EXPECT_EQ(rig.boxes[0].text, u"access to the printer broke");
  EXPECT_EQ(rig.bus.openHandleCount(), 0);
}

}  // namespace
}  // namespace nobrix::device
