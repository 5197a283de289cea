// The window and the service history (built where Qt has its SQL module).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>

#include "history/history_reader.h"
#include "tests/ui_app/window_rig.h"

namespace nobrix::ui::testing {
namespace {

// The window's history: the run is kept in the file; a file that cannot be written costs the
// run nothing but one notice over the lists, in the window's language, with no dialog.
TEST(Form1History, TheRunIsKeptInTheHistoryOrTheNoticeSaysThatItIsNot) {
  QTemporaryDir folder;
  for (const bool writable : {true, false}) {
    SCOPED_TRACE(writable ? "writable" : "a folder that is a file");
    WindowRig rig;
    rig.plug("SN-A");
    rig.loadAndShow();
    rig.clickEntry(0);
    const QString path =
        writable ? folder.filePath(QStringLiteral("history.sqlite"))
                 : QCoreApplication::applicationFilePath() + QStringLiteral("/history.sqlite");
    rig.app.keepHistory(path);
    auto* notice = rig.app.window().findChild<QLabel*>(QStringLiteral("RunNoticeLabel"));
    QStringList notices;
    QObject::connect(&rig.app.window(), &Form1::statusRowChanged, [&](int, const QString&) {
      if (!notice->isHidden()) {
        notices << notice->text();
      }
    });
    rig.clickButton("StartButton");

    ASSERT_EQ(rig.dialogs.size(), 1U);
    EXPECT_EQ(rig.dialogs[0].counts.left(5), "[1/1]");
    if (writable) {
      EXPECT_TRUE(notices.isEmpty());
      const auto listing = history::readHistory(path);
      ASSERT_EQ(listing.runs.size(), 1U);
      EXPECT_EQ(history::runStateName(listing.runs[0].state), "finished");
      EXPECT_EQ(listing.runs[0].printers.at(0).serialNumber, "SN-A");
    } else {
      ASSERT_FALSE(notices.isEmpty());
      EXPECT_EQ(notices.count(rig.text("StrRes_HistoryNotRecorded")), notices.size());
    }
  }
}

}  // namespace
}  // namespace nobrix::ui::testing
