// Device notices from the simulated bus reach the window through its change listener: the
// check list is rebuilt (and its ticks lost), notices that pile up produce one listing, and a
// notice that arrives while a listing runs is dropped.
#include <gtest/gtest.h>

#include <QListWidget>

#include "tests/ui_app/window_rig.h"

namespace nobrix::ui::testing {
namespace {

QListWidget* checklist(WindowRig& rig) {
  return rig.control<QListWidget>("SupportedPrinterCheckedListBox");
}

TEST(Form1HotPlug, ASingleClickTicksAndUnticksAnEntry) {
  WindowRig rig;
  rig.plug("SN-A");
  rig.loadAndShow();
  rig.clickEntry(0);
  EXPECT_EQ(checklist(rig)->item(0)->checkState(), Qt::Checked);
  rig.clickEntry(0);
  EXPECT_EQ(checklist(rig)->item(0)->checkState(), Qt::Unchecked);
}

TEST(Form1HotPlug, PluggingAPrinterRelistsAndDropsTheTicks) {
  WindowRig rig;
  rig.plug("SN-A");
  rig.loadAndShow();
  rig.clickEntry(0);
  ASSERT_EQ(checklist(rig)->item(0)->checkState(), Qt::Checked);

  rig.plug("SN-B");
  WindowRig::deliverEvents();

  ASSERT_EQ(checklist(rig)->count(), 2);
  EXPECT_EQ(checklist(rig)->item(1)->text(), "SALVENOR LRX5303[SN#:SN-B]");
  EXPECT_EQ(checklist(rig)->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(checklist(rig)->item(1)->checkState(), Qt::Unchecked);
}

TEST(Form1HotPlug, UnpluggingRemovesTheEntry) {
  WindowRig rig;
  const auto first = rig.plug("SN-A");
  rig.plug("SN-B");
  rig.loadAndShow();
  rig.bus.unplug(first);
  WindowRig::deliverEvents();
  ASSERT_EQ(checklist(rig)->count(), 1);
  EXPECT_EQ(checklist(rig)->item(0)->text(), "SALVENOR LRX5303[SN#:SN-B]");
}

TEST(Form1HotPlug, NoticesThatPileUpBeforeTheWindowThreadTakesThemListOnce) {
  WindowRig rig;
  rig.loadAndShow();
  const int before = rig.platform.enumerations();
  rig.plug("SN-A");
  rig.plug("SN-B");
  rig.plug("SN-C");
  WindowRig::deliverEvents();
  EXPECT_EQ(rig.platform.enumerations(), before + 1);
  EXPECT_EQ(checklist(rig)->count(), 3);
}

// The kernel announces a printer's USB device before its node: the listing the first notice
// starts cannot see the node, so the notice that arrives meanwhile must list again.
TEST(Form1HotPlug, ANoticeArrivingWhileAListingRunsListsOnceMoreAfterIt) {
  WindowRig rig;
  rig.loadAndShow();
  const int before = rig.platform.enumerations();
  bool plugged = false;
  rig.platform.duringEnumeration = [&] {
    if (!plugged) {
      plugged = true;
      rig.plug("SN-LATE");  // its notice reaches the window while this listing pumps
    }
  };
  rig.plug("SN-A");
  WindowRig::deliverEvents();
  WindowRig::deliverEvents();

  EXPECT_EQ(rig.platform.enumerations(), before + 2);
  ASSERT_EQ(checklist(rig)->count(), 2);
  EXPECT_EQ(checklist(rig)->item(1)->text(), "SALVENOR LRX5303[SN#:SN-LATE]");

  // The guard is released afterwards: the next notice lists again and finds both.
  rig.plug("SN-C");
  WindowRig::deliverEvents();
  EXPECT_EQ(checklist(rig)->count(), 3);
}

}  // namespace
}  // namespace nobrix::ui::testing
