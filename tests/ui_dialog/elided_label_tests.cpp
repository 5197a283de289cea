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

TEST(ElidedLabel, WithoutWordWrapAParagraphStaysOnOneLineAndEndsInAnEllipsis) {
  ElidedLabel label;
  label.setWordWrap(false);
  label.setMargin(0);
  const QFontMetrics metrics(label.font());
  label.setFixedSize(metrics.horizontalAdvance(QStringLiteral("wordy wordy")), 200);
  label.setText(QStringLiteral("wordy wordy wordy wordy"));
  const QStringList lines = label.visibleLines();
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].endsWith(QChar(0x2026))) << lines[0].toStdString();
  EXPECT_LE(metrics.horizontalAdvance(lines[0]), label.width());
}

TEST(ElidedLabel, LongTextDoesNotWidenTheLayout) {
  ElidedLabel label;
  label.setText(QString(200, QLatin1Char('x')));
  EXPECT_EQ(label.minimumSizeHint().width(), 0);
}

}  // namespace
}  // namespace nobrix::ui
