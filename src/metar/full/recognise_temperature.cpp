// Temperature and dew point: [M]TT/[M]DD, [M]TT/, [M]TT///, -T/DD, /////. Pressure: Qpppp,
// Q////, Apppp, A////, and Q 1009, Q1 020 over two groups.

#include <cstring>

#include "metar/codes/chars.hpp"
#include "metar/full/recognisers.hpp"

namespace vantrel::full {
namespace {

using codes::allDigits;
using values::Degrees;

values::Pressure pressureOf(bool altimeter, std::string_view head, std::string_view tail) {
  values::Pressure p;
  p.altimeter = altimeter;
  // Four characters in all, copied one by one: cheaper than a call.
  std::size_t at = 0;
  for (const char c : head) p.digits[at++] = c;
  for (const char c : tail) p.digits[at++] = c;
  p.missing = p.value() == "////";
  return p;
}

}  // namespace

namespace {

// degreesOf, written into `d`: a returned optional would be read back wider than written.
bool readDegrees(std::string_view u, std::string_view typed, Degrees& d) {
  if (u.empty() || u == "//" || u == "///") return true;
  if (u[0] == 'M') {
    d.belowZero = true;
    u.remove_prefix(1);
    typed.remove_prefix(1);
  } else if (u[0] == '-' && u.size() == 2 && codes::isDigit(u[1])) {
    d.belowZero = true;
    d.digits = typed.substr(1);
    return true;
  }
  if (u.size() != 2 || !allDigits(u)) return false;
  d.digits = typed;
  return true;
}

}  // namespace

std::optional<Degrees> degreesOf(std::string_view u, std::string_view typed) {
  Degrees d;
  if (!readDegrees(u, typed, d)) return std::nullopt;
  return d;
}

std::size_t readTemperature(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  const std::size_t slash = u.find('/');
  if (slash == std::string_view::npos || u.size() < 3) return 0;
  if (u == "/////") {
    if (missingGroupAt(c) != MissingGroup::kTemperature) return 0;
    value = values::Temperature{};
    return 1;
  }
  const std::string_view typed = c.typed();
  values::Temperature& t = value.emplace<values::Temperature>();
  if (!readDegrees(u.substr(0, slash), typed.substr(0, slash), t.air) ||
      !readDegrees(u.substr(slash + 1), typed.substr(slash + 1), t.dewPoint) ||
      t.air.digits.empty()) {
    return 0;
  }
  return 1;
}

std::size_t readPressure(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  if (u.size() != 5 || (u[0] != 'Q' && u[0] != 'A')) return 0;
  const std::string_view digits = c.typed().substr(1);
  const bool missing = digits == "////";
  if (!missing && !allDigits(digits)) return 0;
  // Written where it is kept, the four digits in one piece.
  values::Pressure& p = value.emplace<values::Pressure>();
  p.altimeter = u[0] == 'A';
  p.missing = missing;
  std::memcpy(p.digits.data(), digits.data(), p.digits.size());
  return 1;
}

// Q 1009, and Q1 020 or Q101 6: the four digits of the QNH broken by a space.
std::size_t readSplitPressure(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  if (c.i + 1 >= c.groups.size() || u.empty() || u.size() > 4 || u[0] != 'Q') return 0;
  const std::string_view head = c.typed().substr(1);
  const std::string_view next = c.groups[c.i + 1].bytes();
  if ((!head.empty() && !allDigits(head)) || !allDigits(next) || head.size() + next.size() != 4) {
    return 0;
  }
  value = pressureOf(false, head, next);
  return 2;
}

}  // namespace vantrel::full
