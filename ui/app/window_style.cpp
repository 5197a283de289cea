// Style sheets are keyed by object name so one widget's colours never leak into its children
// (a button's sheet must not restyle the tooltip or a nested label).
#include "ui/app/window_style.h"

#include <QStringList>

namespace nobrix::ui::app::style {

QFont font(double points, Face face, bool bold, bool italic) {
  QFont result;
  const QString primary =
      face == Face::Semibold ? QStringLiteral("Segoe UI Semibold") : QStringLiteral("Segoe UI");
  result.setFamilies({primary, QStringLiteral("Segoe UI"), QStringLiteral("Noto Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  result.setPointSizeF(points);
  if (bold) {
    result.setWeight(QFont::Bold);
  } else if (face == Face::Semibold) {
    result.setWeight(QFont::DemiBold);
  }
  result.setItalic(italic);
  return result;
}

QString rgb(const QColor& colour) {
  if (colour.alpha() == 0) {
    return QStringLiteral("transparent");
  }
  return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString flatButtonSheet(const QString& objectName, const FlatButtonColours& colours) {
  const QString id = QLatin1Char('#') + objectName;
  QColor dimmed = colours.text;
  dimmed.setAlpha(140);
  // :disabled comes last so that a disabled button under the mouse keeps its resting colour.
  return QStringLiteral(
             "%1 { background-color: %2; color: %3; border: 0px; padding: 0px; }"
             "%1:hover { background-color: %4; }"
             "%1:pressed { background-color: %5; }"
             "%1:disabled { background-color: %2; color: %6; }")
      .arg(id, rgb(colours.background), rgb(colours.text), rgb(colours.hover), rgb(colours.pressed),
           QStringLiteral("rgba(%1, %2, %3, %4)")
               .arg(dimmed.red())
               .arg(dimmed.green())
               .arg(dimmed.blue())
               .arg(dimmed.alpha()));
}

QString headerLabelSheet(const QString& objectName) {
  return QStringLiteral("#%1 { background-color: %2; color: white; padding: 2px 4px; }")
      .arg(objectName, rgb(kHeaderDarkBlue));
}

}  // namespace nobrix::ui::app::style
