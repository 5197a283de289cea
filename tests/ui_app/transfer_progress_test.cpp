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
}  // namespace nobrix::ui::testing
