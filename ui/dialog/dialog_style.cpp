// One style sheet for the whole dialog keeps the colours in one place; fonts are set per
// widget because a style sheet cannot express a family fallback list portably.
#include "ui/dialog/dialog_style.h"

#include <QStringList>

namespace nobrix::ui::dialog_style {
namespace {

QString rgb(const QColor& colour) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

}  // namespace

QFont uiFont(int pointSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize);
  font.setBold(bold);
  return font;
}

QString styleSheet() {
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
             "#UI_PrinterPicBox { background-color: %3; }"
             "#UI_OkButton { background-color: %4; color: white; border: 0px; }"
             "#UI_OkButton:hover { background-color: %5; }"
             "#UI_OkButton:pressed { background-color: %4; }"
             "#UI_OkButton:disabled { background-color: %4; color: rgb(135, 150, 175); }")
      .arg(rgb(kFrameBlue), rgb(kFirebrick), rgb(kOrchid), rgb(kButtonBlue), rgb(kButtonHoverBlue));
}

}  // namespace nobrix::ui::dialog_style
