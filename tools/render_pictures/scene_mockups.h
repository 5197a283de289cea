// Review aid: the pictures placed as the window and the dialog place them, at their on-screen
// sizes and colours, so they can be judged together rather than one by one.
#pragma once

#include <QImage>

namespace nobrix::ui::images::review {

// The caption row: logo, title, language flag, minimise and close.
QImage captionRow(qreal devicePixelRatio);

// The result dialog (caption with the information glyph, tick or cross line, activity box).
QImage resultDialog(qreal devicePixelRatio, bool allUpdated);

// The warning strip of the printer pane and the activity button in each of its frames.
QImage paneDetails(qreal devicePixelRatio);

}  // namespace nobrix::ui::images::review
