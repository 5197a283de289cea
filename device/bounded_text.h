// Bounded copies into the layer's fixed wide-text buffers. Every copy keeps its terminator
// inside the destination; text that does not fit is shortened, never written past the end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nobrix::device::detail {

// Copies `text` and a terminator into `destination` of `capacity` characters (capacity >= 1),
// shortened to capacity - 1 characters. Source and destination may overlap. Characters past the
// terminator keep their contents. Returns false when the text had to be shortened.
inline bool copyBounded(char16_t* destination, std::size_t capacity, std::u16string_view text) {
  const std::size_t length = text.size() < capacity ? text.size() : capacity - 1;
  std::char_traits<char16_t>::move(destination, text.data(), length);
  destination[length] = u'\0';
  return length == text.size();
}

template <std::size_t N>
bool copyBounded(char16_t (&destination)[N], std::u16string_view text) {
  return copyBounded(destination, N, text);
}

// The text of a buffer up to its terminator, or all `capacity` characters when there is none.
inline std::u16string_view boundedText(const char16_t* text, std::size_t capacity) {
  std::size_t length = 0;
  while (length < capacity && text[length] != u'\0') {
    ++length;
  }
  return {text, length};
}

}  // namespace nobrix::device::detail
