// The progress cell of the send under way: what it shows before, during and after a send.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include "tests/ui_app/window_rig.h"
#include "ui/window/transfer_progress_view.h"

namespace nobrix::ui::testing {
namespace {

TEST(TransferProgressCell, ShowsShareAndRateOnlyWhileAnImageIsBeingSent) {
  ensureApplication();
  firmware::TransferProgress progress;
  std::uint32_t tick = 0xFFFFFF00;  // the platform's counter, about to wrap
  TransferProgressView view(&progress, [&tick] { return tick; });
  view.show();
  const auto* bar = view.findChild<QProgressBar*>(QStringLiteral("TransferProgressBar"));
  const auto* text = view.findChild<QLabel*>(QStringLiteral("TransferProgressLabel"));
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(text, nullptr);

  view.setWatching(true);
  EXPECT_FALSE(bar->isVisible()) << "empty before the send";
  progress.imageBytes = 76'926'097;
  progress.sending = true;
  view.refreshNow();
  EXPECT_EQ(text->text(), QStringLiteral("0.0 %\n")) << "no rate before one can be measured";
  progress.acceptedBytes = 19'231'525;  // a quarter of the image, rounded up
  tick += 1000;                         // on the platform's clock, across its wrap
  view.refreshNow();
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
}  // namespace nobrix::ui::testing
