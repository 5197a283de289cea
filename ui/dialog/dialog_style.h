// Sizes, fonts and colours of the message dialog. Its layout was drawn in pixels at 144 dpi;
// Qt works in device-independent pixels (96 dpi) and scales those itself on dense screens.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

namespace nobrix::ui::dialog_style {

// A length drawn at 144 dpi, in device-independent pixels (two thirds, rounded).
constexpr int dip(int drawnPixels) {
  return (drawnPixels * 2 + 1) / 3;
}
constexpr QSize dip(int drawnWidth, int drawnHeight) {
  return QSize(dip(drawnWidth), dip(drawnHeight));
}

inline const QColor kFrameBlue(0, 117, 191);
inline const QColor kFirebrick(178, 34, 34);
inline const QColor kOrchid(218, 112, 214);
inline const QColor kButtonBlue(40, 70, 120);
inline const QColor kButtonHoverBlue(40, 100, 160);

// "Segoe UI" where it is installed, otherwise the system's sans-serif; point sizes are kept.
QFont uiFont(int pointSize, bool bold = false);

// The colours of every part of the dialog, keyed by the controls' object names.
QString styleSheet();

}  // namespace nobrix::ui::dialog_style
