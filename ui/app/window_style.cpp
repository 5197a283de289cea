// Style sheets are keyed by object name so one widget's colours never leak into its children.
#include "ui/app/window_style.h"

namespace nobrix::ui::app::style {

QString headerLabelSheet(const QString& objectName) {
  return QStringLiteral("#%1 { background-color: %2; color: white; padding: 2px 4px; }")
      .arg(objectName, look::rgb(look::kDarkBlue));
}

}  // namespace nobrix::ui::app::style
