// The confirmation question: the system's question box, worded and captioned in the window's
// language, owned by the window so that it opens over it.
#include <QMessageBox>
#include <QPushButton>

#include "l10n/branding.h"
#include "ui/dialog/message_presenter.h"

namespace nobrix::ui {

bool MessagePresenter::confirm(std::u16string_view question) {
  const QString text = QString::fromUtf16(question.data(), static_cast<qsizetype>(question.size()));
  if (confirmHook_) {
    return confirmHook_(text);
  }
  QMessageBox box(QMessageBox::Question, QString::fromStdString(l10n::dialogCaption()), text,
                  QMessageBox::NoButton, window_);
  const auto answer = [this](const char* key) {
    const std::u16string label = texts_.text(key);
    return QString::fromUtf16(label.data(), static_cast<qsizetype>(label.size()));
  };
  QPushButton* yes = box.addButton(answer("StrRes_ConfirmYes"), QMessageBox::AcceptRole);
  QPushButton* no = box.addButton(answer("StrRes_ConfirmNo"), QMessageBox::RejectRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

}  // namespace nobrix::ui
