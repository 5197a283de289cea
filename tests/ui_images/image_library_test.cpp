// Every picture the window and the dialog look up must exist under its exact key and come out
// drawn at the requested size and density.
#include "ui/resources/image_library.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "tests/ui_images/gui_app.h"

namespace nobrix::ui::images {
namespace {

struct KeyAtSize {
  const char* key;
  QSize logicalSize;
};

// The keys the window and the dialog use, at the sizes they show them.
const KeyAtSize kPictures[] = {
    {"EN.PNG", {52, 32}},        {"DE.png", {52, 32}},        {"ES.png", {52, 32}},
    {"FR.png", {52, 32}},        {"SV_icon.ico", {30, 30}},   {"UV-Crest Blue 48x48.ico", {30, 30}},
    {"Mostrela.ico", {30, 30}},  {"zov_logo.ico", {30, 30}},  {"Minimize.png", {30, 30}},
    {"Close.png", {30, 30}},     {"Warning.png", {23, 23}},   {"Info.png", {27, 27}},
    {"CheckMark.png", {32, 32}}, {"Cross.png", {32, 32}},     {"Activity0.png", {40, 33}},
    {"Activity1.png", {40, 33}}, {"Activity2.png", {40, 33}}, {"Activity3.png", {40, 33}},
    {"Activity4.png", {40, 33}}, {"Activity5.png", {40, 33}}, {"AppIcon.ico", {32, 32}},
};

// Anti-aliasing leaves even fully covered pixels a shade short of 255.
int solidPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += qAlpha(image.pixel(x, y)) >= 240 ? 1 : 0;
    }
  }
  return count;
}

QSet<QRgb> colours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      seen.insert(image.pixel(x, y));
    }
  }
  return seen;
}

class ImageLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ensureGuiApp(); }
};

TEST_F(ImageLibrary, ListsExactlyTheKeysInUse) {
  QStringList expected;
  for (const KeyAtSize& picture : kPictures) {
    expected << QString::fromLatin1(picture.key);
  }
  expected.sort();
  EXPECT_EQ(keys(), expected);
}

TEST_F(ImageLibrary, DrawsEveryPictureAtTheRequestedSizeAndDensity) {
  for (const KeyAtSize& picture : kPictures) {
    for (const qreal ratio : {1.0, 2.0}) {
      SCOPED_TRACE(std::string(picture.key) + " at " + std::to_string(ratio) + "x");
      const QPixmap drawn = pixmap(QString::fromLatin1(picture.key), picture.logicalSize, ratio);
      ASSERT_FALSE(drawn.isNull());
      EXPECT_EQ(drawn.size(), picture.logicalSize * ratio);
      EXPECT_DOUBLE_EQ(drawn.devicePixelRatio(), ratio);
      const QImage image = drawn.toImage();
      EXPECT_GT(solidPixels(image), 0);
      EXPECT_GT(colours(image).size(), 1);  // not one flat colour
    }
  }
}

TEST_F(ImageLibrary, KeepsTheAspectInABoxOfAnotherShape) {
  // A 13:8 flag in a square box: bands above and below stay clear, the middle is covered.
  const QImage image = pixmap(QStringLiteral("DE.png"), QSize(52, 52)).toImage();
  EXPECT_EQ(qAlpha(image.pixel(26, 2)), 0);
  EXPECT_EQ(qAlpha(image.pixel(26, 49)), 0);
  EXPECT_EQ(qAlpha(image.pixel(26, 26)), 255);
  EXPECT_EQ(qAlpha(image.pixel(1, 26)), 255);
}

TEST_F(ImageLibrary, NaturalSizesKeepTheShapesTheWindowExpects) {
  for (const char* flag : {"EN.PNG", "DE.png", "ES.png", "FR.png"}) {
    EXPECT_EQ(naturalSize(QString::fromLatin1(flag)), QSize(52, 32)) << flag;  // 13:8
  }
  for (const char* logo :
       {"SV_icon.ico", "UV-Crest Blue 48x48.ico", "Mostrela.ico", "zov_logo.ico"}) {
    EXPECT_EQ(naturalSize(QString::fromLatin1(logo)), QSize(30, 30)) << logo;
  }
  EXPECT_EQ(naturalSize(QStringLiteral("CheckMark.png")), naturalSize(QStringLiteral("Cross.png")));
  EXPECT_TRUE(naturalSize(QStringLiteral("Missing.png")).isEmpty());
}

TEST_F(ImageLibrary, GivesNullForUnknownKeysAndEmptySizes) {
  EXPECT_TRUE(pixmap(QStringLiteral("Missing.png"), QSize(32, 32)).isNull());
  EXPECT_TRUE(pixmap(QStringLiteral("en.png"), QSize(32, 32)).isNull());  // keys are exact
  EXPECT_TRUE(pixmap(QString(), QSize(32, 32)).isNull());
  EXPECT_TRUE(pixmap(QStringLiteral("../images/DE.png"), QSize(32, 32)).isNull());
  EXPECT_TRUE(pixmap(QStringLiteral("DE.png"), QSize(0, 32)).isNull());
  EXPECT_TRUE(pixmap(QStringLiteral("DE.png"), QSize(52, 32), 0.0).isNull());
}

TEST_F(ImageLibrary, ActivityFramesWrapAndEachOneDiffersFromTheNext) {
  EXPECT_EQ(activityFrameKey(0), QStringLiteral("Activity0.png"));
  EXPECT_EQ(activityFrameKey(kActivityFrameCount), QStringLiteral("Activity0.png"));
  EXPECT_EQ(activityFrameKey(-1), QStringLiteral("Activity5.png"));
  for (int frame = 0; frame < kActivityFrameCount; ++frame) {
    const QImage current = pixmap(activityFrameKey(frame), QSize(60, 50)).toImage();
    const QImage next = pixmap(activityFrameKey(frame + 1), QSize(60, 50)).toImage();
    EXPECT_NE(current, next) << "frame " << frame;
  }
}

TEST_F(ImageLibrary, WindowIconCoversSmallAndLargeSizes) {
  const QList<QSize> sizes = windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}

}  // namespace
}  // namespace nobrix::ui::images
