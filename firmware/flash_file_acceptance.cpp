// Turns a firmware check result into the user's message. Runs once on the window thread while
// the main window loads; a refusal closes the tool, so exactly one message is shown for it.
#include "firmware/flash_file_acceptance.h"

#include <exception>

#include "firmware/flash_file_check.h"
#include "nobrix/build_constants.h"
#include "platform/text_encoding.h"

namespace nobrix::firmware {
namespace {

void showPlainMessage(ports::MessageSink& messages, std::u16string_view text) {
  if (!text.empty()) {
    messages.showMessage(ports::kPlainMessage, text, 0, 0);
  }
}

// Used while reporting an exception: a failing dialog must not throw out of the check.
void showErrorQuietly(ports::MessageSink& messages, const char* what) {
  try {
    showPlainMessage(messages, platform::fromUtf8(what));
  } catch (...) {
  }
}

}  // namespace

std::string_view flashFileMessageKey(std::int32_t result) {
  switch (result) {
    case kFlashFileAccepted:
      return {};
    case kFlashFileMissingName:
      return "StrRes_FhxFileMissing";
    case kFlashFileMismatch:
      return "StrRes_FhxMismatch";
    case kFlashFileUnsigned:
      return "StrRes_FhxUnsigned";
    case kFlashFileInvalidExtension:
      return "StrRes_FhxInvalidExtension";
    case kFlashFileUnsupportedProduct:
      return "StrRes_FhxUnsupportedProduct";
    default:
      return "StrRes_FhxFileError";
  }
}

std::int32_t acceptFlashFile(const char16_t* productName, const char16_t* fileName,
                             std::u16string& buildId, ports::ErrorBox& errorBox,
                             const ports::TextSource& texts, ports::MessageSink& messages) {
  try {
    char16_t buffer[kBuildIdChars]{};
    const std::int32_t result =
        Lib_FlashFileValidityCheck(errorBox, productName, fileName, buffer, kBuildIdChars);
    if (result == kFlashFileAccepted) {
      buildId = buffer;
      return 1;
    }
    showPlainMessage(messages, texts.text(flashFileMessageKey(result)));
    return 0;
  } catch (const std::exception& error) {
    showErrorQuietly(messages, error.what());
  } catch (...) {
    // Nothing to tell beyond the refusal itself.
  }
  return 0;
}

std::int32_t acceptBuiltInFirmware(std::u16string& buildId, ports::ErrorBox& errorBox,
                                   const ports::TextSource& texts, ports::MessageSink& messages) {
  return acceptFlashFile(build::kProductNameWide.c_str(), build::kFirmwareFileNameWide.c_str(),
                         buildId, errorBox, texts, messages);
}

}  // namespace nobrix::firmware
