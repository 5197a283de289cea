// The animator must step through the six frames in order, wrap, and rest on frame 0.
#include "ui/resources/activity_animator.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "tests/ui_images/gui_app.h"

namespace nobrix::ui::images {
namespace {

const QSize kButtonPicture(40, 33);

class ActivityAnimatorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ensureGuiApp(); }

  QImage frameImage(int frame, qreal ratio = 1.0) const {
    return pixmap(activityFrameKey(frame), kButtonPicture, ratio).toImage();
  }

  std::vector<QPixmap> shown_;
  ActivityAnimator animator_{kButtonPicture, [this](const QPixmap& p) { shown_.push_back(p); }};
};

TEST_F(ActivityAnimatorTest, ShowsTheRestingFrameAtOnce) {
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_.back().toImage(), frameImage(0));
  EXPECT_FALSE(animator_.isRunning());
  EXPECT_EQ(animator_.currentFrame(), 0);
}

TEST_F(ActivityAnimatorTest, StepsThroughSixFramesAndWraps) {
  for (int step = 1; step <= kActivityFrameCount; ++step) {
    animator_.advance();
    const int expected = step % kActivityFrameCount;
    EXPECT_EQ(animator_.currentFrame(), expected);
    EXPECT_EQ(shown_.back().toImage(), frameImage(expected)) << "step " << step;
  }
  EXPECT_EQ(shown_.size(), 1u + kActivityFrameCount);
}

TEST_F(ActivityAnimatorTest, StoppingReturnsToFrameZeroAndHolds) {
  animator_.setRunning(true);
  EXPECT_TRUE(animator_.isRunning());
  animator_.advance();
  animator_.advance();
  animator_.setRunning(false);
  EXPECT_FALSE(animator_.isRunning());
  EXPECT_EQ(animator_.currentFrame(), 0);
  EXPECT_EQ(shown_.back().toImage(), frameImage(0));
}

TEST_F(ActivityAnimatorTest, RerendersForAnotherDensity) {
  animator_.advance();
  animator_.setDevicePixelRatio(2.0);
  EXPECT_EQ(animator_.currentFrame(), 1);
  EXPECT_DOUBLE_EQ(shown_.back().devicePixelRatio(), 2.0);
  EXPECT_EQ(shown_.back().size(), kButtonPicture * 2);
  EXPECT_EQ(shown_.back().toImage(), frameImage(1, 2.0));
}

}  // namespace
}  // namespace nobrix::ui::images
