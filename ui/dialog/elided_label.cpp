// Texts arrive with Windows line breaks (CR LF); a lone CR would otherwise be drawn as a box
// or ignored depending on the font, so paragraphs are split on LF and every CR is dropped.
#include "ui/dialog/elided_label.h"

#include <QPainter>
#include <QTextLayout>

namespace nobrix::ui {
namespace {

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
  const QString elided = metrics.elidedText(lineToEnd, Qt::ElideRight, width);
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

QStringList ElidedLabel::visibleLines() const {
  const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  const QFontMetrics metrics(font());
  const int maxLines = std::max(1, area.height() / metrics.lineSpacing());
  QString plain = text();
  plain.remove(QLatin1Char('\r'));

  QStringList shown;
  QString lastLineRest;
  for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
    for (const WrappedLine& line : wrapParagraph(paragraph, font(), area.width())) {
      if (shown.size() == maxLines) {
        shown.back() = withEllipsis(lastLineRest, metrics, area.width());
        return shown;
      }
      shown.append(line.text);
      lastLineRest = line.restOfParagraph;
    }
  }
  return shown;
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  const QStringList lines = visibleLines();
  const int lineSpacing = QFontMetrics(font()).lineSpacing();
  const int textHeight = static_cast<int>(lines.size()) * lineSpacing;
  int top = area.top();
  if (alignment() & Qt::AlignVCenter) {
    top += std::max(0, (area.height() - textHeight) / 2);
  } else if (alignment() & Qt::AlignBottom) {
    top += std::max(0, area.height() - textHeight);
  }
  painter.setPen(palette().color(foregroundRole()));
  for (const QString& line : lines) {
    painter.drawText(QRect(area.left(), top, area.width(), lineSpacing),
                     Qt::AlignLeft | Qt::AlignVCenter, line);
    top += lineSpacing;
  }
}

}  // namespace nobrix::ui
