// The look the main window and the message dialog share: lengths drawn at 144 dpi, the colours
// both use, the font with its fallback faces, and the style sheet of a flat push button.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

namespace nobrix::ui::look {

// Every layout was drawn at 144 dots per inch; Qt measures in device-independent pixels of 96
// dots per inch (and scales those itself on dense screens), so each length is taken at two
// thirds, rounded. Fonts are given in points and need no conversion.
constexpr int dip(int drawnPixels) {
  return (drawnPixels * 2 + 1) / 3;
}
constexpr QSize dip(int drawnWidth, int drawnHeight) {
  return QSize(dip(drawnWidth), dip(drawnHeight));
}

inline const QColor kFrameBlue{0, 117, 191};
inline const QColor kCaptionGreyBlue{156, 170, 193};
inline const QColor kDarkBlue{40, 70, 120};  // header strips and wide buttons
inline const QColor kHoverBlue{40, 100, 160};
inline const QColor kSteelBlue{70, 130, 180};
inline const QColor kMintCream{245, 255, 250};
inline const QColor kOrchid{218, 112, 214};
inline const QColor kFirebrick{178, 34, 34};

enum class Face { Regular, Semibold };

// "Segoe UI" first; systems without it fall back to a comparable sans-serif face.
QFont font(double points, Face face = Face::Regular, bool bold = false, bool italic = false);

// A colour as a style sheet writes it; a fully transparent one as "transparent".
QString rgb(const QColor& colour);

struct FlatButtonColours {
  QColor background;
  QColor hover;
  QColor pressed;
  QColor text = Qt::black;
  QColor disabledText = QColor();  // when not valid: the text colour, dimmed
};

// A borderless flat push button: one background at rest, another under the mouse, a third
// while held down, and a dimmed text when disabled. With the keyboard's focus it is framed in
// its text colour, so a person using the keyboard sees where they are.
QString flatButtonSheet(const QString& objectName, const FlatButtonColours& colours);

}  // namespace nobrix::ui::look
