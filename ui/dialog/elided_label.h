// A plain-text label that wraps at word boundaries, keeps CR LF line breaks, and cuts the last
// line that fits with an ellipsis when the text is taller than the label.
#pragma once

#include <QLabel>
#include <QStringList>

namespace nobrix::ui {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  // The lines as painted in the label's current size, ellipsis included.
  QStringList visibleLines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace nobrix::ui
