// A short notice laid over the bottom of the progress lists, saying why the window refused to
// close while a run goes on. It takes no input and blocks nothing: a modal box would hold up
// the run's own pumping of the window until someone answered it.
#pragma once

#include <QLabel>

class QTimer;

namespace nobrix::ui::window {

class RunNotice final : public QLabel {
  Q_OBJECT

 public:
  // Long enough to read twice; every new refusal shows it afresh.
  static constexpr int kShownMs = 6000;

  // Lies over the bottom of `area`, following its size.
  explicit RunNotice(QWidget* area);

  void showText(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();

  QTimer* hideTimer_ = nullptr;
};

}  // namespace nobrix::ui::window
