#include "cli/printer_json.h"

#include "cli/exit_codes.h"
#include "device/device_layer.h"
#include "workflow/printer_status.h"

namespace nobrix::cli {

QString qText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

const char* statusName(std::int32_t status) {
  using namespace workflow;
  switch (status) {
    case kInIdleMode:
      return "idle";
    case kSettingFlashMode:
      return "setting-flash-mode";
    case kInFlashMode:
      return "in-flash-mode";
    case kSendingFirmware:
      return "sending";
    case kStoringAndUpdating:
      return "storing-and-updating";
    case kUpdateCompleted:
      return "updated";
    case kFailed:
      return "failed";
    case kStopped:
      return "stopped";
    case kStoppedInFlashMode:
      return "stopped-in-flash-mode";
    default:
      return "not-taking-part";
  }
}

QJsonObject printerJson(const workflow::headless::ListedPrinter& printer, const char* reason) {
  return QJsonObject{{"serial", qText(printer.serial)},
                     {"description", qText(printer.description)},
                     {"path", qText(printer.path)},
                     {"reason", reason}};
}

QJsonObject unusableJson(const platform::UnusableInterface& printer, std::u16string_view text) {
  using Reason = platform::UnusableInterface::Reason;
  const device::DeviceIdentity identity = device::identityOfDeviceId(printer.deviceId);
  return QJsonObject{
      {"serial", qText(identity.serialNumber)},
      {"description", qText(identity.description)},
      {"path", qText(printer.path)},
      {"reason", printer.reason == Reason::NoRights ? "no-rights" : "busy"},
      {"holder", printer.heldBy.empty() ? QJsonValue() : QString::fromStdString(printer.heldBy)},
      {"text", qText(text)}};
}

QJsonArray rowsJson(const std::vector<workflow::headless::FinalRow>& rows) {
  QJsonArray printers;
  for (const auto& row : rows) {
    printers.append(QJsonObject{{"serial", qText(row.serial)},
                                {"path", qText(row.path)},
                                {"status", statusName(row.status)},
                                {"statusCode", row.status},
                                {"failedStep", row.failedStep},
                                {"bytesAccepted", static_cast<qint64>(row.bytesAccepted)},
                                {"text", qText(row.text)}});
  }
  return printers;
}

QJsonArray linesJson(const std::vector<std::string>& lines) {
  QJsonArray array;
  for (const auto& line : lines) {
    array.append(QString::fromStdString(line));
  }
  return array;
}

// A stop is said whatever the run had reached, so a script can tell a stopped run from a failed
// one; the printers' own statuses say what the stop left.
int exitCodeOf(workflow::StartRefusal refusal, bool runFinished, bool stopped, bool allUpdated) {
  using workflow::StartRefusal;
  if (refusal == StartRefusal::kLocked) {
    return kExitLocked;
  }
  if (refusal == StartRefusal::kNoImage) {
    return kExitRefused;
  }
  if (stopped && runFinished) {
    return kExitStopped;
  }
  return runFinished && allUpdated ? kExitAllUpdated : kExitSomeNotUpdated;
}

const char* resultName(int exitCode) {
  switch (exitCode) {
    case kExitAllUpdated:
      return "updated";
    case kExitUsage:
      return "usage";
    case kExitNoPrinter:
      return "no-printer";
    case kExitRefused:
      return "refused";
    case kExitStopped:
      return "stopped";
    case kExitLocked:
      return "locked";
    case kExitHistoryNotKept:
      return "updated-not-recorded";
    default:
      return "not-updated";
  }
}

}  // namespace nobrix::cli
