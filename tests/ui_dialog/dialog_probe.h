// Reads a shown dialog the way a user would: by its controls' names.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include "ui/dialog/ui_message.h"
#include "ui/resources/image_library.h"

namespace nobrix::ui::testing {

template <typename Widget>
Widget* control(const QWidget& dialog, const char* name) {
  auto* found = dialog.findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

inline QString labelText(const QWidget& dialog, const char* name) {
  const QLabel* label = control<QLabel>(dialog, name);
  return label ? label->text() : QString();
}

inline QString currentPage(const QWidget& dialog) {
  const auto* pages = control<QStackedWidget>(dialog, "MainTabControl");
  return pages && pages->currentWidget() ? pages->currentWidget()->objectName() : QString();
}

inline bool okEnabled(const QWidget& dialog) {
  const auto* ok = control<QPushButton>(dialog, "UI_OkButton");
  return ok && ok->isEnabled();
}

inline void pressOk(const QWidget& dialog) {
  if (auto* ok = control<QPushButton>(dialog, "UI_OkButton")) {
    ok->click();
  }
}

// True when the label shows exactly the picture stored under `key` at the label's size.
inline bool showsPicture(const QWidget& dialog, const char* labelName, const char* key) {
  const QLabel* label = control<QLabel>(dialog, labelName);
  if (label == nullptr || label->pixmap().isNull()) {
    return false;
  }
  const QPixmap expected =
      images::pixmap(QString::fromLatin1(key), label->size(), label->pixmap().devicePixelRatio());
  return label->pixmap().toImage() == expected.toImage();
}

}  // namespace nobrix::ui::testing
