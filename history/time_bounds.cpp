// A small scanner over fixed-width fields: ISO 8601's extended form as RFC 3339 profiles it, the
// date alone allowed, the seconds optional.
#include "history/time_bounds.h"

#include <cctype>
#include <string>

namespace nobrix::history {

namespace {

using namespace std::chrono;

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // Exactly `count` digits, read as one number no greater than `most`.
  std::optional<int> number(std::size_t count, int most) {
    if (text_.size() < count) {
      return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
      if (std::isdigit(static_cast<unsigned char>(text_[i])) == 0) {
        return std::nullopt;
      }
      value = value * 10 + (text_[i] - '0');
    }
    text_.remove_prefix(count);
    return value <= most ? std::optional<int>(value) : std::nullopt;
  }

  bool take(char c) {
    if (text_.empty() || text_.front() != c) {
      return false;
    }
    text_.remove_prefix(1);
    return true;
  }

  bool atEnd() const { return text_.empty(); }

 private:
  std::string_view text_;
};

std::optional<sys_days> readDate(Scanner& scan) {
  const auto year = scan.number(4, 9999);
  const auto month = year && scan.take('-') ? scan.number(2, 12) : std::nullopt;
  const auto day = month && scan.take('-') ? scan.number(2, 31) : std::nullopt;
  if (!day) {
    return std::nullopt;
  }
  const year_month_day date{std::chrono::year(*year),
                            std::chrono::month(static_cast<unsigned>(*month)),
                            std::chrono::day(static_cast<unsigned>(*day))};
  return date.ok() ? std::optional<sys_days>(date) : std::nullopt;
}

// Up to nine digits of a second, kept to the millisecond.
std::optional<milliseconds> readFraction(Scanner& scan) {
  int digits = 0;
  int millis = 0;
  while (digits < 9) {
    const auto digit = scan.number(1, 9);
    if (!digit) {
      break;
    }
    millis = digits < 3 ? millis * 10 + *digit : millis;
    ++digits;
  }
  for (int scale = digits; scale < 3; ++scale) {
    millis *= 10;
  }
  return digits > 0 ? std::optional<milliseconds>(millis) : std::nullopt;
}

std::optional<milliseconds> readTime(Scanner& scan) {
  const auto hours = scan.number(2, 23);
  const auto minutes = hours && scan.take(':') ? scan.number(2, 59) : std::nullopt;
  if (!minutes) {
    return std::nullopt;
  }
  milliseconds time = std::chrono::hours(*hours) + std::chrono::minutes(*minutes);
  if (scan.take(':')) {
    const auto seconds = scan.number(2, 59);
    const auto fraction = seconds && scan.take('.') ? readFraction(scan) : milliseconds(0);
    if (!seconds || !fraction) {
      return std::nullopt;
    }
    time += std::chrono::seconds(*seconds) + *fraction;
  }
  return time;
}

// How far the zone is ahead of UTC; none written is UTC.
std::optional<minutes> readZone(Scanner& scan) {
  if (scan.atEnd() || scan.take('Z')) {
    return minutes(0);
  }
  const bool ahead = scan.take('+');
  if (!ahead && !scan.take('-')) {
    return std::nullopt;
  }
  const auto hours = scan.number(2, 23);
  const auto rest = hours && scan.take(':') ? scan.number(2, 59) : std::nullopt;
  if (!rest) {
    return std::nullopt;
  }
  const minutes offset = std::chrono::hours(*hours) + minutes(*rest);
  return ahead ? offset : -offset;
}

}  // namespace

std::optional<TypedMoment> parseMoment(std::string_view text) {
  Scanner scan(text);
  const auto date = readDate(scan);
  if (!date) {
    return std::nullopt;
  }
  if (scan.atEnd()) {
    return TypedMoment{*date, true};
  }
  const auto time = scan.take('T') ? readTime(scan) : std::nullopt;
  const auto zone = time ? readZone(scan) : std::nullopt;
  if (!zone || !scan.atEnd()) {
    return std::nullopt;
  }
  return TypedMoment{*date + *time - *zone, false};
}

std::optional<Moment> rangeStart(std::string_view text) {
  const auto moment = parseMoment(text);
  return moment ? std::optional<Moment>(moment->at) : std::nullopt;
}

std::optional<Moment> rangeEnd(std::string_view text) {
  const auto moment = parseMoment(text);
  if (!moment) {
    return std::nullopt;
  }
  return moment->dateOnly ? moment->at + days(1) : moment->at;
}

}  // namespace nobrix::history
