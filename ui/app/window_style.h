// The main window's own colours and style sheets; what it shares with the message dialog
// (lengths, the common colours, fonts, flat buttons) is in ui/widgets/look.h.
#pragma once

#include <QColor>
#include <QString>

#include "ui/widgets/look.h"

namespace nobrix::ui::app::style {

inline const QColor kWarningBackground{247, 255, 250};
inline const QColor kMediumTurquoise{72, 209, 204};
inline const QColor kLightGray{211, 211, 211};
inline const QColor kLangHover{206, 200, 203};
inline const QColor kCaptionButtonHover{186, 200, 203};

// Dark-blue header strip with white bold italic text (list and page headers).
QString headerLabelSheet(const QString& objectName);

}  // namespace nobrix::ui::app::style
