// The wind remarks: the peak wind (PK WND), the wind shift (WSHFT) and the wind of a place, a
// runway, its threshold or touchdown zone, a height or the harbour.

#include "metar/full/remarks/remark.hpp"

namespace vantrel::remarks {
namespace {

// dddff(f)[Gff(f)]KT or MPS, VRBffKT, 00000KT, /////KT.
std::optional<WindValue> windOf(string_view s) {
  WindValue w;
  if (endsWith(s, "KT")) {
    w.unit = WindUnit::kKnots;
    s.remove_suffix(2);
  } else if (endsWith(s, "MPS")) {
    w.unit = WindUnit::kMetresPerSecond;
    s.remove_suffix(3);
  } else {
    return std::nullopt;
  }
  if (s.size() == 5 && allSlashes(s)) {
    w.kind = WindValue::Kind::kNotReported;
    return w;
  }
  if (s.size() < 5) return std::nullopt;
  const string_view direction = s.substr(0, 3);
  const bool variable = is(direction, "VRB");
  if (!variable && !allDigits(direction)) return std::nullopt;
  const std::size_t g = s.find_first_of("Gg", 3);
  const string_view speed = s.substr(3, g == string_view::npos ? string_view::npos : g - 3);
  const string_view gust = g == string_view::npos ? string_view{} : s.substr(g + 1);
  if (speed.size() < 2 || speed.size() > 3 || !allDigits(speed)) return std::nullopt;
  if (g != string_view::npos && (gust.size() < 2 || gust.size() > 3 || !allDigits(gust))) {
    return std::nullopt;
  }
  if (!variable && allZeros(direction) && allZeros(speed) && gust.empty()) {
    w.kind = WindValue::Kind::kCalm;
    return w;
  }
  w.kind = variable ? WindValue::Kind::kVariable : WindValue::Kind::kFrom;
  w.direction = direction;
  w.speed = speed;
  w.gust = gust;
  return w;
}

// The wind group at `wind` and the dddVddd after it, if any.
Reading<PlaceWind> finish(Groups gs, std::size_t wind, WindPlace place, string_view where,
                          string_view group) {
  const std::optional<WindValue> w = windOf(group);
  if (!w) return std::nullopt;
  PlaceWind p{place, where, *w, {}, {}};
  const string_view v = at(gs, wind + 1);
  if (v.size() == 7 && digitsAt(v, 0, 3) && asciiUpper(v[3]) == 'V' && digitsAt(v, 4, 3)) {
    p.variesFrom = v.substr(0, 3);
    p.variesTo = v.substr(4, 3);
    return Found<PlaceWind>{p, wind + 2};
  }
  return Found<PlaceWind>{p, wind + 1};
}

}  // namespace

// PK WND dddff(f)/(hh)mm.
Reading<PeakWind> readPeakWind(Groups gs) {
  if (!is(at(gs, 0), "PK") || !is(at(gs, 1), "WND")) return std::nullopt;
  const string_view s = at(gs, 2);
  const std::size_t slash = s.find('/');
  if (slash != 5 && slash != 6) return std::nullopt;
  if (!allDigits(s.substr(0, slash)) || !isTime(s.substr(slash + 1))) return std::nullopt;
  return Found<PeakWind>{{s.substr(0, 3), s.substr(3, slash - 3), s.substr(slash + 1)}, 3};
}

// WSHFT (hh)mm [FROPA].
Reading<WindShift> readWindShift(Groups gs) {
  if (!is(at(gs, 0), "WSHFT") || !isTime(at(gs, 1))) return std::nullopt;
  const bool front = is(at(gs, 2), "FROPA");
  return Found<WindShift>{{at(gs, 1), front}, front ? 3U : 2U};
}

// RWYnn dddffKT [dddVddd]; WIND RWY nn ...; WIND RWYnn ...; WIND THRnn ...; WIND hhhhFT ...;
// HARBOR WIND ...; [TDZ|END] Rnn/dddffMPS.
Reading<PlaceWind> readPlaceWind(Groups gs) {
  const string_view s = at(gs, 0);
  const string_view s1 = at(gs, 1);
  if (const string_view r = runwayAfterRwy(s); !r.empty()) {
    return finish(gs, 1, WindPlace::kRunway, r, s1);
  }
  if (is(s, "WIND") && is(s1, "RWY") && codes::isDesignator(at(gs, 2))) {
    return finish(gs, 3, WindPlace::kRunway, at(gs, 2), at(gs, 3));
  }
  if (const string_view r = runwayAfterRwy(s1); is(s, "WIND") && !r.empty()) {
    return finish(gs, 2, WindPlace::kRunway, r, at(gs, 2));
  }
  if (is(s, "WIND") && startsWith(s1, "THR") && codes::isDesignator(s1.substr(3))) {
    return finish(gs, 2, WindPlace::kThreshold, s1.substr(3), at(gs, 2));
  }
  if (is(s, "WIND") && endsWith(s1, "FT") && s1.size() > 2 &&
      allDigits(s1.substr(0, s1.size() - 2))) {
    return finish(gs, 2, WindPlace::kHeight, s1.substr(0, s1.size() - 2), at(gs, 2));
  }
  if ((is(s, "HARBOR") || is(s, "HARBOUR")) && is(s1, "WIND")) {
    return finish(gs, 2, WindPlace::kHarbour, {}, at(gs, 2));
  }
  const bool zone = is(s, "TDZ") || is(s, "END");
  const string_view r = zone ? s1 : s;
  const std::size_t slash = r.find('/');
  if (r.size() > 1 && asciiUpper(r[0]) == 'R' && slash != string_view::npos &&
      codes::isDesignator(r.substr(1, slash - 1)) && endsWith(r, "MPS")) {
    const WindPlace place = !zone          ? WindPlace::kRunway
                            : is(s, "TDZ") ? WindPlace::kTouchdownZone
                                           : WindPlace::kRunwayEnd;
    return finish(gs, zone ? 1 : 0, place, r.substr(1, slash - 1), r.substr(slash + 1));
  }
  return std::nullopt;
}

}  // namespace vantrel::remarks
