// The main window's own colours and style sheets; what it shares with the message dialog
// (lengths, the common colours, fonts, flat buttons) is in ui/widgets/look.h.
#pragma once

#include <QColor>
#include <QString>

#include "ui/widgets/look.h"

namespace nobrix::ui::window::style {

inline const QColor kWarningBackground{247, 255, 250};
inline const QColor kMediumTurquoise{72, 209, 204};
inline const QColor kLightGray{211, 211, 211};
inline const QColor kLangHover{206, 200, 203};
inline const QColor kCaptionButtonHover{186, 200, 203};

// Check list entries: light grounds for the mouse and the selection, grey text once locked.
inline const QColor kEntryHover{225, 238, 250};
inline const QColor kEntrySelected{204, 228, 247};
inline const QColor kEntryLockedText{96, 96, 96};
inline const QColor kEntryLockedSelected{220, 226, 232};
inline const QColor kEntryLockedSelectedText{70, 70, 70};

// The pale yellow of a passing notice over the progress lists.
inline const QColor kNoticeBackground{255, 248, 200};

// Dark-blue header strip with white bold italic text (list and page headers).
QString headerLabelSheet(const QString& objectName);

// The printer check list on MintCream: every entry dark on a light ground (at least 4.5:1)
// whether it is selected, under the mouse, locked for a run, or selected and locked.
QString checkListSheet(const QString& objectName);

// A progress list: white, one row of `rowHeight` pixels per printer, the row of the printer
// being worked on highlighted.
QString progressListSheet(const QString& objectName, int rowHeight);

}  // namespace nobrix::ui::window::style
