// Reading never writes: a history in a folder the user may not write is read, and what it knows
// of a printer's model is looked up without creating, migrating or moving anything.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "history/known_printers_in_history.h"
#include "history/time_bounds.h"
#include "tests/history/fault_conditions.h"
#include "tests/history/history_fixture.h"

namespace nobrix::testing {
namespace {

TEST_F(HistoryTest, AFolderTheUserMayNotWriteIsRead) {
  runThreePrinters(journal());
  // The last writer copies its log into the file and removes it: a reader must create its own.
  ASSERT_FALSE(QFileInfo::exists(path() + QStringLiteral("-wal")));
  history::HistoryListing listing;
  bool known = false;
  {
    const WritesDenied technician(folder.path(), WritesDenied::Kind::kFolder);
    if (!technician.holds()) {
      GTEST_SKIP() << "this system, or this account, cannot deny the writes here";
    }
    listing = read();
    known = history::KnownPrintersInHistory(path()).knownAsProduct(u"SIM0002", kHistoryProduct);
  }
  ASSERT_TRUE(listing.ok) << listing.problem;
  ASSERT_EQ(listing.runs.size(), 1U);
  EXPECT_EQ(listing.runs[0].updated, 3);
  EXPECT_TRUE(known);
}

TEST_F(HistoryTest, KnowsAPrinterOnlyAsTheProductItWasRecordedAs) {
  runThreePrinters(journal());
  const history::KnownPrintersInHistory known(path());
  struct Case {
    std::u16string_view serial;
    std::u16string_view product;
    bool known;
  };
  const Case cases[] = {
      {u"SIM0002", kHistoryProduct, true},    {u"SIM0002", u"SALVENOR LRX9999", false},
      {u"SIM0002", u"NOBRIX reflash", false}, {u"SIM9999", kHistoryProduct, false},
      {u"", kHistoryProduct, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(known.knownAsProduct(c.serial, c.product), c.known)
        << QString::fromUtf16(c.serial.data(), static_cast<qsizetype>(c.serial.size()))
               .toStdString();
  }

  // A history that cannot be read knows nothing, and the look-up leaves no file behind.
  const QString missing = folder.filePath(QStringLiteral("none/history.sqlite"));
  const QString notAFile = folder.path();
  const QString damaged = folder.filePath(QStringLiteral("damaged.sqlite"));
  QFile::copy(path(), damaged);
  QFile file(damaged);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  file.write(QByteArray(100, 'x'));
  file.close();
  for (const QString& unreadable : {missing, notAFile, damaged}) {
    EXPECT_FALSE(
        history::KnownPrintersInHistory(unreadable).knownAsProduct(u"SIM0002", kHistoryProduct))
        << unreadable.toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(missing));
}

std::string utcText(std::optional<history::Moment> moment) {
  return moment ? QDateTime::fromMSecsSinceEpoch(moment->time_since_epoch().count(), Qt::UTC)
                      .toString(Qt::ISODateWithMs)
                      .toStdString()
                : "refused";
}

TEST(HistoryTimeBounds, TimesCountWithTheirZonesAndNothingElseIsATime) {
  struct Case {
    const char* typed;
    const char* start;  // as --since, in UTC
    const char* end;    // as --until
  };
  const Case cases[] = {
      {"2026-12-09", "2026-12-09T00:00:00.000Z", "2026-12-10T00:00:00.000Z"},
      {"2026-12-09T23:59", "2026-12-09T23:59:00.000Z", "2026-12-09T23:59:00.000Z"},
      {"2026-12-09T14:30:15", "2026-12-09T14:30:15.000Z", "2026-12-09T14:30:15.000Z"},
      {"2026-12-09T14:30:15.25Z", "2026-12-09T14:30:15.250Z", "2026-12-09T14:30:15.250Z"},
      {"2026-12-09T14:30:15.123456789Z", "2026-12-09T14:30:15.123Z", "2026-12-09T14:30:15.123Z"},
      {"2026-12-09T00:30+01:00", "2026-12-08T23:30:00.000Z", "2026-12-08T23:30:00.000Z"},
      {"2026-12-31T22:00-05:30", "2027-01-01T03:30:00.000Z", "2027-01-01T03:30:00.000Z"},
      {"2028-02-29", "2028-02-29T00:00:00.000Z", "2028-03-01T00:00:00.000Z"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utcText(history::rangeStart(c.typed)), c.start) << c.typed;
    EXPECT_EQ(utcText(history::rangeEnd(c.typed)), c.end) << c.typed;
  }
  for (const char* refused :
       {"2026-12-09T99:99", "2026-12-09garbage", "2026-12-09T24:00", "2026-02-30", "2027-02-29",
        "2026-12-09T14", "2026-12-09T14:30:60", "2026-12-09T14:30:15.", "2026-12-09T14:30+1",
        "2026-12-09T14:30+01", "2026-12-09T14:30Zjunk", "2026-12-09 14:30", "2026-12-09Z",
        "26-12-09", "2026-1-09", ""}) {
    EXPECT_EQ(utcText(history::rangeStart(refused)), "refused") << refused;
    EXPECT_EQ(utcText(history::rangeEnd(refused)), "refused") << refused;
  }
}

}  // namespace
}  // namespace nobrix::testing
