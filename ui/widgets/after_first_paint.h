// Start-up work the user does not see waits until a window's first paint is on the screen, so
// that it neither delays that paint nor competes with it for the processor.
#pragma once

#include <QWidget>
#include <functional>

namespace nobrix::ui {

// Runs `call` once on the window's thread, after the window has painted for the first time
// (after that paint has been handed to the screen). Never runs if the window never paints.
void afterFirstPaint(QWidget& window, std::function<void()> call);

}  // namespace nobrix::ui
