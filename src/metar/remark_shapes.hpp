#pragma once
// Remarks that every language builds the same way: the order of their parts and the choices
// between them are here once, and each language gives its words in a table of the struct below
// (remark_words.cpp, remark_words_fr.cpp), with its own functions for the parts it words itself.
// The shapes are inline, so that each language's table is a constant where it is used and its
// functions are called directly.

#include <array>
#include <cstddef>
#include <string_view>

#include "metar/codes/weather.hpp"
#include "metar/fragment.hpp"
#include "metar/remark_kinds.hpp"
#include "metar/text.hpp"

namespace vantrel::remarks {

// Lightning, the beginning and end of weather, and a phenomenon seen with its places.
struct PhenomenonWords {
  Fragment lightning;
  std::array<Fragment, 3> lightningFrequency;  // in the order of kLightningFrequencyCodes
  std::array<Fragment, 4> lightningTypes;      // in the order of kLightningTypeCodes
  Fragment openBracket, closeBracket, andWord, comma, semicolon, stop;
  Fragment began, ended;            // after the weather's name
  Fragment beganOther, endedOther;  // after a comma, for the weather's other times
  void (*places)(TextBuffer&, const Places&);
  void (*weatherName)(TextBuffer&, const codes::WeatherCode&);
  void (*sight)(TextBuffer&, const Sight&);
  void (*time)(TextBuffer&, std::string_view);
  void (*capitaliseFrom)(TextBuffer&, std::size_t);
};

[[gnu::always_inline]] inline void appendLightning(TextBuffer& out, const Lightning& v,
                                                   const PhenomenonWords& w) {
  out += v.frequency ? w.lightningFrequency[*v.frequency] : w.lightning;
  for (std::size_t k = 0; k < v.typeCount; ++k) {
    out += k == 0 ? w.openBracket : (k + 1 == v.typeCount ? w.andWord : w.comma);
    out += w.lightningTypes[v.types[k]];
  }
  if (v.typeCount > 0) out += w.closeBracket;
  w.places(out, v.places);
  out += w.stop;
}

[[gnu::always_inline]] inline void appendBeginEnd(TextBuffer& out, const BeginEnd& v,
                                                  const PhenomenonWords& w) {
  std::size_t time = 0;
  for (std::size_t e = 0; e < v.eventCount; ++e) {
    const WeatherEvent& event = v.events[e];
    if (e > 0) out += w.semicolon;
    const std::size_t name = out.size();
    w.weatherName(out, event.weather);
    if (e == 0) w.capitaliseFrom(out, name);
    for (std::size_t k = 0; k < event.times; ++k, ++time) {
      const WeatherTime& t = v.times[time];
      if (k == 0) {
        out += t.began ? w.began : w.ended;
      } else {
        appendText(out, w.comma, t.began ? w.beganOther : w.endedOther);
      }
      w.time(out, t.time);
    }
  }
  out += w.stop;
}

[[gnu::always_inline]] inline void appendPlacedPhenomenon(TextBuffer& out,
                                                          const PlacedPhenomenon& v,
                                                          const PhenomenonWords& w) {
  const std::size_t start = out.size();
  w.sight(out, v.first);
  if (v.second) {
    out += w.andWord;
    w.sight(out, *v.second);
  }
  w.capitaliseFrom(out, start);
  w.places(out, v.places);
  out += w.stop;
}

// VIS, VIS MIN, CIG, and a sky cover that varies.
struct CeilingWords {
  std::array<Fragment, 3> visibilities;  // in the order of VisibilitySubject
  Fragment statuteMile, statuteMiles;
  Fragment minimumVisibility, ceiling, sky, atRunway, at;
  Fragment is, variesBetween, andWord, feet, stop;
  std::array<Fragment, 5> skyCovers;  // in the order of kSkyCoverCodes
  void (*metres)(TextBuffer&, const MetresValue&);
  void (*miles)(TextBuffer&, const codes::Miles&);
  bool (*oneMile)(const codes::Miles&);           // a mile takes the singular
  void (*sector)(TextBuffer&, const Direction&);  // towards a direction
  void (*upper)(TextBuffer&, std::string_view);
  void (*hundredsOfFeet)(TextBuffer&, std::string_view);
};

[[gnu::always_inline]] inline void appendVisibility(TextBuffer& out, const Visibility& v,
                                                    const CeilingWords& w) {
  out += w.visibilities[static_cast<std::size_t>(v.subject)];
  if (!v.sector.range.empty()) w.sector(out, v.sector);
  if (!v.runway.empty()) {
    out += w.atRunway;
    w.upper(out, v.runway);
  }
  out += v.variable ? w.variesBetween : w.is;
  if (v.inMetres) {
    w.metres(out, v.lowMetres);
    if (v.variable) {
      out += w.andWord;
      w.metres(out, v.highMetres);
    }
  } else {
    w.miles(out, v.low);
    if (v.variable) {
      out += w.andWord;
      w.miles(out, v.high);
    }
    out += w.oneMile(v.variable ? v.high : v.low) ? w.statuteMile : w.statuteMiles;
  }
  out += w.stop;
}

[[gnu::always_inline]] inline void appendMinimumVisibility(TextBuffer& out,
                                                           const MinimumVisibility& v,
                                                           const CeilingWords& w) {
  appendText(out, w.minimumVisibility, w.is);
  w.metres(out, v.metres);
  out += w.stop;
}

[[gnu::always_inline]] inline void appendCeiling(TextBuffer& out, const Ceiling& v,
                                                 const CeilingWords& w) {
  out += w.ceiling;
  if (!v.sector.range.empty()) w.sector(out, v.sector);
  if (!v.runway.empty()) {
    out += w.atRunway;
    w.upper(out, v.runway);
  }
  if (v.high.empty()) {
    out += w.is;
    w.hundredsOfFeet(out, v.low);
  } else {
    out += w.variesBetween;
    w.hundredsOfFeet(out, v.low);
    out += w.andWord;
    w.hundredsOfFeet(out, v.high);
  }
  appendText(out, w.feet, w.stop);
}

[[gnu::always_inline]] inline void appendVariableSky(TextBuffer& out, const VariableSky& v,
                                                     const CeilingWords& w) {
  out += w.sky;
  if (!v.height.empty()) {
    out += w.at;
    w.hundredsOfFeet(out, v.height);
    out += w.feet;
  }
  appendText(out, w.variesBetween, w.skyCovers[v.from], w.andWord, w.skyCovers[v.to], w.stop);
}

// A wind at a place: a runway, its touchdown zone or end, a threshold, a height, the harbour.
struct PlaceWindWords {
  Fragment forRunway, atTouchdownZone, atRunwayEnd, atThreshold, atHeight, atHarbour;
  Fragment is;  // between the place and the wind
  // dddVddd: directionVaries ddd fromUnit andWord ddd toUnit.
  Fragment directionVaries, fromUnit, andWord, toUnit, stop;
  void (*upper)(TextBuffer&, std::string_view);
  void (*feet)(TextBuffer&, std::string_view);  // a height in feet, with its unit
  void (*wind)(TextBuffer&, const WindValue&);
};

[[gnu::always_inline]] inline void appendPlaceWind(TextBuffer& out, const PlaceWind& v,
                                                   const PlaceWindWords& w) {
  switch (v.place) {
    case WindPlace::kRunway:
    case WindPlace::kTouchdownZone:
    case WindPlace::kRunwayEnd:
      out += w.forRunway;
      w.upper(out, v.where);
      if (v.place == WindPlace::kTouchdownZone) out += w.atTouchdownZone;
      if (v.place == WindPlace::kRunwayEnd) out += w.atRunwayEnd;
      break;
    case WindPlace::kThreshold:
      out += w.atThreshold;
      w.upper(out, v.where);
      break;
    case WindPlace::kHeight:
      out += w.atHeight;
      w.feet(out, v.where);
      break;
    case WindPlace::kHarbour:
      out += w.atHarbour;
      break;
  }
  out += w.is;
  w.wind(out, v.wind);
  if (!v.variesFrom.empty()) {
    appendText(out, w.directionVaries, v.variesFrom, w.fromUnit, w.andWord, v.variesTo, w.toUnit);
  }
  out += w.stop;
}

}  // namespace vantrel::remarks
