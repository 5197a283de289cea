// The box is drawn by the toolkit first so its fill and tick stay as they are everywhere else.
#include "ui/window/tick_box_style.h"

#include <QPainter>
#include <QStyleOption>

namespace nobrix::ui::window {

void TickBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
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

}  // namespace nobrix::ui::window
