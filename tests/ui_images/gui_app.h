// Pixmaps need a QGuiApplication; the tests share one for the whole program.
#pragma once

#include <QGuiApplication>

namespace nobrix::ui::images::testing {

inline void ensureGuiApp() {
  static int argc = 1;
  static char name[] = "ui_images_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace nobrix::ui::images::testing
