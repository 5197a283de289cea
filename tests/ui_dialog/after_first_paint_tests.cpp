// Start-up work held back until a window's first paint: it runs once, after that paint, and not
// at all for a window that never paints.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "ui/widgets/after_first_paint.h"

namespace nobrix::ui {
namespace {

// A window that notes each paint it has finished, in order with the calls.
class LoggedWindow final : public QWidget {
 public:
  explicit LoggedWindow(std::vector<std::string>& log) : log_(log) {}

 protected:
  void paintEvent(QPaintEvent*) override { log_.push_back("painted"); }

 private:
  std::vector<std::string>& log_;
};

void settle() {
  for (int round = 0; round < 5; ++round) {
    QCoreApplication::processEvents();
  }
}

TEST(AfterFirstPaint, RunsOnceAfterThePaintAndNeverWithoutOne) {
  std::vector<std::string> log;
  LoggedWindow window(log);
  window.resize(120, 80);
  afterFirstPaint(window, [&] { log.push_back("call"); });

  settle();
  EXPECT_TRUE(log.empty()) << "a window not yet shown has not painted";

  window.show();
  settle();
  window.repaint();
  settle();
  ASSERT_GE(log.size(), 3U);
  EXPECT_EQ(log[0], "painted");
  EXPECT_EQ(log[1], "call");
  EXPECT_EQ(std::count(log.begin(), log.end(), "call"), 1) << "later paints run nothing";
}

TEST(AfterFirstPaint, AWindowGoneBeforeItPaintedRunsNothing) {
  int calls = 0;
  {
    QWidget window;
    afterFirstPaint(window, [&] { ++calls; });
  }
  settle();
  EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace nobrix::ui
