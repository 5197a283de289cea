// A label that wraps its text inside its box and, when the text does not fit, ends the last
// line that fits with an ellipsis instead of clipping it mid-line.
#pragma once

#include <QLabel>

namespace nobrix::ui::app {

class ElidingLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidingLabel(QWidget* parent = nullptr);

  // Single-line labels elide at the right edge; wrapping ones elide their last visible line.
  void setWrapping(bool wrapping) { wrapping_ = wrapping; }

  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList visibleLines(const QRect& box) const;

  bool wrapping_ = false;
};

}  // namespace nobrix::ui::app
