// A message reported from a worker thread (as the firmware transfer does): the dialog must
// open on the window thread, and the worker must wait there until the user presses OK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

#include "l10n/language_state.h"
#include "tests/ui_dialog/dialog_probe.h"
#include "ui/dialog/message_presenter.h"

namespace nobrix::ui {
namespace {

using namespace nobrix::l10n;

TEST(MessagePresenterThreads, WorkerMessageOpensOnWindowThreadAndWorkerResumesAfterOk) {
  LanguageState texts(kGerman);
  MessagePresenter presenter(texts);
  const Qt::HANDLE windowThread = QThread::currentThreadId();

  std::atomic<bool> okPressed{false};
  std::atomic<bool> workerReturned{false};
  bool workerWaitingWhileShown = false;
  Qt::HANDLE shownOn = nullptr;
  QString shownMessage;
  presenter.setDialogShownHook([&](UI_Message& dialog) {
    shownOn = QThread::currentThreadId();
    shownMessage = testing::labelText(dialog, "UI_MessageLabel");
    workerWaitingWhileShown = !workerReturned.load();
    okPressed = true;
    testing::pressOk(dialog);
  });

  // The window thread keeps its event loop running while the worker is busy.
  QEventLoop windowLoop;
  bool returnedAfterOk = false;
  std::thread worker([&] {
    ports::MessageSink& sink = presenter;
    sink.showMessage(kPlainMessage, u"Error: Could not load firmware resource file!", 0, 0);
    returnedAfterOk = okPressed.load();
    workerReturned = true;
    QMetaObject::invokeMethod(&windowLoop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  // Only a broken hand-over gets here: unblock the worker so the failure is reported.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    ADD_FAILURE() << "the worker's message never completed";
    if (auto* open = QApplication::activeModalWidget()) {
      open->close();
    }
  });
  guard.start(30000);
  windowLoop.exec();
  worker.join();

  EXPECT_EQ(shownOn, windowThread);
  EXPECT_EQ(shownMessage, "Error: Could not load firmware resource file!");
  EXPECT_TRUE(workerWaitingWhileShown);
  EXPECT_TRUE(returnedAfterOk);
  EXPECT_TRUE(workerReturned.load());
}

}  // namespace
}  // namespace nobrix::ui
