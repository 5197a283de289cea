// What the layers below the window need from the language tables: the text of a "StrRes_" key
// in the current language. Plain C++ so that firmware and workflow stay free of Qt.
#pragma once

#include <string>
#include <string_view>

namespace nobrix::ports {

class TextSource {
 public:
  virtual ~TextSource() = default;
  // Empty when the current table has no text for the key.
  virtual std::u16string text(std::string_view key) const = 0;
};

}  // namespace nobrix::ports
