// The text label of the dialog: Windows line breaks, wrapping, and the ellipsis when the
// text is taller than the label.
#include <gtest/gtest.h>

#include "ui/widgets/elided_label.h"

namespace nobrix::ui {
namespace {

TEST(ElidedLabel, CarriageReturnLineFeedStartsANewLineWithoutStrayCharacters) {
  ElidedLabel label;
  label.setMargin(0);
  label.setFixedSize(400, 200);
  label.setText(QStringLiteral("ERROR: Firmware file!\r\nClosing tool"));
  EXPECT_EQ(label.visibleLines(), (QStringList{"ERROR: Firmware file!", "Closing tool"}));
  EXPECT_EQ(label.text(), "ERROR: Firmware file!\r\nClosing tool");  // kept as given
}

TEST(ElidedLabel, LongParagraphWrapsAtWords) {
  ElidedLabel label;
  label.setMargin(0);
  const int wordWidth = QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("wordy "));
  label.setFixedSize(wordWidth * 3, 200);
  label.setText(QStringLiteral("wordy wordy wordy wordy wordy wordy"));
  const QStringList lines = label.visibleLines();
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines.join(QLatin1Char(' ')).simplified(), label.text());
}

TEST(ElidedLabel, TextTallerThanTheLabelEndsInAnEllipsis) {
  ElidedLabel label;
  label.setMargin(0);
  label.setFixedSize(400, QFontMetrics(label.font()).lineSpacing() * 2);
  label.setText(QStringLiteral("one\r\ntwo\r\nthree"));
  EXPECT_EQ(label.visibleLines(), (QStringList{"one", QStringLiteral("two\u2026")}));
}

TEST(ElidedLabel, TextThatFitsHasNoEllipsis) {
  ElidedLabel label;
  label.setMargin(0);
  label.setFixedSize(400, QFontMetrics(label.font()).lineSpacing() * 2);
  label.setText(QStringLiteral("one\r\ntwo"));
  EXPECT_EQ(label.visibleLines(), (QStringList{"one", "two"}));
}

}  // namespace
}  // namespace nobrix::ui
