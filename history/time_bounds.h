// The moments a history listing is limited by, as a technician types them: a date, or a date and
// a time of day, in UTC unless a zone follows. Nothing else is read as a moment: a typing error
// must not list other runs (or, in a script, quietly miss some).
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace nobrix::history {

using Moment = std::chrono::sys_time<std::chrono::milliseconds>;

struct TypedMoment {
  Moment at;
  bool dateOnly = false;
};

// "2026-12-09", "2026-12-09T14:30", "2026-12-09T14:30:15" or "2026-12-09T14:30:15.250" (up to 9
// digits, kept to the millisecond), a time optionally followed by "Z" or an offset from UTC
// ("+01:00", "-05:30"). None for anything else.
std::optional<TypedMoment> parseMoment(std::string_view text);

// A range includes its start and excludes its end; a date alone as the end counts that whole day.
std::optional<Moment> rangeStart(std::string_view text);
std::optional<Moment> rangeEnd(std::string_view text);

}  // namespace nobrix::history
