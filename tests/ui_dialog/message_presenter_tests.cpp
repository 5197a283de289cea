// The main window's message operations on the window thread: modal messages and results in
// the current language, the progress display, and the system box when no dialog can be had.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <optional>
#include <stdexcept>

#include "l10n/branding.h"
#include "l10n/language_state.h"
#include "tests/ui_dialog/dialog_probe.h"
#include "ui/dialog/message_presenter.h"

namespace nobrix::ui {
namespace {

using namespace nobrix::l10n;

using testing::currentPage;
using testing::labelText;
using testing::okEnabled;
using testing::pressOk;

// What a shown dialog displayed, read while it was on screen.
struct SeenDialog {
  QString caption;
  QString title;
  QString page;
  QString message;
  QString countLine;
  bool modal = false;
  bool okEnabled = false;
  QPoint centre;
};

SeenDialog read(const UI_Message& dialog) {
  SeenDialog seen;
  seen.caption = labelText(dialog, "UI_CaptionLabel");
  seen.title = dialog.windowTitle();
  seen.page = currentPage(dialog);
  seen.message = labelText(dialog, "UI_MessageLabel") + labelText(dialog, "UI_ResultLabel") +
                 labelText(dialog, "UI_ProgressMsgLabel");
  seen.countLine = labelText(dialog, "UI_UpdatedPrintersLabel");
  seen.modal = QApplication::activeModalWidget() == &dialog;
  seen.okEnabled = okEnabled(dialog);
  seen.centre = dialog.geometry().center();
  return seen;
}

class MessagePresenterTest : public ::testing::Test {
 protected:
  // Records each dialog as it appears and closes it with OK, as a user would.
  void closeEachDialogWithOk() {
    presenter_.setDialogShownHook([this](UI_Message& dialog) {
      seen_.push_back(read(dialog));
      pressOk(dialog);
    });
  }

  const QString caption_ = QString::fromStdString(dialogCaption());
  LanguageState texts_{kEnglish};
  MessagePresenter presenter_{texts_};
  std::vector<SeenDialog> seen_;
};

TEST_F(MessagePresenterTest, PlainMessageIsModalAndReturnsOnceOkIsPressed) {
  closeEachDialogWithOk();
  presenter_.showMessage(kPlainMessage, u"Please select atleast one printer", 0, 0);
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_TRUE(seen_[0].modal);
  EXPECT_TRUE(seen_[0].okEnabled);
  EXPECT_EQ(seen_[0].page, "MessageTabPage");
  EXPECT_EQ(seen_[0].message, "Please select atleast one printer");
  EXPECT_EQ(seen_[0].caption, caption_);
  EXPECT_EQ(seen_[0].title, caption_ + " – Message") << "told apart from the main window";
}

TEST_F(MessagePresenterTest, ResultCarriesCaptionAndCountLineInEveryLanguage) {
  closeEachDialogWithOk();
  for (std::int32_t language = 0; language < kLanguageCount; ++language) {
    texts_.select(language);
    presenter_.App_ShowUIMessage_Handler(kResultMessage, texts_.textOf("StrRes_AllUpdated"), 3, 3);
    ASSERT_EQ(seen_.size(), static_cast<std::size_t>(language + 1));
    const SeenDialog& seen = seen_.back();
    EXPECT_EQ(seen.caption, QString::fromLatin1(build::kProductName.data()) + " VUZ");
    EXPECT_EQ(seen.page, "ResultTabPage");
    EXPECT_EQ(seen.countLine, "[3/3]  " + texts_.textOf("StrRes_UIMsgResult"));
  }
  EXPECT_EQ(seen_[kGerman].countLine, "[3/3]  Drucker aktualisiert");
  EXPECT_EQ(seen_[kEnglish].countLine, "[3/3]  printers updated");
  EXPECT_EQ(seen_[kGerman].title, caption_ + " – Ergebnis");
  EXPECT_EQ(seen_[kFrench].title, caption_ + " – Résultat");
}

TEST_F(MessagePresenterTest, DialogIsCentredOnTheWindow) {
  QWidget window;
  window.setGeometry(40, 30, 900, 700);
  window.show();
  presenter_.setWindow(&window);
  closeEachDialogWithOk();
  presenter_.App_ShowUIMessage_Handler(kPlainMessage, QStringLiteral("centred"));
  ASSERT_EQ(seen_.size(), 1u);
  // Odd sizes leave the centres up to a pixel or two apart on each axis.
  const QPoint offset = seen_[0].centre - window.geometry().center();
  EXPECT_LE(std::abs(offset.x()), 2);
  EXPECT_LE(std::abs(offset.y()), 2);
}

TEST_F(MessagePresenterTest, ProgressDisplayIsModelessWithOkDisabledAndFollowsUpdates) {
  closeEachDialogWithOk();  // the disabled OK must not close it
  UI_Message dialog;
  presenter_.App_ShowUIProgressForm_Handler(&dialog, QStringLiteral("Sending firmware file ..."));
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(seen_[0].modal);
  EXPECT_FALSE(seen_[0].okEnabled);
  EXPECT_EQ(seen_[0].page, "ProgressTabPage");
  EXPECT_EQ(seen_[0].caption, caption_);

  presenter_.App_UpdateUIProgress(&dialog, QStringLiteral("Storing and updating firmware ..."));
  EXPECT_EQ(labelText(dialog, "UI_ProgressMsgLabel"), "Storing and updating firmware ...");

  dialog.hide();
  presenter_.App_UpdateUIProgress(&dialog, QStringLiteral("again"));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(labelText(dialog, "UI_ProgressMsgLabel"), "again");
  dialog.close();
}

// A table that cannot be read, as before the language tables exist.
class UnreadableTexts final : public ports::TextSource {
 public:
  std::u16string text(std::string_view) const override {
    throw std::runtime_error("string table not loaded");
  }
};

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes the next system box once it is on screen and tells what it said.
std::shared_ptr<std::optional<SeenBox>> closeNextBox() {
  auto seen = std::make_shared<std::optional<SeenBox>>();
  QTimer::singleShot(0, [seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    *seen = SeenBox{box->windowTitle(), box->text(), box->icon()};
    box->button(QMessageBox::Ok)->click();
  });
  return seen;
}

TEST(MessagePresenterFallback, FailedDialogShowsTheMessageInTheSystemBox) {
  UnreadableTexts texts;
  MessagePresenter presenter(texts);
  int dialogsShown = 0;
  presenter.setDialogShownHook([&](UI_Message&) { ++dialogsShown; });
  const auto seen = closeNextBox();
  presenter.showMessage(kPlainMessage, u"ERROR: Firmware file mismatch!\r\nClosing tool", 0, 0);
  ASSERT_TRUE(seen->has_value());
  EXPECT_EQ((*seen)->title, "VUZ Tool");
  EXPECT_EQ((*seen)->text, "ERROR: Firmware file mismatch!\r\nClosing tool");
  EXPECT_EQ((*seen)->icon, QMessageBox::Critical);
  EXPECT_EQ(dialogsShown, 0);
}

TEST(MessagePresenterFallback, FailedResultKeepsItsCount) {
  UnreadableTexts texts;
  MessagePresenter presenter(texts);
  const auto seen = closeNextBox();
  presenter.App_ShowUIMessage_Handler(kResultMessage, QStringLiteral("Some failed"), 3, 2);
  ASSERT_TRUE(seen->has_value());
  EXPECT_EQ((*seen)->text, "Some failed\r\n\r\n[2/3]");
}

TEST(MessagePresenterFallback, MissingProgressDialogShowsItsText) {
  LanguageState texts(kEnglish);
  MessagePresenter presenter(texts);
  auto seen = closeNextBox();
  presenter.App_ShowUIProgressForm_Handler(nullptr, QStringLiteral("Sending"));
  ASSERT_TRUE(seen->has_value());
  EXPECT_EQ((*seen)->text, "Sending");
  seen = closeNextBox();
  presenter.App_UpdateUIProgress(nullptr, QStringLiteral("Storing"));
  ASSERT_TRUE(seen->has_value());
  EXPECT_EQ((*seen)->text, "Storing");
}

}  // namespace
}  // namespace nobrix::ui
