// Lines are laid out with QTextLayout so that wrapping follows the same break rules as
// QLabel's own word wrap; only the line that overflows is elided.
#include "ui/app/eliding_label.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <algorithm>

namespace nobrix::ui::app {

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent) {}

QSize ElidingLabel::minimumSizeHint() const {
  // The label never asks for the room its text wants: the text is elided instead.
  return {0, fontMetrics().height()};
}

QStringList ElidingLabel::visibleLines(const QRect& box) const {
  const QFontMetrics metrics(font());
  // Each visual line with the whole text that starts at it, so the last visible line can
  // carry an ellipsis for everything that follows.
  QStringList pieces;
  QStringList tails;
  const QString plain = QString(text()).remove(QLatin1Char('\r'));
  const QStringList paragraphs = plain.split(QLatin1Char('\n'));
  for (qsizetype p = 0; p < paragraphs.size(); ++p) {
    const QString& paragraph = paragraphs[p];
    const QString after = paragraphs.mid(p + 1).join(QLatin1Char(' '));
    QTextLayout layout(paragraph, font());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(wrapping_ ? box.width() : 1e6);
      pieces.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
      tails.append((paragraph.mid(line.textStart()) + QLatin1Char(' ') + after).trimmed());
    }
    layout.endLayout();
  }
  const qsizetype fitting = std::max(1, box.height() / std::max(1, metrics.lineSpacing()));
  QStringList lines;
  for (qsizetype i = 0; i < pieces.size() && i < fitting; ++i) {
    const bool cut = i == fitting - 1 && pieces.size() > fitting;
    const QString shown = cut ? tails[i] + QStringLiteral(" \u2026") : pieces[i];
    lines.append(metrics.elidedText(shown, Qt::ElideRight, box.width()));
  }
  return lines;
}

void ElidingLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QStyleOption option;
  option.initFrom(this);
  style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
  drawFrame(&painter);

  const QRect box = contentsRect().adjusted(margin() + indent(), margin(), -margin(), -margin());
  const QStringList lines = visibleLines(box);
  const QFontMetrics metrics(font());
  const int blockHeight = static_cast<int>(lines.size()) * metrics.lineSpacing();
  int top = box.top();
  if (alignment() & Qt::AlignVCenter) {
    top = box.top() + (box.height() - blockHeight) / 2;
  } else if (alignment() & Qt::AlignBottom) {
    top = box.bottom() - blockHeight;
  }
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
  for (const QString& line : lines) {
    const QRect lineBox(box.left(), top, box.width(), metrics.lineSpacing());
    painter.drawText(lineBox, static_cast<int>(horizontal | Qt::AlignVCenter), line);
    top += metrics.lineSpacing();
  }
}

}  // namespace nobrix::ui::app
