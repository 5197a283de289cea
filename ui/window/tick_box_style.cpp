// The box is drawn by the toolkit first so its fill and tick stay as they are everywhere else.
// The toolkit's own focus frame is a faint line; this one is meant to be seen, and only by the
// keyboard's user.
#include "ui/window/tick_box_style.h"

#include <QPainter>
#include <QStyleOption>

namespace nobrix::ui::window {

void TickBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  if (element == PE_FrameFocusRect) {
    drawFocusFrame(*option, *painter, widget);
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element != PE_IndicatorItemViewItemCheck) {
    return;
  }
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(kBorder);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

// The window keeps the attribute from a Tab until the next mouse press.
void TickBoxStyle::drawFocusFrame(const QStyleOption& option, QPainter& painter,
                                  const QWidget* widget) const {
  if (widget == nullptr || !widget->window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(kFocusFrame, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(option.rect.adjusted(1, 1, -1, -1));
  painter.restore();
}

}  // namespace nobrix::ui::window
