// Supplementary groups: wind shear (WS Rdd, WS RWYdd, WS RWY dd, WS ALL RWY, WS TKOF|LDG RWYdd),
// runway state (Rdd[LCR]/EeddBB, Rdd/CLRDBB, ddEeddBB, R/SNOCLO, Rdd/SNOCLO), sea (W[M]TT/Sn,
// W[M]TT/Hhhh), colour state ([BLACK]BLU ...), rainfall (RFmm.m/mmm.m), and a lone M, / or /// for
// an element not reported.

#include <cstring>

#include "metar/codes/chars.hpp"
#include "metar/codes/colour.hpp"
#include "metar/full/recognisers.hpp"

namespace vantrel::full {
namespace {

using codes::allDigits;
using codes::isDigitOrSlash;

// Two digits, or // for not reported.
bool pairOf(std::string_view s) {
  return s.size() == 2 && (allDigits(s) || s == "//");
}

}  // namespace

std::size_t readWindShear(const Context& c, values::GroupValue& value) {
  const std::span<const Group> groups = c.groups;
  const std::size_t i = c.i;
  if (c.u != "WS" || i + 1 >= groups.size()) return 0;
  std::size_t n = 1;
  auto next = [&]() -> std::optional<Upper> {
    return i + n < groups.size() ? upper(groups[i + n]) : std::nullopt;
  };
  std::optional<Upper> a = next();
  if (!a) return 0;
  if (a->view() == "TKOF" || a->view() == "LDG") {
    ++n;
    a = next();
    if (!a) return 0;
  }
  const std::string_view v = a->view();
  values::WindShear shear;
  if (v == "ALL") {
    const std::optional<Upper> b =
        i + n + 1 < groups.size() ? upper(groups[i + n + 1]) : std::nullopt;
    if (!b || b->view() != "RWY") return 0;
    n += 2;
  } else if (v == "RWY" && i + n + 1 < groups.size() && groups[i + n + 1].size() >= 2 &&
             groups[i + n + 1].size() <= 3 && codes::digitsAt(groups[i + n + 1].bytes(), 0, 2)) {
    shear.runway = groups[i + n + 1].bytes();  // WS RWY 06: the runway written apart
    n += 2;
  } else {
    const std::size_t digitsAt = v.starts_with("RWY") ? 3 : v.starts_with("R") ? 1 : 0;
    const std::string_view r = v.substr(digitsAt);
    if (digitsAt == 0 || !codes::isDesignator(r)) return 0;
    shear.runway = groups[i + n].bytes().substr(digitsAt);
    ++n;
  }
  value = shear;
  return n;
}

std::size_t readRunwayState(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  values::RunwayState state;
  if (u == "R/SNOCLO" || u == "SNOCLO") {
    state.aerodromeClosedBySnow = true;
    value = state;
    return 1;
  }
  const std::string_view typed = c.typed();
  std::string_view rest;
  if (u.size() == 8 && (allDigits(u) || (allDigits(u.substr(0, 2)) && u.substr(2, 4) == "CLRD" &&
                                         allDigits(u.substr(6))))) {
    const std::optional<codes::Runway> runway = codes::eightFigureRunwayOf(typed.substr(0, 2));
    if (!runway) return 0;
    state.runway = *runway;
    rest = u.substr(2);
  } else {
    const std::optional<codes::RunwayAt> at = codes::runwayPrefixOf(typed);
    if (u.size() < 9 || !at) return 0;
    state.runway = at->runway;
    rest = u.substr(at->slash + 1);
  }
  if (rest.size() != 6) return 0;
  if (rest == "SNOCLO") {
    state.closedBySnow = true;
    value = state;
    return 1;
  }
  if (rest.starts_with("CLRD")) {
    state.cleared = true;
  } else {
    if (!isDigitOrSlash(rest[0]) || !isDigitOrSlash(rest[1]) || !pairOf(rest.substr(2, 2))) {
      return 0;
    }
    state.deposit = rest[0];
    state.extent = rest[1];
    state.depth = rest.substr(2, 2);
  }
  state.braking = rest.substr(4, 2);
  if (!pairOf(state.braking)) return 0;
  // The digits are the same in capitals: keep views of the group as typed.
  const std::size_t restAt = u.size() - 6;
  if (!state.depth.empty()) state.depth = typed.substr(restAt + 2, 2);
  state.braking = typed.substr(restAt + 4, 2);
  value = state;
  return 1;
}

// W[M]TT/Sn or W[M]TT/Hhhh: sea surface temperature and state of the sea or wave height.
std::size_t readSea(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  if (u.size() < 6 || u[0] != 'W') return 0;
  // The state or the wave height follows the last "/" before its letter.
  const std::size_t letter = u.find_first_of("SH", 1);
  if (letter == std::string_view::npos || letter < 2 || u[letter - 1] != '/') return 0;
  const std::size_t slash = letter - 1;
  const std::string_view typed = c.typed();
  const std::optional<values::Degrees> t =
      degreesOf(u.substr(1, slash - 1), typed.substr(1, slash - 1));
  if (!t) return 0;
  values::Sea sea;
  sea.temperature = *t;
  const std::string_view rest = u.substr(slash + 1);
  if (rest.size() == 2 && rest[0] == 'S' && isDigitOrSlash(rest[1])) {
    sea.state = rest[1];
  } else if (rest == "H///" || rest == "H//") {
    sea.state = '/';
  } else if (rest.size() >= 2 && rest.size() <= 4 && rest[0] == 'H' && allDigits(rest.substr(1))) {
    sea.waveHeight = typed.substr(slash + 2);
  } else {
    return 0;
  }
  value = sea;
  return 1;
}

std::size_t readColourState(const Context& c, values::GroupValue& value) {
  const bool black = c.u.starts_with("BLACK");
  const std::optional<std::size_t> colour = codes::colourOf(black ? c.u.substr(5) : c.u);
  if (!colour) return 0;
  value = values::ColourState{*colour, black};
  return 1;
}

// RFmm.m/mmm.m (Australia), also written RFmm/m/mmm/m with a slash for each decimal point.
std::size_t readRainfall(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  if (u.size() != 12 || !u.starts_with("RF") || (u[4] != '.' && u[4] != '/') || u[6] != '/' ||
      (u[10] != '.' && u[10] != '/') || !allDigits(u.substr(2, 2)) || !codes::isDigit(u[5]) ||
      !allDigits(u.substr(7, 3)) || !codes::isDigit(u[11])) {
    return 0;
  }
  values::Rainfall rainfall;
  std::memcpy(rainfall.text.data(), c.typed().data(), rainfall.text.size());
  rainfall.text[4] = rainfall.text[10] = '.';
  value = rainfall;
  return 1;
}

std::size_t readElementNotReported(const Context& c, values::GroupValue& value) {
  const bool missingGroup = c.u == "/////" && missingGroupAt(c) == MissingGroup::kOther;
  if (c.u != "M" && c.u != "/" && c.u != "///" && !missingGroup) return 0;
  value = values::ElementNotReported{};
  return 1;
}

}  // namespace vantrel::full
