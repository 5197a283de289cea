// Style sheets are keyed by object name so one widget's colours never leak into its children.
#include "ui/window/window_style.h"

namespace nobrix::ui::window::style {

QString headerLabelSheet(const QString& objectName) {
  return QStringLiteral("#%1 { background-color: %2; color: white; padding: 2px 4px; }")
      .arg(objectName, look::rgb(look::kDarkBlue));
}

QString checkListSheet(const QString& objectName) {
  // Later rules win over earlier ones of the same weight: a selected entry under the mouse
  // shows as selected.
  return QStringLiteral(
             "#%1 { background: %2; color: black; }"
             "#%1::item { padding: 3px 2px; border: 0px; color: black; }"
             "#%1::item:hover { background: %3; color: black; }"
             "#%1::item:selected { background: %4; color: black; }"
             "#%1::item:disabled { background: %2; color: %5; }"
             "#%1::item:selected:disabled { background: %6; color: %7; }")
      .arg(objectName, look::rgb(look::kMintCream), look::rgb(kEntryHover),
           look::rgb(kEntrySelected), look::rgb(kEntryLockedText), look::rgb(kEntryLockedSelected),
           look::rgb(kEntryLockedSelectedText));
}

QString progressListSheet(const QString& objectName, int rowHeight) {
  // Every item state gets the same box, or a selected row's text would shift sideways.
  return QStringLiteral(
             "#%1 { background: white; border: 1px solid %2; }"
             "#%1::item { height: %3px; padding: 0px 4px; border: 0px;"
             " margin: 0px; color: black; }"
             "#%1::item:selected { padding: 0px 4px; border: 0px;"
             " margin: 0px; background: %4; color: white; }")
      .arg(objectName, look::rgb(kLightGray))
      .arg(rowHeight)
      .arg(look::rgb(look::kHoverBlue));
}

}  // namespace nobrix::ui::window::style
