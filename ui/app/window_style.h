// The main window's look in one place: colours, fonts, sizes and the style sheets that turn
// plain Qt widgets into the flat, hover-coloured controls of the window.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace nobrix::ui::app::style {

// Every size of the window is laid out at 144 dots per inch; Qt measures in device-independent
// pixels of 96 dots per inch, so each one is taken at two thirds. Fonts are given in points and
// need no conversion.
constexpr int px(int at144dpi) {
  return (at144dpi * 2 + 1) / 3;
}

inline const QColor kFrameBlue{0, 117, 191};
inline const QColor kCaptionGreyBlue{156, 170, 193};
inline const QColor kHeaderDarkBlue{40, 70, 120};
inline const QColor kHoverBlue{40, 100, 160};
inline const QColor kSteelBlue{70, 130, 180};
inline const QColor kMintCream{245, 255, 250};
inline const QColor kWarningBackground{247, 255, 250};
inline const QColor kOrchid{218, 112, 214};
inline const QColor kMediumTurquoise{72, 209, 204};
inline const QColor kLightGray{211, 211, 211};
inline const QColor kLangHover{206, 200, 203};
inline const QColor kCaptionButtonHover{186, 200, 203};

enum class Face { Regular, Semibold };

// "Segoe UI" first; systems without it fall back to a comparable sans-serif face.
QFont font(double points, Face face = Face::Regular, bool bold = false, bool italic = false);

QString rgb(const QColor& colour);

struct FlatButtonColours {
  QColor background;
  QColor hover;
  QColor pressed;
  QColor text = Qt::black;
};

// A borderless flat push button: one background at rest, another under the mouse, a third
// while held down, and a dimmed text when disabled.
QString flatButtonSheet(const QString& objectName, const FlatButtonColours& colours);

// Dark-blue header strip with white bold italic text (list and page headers).
QString headerLabelSheet(const QString& objectName);

}  // namespace nobrix::ui::app::style
