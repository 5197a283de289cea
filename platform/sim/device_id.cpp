// The IEEE 1284 device IDs the simulated printers report, in normal and in flash mode.
#include <cstdio>

#include "platform/sim/sim_state.h"

namespace nobrix::platform::sim::detail {

namespace {

// A status value in the shape the product line reports: hex flag groups, with the printer's
// state code in the two characters at offsets 16 and 17 of the value.
constexpr const char* kStatusHead = "0380008000020020";
constexpr const char* kStatusTail = "2c1f00000000000000000000";

std::string statusValue(int statusCode) {
  // Only the low byte fits the two digits; other codes are for raw IDs to express.
  char digits[3];
  std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(statusCode) & 0xFFu);
  return std::string(kStatusHead) + digits + kStatusTail;
}

std::string serialField(const PrinterScript& script) {
  return script.serial ? "SN:" + *script.serial + ";" : std::string();
}

}  // namespace

std::string normalDeviceId(const PrinterScript& script) {
  if (script.rawDeviceId) {
    return *script.rawDeviceId;
  }
  std::string id = "MFG:" + script.manufacturer + ";MDL:" + script.model +
                   ";CMD:PCL3GUI,PJL;CLS:PRINTER;" + serialField(script);
  if (script.hasStatusField) {
    id += "S:" + statusValue(script.statusCode) + ";";
  }
  return id;
}

std::string flashDeviceId(const PrinterScript& script) {
  const std::string serial =
      script.flashSerial ? "SN:" + *script.flashSerial + ";" : serialField(script);
  return "MFG:" + script.flashManufacturer + ";MDL:" + script.flashModel +
         ";CMD:SREC;CLS:PRINTER;" + serial + "DES:firmware loader;";
}

}  // namespace nobrix::platform::sim::detail
