// Keys of the command-line programs' own texts in the string tables: what they say on standard
// error beside the window's texts, in the same four languages. Usage errors and --help stay in
// English, as the option names and the manual page do.
#pragma once

#include <string_view>

namespace nobrix::cli::keys {

inline constexpr std::string_view kSerialNotAttached = "StrRes_CliSerialNotAttached";
inline constexpr std::string_view kLeftOutUnknownModel = "StrRes_CliLeftOutUnknownModel";
inline constexpr std::string_view kStopRequested = "StrRes_CliStopRequested";
inline constexpr std::string_view kAlreadyStopping = "StrRes_CliAlreadyStopping";
inline constexpr std::string_view kStoppedSummary = "StrRes_CliStoppedSummary";
inline constexpr std::string_view kLockUnusable = "StrRes_CliLockUnusable";
inline constexpr std::string_view kAnsweredYes = "StrRes_CliAnsweredYes";
inline constexpr std::string_view kAnsweredNo = "StrRes_CliAnsweredNo";
inline constexpr std::string_view kNoPrinterAttached = "StrRes_CliNoPrinterAttached";
inline constexpr std::string_view kNoUsablePrinter = "StrRes_CliNoUsablePrinter";
inline constexpr std::string_view kNoHistoryYet = "StrRes_CliNoHistoryYet";
inline constexpr std::string_view kHistoryUnreadable = "StrRes_CliHistoryUnreadable";
inline constexpr std::string_view kNoHistoryKept = "StrRes_CliNoHistoryKept";

}  // namespace nobrix::cli::keys
