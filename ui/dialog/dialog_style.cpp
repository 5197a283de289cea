// One style sheet for the whole dialog keeps the colours in one place; fonts are set per
// widget (see look::font).
#include "ui/dialog/dialog_style.h"

#include "ui/widgets/look.h"

namespace nobrix::ui::dialog_style {

QString styleSheet() {
  using look::rgb;
  // The page container shows the light face colour of a tab control as a thin frame around
  // the white pages.
  return QStringLiteral(
             "#UI_Message { background-color: %1; }"
             "#UI_CaptionLabel, #UI_InfoPicBox { background-color: %2; color: white; }"
             "#MainTabControl { background-color: rgb(240, 240, 240); }"
             "#MessageTabPage, #ResultTabPage, #ProgressTabPage, #UI_UpdatedPanel,"
             " #UI_MessageLabel, #UI_ResultLabel, #UI_ProgressMsgLabel, #UI_UpdatedPicBox,"
             " #UI_UpdatedPrintersLabel, #UI_ProgressBarLabel"
             " { background-color: white; color: black; }"
             "#UI_PrinterPicBox { background-color: %3; }")
             .arg(rgb(look::kFrameBlue), rgb(look::kFirebrick), rgb(look::kOrchid)) +
         look::flatButtonSheet(QStringLiteral("UI_OkButton"),
                               {look::kDarkBlue, look::kHoverBlue, look::kDarkBlue, Qt::white,
                                QColor(135, 150, 175)});
}

}  // namespace nobrix::ui::dialog_style
