// A blocking queued call carries the box to the window thread.
#include "ui/app/qt_error_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

namespace nobrix::ui::app {

void QtErrorBox::showErrorBox(std::u16string_view caption, std::u16string_view text) {
  const QString boxCaption = QString::fromStdU16String(std::u16string(caption));
  const QString boxText = QString::fromStdU16String(std::u16string(text));
  auto show = [&] {
    QMessageBox box(QMessageBox::Critical, boxCaption, boxText, QMessageBox::Ok);
    box.exec();
  };
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || QThread::currentThread() == application->thread()) {
    show();
    return;
  }
  QMetaObject::invokeMethod(application, show, Qt::BlockingQueuedConnection);
}

}  // namespace nobrix::ui::app
