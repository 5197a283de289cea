// What assistive technology says for controls whose text is a picture or a code: a check list
// entry by its printer and serial number, the language button by the language it switches to.
#pragma once

#include <QString>
#include <cstdint>

namespace nobrix::ui::window {

// `entry` ("SALVENOR LRX5303[SN#:CN1]") as `pattern` ("Printer %1, serial number %2") says it,
// with whatever follows the serial mark kept; an entry without the mark is said as it is.
QString spokenPrinterEntry(const QString& pattern, const QString& entry);

// `pattern` ("Language: switch to %1") with the next language named in its own words, so that
// a person finds their language even in a window they cannot read.
QString spokenLanguageButton(const QString& pattern, std::int32_t nextLanguage);

}  // namespace nobrix::ui::window
