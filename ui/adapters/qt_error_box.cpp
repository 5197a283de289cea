// The box is shown on the window thread, whichever thread asks.
#include "ui/adapters/qt_error_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

#include "ui/adapters/on_window_thread.h"

namespace nobrix::ui::adapters {

void QtErrorBox::showErrorBox(std::u16string_view caption, std::u16string_view text) {
  const QString boxCaption = QString::fromStdU16String(std::u16string(caption));
  const QString boxText = QString::fromStdU16String(std::u16string(text));
  auto show = [&] {
    QMessageBox box(QMessageBox::Critical, boxCaption, boxText, QMessageBox::Ok);
    box.exec();
  };
  runOnWindowThread(show);
}

}  // namespace nobrix::ui::adapters
