// The tick boxes of the printer check list. The toolkit derives their border from the list's
// own background, which on MintCream leaves an empty box barely visible; this style keeps the
// toolkit's box and redraws its border dark enough to stand out on every entry background.
// It also frames the entry the keyboard is on, plainly, once the keyboard has moved the focus;
// a click shows its choice by the tick and the selection alone.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace nobrix::ui::window {

class TickBoxStyle final : public QProxyStyle {
 public:
  // At least 3:1 against MintCream and against the light entry highlights of the check list.
  static inline const QColor kBorder{112, 112, 112};
  // The header blue: 9.6:1 on MintCream, 7.6:1 on a selected entry.
  static inline const QColor kFocusFrame{40, 70, 120};

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

 private:
  void drawFocusFrame(const QStyleOption& option, QPainter& painter, const QWidget* widget) const;
};

}  // namespace nobrix::ui::window
