// The history on Windows: in the user's local application data folder unless NOBRIX_HISTORY names
// another file, and a run recorded with the host and user names Windows itself gives.
#include <windows.h>

#include <QDir>

#include "history/history_location.h"
#include "tests/history/history_fixture.h"
#include "tests/support/image_resources.h"

namespace nobrix::testing {
namespace {

QString systemName(BOOL(WINAPI* call)(LPWSTR, LPDWORD)) {
  wchar_t name[256];
  DWORD size = 256;
  return call(name, &size) ? QString::fromWCharArray(name) : QString();
}

BOOL WINAPI dnsHostName(LPWSTR name, LPDWORD size) {
  return GetComputerNameExW(ComputerNameDnsHostname, name, size);
}

TEST(WindowsHistoryLocation, TheLocalApplicationDataFolderUnlessNobrixHistoryNamesAFile) {
  const QString local = qEnvironmentVariable("LOCALAPPDATA");
  ASSERT_FALSE(local.isEmpty());
  qunsetenv(history::kHistoryPathVariable);
  EXPECT_EQ(history::historyPath(history::PrinterBus::kReal).toLower(),
            (local + QStringLiteral("\\NobrixVUZ\\history.sqlite")).toLower());
  EXPECT_EQ(history::historyPath(history::PrinterBus::kSimulated).toLower(),
            (local + QStringLiteral("\\NobrixVUZ\\history-sim.sqlite")).toLower());

  // As a user sets it (the system's environment is UTF-16): a name beyond ASCII comes whole.
  const std::wstring chosen = L"D:\\Service\\Werkstatt \u00dc1\\runs.sqlite";
  ASSERT_EQ(_wputenv_s(L"NOBRIX_HISTORY", chosen.c_str()), 0);
  EXPECT_EQ(history::historyPath(history::PrinterBus::kReal).toStdWString(), chosen);
  qunsetenv(history::kHistoryPathVariable);
}

TEST_F(HistoryTest, ARunIsRecordedWithTheHostAndUserNamesOfWindows) {
  ImageResources image(kSmallImageBytes);
  history::SqliteRunJournal recording(
      path(), history::describeRun(QStringLiteral("NobrixVUZ"), image), [this] { ++notRecorded; });
  runThreePrinters(recording);

  const auto listing = read();
  ASSERT_TRUE(listing.ok) << listing.problem;
  ASSERT_EQ(listing.runs.size(), 1U);
  EXPECT_EQ(QString::fromStdString(listing.runs[0].host).toLower(),
            systemName(&dnsHostName).toLower());
  EXPECT_EQ(QString::fromStdString(listing.runs[0].user), systemName(&GetUserNameW));
  EXPECT_FALSE(listing.runs[0].user.empty());
}

}  // namespace
}  // namespace nobrix::testing
