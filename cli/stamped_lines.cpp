// "<stamp>  <serial>  <status text>" for a row; the step label only when it changes.
#include "cli/stamped_lines.h"

namespace nobrix::cli {

void StampedLines::diagnosisChanged(const std::vector<std::u16string>& lines) {
  for (const auto& line : lines) {
    print(line);
  }
}

void StampedLines::stepLabelChanged(const std::u16string& label) {
  if (label != label_) {
    label_ = label;
    print(label);
  }
}

void StampedLines::rowChanged(int, const std::u16string& serial, const std::u16string& text) {
  print(serial + u"  " + text);
}

void StampedLines::print(const std::u16string& text) {
  console_.line(stamp_() + "  " + oneLine(text));
}

}  // namespace nobrix::cli
