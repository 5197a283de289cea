// The window-level side of the firmware file check: runs it on the build's two constants, tells
// the user why a file is refused, in the current language, and hands back the build identifier.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ports/error_box.h"
#include "ports/message_sink.h"
#include "ports/text_source.h"

namespace nobrix::firmware {

// The language key of the message for a check result; empty for 1 (nothing to say).
std::string_view flashFileMessageKey(std::int32_t result);

// 1 when the build's firmware file suits the build's product, with the identifier stored in
// `buildId`; else 0 after the reason has been shown (buildId keeps its value). No exception
// leaves it: one raised on the way is shown by its text and counts as a refusal.
std::int32_t acceptBuiltInFirmware(std::u16string& buildId, ports::ErrorBox& errorBox,
                                   const ports::TextSource& texts, ports::MessageSink& messages);

// The same for any pair of names; acceptBuiltInFirmware passes the build constants.
std::int32_t acceptFlashFile(const char16_t* productName, const char16_t* fileName,
                             std::u16string& buildId, ports::ErrorBox& errorBox,
                             const ports::TextSource& texts, ports::MessageSink& messages);

}  // namespace nobrix::firmware
