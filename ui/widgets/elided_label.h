// A plain-text label that never asks for the room its text wants: it wraps at word boundaries
// (or, with word wrap off, keeps each paragraph on one line), keeps CR LF line breaks, and ends
// the last line that fits with an ellipsis when the text does not fit.
#pragma once

#include <QLabel>
#include <QStringList>

namespace nobrix::ui {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  // Word wrap starts on; setWordWrap(false) makes a single-line label that elides at its right.
  explicit ElidedLabel(QWidget* parent = nullptr);

  // The lines as painted in the label's current size, ellipsis included.
  QStringList visibleLines() const;

  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect textArea() const;
};

}  // namespace nobrix::ui
