// The message dialog's style sheet. Lengths, fonts and the colours it shares with the main
// window are in ui/widgets/look.h.
#pragma once

#include <QString>

namespace nobrix::ui::dialog_style {

// The colours of every part of the dialog, keyed by the controls' object names.
QString styleSheet();

}  // namespace nobrix::ui::dialog_style
