// Entries carry the serial number in a mark a screen reader would spell out character by
// character; it is said as words instead.
#include "ui/window/spoken_names.h"

#include <array>

namespace nobrix::ui::window {

namespace {
const QString kSerialMark = QStringLiteral("[SN#:");
}

QString spokenPrinterEntry(const QString& pattern, const QString& entry) {
  const qsizetype mark = entry.indexOf(kSerialMark);
  const qsizetype end = mark < 0 ? -1 : entry.indexOf(QLatin1Char(']'), mark);
  if (end < 0 || pattern.isEmpty()) {
    return entry;
  }
  const qsizetype serialStart = mark + kSerialMark.size();
  const QString said =
      pattern.arg(entry.left(mark).trimmed(), entry.mid(serialStart, end - serialStart).trimmed());
  const QString rest = entry.mid(end + 1).trimmed();
  return rest.isEmpty() ? said : said + QStringLiteral(", ") + rest;
}

QString spokenLanguageButton(const QString& pattern, std::int32_t nextLanguage) {
  static const std::array<QString, 4> kOwnNames = {
      QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Español"),
      QStringLiteral("Français")};
  if (nextLanguage < 0 || nextLanguage >= static_cast<std::int32_t>(kOwnNames.size())) {
    return pattern;
  }
  return QString(pattern).replace(QStringLiteral("%1"),
                                  kOwnNames[static_cast<std::size_t>(nextLanguage)]);
}

}  // namespace nobrix::ui::window
