// Everything runs on the window thread: START blocks in its handler until the run is over,
// and the dialogs it opens reach onDialog through the message presenter's hook.
#include "ui/programs/autopilot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "ui/window/transfer_progress_view.h"

namespace nobrix::ui::programs {

Autopilot::Autopilot(AppAssembly& app, platform::sim::SimBus& bus, AutopilotOptions options,
                     QObject* parent)
    : QObject(parent), app_(app), bus_(bus), options_(std::move(options)) {
  if (options_.output != nullptr) {
    out_.setDevice(options_.output);
  } else {
    standardOutput_.open(stdout, QIODevice::WriteOnly);
    out_.setDevice(&standardOutput_);
  }
  connect(&app_.window(), &Form1::statusRowChanged, this, &Autopilot::onStatusRow);
  app_.messages().setDialogShownHook([this](UI_Message& dialog) { onDialog(dialog); });
  // A question (a printer in flash mode of unknown model) is answered yes, as the person running
  // the demonstration would, and shown in the log.
  app_.messages().setConfirmHook([this](const QString& question) {
    out_ << timestamp() << " question: "
         << QString(question).replace(QStringLiteral("\r\n"), QStringLiteral(" / "))
         << "\n             answered: yes\n";
    out_.flush();
    return true;
  });
}

QString Autopilot::timestamp() const {
  return QStringLiteral("[%1 s]").arg(static_cast<double>(bus_.elapsedMs()) / 1000.0, 8, 'f', 3);
}

void Autopilot::fly() {
  Form1& window = app_.window();
  if (options_.settleMs > 0) {
    bus_.advance(options_.settleMs);
    // The bus's notices are queued for the window thread; deliver them before looking.
    QCoreApplication::processEvents();
  }
  auto* list = window.findChild<QListWidget*>(QStringLiteral("SupportedPrinterCheckedListBox"));
  out_ << timestamp() << " listed " << list->count() << " printer(s)\n";
  for (int i = 0; i < list->count(); ++i) {
    out_ << "             " << list->item(i)->text() << "\n";
  }
  out_.flush();
  tickAll();
  save(window.grab(), QStringLiteral("start-page.png"));
  out_ << timestamp() << " START\n";
  out_.flush();
  window.findChild<QPushButton*>(QStringLiteral("StartButton"))->click();
  out_ << timestamp() << " run over; CLOSE\n";
  out_.flush();
  window.findChild<QPushButton*>(QStringLiteral("AppCloseButton"))->click();
}

void Autopilot::tickAll() {
  auto* list =
      app_.window().findChild<QListWidget*>(QStringLiteral("SupportedPrinterCheckedListBox"));
  for (int i = 0; i < list->count(); ++i) {
    list->item(i)->setCheckState(Qt::Checked);
  }
}

void Autopilot::onStatusRow(int row, const QString& text) {
  Form1& window = app_.window();
  const QString serial = QString::fromStdU16String(window.printerRowText(row));
  out_ << timestamp() << " " << serial << ": " << text << "\n";
  out_.flush();
  if (!progressSaved_ && text == app_.language().textOf("StrRes_StatusSendingFhx")) {
    progressSaved_ = true;
    watchFirstSend();
  }
}

// The progress page is saved once the first image is well under way, with its progress cell
// showing; the window thread keeps turning its loop while the send worker writes.
void Autopilot::watchFirstSend() {
  auto* timer = new QTimer(this);
  timer->setInterval(5);
  connect(timer, &QTimer::timeout, this, [this, timer, ticks = 0]() mutable {
    auto* cell = app_.window().findChild<window::TransferProgressView*>(
        QStringLiteral("TransferProgressView"));
    cell->refreshNow();
    if (cell->shownShare() >= 0.3) {
      save(app_.window().grab(), QStringLiteral("progress-page.png"));
      timer->deleteLater();
    } else if (++ticks > 4000) {  // the send went by unseen; no picture rather than a hang
      timer->deleteLater();
    }
  });
  timer->start();
}

void Autopilot::onDialog(UI_Message& dialog) {
  if (dialog.messageType() == kResultMessage) {
    const auto* counts = dialog.findChild<QLabel*>(QStringLiteral("UI_UpdatedPrintersLabel"));
    out_ << timestamp() << " result " << (counts != nullptr ? counts->text() : QString()) << "\n";
    // The dialog over the window, as a person sees it.
    QPixmap scene = app_.window().grab();
    {
      QPainter painter(&scene);
      painter.drawPixmap(dialog.pos() - app_.window().pos(), dialog.grab());
    }
    save(scene, QStringLiteral("result-dialog.png"));
  } else {
    const auto* text = dialog.findChild<QLabel*>(QStringLiteral("UI_MessageLabel"));
    out_ << timestamp() << " message " << (text != nullptr ? text->text() : QString()) << "\n";
  }
  out_.flush();
  dialog.accept();
}

void Autopilot::save(const QPixmap& picture, const QString& name) {
  if (options_.screenshotDir.isEmpty()) {
    return;
  }
  QDir().mkpath(options_.screenshotDir);
  const QString path = QDir(options_.screenshotDir).filePath(name);
  if (picture.save(path)) {
    out_ << "             saved " << path << "\n";
  }
}

}  // namespace nobrix::ui::programs

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_autopilot.cpp"
