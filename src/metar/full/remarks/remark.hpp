#pragma once
// What the remark readers share: the helpers over their groups and the places. A reader
// recognises the groups of one remark form and returns its value; the readers are declared
// beside their values in remark_kinds.hpp, and dispatch.cpp tries them in order.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "metar/codes/chars.hpp"
#include "metar/codes/compass.hpp"
#include "metar/codes/miles.hpp"
#include "metar/codes/runway.hpp"
#include "metar/group_cursor.hpp"
#include "metar/remark_kinds.hpp"

namespace vantrel::remarks {

using codes::allDigits;
using codes::allSlashes;
using codes::allZeros;
using codes::digitsAt;
using codes::endsWith;
using codes::is;
using codes::isDigit;
using codes::startsWith;

// The text of group i, or nothing past the end.
inline string_view at(Groups gs, std::size_t i) {
  return i < gs.size() ? gs[i].bytes() : string_view{};
}

// A time of the remarks: hhmm, or mm within the hour of the report.
inline bool isTime(string_view s) {
  return (s.size() == 2 || s.size() == 4) && allDigits(s);
}

// A runway designator after RWY (RWY27L), or nothing.
inline string_view runwayAfterRwy(string_view s) {
  return startsWith(s, "RWY") && codes::isDesignator(s.substr(3)) ? s.substr(3) : string_view{};
}

// The index of `s` (any case) in a table of codes, or nothing.
template <class Table>
std::optional<std::uint8_t> indexOf(const Table& codes, string_view s) {
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (is(s, codes[i])) return static_cast<std::uint8_t>(i);
  }
  return std::nullopt;
}

// --- Places (places.cpp) --------------------------------------------------------------------

// A compass point or a range of them (NE, NE-SE-SW; a point may be written out, NORTH).
bool isDirection(string_view s);
// NORTH EAST: one point written in two words, or kNone.
codes::Compass compassPair(string_view a, string_view b);
// 10KM: a distance in kilometres.
bool isKilometres(string_view s);
// DSNT, VC, OHD, ALQDS and their spellings.
bool isPlaceWord(string_view s);
// The places from group i (FMH-1: DSNT, VC, OHD, ALQDS, compass points and ranges joined by AND
// or THRU, then MOV and a direction, or STNR), and the groups they take (0: none).
std::size_t readPlaces(Groups gs, std::size_t i, Places& places);

}  // namespace vantrel::remarks
