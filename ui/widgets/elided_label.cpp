// Texts arrive with Windows line breaks (CR LF); a lone CR would otherwise be drawn as a box
// or ignored depending on the font, so paragraphs are split on LF and every CR is dropped.
// Lines are laid out with QTextLayout, so wrapping follows the same break rules as QLabel's own.
#include "ui/widgets/elided_label.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <algorithm>

namespace nobrix::ui {
namespace {

// Wide enough for any paragraph on one line: the label elides it instead of wrapping.
constexpr int kUnwrappedLineWidth = 1'000'000;

struct WrappedLine {
  QString text;
  QString restOfParagraph;  // from this line's start to the paragraph's end
};

std::vector<WrappedLine> wrapParagraph(const QString& paragraph, const QFont& font, int width) {
  std::vector<WrappedLine> lines;
  QTextLayout layout(paragraph, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines.push_back({paragraph.mid(line.textStart(), line.textLength()).trimmed(),
                     paragraph.mid(line.textStart())});
  }
  layout.endLayout();
  if (lines.empty()) {
    lines.push_back({QString(), QString()});  // an empty paragraph still takes a line
  }
  return lines;
}

// The last visible line when more text follows: cut where the ellipsis fits, and show the
// ellipsis even when the hidden text starts on a new line.
QString withEllipsis(const QString& lineToEnd, const QFontMetrics& metrics, int width) {
  QString elided = metrics.elidedText(lineToEnd, Qt::ElideRight, width);
  if (elided != lineToEnd) {
    return elided;
  }
  const QChar ellipsis(0x2026);
  QString cut = lineToEnd.trimmed();
  while (!cut.isEmpty() && metrics.horizontalAdvance(cut + ellipsis) > width) {
    cut.chop(1);
  }
  return cut + ellipsis;
}

}  // namespace

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
}

QSize ElidedLabel::minimumSizeHint() const {
  // The text is elided rather than given room, so a long text never widens the layout.
  return {0, fontMetrics().height()};
}

QRect ElidedLabel::textArea() const {
  return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

QStringList ElidedLabel::visibleLines() const {
  const QRect area = textArea();
  const QFontMetrics metrics(font());
  const int maxLines = std::max(1, area.height() / std::max(1, metrics.lineSpacing()));
  const int lineWidth = wordWrap() ? area.width() : kUnwrappedLineWidth;
  QString plain = text();
  plain.remove(QLatin1Char('\r'));

  QStringList shown;
  QString lastLineRest;
  for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
    for (const WrappedLine& line : wrapParagraph(paragraph, font(), lineWidth)) {
      if (shown.size() == maxLines) {
        shown.back() = withEllipsis(lastLineRest, metrics, area.width());
        return shown;
      }
      shown.append(metrics.elidedText(line.text, Qt::ElideRight, area.width()));
      lastLineRest = line.restOfParagraph;
    }
  }
  return shown;
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  // A style sheet's background and border are drawn as for any styled widget.
  QStyleOption option;
  option.initFrom(this);
  style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
  drawFrame(&painter);

  const QRect area = textArea();
  const QStringList lines = visibleLines();
  const int lineSpacing = QFontMetrics(font()).lineSpacing();
  const int textHeight = static_cast<int>(lines.size()) * lineSpacing;
  int top = area.top();
  if (alignment() & Qt::AlignVCenter) {
    top += (area.height() - textHeight) / 2;
  } else if (alignment() & Qt::AlignBottom) {
    top += area.height() - textHeight;
  }
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
  for (const QString& line : lines) {
    painter.drawText(QRect(area.left(), top, area.width(), lineSpacing),
                     static_cast<int>(horizontal | Qt::AlignVCenter), line);
    top += lineSpacing;
  }
}

}  // namespace nobrix::ui

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_elided_label.cpp"
