// Present weather: [-|+|VC]{MI PR BC DR BL SH TS FZ}{RA DZ SN ...}, //, NSW, and NIL where the
// weather stands. Recent weather: RE..., RE//, RE SHRA. Clouds or weather placed by directions:
// CB TO N, CB AND RA DSNT S + SW, TCU OTF.

#include "metar/codes/chars.hpp"
#include "metar/full/recognisers.hpp"

namespace vantrel::full {

std::size_t readWeather(const Context& c, values::GroupValue& value) {
  // Made where it is kept; a group that then fails leaves it for the next recogniser to replace.
  values::PresentWeather& w = value.emplace<values::PresentWeather>();
  if (c.u == "//" || c.u == "NSW") {
    w.kind = c.u == "//" ? values::PresentWeather::Kind::kNotObserved
                         : values::PresentWeather::Kind::kNoSignificant;
    return 1;
  }
  return codes::readWeatherCode(c.u, true, w.code) ? 1 : 0;
}

// NIL where the present weather stands, after the visibility.
std::size_t readNilWeather(const Context& c, values::GroupValue& value) {
  if (c.u != "NIL" || c.section != Section::kBody || c.facts.weatherFound || c.facts.cloudFound) {
    return 0;
  }
  value = values::PresentWeather{values::PresentWeather::Kind::kNil, {}};
  return 1;
}

std::size_t readRecentWeather(const Context& c, values::GroupValue& value) {
  if (c.u == "RE//") {
    value = values::RecentWeather{true, {}};
    return 1;
  }
  if (c.u.size() < 4 || !c.u.starts_with("RE")) return 0;
  const std::optional<codes::WeatherCode> code = codes::weatherCodeOf(c.u.substr(2), false);
  if (!code) return 0;
  value = values::RecentWeather{false, *code};
  return 1;
}

// RE SHRA: the recent weather written apart from its code.
std::size_t readSplitRecentWeather(const Context& c, values::GroupValue& value) {
  if (c.u != "RE" || c.i + 1 >= c.groups.size()) return 0;
  const std::optional<Upper> next = upper(c.groups[c.i + 1]);
  if (!next) return 0;
  const std::optional<codes::WeatherCode> code = codes::weatherCodeOf(next->view(), false);
  if (!code) return 0;
  value = values::RecentWeather{false, *code};
  return 2;
}

// SUBJECT [AND SUBJECT] [TO|DSNT] D [D ...] [AND|+ D] [AREA], a subject being CB, TCU or a
// weather code without intensity (RA TO N, CB AND RA TO S + SW): where they stand.
std::size_t readDirections(const Context& c, values::GroupValue& value) {
  const std::span<const Group> groups = c.groups;
  const std::size_t i = c.i;
  // Most groups are no subject (CB, TCU, or a weather code: letters only), and most words after
  // one do not place it: both are cheap to tell.
  for (const char ch : c.u) {
    if (ch < 'A' || ch > 'Z') return 0;
  }
  if (i + 1 >= groups.size() || groups[i + 1].size() > 4) return 0;
  const std::string_view a = groups[i + 1].bytes();
  if (!(codes::is(a, "TO") || codes::is(a, "DSNT") || codes::is(a, "AND") || codes::is(a, "OTF") ||
        codes::is(a, "OVER") || codes::eightPointOf(a) != codes::Compass::kNone)) {
    return 0;
  }
  values::Directions d;
  std::size_t n = 0, lastDirection = 0;
  for (; i + n < groups.size(); ++n) {
    const std::optional<Upper> next = upper(groups[i + n]);
    if (!next) break;
    const std::string_view v = next->view();
    if (d.count == 0) {
      if (d.subjectCount != 0 && (v == "TO" || v == "DSNT" || v == "AND")) {
        d.distant = d.distant || v == "DSNT";
        continue;
      }
      if (d.subjectCount < d.subjects.size() && (v == "CB" || v == "TCU")) {
        d.subjects[d.subjectCount++].cloud =
            v == "CB" ? codes::CloudType::kCumulonimbus : codes::CloudType::kToweringCumulus;
        continue;
      }
      if (d.subjectCount < d.subjects.size()) {
        if (const std::optional<codes::WeatherCode> code = codes::weatherCodeOf(v, false)) {
          d.subjects[d.subjectCount].isWeather = true;
          d.subjects[d.subjectCount++].weather = *code;
          continue;
        }
      }
    }
    if (d.count != 0 && (v == "AND" || v == "+")) continue;
    if (d.count != 0 && v == "AREA") {
      lastDirection = n + 1;
      break;
    }
    // OTF, or OVER THE FIELD: over the aerodrome.
    if (d.subjectCount != 0 && d.count == 0 && v == "OTF") {
      d.overField = true;
      lastDirection = n + 1;
      break;
    }
    if (d.subjectCount != 0 && d.count == 0 && v == "OVER" && i + n + 2 < groups.size() &&
        groups[i + n + 1].upperIs("THE") && groups[i + n + 2].upperIs("FIELD")) {
      d.overField = true;
      lastDirection = n + 3;
      break;
    }
    const codes::Compass point = codes::eightPointOf(v);
    if (d.subjectCount == 0 || point == codes::Compass::kNone || d.count == d.directions.size()) {
      break;
    }
    d.directions[d.count++] = point;
    lastDirection = n + 1;
  }
  if (d.count == 0 && !d.overField) return 0;
  value = d;
  // A closing AND after the last direction stays with the next group.
  return lastDirection;
}

}  // namespace vantrel::full
