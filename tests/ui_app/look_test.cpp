// What a technician sees of the window, read back from its pixels and geometry: check list
// entries and their tick boxes stay readable in every state, progress rows scroll instead of
// being cut, nothing looks chosen before the first click, and the window keeps its one size.
#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <cmath>

#include "l10n/languages.h"
#include "tests/ui_app/window_rig.h"

namespace nobrix::ui::testing {
namespace {

// Contrast ratio of two colours as accessibility guidelines define it (1 to 21).
double luminance(const QColor& colour) {
  auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
         0.0722 * channel(colour.blue());
}

double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct EntryPixels {
  QColor background;  // at the entry's right end, where no text reaches
  QColor text;        // the pixel of the entry's text that stands out most
  QColor boxBorder;   // the first pixel of the tick box, scanning from the left
};

EntryPixels readEntry(QListWidget& list, int entry) {
  const QImage image = list.viewport()->grab().toImage();
  const QRect row = list.visualItemRect(list.item(entry));
  EntryPixels pixels;
  pixels.background = image.pixelColor(row.right() - 3, row.center().y());
  double best = 0.0;
  // Well past the tick box, inside the text "SALVENOR LRX5303[SN#:...]".
  for (int x = row.left() + 40; x < row.left() + 120; ++x) {
    for (int y = row.top(); y <= row.bottom(); ++y) {
      const QColor pixel = image.pixelColor(x, y);
      if (contrast(pixel, pixels.background) > best) {
        best = contrast(pixel, pixels.background);
        pixels.text = pixel;
      }
    }
  }
  const QColor rowStart = image.pixelColor(row.left(), row.center().y());
  for (int x = row.left(); x < row.left() + 40; ++x) {
    if (image.pixelColor(x, row.center().y()) != rowStart) {
      pixels.boxBorder = image.pixelColor(x, row.center().y());
      break;
    }
  }
  return pixels;
}

TEST(Form1CheckList, EntriesAndTickBoxesStayReadableInEveryState) {
  struct State {
    const char* name;
    bool clicked;  // a click ticks and selects the entry
    bool hovered;
    bool locked;  // the list is disabled for a run
  };
  const State states[] = {{"at rest", false, false, false},
                          {"hovered", false, true, false},
                          {"selected", true, false, false},
                          {"locked", false, false, true},
                          {"selected and locked", true, false, true}};
  for (const State& state : states) {
    SCOPED_TRACE(state.name);
    WindowRig rig;
    rig.plug("SN-A");
    rig.loadAndShow();
    auto* list = rig.control<QListWidget>("SupportedPrinterCheckedListBox");
    if (state.clicked) {
      rig.clickEntry(0);
    }
    auto* start = rig.control<QPushButton>("StartButton");
    const QPoint entry = list->visualItemRect(list->item(0)).center();
    QTest::mouseMove(state.hovered ? list->viewport() : start,
                     state.hovered ? entry : start->rect().center());
    rig.app.window().setPrinterChecklistEnabled(!state.locked);
    WindowRig::deliverEvents();

    const EntryPixels pixels = readEntry(*list, 0);
    EXPECT_GE(contrast(pixels.text, pixels.background), 4.5);
    EXPECT_GE(contrast(pixels.boxBorder, pixels.background), 3.0);
    EXPECT_GT(luminance(pixels.background), 0.5) << "a light ground";
    // The state really shows: a selected or hovered entry has a ground of its own.
    EXPECT_EQ(pixels.background == QColor(245, 255, 250), !state.clicked && !state.hovered);
  }
}

// The longest status text of each language in the first row above a short one, in the order a
// run may write them; and a long serial number above a short one.
TEST(Form1ProgressLists, RowsScrollToShowTheirWholeTextInEveryLanguage) {
  const char* const statusKeys[] = {
      "StrRes_StatusInIdleMode",      "StrRes_StatusSettingFlashMode",
      "StrRes_StatusInFlashMode",     "StrRes_StatusFlashModeFail",
      "StrRes_StatusSendingFhx",      "StrRes_StatusStoringAndUpdating",
      "StrRes_StatusFlashingTimeout", "StrRes_StatusPrinterNotConnected",
      "StrRes_StatusUpdateCompleted", "StrRes_StatusUpdateTimeout",
      "StrRes_StatusPrinterNotFound"};
  for (std::int32_t language = 0; language < kLanguageCount; ++language) {
    WindowRig rig;
    rig.loadAndShow();
    Form1& window = rig.app.window();
    auto* statuses = rig.control<QListWidget>("VUZStatusListBox");
    auto* serials = rig.control<QListWidget>("VUZPrinterListBox");
    window.App_ChangeLanguage(language);
    QString longest;
    for (const char* key : statusKeys) {
      const QString text = rig.text(key);
      if (statuses->fontMetrics().horizontalAdvance(text) >
          statuses->fontMetrics().horizontalAdvance(longest)) {
        longest = text;
      }
    }
    const std::u16string idle = rig.text("StrRes_StatusInIdleMode").toStdU16String();
    window.clearProgressRows();
    window.appendPrinterRow(u"SN-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789");
    window.appendPrinterRow(u"SN-B");
    window.appendStatusRows({idle, idle});
    window.showProgressPage();
    WindowRig::deliverEvents();
    window.replaceStatusRow(0, longest.toStdU16String());
    window.replaceStatusRow(1, rig.text("StrRes_StatusUpdateCompleted").toStdU16String());
    WindowRig::deliverEvents();

    for (QListWidget* list : {statuses, serials}) {
      SCOPED_TRACE(list->objectName().toStdString() + " in language " + std::to_string(language));
      // What the row needs to show its text whole, padding included.
      const int needed = list->sizeHintForIndex(list->model()->index(0, 0)).width();
      EXPECT_GE(list->visualItemRect(list->item(0)).width(), needed);
      EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), needed);
    }
  }
}

class Form1Look : public ::testing::Test {
 protected:
  void SetUp() override {
    rig_.plug("SN-A");
    rig_.plug("SN-B");
    rig_.loadAndShow();
  }
  QListWidget* checkList() { return rig_.control<QListWidget>("SupportedPrinterCheckedListBox"); }
  Form1& window() { return rig_.app.window(); }

  WindowRig rig_;
};

TEST_F(Form1Look, NothingLooksChosenBeforeTheFirstClick) {
  EXPECT_EQ(checkList()->currentItem(), nullptr);
  EXPECT_TRUE(checkList()->selectedItems().isEmpty());
  EXPECT_FALSE(checkList()->hasFocus());
}

TEST_F(Form1Look, TheWindowHasOneSizeThatNeitherTheWindowManagerNorALanguageChanges) {
  const QSize size = window().size();
  EXPECT_GE(size.width(), 907);  // 1361 x 624 drawn at 144 dpi
  EXPECT_GE(size.height(), 416);
  for (int click = 0; click < 4; ++click) {
    rig_.clickButton("LangButton");
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_EQ(window().size(), window().minimumSize());
  }
  EXPECT_EQ(window().windowHandle()->minimumSize(), window().windowHandle()->maximumSize());

  window().showMaximized();
  WindowRig::deliverEvents();
  EXPECT_FALSE(window().isMaximized());
  EXPECT_EQ(window().size(), size);
}

}  // namespace
}  // namespace nobrix::ui::testing
