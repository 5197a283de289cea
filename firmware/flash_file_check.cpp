// The string tests of the firmware file check. The extension and signing tests come before the
// product lookup, so an unsigned or misnamed file is reported as such whatever the product.
#include "firmware/flash_file_check.h"

#include <algorithm>
#include <string_view>

#include "firmware/product_table.h"

namespace nobrix::firmware {
namespace {

constexpr std::u16string_view kErrorBoxCaption = u"VUZ App";
constexpr std::u16string_view kMissingNameText =
    u"AUTO_BUILD ERROR: Firmware file name OR Product name missing!";
constexpr std::u16string_view kExtensionMarker = u".fhx";
constexpr std::u16string_view kSigningMarker = u"secure_signed";
constexpr char16_t kIdentifierEnd = u'_';

// Module state: lives for the whole run and is read only by the check itself.
char16_t gFamilyPrefix[kFamilyPrefixChars]{};

void storeFamilyPrefix(std::u16string_view prefix) {
  const std::size_t length = std::min(prefix.size(), kFamilyPrefixChars - 1);
  std::fill(std::begin(gFamilyPrefix), std::end(gFamilyPrefix), u'\0');
  std::copy_n(prefix.begin(), length, gFamilyPrefix);
}

// Writes the identifier as a terminated string, shortened to what the buffer can hold.
void storeBuildId(std::u16string_view rest, char16_t* buildId, std::int32_t capacity) {
  if (buildId == nullptr || capacity <= 0) {
    return;
  }
  const auto slots = static_cast<std::size_t>(capacity);
  std::fill_n(buildId, slots, u'\0');
  const std::u16string_view identifier = rest.substr(0, rest.find(kIdentifierEnd));
  std::copy_n(identifier.begin(), std::min(identifier.size(), slots - 1), buildId);
}

}  // namespace

std::int32_t Lib_FlashFileValidityCheck(ports::ErrorBox& errorBox, const char16_t* productName,
                                        const char16_t* fileName, char16_t* buildId,
                                        std::int32_t capacity) {
  if (productName == nullptr || fileName == nullptr) {
    errorBox.showErrorBox(kErrorBoxCaption, kMissingNameText);
    return kFlashFileMissingName;
  }
  const std::u16string_view name{fileName};
  if (name.find(kExtensionMarker) == std::u16string_view::npos) {
    return kFlashFileInvalidExtension;
  }
  if (name.find(kSigningMarker) == std::u16string_view::npos) {
    return kFlashFileUnsigned;
  }

  const std::u16string_view prefix = familyPrefixFor(productName);
  storeFamilyPrefix(prefix);
  if (prefix.empty()) {
    return kFlashFileUnsupportedProduct;
  }

  const std::size_t at = name.find(gFamilyPrefix);
  if (at == std::u16string_view::npos) {
    return kFlashFileMismatch;
  }
  storeBuildId(name.substr(at + prefix.size()), buildId, capacity);
  return kFlashFileAccepted;
}

std::u16string_view familyPrefixBuffer() {
  return gFamilyPrefix;
}

}  // namespace nobrix::firmware
