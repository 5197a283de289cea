// Style sheets are keyed by object name so one widget's colours never leak into its children
// (a button's sheet must not restyle the tooltip or a nested label). Fonts are set per widget
// because a style sheet cannot express a family fallback list portably.
#include "ui/widgets/look.h"

#include <QStringList>

namespace nobrix::ui::look {
namespace {

QString rgba(const QColor& colour) {
  return QStringLiteral("rgba(%1, %2, %3, %4)")
      .arg(colour.red())
      .arg(colour.green())
      .arg(colour.blue())
      .arg(colour.alpha());
}

}  // namespace

QFont font(double points, Face face, bool bold, bool italic) {
  QFont result;
  const QString primary =
      face == Face::Semibold ? QStringLiteral("Segoe UI Semibold") : QStringLiteral("Segoe UI");
  result.setFamilies({primary, QStringLiteral("Segoe UI"), QStringLiteral("Noto Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  result.setStyleHint(QFont::SansSerif);
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
  QColor disabledText = colours.disabledText;
  if (!disabledText.isValid()) {
    disabledText = colours.text;
    disabledText.setAlpha(140);
  }
  // :disabled comes last so that a disabled button under the mouse keeps its resting colour.
  return QStringLiteral(
             "%1 { background-color: %2; color: %3; border: 0px; padding: 0px; }"
             "%1:hover { background-color: %4; }"
             "%1:pressed { background-color: %5; }"
             "%1:focus { border: 2px solid %3; }"
             "%1:disabled { background-color: %2; color: %6; border: 0px; }")
      .arg(id, rgb(colours.background), rgb(colours.text), rgb(colours.hover), rgb(colours.pressed),
           rgba(disabledText));
}

}  // namespace nobrix::ui::look
