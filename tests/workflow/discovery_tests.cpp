// Discovery: the check list of supported printers, its upkeep on device notices until a run
// starts, and the flash-mode listing that tells the run's printers by serial number.
#include <stdexcept>

#include "tests/workflow/workflow_fixture.h"

namespace nobrix::testing {
namespace {

using ::testing::ElementsAre;
using Kind = ViewEvent::Kind;

class Discovery : public WorkflowTest {
 protected:
  platform::sim::PrinterScript foreign(const std::string& serial) const {
    auto script = rig->printerScript(serial);
    script.manufacturer = "OTHERCO";
    script.model = "LRX5303";
    return script;
  }
  // A printer that already presents itself in flash mode.
  platform::sim::PrinterId plugInFlashMode(const std::string& serial) {
    auto script = rig->printerScript(serial);
    script.rawDeviceId = "MFG:NOBRIX;MDL:reflash;CMD:SREC;CLS:PRINTER;SN:" + serial + ";";
    return rig->plug(script);
  }
  std::size_t listings() const { return rig->view.eventsOf(Kind::ChecklistCleared).size(); }
};

TEST_F(Discovery, ListsEachSupportedPrinterAsDescriptionAndSerial) {
  rig->plug("ABC123");
  rig->plug(foreign("FOREIGN1"));
  rig->plug("XYZ789");
  rig->listPrinters();

  EXPECT_THAT(rig->view.checklist,
              ElementsAre(u"SALVENOR LRX5303[SN#:ABC123]", u"SALVENOR LRX5303[SN#:XYZ789]"));
  EXPECT_THAT(rig->view.ticks, ElementsAre(false, false));
  const auto& idle = rig->workflow.printerInfo().idlePrinters;
  EXPECT_EQ(idle.deviceCount, 2);
  EXPECT_EQ(device::slotText(idle.devicePath[1]), rig->bus.normalPath(3));
  EXPECT_EQ(rig->workflow.lastEnumeration().deviceCount, 3);
}

TEST_F(Discovery, PluggingAnotherPrinterRebuildsTheListWithAllTicksDropped) {
  rig->plug("FIRST1");
  rig->listPrinters();
  rig->view.tick(0);

  rig->plug("SECOND");
  EXPECT_EQ(rig->pendingNotices(), 1);
  rig->view.pump();

  EXPECT_THAT(rig->view.checklist,
              ElementsAre(u"SALVENOR LRX5303[SN#:FIRST1]", u"SALVENOR LRX5303[SN#:SECOND]"));
  EXPECT_THAT(rig->view.ticks, ElementsAre(false, false));
}

TEST_F(Discovery, UnpluggingTheLastPrinterEmptiesTheList) {
  const auto only = rig->plug("ONLY01");
  rig->listPrinters();
  rig->bus.unplug(only);
  rig->view.pump();
  EXPECT_TRUE(rig->view.checklist.empty());
}

TEST_F(Discovery, ASeventhInterfaceIsNotConsidered) {
  for (int i = 1; i <= 6; ++i) {
    rig->plug("SIX00" + std::to_string(i));
  }
  rig->plug("SEVEN7");
  rig->listPrinters();

  ASSERT_EQ(rig->view.checklist.size(), 6U);
  EXPECT_EQ(rig->view.checklist.back(), u"SALVENOR LRX5303[SN#:SIX006]");
}

TEST_F(Discovery, NoticesDuringAListingGiveExactlyOneMoreListing) {
  rig->listPrinters();
  const auto before = listings();
  rig->plug("QUICK1");
  rig->plug("QUICK2");
  rig->plug("QUICK3");
  ASSERT_EQ(rig->pendingNotices(), 3);

  // The first notice lists; that listing's own pump delivers the other two, which meet the
  // guard and are coalesced into one more listing after it, never dropped.
  rig->view.pump();
  EXPECT_EQ(listings(), before + 2);
  EXPECT_EQ(rig->view.checklist.size(), 3U);
  EXPECT_FALSE(rig->workflow.listingUnderWay());

  // Once handled, the next notice lists again, once.
  rig->plug("QUICK4");
  rig->view.pump();
  EXPECT_EQ(listings(), before + 3);
  EXPECT_EQ(rig->view.checklist.size(), 4U);
}

TEST_F(Discovery, NothingIsListedOnceARunHasStarted) {
  rig->plug("RUN001");
  const auto bystander = rig->plug("IDLE01");
  rig->listPrinters();
  const auto before = listings();
  rig->startWith({0});

  // During the run its printer left the bus and came back; afterwards a bystander leaves too.
  rig->bus.unplug(bystander);
  rig->view.pump();
  EXPECT_EQ(listings(), before);
  EXPECT_THAT(rig->view.checklist,
              ElementsAre(u"SALVENOR LRX5303[SN#:RUN001]", u"SALVENOR LRX5303[SN#:IDLE01]"));
  EXPECT_FALSE(rig->workflow.listingUnderWay());
}

TEST_F(Discovery, AnErrorDuringAListingIsShownWithItsText) {
  rig->plug("ERR001");
  rig->view.onPump = [] { throw std::runtime_error("The list could not be drawn."); };
  rig->workflow.onDeviceNodesChanged();

  ASSERT_EQ(plainMessages().size(), 1U);
  EXPECT_EQ(plainMessages()[0].text, u"The list could not be drawn.");
  EXPECT_EQ(rig->view.checklist.size(), 1U);  // as far as it got
  EXPECT_FALSE(rig->workflow.listingUnderWay());
}

// The controller ticks idle entries 0 and 2; flash-mode printers appear in reversed order and
// one of them carries the serial of the unticked printer.
TEST_F(Discovery, FlashListingMarksTheRunsPrintersBySerialInAnyOrder) {
  rig->plug("SN-A");
  rig->plug("SN-B");
  rig->plug("SN-C");
  rig->listPrinters();
  auto& info = WorkflowProbe::printerInfo(rig->workflow);
  info.idlePrinters.selected[0] = 1;
  info.idlePrinters.selected[2] = 1;
  rig->view.onPump = nullptr;  // keep the notices of the changes below from re-listing
  for (const auto idlePrinter : {1, 2, 3}) {
    rig->bus.unplug(idlePrinter);  // they left idle mode to come back as below
  }

  plugInFlashMode("SN-C");
  plugInFlashMode("SN-B");
  plugInFlashMode("SN-A");
  plugInFlashMode("sn-a");
  rig->workflow.listFlashPrinters();

  const auto& flash = info.flashPrinters;
  ASSERT_EQ(flash.deviceCount, 4);
  EXPECT_EQ(device::slotText(flash.serialNumber[0]), u"SN-C");
  EXPECT_EQ(device::slotText(flash.serialNumber[2]), u"SN-A");
  EXPECT_THAT(flash.selected, ElementsAre(1, 0, 1, 0, 0, 0));
  // The flash listing leaves the check list alone.
  EXPECT_EQ(rig->view.checklist.size(), 3U);
}

TEST_F(Discovery, FlashListingForgetsPrintersOfAnEarlierListing) {
  rig->plug("OLD001");
  rig->listPrinters();
  WorkflowProbe::printerInfo(rig->workflow).idlePrinters.selected[0] = 1;
  const auto flashPrinter = plugInFlashMode("OLD001");
  rig->workflow.listFlashPrinters();
  ASSERT_EQ(rig->workflow.printerInfo().flashPrinters.deviceCount, 1);

  rig->bus.unplug(flashPrinter);
  rig->workflow.listFlashPrinters();
  const auto& flash = rig->workflow.printerInfo().flashPrinters;
  EXPECT_EQ(flash.deviceCount, 0);
  EXPECT_EQ(flash.selected[0], 0);
  EXPECT_TRUE(device::slotText(flash.serialNumber[0]).empty());
}

TEST_F(Discovery, ClearingATableTellsIdleFromAnythingElseExactly) {
  rig->plug("CLR001");
  rig->listPrinters();
  auto& info = WorkflowProbe::printerInfo(rig->workflow);
  info.flashPrinters.deviceCount = 1;
  info.flashPrinters.selected[0] = 1;

  rig->workflow.clearPrinterTable(u"idle");  // not "IDLE": the flash table
  EXPECT_EQ(info.idlePrinters.deviceCount, 1);
  EXPECT_EQ(info.flashPrinters.deviceCount, 0);
  EXPECT_EQ(info.flashPrinters.selected[0], 0);

  rig->workflow.clearPrinterTable(u"IDLE");
  EXPECT_EQ(info.idlePrinters.deviceCount, 0);
  EXPECT_TRUE(device::slotText(info.idlePrinters.serialNumber[0]).empty());
}

}  // namespace
}  // namespace nobrix::testing
