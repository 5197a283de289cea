// The firmware file check: does the built-in file name belong to the product this build serves,
// and which build does it carry? Works on the two names only; the image itself is never read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ports/error_box.h"

namespace nobrix::firmware {

// Result codes of Lib_FlashFileValidityCheck.
enum FlashFileCheckResult : std::int32_t {
  kFlashFileMissingName = 0,
  kFlashFileAccepted = 1,
  kFlashFileMismatch = 2,
  kFlashFileUnsigned = 3,
  kFlashFileInvalidExtension = 4,
  kFlashFileUnsupportedProduct = 5,
};

inline constexpr std::size_t kFamilyPrefixChars = 256;
inline constexpr std::int32_t kBuildIdChars = 16;

// Tests, in this order: both names present (else an error box and 0), ".fhx" in the name (4),
// "secure_signed" in the name (3), product in the table (5), the product's family prefix in the
// name (2). On 1 the text after the first prefix up to the next "_" is the build identifier.
// An identifier longer than capacity - 1 is shortened to fit; a null buffer or a capacity of 0 or
// less receives nothing. Uses module state (the family prefix buffer): not re-entrant.
std::int32_t Lib_FlashFileValidityCheck(ports::ErrorBox& errorBox, const char16_t* productName,
                                        const char16_t* fileName, char16_t* buildId,
                                        std::int32_t capacity);

// The family prefix picked by the last check that got as far as the product lookup.
std::u16string_view familyPrefixBuffer();

}  // namespace nobrix::firmware
