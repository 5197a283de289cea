// The record handed to the message dialog: what to show and in which mode.
#pragma once

#include <QString>
#include <cstdint>

#include "ports/message_sink.h"

namespace nobrix::ui {

// The message types the layers below ask for are the dialog's own modes.
using ports::kPlainMessage;
using ports::kProgressMessage;
using ports::kResultMessage;
using ports::MessageType;

struct UI_MessageInfo {
  QString CaptionStr;                // text of the red caption bar
  QString MessageStr;                // the message, the progress text or the result text
  QString ResultMsg;                 // tail of a result's count line; empty otherwise
  std::int32_t TotalPrinters = 0;    // result mode: printers the run was asked to update
  std::int32_t UpdatedPrinters = 0;  // result mode: printers updated
  std::int32_t MsgType = 0;          // a MessageType: 1 plain, 2 progress, 3 result
  // The window's title in task lists ("... VUZ – Result"), so it is not taken for the main
  // window's; empty: the caption.
  QString TitleStr = QString();
};

}  // namespace nobrix::ui
