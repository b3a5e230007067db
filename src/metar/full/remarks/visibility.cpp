// The visibility and sky remarks: VIS, TWR VIS and SFC VIS with their variable, sector and second
// location forms, VIS MIN, the ceiling (CIG), a variable sky cover, and the sensors at a second
// location (VISNO, CHINO).

#include "metar/full/remarks/remark.hpp"

namespace vantrel::remarks {
namespace {

using codes::isFraction;
using codes::isWholeMiles;
using codes::Miles;

// Metres: "1400", "9999" (10 kilometres or more), "2500M".
bool isMetres(string_view s) {
  if (endsWith(s, "M") && s.size() >= 2) s.remove_suffix(1);
  return s.size() == 4 && allDigits(s);
}
MetresValue metresOf(string_view s) {
  if (endsWith(s, "M")) s.remove_suffix(1);
  return MetresValue{s, s == "9999"};
}

// RWYnn or RWYnn/nn, a runway or both its ends: the designators.
string_view runwayPlaceOf(string_view s) {
  if (!startsWith(s, "RWY")) return {};
  const string_view r = s.substr(3);
  const std::size_t slash = r.find('/');
  const bool ok = slash == string_view::npos ? codes::isDesignator(r)
                                             : codes::isDesignator(r.substr(0, slash)) &&
                                                   codes::isDesignator(r.substr(slash + 1));
  return ok ? r : string_view{};
}

// The place after a value, from group i: RWYnn (or RWYnn/nn) or RWY nn, a second location. The
// groups it takes and the runway, 0 for none, or kUnreadPlace for a runway the reader cannot
// take (RWY alone, RNW 12): the value is that place's, so the remark stays unread.
constexpr std::size_t kUnreadPlace = ~std::size_t{0};
std::size_t placeAfter(Groups gs, std::size_t i, string_view& runway) {
  const string_view s = at(gs, i);
  if (runway = runwayPlaceOf(s); !runway.empty()) return 1;
  if (is(s, "RWY") && codes::isDesignator(at(gs, i + 1))) {
    runway = at(gs, i + 1);
    return 2;
  }
  return startsWith(s, "RWY") || startsWith(s, "RNW") ? kUnreadPlace : 0;
}

// The value after VIS, TWR VIS, SFC VIS from group i: "1/2V2", "1 1/2V4", "1400V9999", "2500M",
// "2 1/2", "NE 2 1/2" (a sector), "2 RWY11" (a second location); the groups it takes, or 0.
std::size_t readValue(Groups gs, std::size_t i, Visibility& vis) {
  const std::size_t start = i;
  if (vis.subject == VisibilitySubject::kVisibility && isDirection(at(gs, i))) {
    vis.sector.range = at(gs, i++);
  }
  const string_view a = at(gs, i);
  const std::size_t v = a.find_first_of("Vv");
  std::size_t n = 1;  // the groups of the value
  if (isMetres(a)) {
    vis.inMetres = true;
    vis.lowMetres = metresOf(a);
  } else if (v != string_view::npos && isMetres(a.substr(0, v)) && isMetres(a.substr(v + 1))) {
    vis.inMetres = true;
    vis.variable = true;
    vis.lowMetres = metresOf(a.substr(0, v));
    vis.highMetres = metresOf(a.substr(v + 1));
  } else {
    // Statute miles: a value, maybe "whole fraction" over two groups, then maybe V and a second
    // value that may also run into the next group.
    std::optional<Miles> low;
    string_view second;
    const string_view b = at(gs, i + 1);
    const std::size_t bv = b.find_first_of("Vv");
    if (v != string_view::npos) {
      low = codes::milesOf(a.substr(0, v));
      second = a.substr(v + 1);
    } else if (isWholeMiles(a) && bv != string_view::npos && isFraction(b.substr(0, bv))) {
      low = Miles{codes::Bound::kExact, a, b.substr(0, bv)};
      second = b.substr(bv + 1);
      n = 2;
    } else if (isWholeMiles(a) && isFraction(b)) {
      low = Miles{codes::Bound::kExact, a, b};
      n = 2;
    } else {
      low = codes::milesOf(a);
    }
    if (!low) return 0;
    vis.low = *low;
    if (v != string_view::npos || !second.empty()) {
      const std::optional<Miles> high = codes::milesOf(second);
      if (!high) return 0;
      vis.variable = true;
      vis.high = *high;
      if (vis.high.fraction.empty() && isFraction(at(gs, i + n))) {
        vis.high.fraction = at(gs, i + n);
        ++n;
      }
    }
  }
  // A second location; a metre value for some other place (VIS 2500M IN APCH) is left unread.
  const std::size_t place = placeAfter(gs, i + n, vis.runway);
  if (place == kUnreadPlace || (vis.inMetres && !vis.variable && is(at(gs, i + n), "IN"))) {
    return 0;
  }
  n += place;
  // A sector after the value (VIS 1/4 SOUTH): the value is that sector's, never the station's.
  if (isDirection(at(gs, i + n))) {
    if (!vis.sector.range.empty()) return 0;
    vis.sector.range = at(gs, i + n);
    ++n;
  }
  return i + n - start;
}

}  // namespace

// VIS ..., TWR VIS ..., SFC VIS ....
Reading<Visibility> readVisibility(Groups gs) {
  const string_view s = at(gs, 0);
  Visibility vis;
  std::size_t first = 1;
  if ((is(s, "TWR") || is(s, "SFC")) && is(at(gs, 1), "VIS")) {
    vis.subject = is(s, "TWR") ? VisibilitySubject::kTower : VisibilitySubject::kSurface;
    first = 2;
  } else if (!is(s, "VIS") || (is(at(gs, 1), "MIN") && isMetres(at(gs, 2)))) {
    return std::nullopt;
  }
  const std::size_t n = readValue(gs, first, vis);
  if (n == 0) return std::nullopt;
  return Found<Visibility>{vis, first + n};
}

// VIS MIN mmmm: the minimum visibility, in metres.
Reading<MinimumVisibility> readMinimumVisibility(Groups gs) {
  if (!is(at(gs, 0), "VIS") || !is(at(gs, 1), "MIN") || !isMetres(at(gs, 2))) {
    return std::nullopt;
  }
  return Found<MinimumVisibility>{{metresOf(at(gs, 2))}, 3};
}

// CIG hhhVhhh, CIG hhh [RWYnn|RWY nn|direction], CIGhhh.
Reading<Ceiling> readCeiling(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() == 6 && startsWith(s, "CIG") && digitsAt(s, 3, 3)) {
    return Found<Ceiling>{{s.substr(3), {}, {}, {}}};
  }
  if (!is(s, "CIG")) return std::nullopt;
  const string_view h = at(gs, 1);
  if (h.size() == 7 && digitsAt(h, 0, 3) && asciiUpper(h[3]) == 'V' && digitsAt(h, 4, 3)) {
    return Found<Ceiling>{{h.substr(0, 3), h.substr(4), {}, {}}, 2};
  }
  if (h.size() != 3 || !allDigits(h)) return std::nullopt;
  // The place of a ceiling at a second location or in a sector (CIG 003 RWY11, CIG 003 SOUTH);
  // a place the reader cannot take leaves the remark unread rather than the place.
  Ceiling c{h, {}, {}, {}};
  std::size_t n = placeAfter(gs, 2, c.runway);
  if (n == kUnreadPlace) return std::nullopt;
  if (n == 0 && isDirection(at(gs, 2))) {
    c.sector.range = at(gs, 2);
    n = 1;
  }
  return Found<Ceiling>{c, 2 + n};
}

// FEW/SCT/BKN/OVC[hhh] V FEW/SCT/BKN/OVC: variable sky cover.
Reading<VariableSky> readVariableSky(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() < 3 || !is(at(gs, 1), "V")) return std::nullopt;
  const std::optional<std::uint8_t> from = indexOf(kSkyCoverCodes, s.substr(0, 3));
  const std::optional<std::uint8_t> to = indexOf(kSkyCoverCodes, at(gs, 2));
  if (!from || !to) return std::nullopt;
  if (s.size() != 3 && !(s.size() == 6 && digitsAt(s, 3, 3))) return std::nullopt;
  return Found<VariableSky>{{*from, *to, s.substr(3)}, 3};
}

// VISNO RWYnn, CHINO RWYnn: the sensor at a second location.
Reading<SensorAtRunway> readSensorAtRunway(Groups gs) {
  const string_view s = at(gs, 0);
  const string_view r = runwayAfterRwy(at(gs, 1));
  if (!(is(s, "VISNO") || is(s, "CHINO")) || r.empty()) return std::nullopt;
  return Found<SensorAtRunway>{{is(s, "VISNO"), r}, 2};
}

}  // namespace vantrel::remarks
