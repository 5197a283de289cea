// What the program already knows of a printer from earlier runs. A printer in flash mode reports
// only the flash loader's identity and its serial number, never its model, and every model of
// the family reports the same; only a record of that serial number as this product makes it safe
// to send it this product's image without asking.
#pragma once

#include <string_view>

namespace nobrix::ports {

class KnownPrinters {
 public:
  virtual ~KnownPrinters() = default;
  // True when a printer with this serial number was recorded as the product `productName`.
  // Never throws; a record that cannot be read knows nothing.
  virtual bool knownAsProduct(std::u16string_view serialNumber,
                              std::u16string_view productName) const = 0;
};

// Knows no printer: every printer in flash mode is of unknown model.
const KnownPrinters& noKnownPrinters();

}  // namespace nobrix::ports
