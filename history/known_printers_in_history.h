// What the service history knows of a printer's model: a printer in flash mode reports only the
// flash loader and its serial number, and the history may have recorded that serial number in
// idle mode, with the model's description, in an earlier run.
#pragma once

#include <QString>

#include "ports/known_printers.h"

namespace nobrix::history {

class KnownPrintersInHistory final : public ports::KnownPrinters {
 public:
  explicit KnownPrintersInHistory(QString path) : path_(std::move(path)) {}

  // Reads the file each time (one indexed look-up): a run that just ended counts at once. A file
  // that is missing, unreadable, of another program or of a newer layout knows nothing.
  bool knownAsProduct(std::u16string_view serialNumber,
                      std::u16string_view productName) const override;

 private:
  QString path_;
};

}  // namespace nobrix::history
