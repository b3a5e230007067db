// The phenomena of the remarks: lightning, the times weather began and ended, phenomena and
// clouds and where they are, layers (Canadian opacities, obscuring layers, a trace of cloud) and
// recent weather.

#include "metar/full/remarks/remark.hpp"

namespace vantrel::remarks {
namespace {

// A phenomenon or cloud group: one of the remarks' own (CB, VIRGA), SH alone, or a weather name.
std::optional<Sight> sightOf(string_view s) {
  Sight sight;
  if ((sight.own = indexOf(kSightCodes, s))) return sight;
  if (is(s, "SH")) {
    sight.weather.descriptor = codes::Descriptor::kSH;  // showers, the descriptor alone
    return sight;
  }
  if (s.empty() || codes::readWeatherName(s, 0, sight.weather) != s.size()) return std::nullopt;
  return sight;
}

// The layer code that starts `s` at `pos`, longest first.
std::optional<std::uint8_t> layerAt(string_view s, std::size_t pos) {
  for (std::size_t i = 0; i < kLayerCodes.size(); ++i) {
    if (startsWith(s.substr(pos), kLayerCodes[i].code)) return static_cast<std::uint8_t>(i);
  }
  return std::nullopt;
}

// The obscurations of the weather code (no precipitation).
bool isObscuration(codes::Phenomenon p) {
  using P = codes::Phenomenon;
  for (const P o : {P::kFG, P::kBR, P::kFU, P::kHZ, P::kDU, P::kSA, P::kVA, P::kPY}) {
    if (p == o) return true;
  }
  return false;
}

}  // namespace

// [OCNL|FRQ|CONS] LTG[IC][CC][CG][CA] [places].
Reading<Lightning> readLightning(Groups gs) {
  Lightning l;
  l.frequency = indexOf(kLightningFrequencyCodes, at(gs, 0));
  const std::size_t i = l.frequency ? 1 : 0;
  const string_view s = at(gs, i);
  if (!startsWith(s, "LTG")) return std::nullopt;
  for (std::size_t p = 3; p < s.size(); p += 2) {
    const std::optional<std::uint8_t> t =
        p + 2 <= s.size() ? indexOf(kLightningTypeCodes, s.substr(p, 2)) : std::nullopt;
    if (!t || l.typeCount == l.types.size()) return std::nullopt;
    l.types[l.typeCount++] = *t;
  }
  const std::size_t places = readPlaces(gs, i + 1, l.places);
  return Found<Lightning>{l, i + 1 + places};
}

// Weather begin and end times: RAB15E30, TSB1512E1530, -RAB05, RAB1159E24SNB24.
Reading<BeginEnd> readBeginEnd(Groups gs) {
  const string_view s = at(gs, 0);
  if (!isDigit(s.back())) return std::nullopt;
  BeginEnd b;
  std::size_t p = 0;
  while (p < s.size() && b.eventCount < b.events.size()) {
    WeatherEvent& event = b.events[b.eventCount];
    const std::size_t end = codes::readWeatherName(s, p, event.weather);
    if (end == p) break;
    p = end;
    while (p + 1 < s.size() && (asciiUpper(s[p]) == 'B' || asciiUpper(s[p]) == 'E') &&
           isDigit(s[p + 1])) {
      std::size_t q = p + 1;
      while (q < s.size() && isDigit(s[q])) ++q;
      const string_view time = s.substr(p + 1, q - p - 1);
      if (!isTime(time) || b.timeCount == b.times.size()) return std::nullopt;
      b.times[b.timeCount++] = WeatherTime{time, asciiUpper(s[p]) == 'B'};
      ++event.times;
      p = q;
    }
    if (event.times == 0) break;  // a name without a time
    ++b.eventCount;
  }
  if (b.eventCount == 0 || p != s.size()) return std::nullopt;
  return Found<BeginEnd>{b};
}

// A phenomenon or cloud and where it is: TS DSNT NW, CB DSNT N MOV E, VIRGA N, CB AND RA TO S.
Reading<PlacedPhenomenon> readPlacedPhenomenon(Groups gs) {
  const string_view next = at(gs, 1);
  const bool virga = is(at(gs, 0), "VIRGA");
  if (!virga && !isPlaceWord(next) && !isDirection(next) && !is(next, "AND") && !is(next, "TO") &&
      !is(next, "AT") && !is(next, "OVER") && !is(next, "IN") && !isKilometres(next) &&
      compassPair(next, at(gs, 2)) == codes::Compass::kNone) {
    return std::nullopt;
  }
  const std::optional<Sight> first = sightOf(at(gs, 0));
  if (!first) return std::nullopt;
  PlacedPhenomenon p{*first, std::nullopt, {}};
  std::size_t n = 1;
  if (is(next, "AND")) {
    p.second = sightOf(at(gs, 2));
    if (!p.second) return std::nullopt;
    n = 3;
  }
  const std::size_t places = readPlaces(gs, n, p.places);
  if (places == 0 && !(n == 1 && virga)) return std::nullopt;  // FMH-1: VIRGA [direction]
  return Found<PlacedPhenomenon>{p, n + places};
}

// Canadian layer opacities: SC6AC2, FG6ST2, CI0.
Reading<Layers> readLayers(Groups gs) {
  const string_view s = at(gs, 0);
  if (!isDigit(s.back())) return std::nullopt;
  Layers l;
  std::size_t p = 0;
  while (p < s.size() && l.count < l.layers.size()) {
    const std::optional<std::uint8_t> t = layerAt(s, p);
    if (!t) break;
    p += kLayerCodes[*t].code.size();
    if (p >= s.size() || s[p] < '0' || s[p] > '8') break;
    l.layers[l.count++] = LayerOpacity{*t, static_cast<std::uint8_t>(s[p] - '0')};
    ++p;
  }
  if (p != s.size() || l.count == 0) return std::nullopt;
  return Found<Layers>{l};
}

// AC TR: a trace of a layer.
Reading<LayerTrace> readLayerTrace(Groups gs) {
  if (!is(at(gs, 1), "TR")) return std::nullopt;
  for (std::size_t i = 0; i < kLayerCodes.size(); ++i) {
    if (is(at(gs, 0), kLayerCodes[i].code)) {
      return Found<LayerTrace>{{static_cast<std::uint8_t>(i)}, 2};
    }
  }
  return std::nullopt;
}

// An obscuring layer: a weather phenomenon and its sky cover, FU BKN020, FG SCT000.
Reading<Obscuration> readObscuration(Groups gs) {
  const string_view s = at(gs, 0);
  const string_view layer = at(gs, 1);
  if (layer.size() != 6 || !digitsAt(layer, 3, 3)) return std::nullopt;
  Obscuration o;
  codes::WeatherCode& w = o.weather;
  if (codes::readWeatherName(s, 0, w) != s.size() || w.intensity != codes::Intensity::kNone ||
      w.vicinity || w.count == 0) {
    return std::nullopt;
  }
  for (std::size_t k = 0; k < w.count; ++k) {
    if (!isObscuration(w.phenomena[k])) return std::nullopt;
  }
  const std::optional<std::uint8_t> cover = indexOf(kSkyCoverCodes, layer.substr(0, 3));
  if (!cover || *cover == kClearSky) return std::nullopt;
  o.cover = *cover;
  o.height = layer.substr(3);
  o.atSurface = allZeros(o.height);
  return Found<Obscuration>{o, 2};
}

// REw'w' in the remarks: recent weather, worded as in the supplementary line.
Reading<RecentWeather> readRecentWeather(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() < 4 || !startsWith(s, "RE")) return std::nullopt;
  codes::WeatherCode code;
  if (codes::readWeatherName(s, 2, code) != s.size() || code.intensity != codes::Intensity::kNone ||
      code.vicinity || code.count == 0) {
    return std::nullopt;
  }
  return Found<RecentWeather>{{code}};
}

}  // namespace vantrel::remarks
