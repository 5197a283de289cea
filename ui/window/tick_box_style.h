// The tick boxes of the printer check list. The toolkit derives their border from the list's
// own background, which on MintCream leaves an empty box barely visible; this style keeps the
// toolkit's box and redraws its border dark enough to stand out on every entry background.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace nobrix::ui::window {

class TickBoxStyle final : public QProxyStyle {
 public:
  // At least 3:1 against MintCream and against the light entry highlights of the check list.
  static inline const QColor kBorder{112, 112, 112};

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace nobrix::ui::window
