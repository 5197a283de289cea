// The status code each taking-part printer carries through a run, and the text key its status
// row shows for each code or failure.
#pragma once

#include <cstdint>
#include <string_view>

namespace nobrix::workflow {

enum PrinterStatus : std::int32_t {
  kNotTakingPart = 0,
  kInIdleMode = 1,
  kSettingFlashMode = 2,
  kInFlashMode = 3,
  kSendingFirmware = 4,
  kStoringAndUpdating = 5,
  kUpdateCompleted = 6,
  kFailed = 7,
  kStopped = 8,             // a stop came before its turn: never touched
  kStoppedInFlashMode = 9,  // a stop came after its switch: in flash mode, waiting for the image
};

namespace keys {
inline constexpr std::string_view kStatusInIdleMode = "StrRes_StatusInIdleMode";
inline constexpr std::string_view kStatusSettingFlashMode = "StrRes_StatusSettingFlashMode";
inline constexpr std::string_view kStatusInFlashMode = "StrRes_StatusInFlashMode";
inline constexpr std::string_view kStatusFlashModeFail = "StrRes_StatusFlashModeFail";
inline constexpr std::string_view kStatusSendingFhx = "StrRes_StatusSendingFhx";
inline constexpr std::string_view kStatusPrinterNotConnected = "StrRes_StatusPrinterNotConnected";
inline constexpr std::string_view kStatusStoringAndUpdating = "StrRes_StatusStoringAndUpdating";
inline constexpr std::string_view kStatusFlashingTimeout = "StrRes_StatusFlashingTimeout";
inline constexpr std::string_view kStatusUpdateCompleted = "StrRes_StatusUpdateCompleted";
inline constexpr std::string_view kStatusUpdateTimeout = "StrRes_StatusUpdateTimeout";
inline constexpr std::string_view kStatusPrinterNotFound = "StrRes_StatusPrinterNotFound";
inline constexpr std::string_view kStatusFlashModeUnmatched = "StrRes_StatusFlashModeUnmatched";
inline constexpr std::string_view kStatusStopped = "StrRes_StatusStopped";
inline constexpr std::string_view kStatusStoppedInFlashMode = "StrRes_StatusStoppedInFlashMode";
inline constexpr std::string_view kListedInFlashModeKnown = "StrRes_ListedInFlashModeKnown";
inline constexpr std::string_view kListedInFlashModeUnknown = "StrRes_ListedInFlashModeUnknown";
inline constexpr std::string_view kConfirmUnknownModel = "StrRes_ConfirmUnknownModel";
inline constexpr std::string_view kUpdateLocked = "StrRes_UpdateLocked";
inline constexpr std::string_view kDiagnosisNoRights = "StrRes_DiagnosisNoRights";
inline constexpr std::string_view kDiagnosisBusy = "StrRes_DiagnosisBusy";
inline constexpr std::string_view kDiagnosisHeldBy = "StrRes_DiagnosisHeldBy";
inline constexpr std::string_view kProgressUpdateSteps = "StrRes_ProgressUpdateSteps";
inline constexpr std::string_view kConnectPrinter = "StrRes_ConnectPrinter";
inline constexpr std::string_view kSelectPrinter = "StrRes_SelectPrinter";
inline constexpr std::string_view kAllUpdated = "StrRes_AllUpdated";
inline constexpr std::string_view kSomeUpdated = "StrRes_SomeUpdated";
}  // namespace keys

}  // namespace nobrix::workflow
