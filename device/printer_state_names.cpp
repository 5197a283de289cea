// The printer's own names for its state codes, as reported in the status field of its device ID.
#include <array>

#include "device/device_layer.h"

namespace nobrix::device {

namespace {

// Index = state code. Empty entries are codes the printer does not name.
constexpr std::array<std::string_view, 55> kStateNames = {
    "IDLE",
    "INITIALIZING",
    "PRINTING JOB",
    "MANUFACTURING MODE",
    "PRINTING REPORTS",
    "CANCELING JOB",
    "IO STALL",
    "DRY TIME WAIT",
    "COVER/DOOR OPEN [PEN CHANGE]",
    "OUT OF MEDIA (check status)",
    "BANNER EJECT NEEDED",
    "BANNER MISMATCH",
    "PHOTO MISMATCH",
    "DUPLEX MISMATCH",
    "MEDIA JAM",
    "CARRIAGE STALL",
    "PAPER STALL",
    "PEN FAILURE",
    "SEVERE HARD ERROR",
    "POWERING DOWN",
    "FRONT PANEL TEST",
    "DUPLEX MISSING",
    "OUTPUT BIN FULL",
    "",
    "MANUAL DUPLEX BLOCK",
    "SERVICE STALL",
    "OUT OF INK",
    "",
    "PUMP STALL",
    "",
    "DUPLEX MISSING",  // the printer reports this name for two codes
    "REAR TRAY MISSING",
    "PEN NOT LATCHED",
    "",
    "",
    "OUTPUT TRAY",
    "MANUAL FEED BLOCK",
    "REAR FEED BLOCK",
    "TRAY 2 OUT OF PAPER",
    "UNABLE LOAD LOCKED TRAY",
    "NON GENUINE INK",
    "PPC RESUME",
    "",
    "",
    "PEN CLEANING",
    "PEN CHECKING",
    "DUPLEXER INVALID",
    "PICK STALL",
    "MECH ERROR",
    "SUPPLY FAILURE",
    "IDS START REQUIRED",
    "IDS STARTUP",
    "IO INSTALL",
    "MEDIA UPSIDE DOWN",
    "AIO LANGUAGE MENU",
};

}  // namespace

std::string_view printerStateName(int code) {
  if (code < 0 || code >= static_cast<int>(kStateNames.size())) {
    return {};
  }
  return kStateNames[static_cast<std::size_t>(code)];
}

}  // namespace nobrix::device
