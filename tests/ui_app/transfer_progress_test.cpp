// The progress cell of the send under way: the rate over the last second from the window's
// readings, and what the cell shows before, during and after a send.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include "tests/ui_app/window_rig.h"
#include "ui/app/transfer_progress_view.h"
#include "ui/app/transfer_rate.h"

namespace nobrix::ui::app::testing {
namespace {

TEST(TransferRate, MeasuresTheLastSecondAndStartsAgainForANewSend) {
  TransferRate rate;
  EXPECT_EQ(rate.bytesPerSecond(), 0.0);
  rate.sample(0, 0);
  EXPECT_EQ(rate.bytesPerSecond(), 0.0);  // one reading has no rate yet
  // 1.2 MB/s for 2 s, then a stall: the rate follows within a second.
  for (std::int64_t ms = 250; ms <= 2000; ms += 250) {
    rate.sample(ms, static_cast<std::uint64_t>(ms) * 1200);
  }
  EXPECT_DOUBLE_EQ(rate.bytesPerSecond(), 1.2e6);
  for (std::int64_t ms = 2250; ms <= 3000; ms += 250) {
    rate.sample(ms, 2'400'000);
  }
  EXPECT_DOUBLE_EQ(rate.bytesPerSecond(), 0.0);
  rate.sample(3250, 1000);  // a count that went back: the next printer's send
  EXPECT_EQ(rate.bytesPerSecond(), 0.0);
  rate.sample(3500, 251'000);
  EXPECT_DOUBLE_EQ(rate.bytesPerSecond(), 1e6);
}

TEST(TransferProgressCell, ShowsShareAndRateOnlyWhileAnImageIsBeingSent) {
  ensureApplication();
  firmware::TransferProgress progress;
  TransferProgressView view(&progress);
  view.show();
  const auto* bar = view.findChild<QProgressBar*>(QStringLiteral("TransferProgressBar"));
  const auto* text = view.findChild<QLabel*>(QStringLiteral("TransferProgressLabel"));
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(text, nullptr);

  view.setWatching(true);
  EXPECT_FALSE(bar->isVisible()) << "empty before the send";
  progress.imageBytes = 76'926'097;
  progress.sending = true;
  view.refresh(0);
  progress.acceptedBytes = 19'231'525;  // a quarter of the image, rounded up
  view.refresh(1000);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->value(), 250);
  EXPECT_EQ(text->text(), QStringLiteral("25.0 %\n19.2 MB/s"));

  progress.sending = false;
  view.refresh(1250);
  EXPECT_FALSE(bar->isVisible()) << "empty after the send";
  progress.sending = true;
  view.setWatching(false);
  EXPECT_FALSE(text->isVisible()) << "empty outside a run";
}

}  // namespace
}  // namespace nobrix::ui::app::testing
