// The record that knows no printer.
#include "ports/known_printers.h"

namespace nobrix::ports {

namespace {

class NoKnownPrinters final : public KnownPrinters {
 public:
  bool knownAsProduct(std::u16string_view, std::u16string_view) const override { return false; }
};

}  // namespace

const KnownPrinters& noKnownPrinters() {
  static const NoKnownPrinters none;
  return none;
}

}  // namespace nobrix::ports
