#pragma once
// Statute miles as North American reports give them: a whole number, a fraction, or both in
// two groups (1 1/2SM), after M (less than) or P (more than). Bound is also the P and M of a
// runway visual range.

#include <optional>
#include <string_view>

#include "metar/codes/chars.hpp"

namespace vantrel::codes {

enum class Bound { kExact, kLessThan, kMoreThan };

// n/n, the denominator not zero.
constexpr bool isFraction(std::string_view s) noexcept {
  const std::size_t slash = s.find('/');
  return slash != std::string_view::npos && slash > 0 && allDigits(s.substr(0, slash)) &&
         allDigits(s.substr(slash + 1)) && !allZeros(s.substr(slash + 1));
}

// One or two digits: whole statute miles, before a fraction or alone.
constexpr bool isWholeMiles(std::string_view s) noexcept {
  return (s.size() == 1 || s.size() == 2) && allDigits(s);
}

struct Miles {
  Bound bound = Bound::kExact;
  std::string_view whole;     // 1 or 2 digits, as typed; empty for a fraction alone
  std::string_view fraction;  // as typed; empty for whole miles
};

// [M|P]n[n] or [M|P]n/n, without the unit, written into `m`; false for another text.
constexpr bool readMiles(std::string_view s, Miles& m) noexcept {
  if (startsWith(s, "M") || startsWith(s, "P")) {
    m.bound = asciiUpper(s[0]) == 'M' ? Bound::kLessThan : Bound::kMoreThan;
    s.remove_prefix(1);
  }
  if (isWholeMiles(s)) {
    m.whole = s;
  } else if (isFraction(s)) {
    m.fraction = s;
  } else {
    return false;
  }
  return true;
}
// n/n below one.
constexpr bool isProperFraction(std::string_view s) noexcept {
  if (!isFraction(s)) return false;
  const std::size_t slash = s.find('/');
  std::string_view n = s.substr(0, slash), d = s.substr(slash + 1);
  while (n.size() > 1 && n.front() == '0') n.remove_prefix(1);
  while (d.size() > 1 && d.front() == '0') d.remove_prefix(1);
  return n.size() < d.size() || (n.size() == d.size() && n < d);
}

// A fraction written glued to the whole miles before it, as Canadian forecasts write 1 1/2 (11/2):
// a fraction of a mile is below one, so an improper n/d whose first digit leaves a proper one
// is that digit and that fraction. False, and `m` unchanged, for any other.
constexpr bool splitGluedFraction(Miles& m) noexcept {
  const std::string_view f = m.fraction;
  if (!m.whole.empty() || !isFraction(f) || f.find('/') < 2) return false;
  const std::size_t slash = f.find('/');
  int numerator = 0, rest = 0, denominator = 0;
  for (std::size_t i = 0; i < slash; ++i) numerator = numerator * 10 + (f[i] - '0');
  for (std::size_t i = 1; i < slash; ++i) rest = rest * 10 + (f[i] - '0');
  for (std::size_t i = slash + 1; i < f.size(); ++i) denominator = denominator * 10 + (f[i] - '0');
  if (numerator < denominator || rest == 0 || rest >= denominator || f[1] == '0') return false;
  m.whole = f.substr(0, 1);
  m.fraction = f.substr(1);
  return true;
}

// The same, or nothing.
constexpr std::optional<Miles> milesOf(std::string_view s) noexcept {
  Miles m;
  if (!readMiles(s, m)) return std::nullopt;
  return m;
}

}  // namespace vantrel::codes
