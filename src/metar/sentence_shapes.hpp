#pragma once
// Sentences that every language builds the same way from a value: the order of their parts and
// the choices between them are here once, and each language gives its words in a table of the
// structs below (vocabulary_full.cpp, vocabulary_full_fr.cpp), with its own functions for the
// parts it words itself. A language whose sentence is built otherwise words the value itself.
// The shapes of the common groups are inline, so that each language's table is a constant where
// it is used and its functions are called directly.

#include <array>

#include "metar/codes/cloud.hpp"
#include "metar/codes/compass.hpp"
#include "metar/codes/miles.hpp"
#include "metar/codes/weather.hpp"
#include "metar/fragment.hpp"
#include "metar/taf/forecast_values.hpp"
#include "metar/text.hpp"
#include "metar/values.hpp"
#include "metar/vocabulary.hpp"

namespace vantrel::words {

// hhh, a height in hundreds of feet, as h1 h2 `thousands` h3 `hundredsOfFeet` ("1", "0", ",",
// "0", "00 feet. "), without the leading zeros: "025" is 2500 feet. Only "0" counts as zero; any
// other character is copied like a digit, and a character may be any the report holds.
[[gnu::always_inline]] inline void appendHundredsOfFeet(TextBuffer& out, std::string_view hhh,
                                                        std::string_view thousands,
                                                        std::string_view hundredsOfFeet) {
  // Three ASCII characters, as nearly always: the characters are the bytes.
  const bool ascii = hhh.size() == 3 && ((hhh[0] | hhh[1] | hhh[2]) & 0x80) == 0;
  const std::size_t second = ascii ? 1 : hhh.empty() ? 0 : byteOffsetOfCharacter(hhh, 1);
  const std::size_t third = ascii ? 2 : byteOffsetOfCharacter(hhh, 2);
  const std::string_view h1 = hhh.substr(0, second);
  const std::string_view h2 = hhh.substr(second, third - second);
  const std::string_view h3 = hhh.substr(third);
  if (h1 != "0") {
    appendText(out, h1, h2, thousands, h3);
  } else if (h2 != "0") {
    appendText(out, h2, h3);
  } else {
    out += h3;
  }
  out += hundredsOfFeet;
}

// The classic sentences both languages build alike (vocabulary.cpp, vocabulary_fr.cpp): the
// station, the wind and its variation, the visibility in metres, the runway visual range, a
// cloud layer, the vertical visibility and a height.
struct ClassicWords {
  Fragment stationFor, stationEnd;
  Fragment windFrom, degreeAt, withGustsAt, variableWindAt;
  std::array<Fragment, 3> speedUnits;  // in the order of SpeedUnit
  Fragment varyingFrom, varyingTo, variationDegrees;
  Fragment visibilityIs, metres, runwayVisualRange, rangeIs;
  std::array<Fragment, 4> cloudCover;  // in the order of CloudAmount
  Fragment at, verticalVisibilityIs, thousands, hundredsOfFeet;
  // The end of a sentence, and the end of a wind sentence of the report body.
  Fragment stop, bodyStop;
  // The wind sentences of the report body end in a bare full stop, those of a trend section in a
  // full stop and a space.
  Fragment stopOf(Section section) const { return section == Section::kTrend ? stop : bodyStop; }
};
[[gnu::always_inline]] inline void appendStation(TextBuffer& out, std::string_view station,
                                                 const ClassicWords& w) {
  const std::size_t at = out.size() + w.stationFor.size();
  appendText(out, w.stationFor, station, w.stationEnd);
  for (std::size_t i = at; i < at + station.size(); ++i) out[i] = asciiUpper(out[i]);
}
[[gnu::always_inline]] inline void appendWind(TextBuffer& out, std::string_view direction,
                                              std::string_view speed, std::string_view gust,
                                              SpeedUnit unit, Section section,
                                              const ClassicWords& w) {
  const Fragment words = w.speedUnits[static_cast<std::size_t>(unit)];
  appendText(out, w.windFrom, direction, w.degreeAt, speed, words);
  if (!gust.empty()) appendText(out, w.withGustsAt, gust, words);
  out += w.stopOf(section);
}
[[gnu::always_inline]] inline void appendVariableWind(TextBuffer& out, std::string_view speed,
                                                      SpeedUnit unit, Section section,
                                                      const ClassicWords& w) {
  appendText(out, w.variableWindAt, speed, w.speedUnits[static_cast<std::size_t>(unit)],
             w.stopOf(section));
}
[[gnu::always_inline]] inline void appendVariation(TextBuffer& out, std::string_view from,
                                                   std::string_view to, Section section,
                                                   const ClassicWords& w) {
  appendText(out, w.varyingFrom, from, w.varyingTo, to, w.variationDegrees, w.stopOf(section));
}
[[gnu::always_inline]] inline void appendVisibilityMetres(TextBuffer& out, std::string_view metres,
                                                          const ClassicWords& w) {
  appendText(out, w.visibilityIs, metres, w.metres, w.stop);
}
[[gnu::always_inline]] inline void appendRunwayVisualRange(TextBuffer& out, std::string_view runway,
                                                           std::string_view value,
                                                           const ClassicWords& w) {
  appendText(out, w.runwayVisualRange, runway, w.rangeIs, value, w.metres, w.stop);
}
[[gnu::always_inline]] inline void appendHeight(TextBuffer& out, std::string_view hhh,
                                                const ClassicWords& w) {
  appendHundredsOfFeet(out, hhh, w.thousands, w.hundredsOfFeet);
}
[[gnu::always_inline]] inline void appendCloudLayer(TextBuffer& out, CloudAmount amount,
                                                    std::string_view height,
                                                    const ClassicWords& w) {
  appendText(out, w.cloudCover[static_cast<std::size_t>(amount)], w.at);
  appendHeight(out, height, w);
}
[[gnu::always_inline]] inline void appendVerticalVisibility(TextBuffer& out,
                                                            std::string_view height,
                                                            const ClassicWords& w) {
  out += w.verticalVisibilityIs;
  appendHeight(out, height, w);
}

// "more than ", "less than ", or nothing for an exact value.
struct BoundWords {
  Fragment lessThan, moreThan;
  std::string_view of(codes::Bound bound) const;
};

// Rdd/... of the full reading, other than a plain value in metres.
struct RunwayRangeWords {
  Fragment visualRange;  // before the designator
  Fragment is;           // after it, before a value
  Fragment notReported;  // after `is`
  Fragment variesFrom, to;
  BoundWords bounds;
  Fragment feet, metres;
  Fragment increasing, decreasing, noDistinctChange;  // U, D, N
  Fragment stop;
  // One value in metres, nothing else: the classic sentence.
  void (*classic)(TextBuffer&, std::string_view runway, std::string_view metres);
};
void appendRunwayRange(TextBuffer& out, const values::RunwayRange& range,
                       const RunwayRangeWords& words);

// Rdd/EeddBB and its kin: the runway, its deposit, extent and depth, and its braking.
struct RunwayStateWords {
  Fragment aerodromeClosedBySnow;  // a whole sentence
  Fragment runway, allRunways, runwayOfLastReport, rightHandSide;
  Fragment colon, closedBySnow, cleared;
  std::array<Fragment, 10> deposits;  // WMO code table 0919
  Fragment depositNotReported;
  std::array<Fragment, 4> extents;  // 1, 2, 5, 9 (code table 0519)
  Fragment covered;
  Fragment depthIs, millimetres, centimetres, depthLessThan1, depthNotMeasurable;
  Fragment runwayNotOperational;
  Fragment friction;                // before the two digits of 0.dd
  std::array<Fragment, 5> braking;  // 91 to 95 (code table 0366)
  Fragment brakingUnreliable, brakingNotReported;
  Fragment stop;
};
void appendRunwayState(TextBuffer& out, const values::RunwayState& state,
                       const RunwayStateWords& words);

// W[M]TT/Sn, W[M]TT/Hhhh.
struct SeaWords {
  Fragment temperatureIs, temperatureNotReported, minus, degrees;
  Fragment waveHeight, decimetres;
  Fragment stateOfTheSea;
  std::array<Fragment, 10> states;  // WMO code table 3700
  Fragment stateNotReported;
  Fragment stop;
};
void appendSea(TextBuffer& out, const values::Sea& sea, const SeaWords& words);

// The sky groups of the full reading. The layer in the classic form (an amount and a height)
// and the vertical visibility take the classic sentences.
struct CloudWords {
  Sentence skyClear, clearBelow12000, noSignificant, noneDetected;  // SKC CLR NSC NCD
  std::array<Fragment, 4> layerTypes;  // a lone CB or TCU after a layer, by CloudType
  Sentence skyObscured, notReported;   // VV///, //////
  std::array<Fragment, 4> cover;       // by CloudAmount
  Fragment unreportedAmount, heightNotReported, at;
  std::array<Fragment, 4> types;  // after a layer, by CloudType
  Fragment stop;
  void (*layer)(TextBuffer&, codes::CloudAmount, std::string_view);
  void (*verticalVisibility)(TextBuffer&, std::string_view);
  void (*height)(TextBuffer&, std::string_view);  // ends in the full stop and its space
};
[[gnu::always_inline]] inline void appendCloud(TextBuffer& out, const values::Cloud& c,
                                               const CloudWords& w) {
  using Kind = values::Cloud::Kind;
  switch (c.kind) {
    case Kind::kSkyClear:
      out += w.skyClear;
      return;
    case Kind::kClearBelow12000:
      out += w.clearBelow12000;
      return;
    case Kind::kNoSignificant:
      out += w.noSignificant;
      return;
    case Kind::kNoneDetected:
      out += w.noneDetected;
      return;
    case Kind::kTypeOfLayer:
      out += w.layerTypes[static_cast<std::size_t>(c.type)];
      return;
    case Kind::kVerticalVisibility:
      if (c.height.empty()) {
        out += w.skyObscured;
      } else {
        w.verticalVisibility(out, c.height);
      }
      return;
    case Kind::kNotReported:
      out += w.notReported;
      return;
    case Kind::kLayer:
      break;
  }
  if (c.amountGiven && !c.height.empty() && c.type == codes::CloudType::kNone) {
    w.layer(out, c.amount, c.height);
    return;
  }
  out += c.amountGiven ? w.cover[static_cast<std::size_t>(c.amount)] : w.unreportedAmount;
  if (c.height.empty()) {
    out += w.heightNotReported;
  } else {
    out += w.at;
    w.height(out, c.height);
    out.truncate(out.size() - 2);  // the height's own ". "
  }
  appendText(out, w.types[static_cast<std::size_t>(c.type)], w.stop);
}

// CB TO SE S AND SW, RA DSNT N, CB OTF.
struct DirectionsWords {
  std::array<Fragment, 4> clouds;  // by CloudType
  Fragment andWord, comma, overAerodrome, inTheDistance, toThe, stop;
  void (*weather)(TextBuffer&, const codes::WeatherCode&);  // the phrase, in lower case
  Fragment (*direction)(codes::Compass);                    // after `toThe`
};
void appendDirections(TextBuffer& out, const values::Directions& d, const DirectionsWords& w);

// [M]TT/[M]DD with parts not reported. Both values given take the classic sentence.
struct TemperatureWords {
  Fragment airIs, airNotReported, dewPointIs, dewPointNotReported, minus, degrees;
  void (*both)(TextBuffer&, bool, std::string_view, bool, std::string_view, DegreeStyle);
};
[[gnu::always_inline]] inline void appendTemperature(TextBuffer& out, const values::Temperature& t,
                                                     const TemperatureWords& w) {
  if (!t.air.digits.empty() && !t.dewPoint.digits.empty()) {
    const bool bothBelow = t.air.belowZero && t.dewPoint.belowZero;
    w.both(out, t.air.belowZero, t.air.digits, t.dewPoint.belowZero, t.dewPoint.digits,
           bothBelow ? DegreeStyle::kSpaced : DegreeStyle::kJoined);
    return;
  }
  if (t.air.digits.empty()) {
    out += w.airNotReported;
  } else {
    appendText(out, w.airIs, t.air.belowZero ? w.minus : Fragment(), t.air.digits, w.degrees);
  }
  if (t.dewPoint.digits.empty()) {
    out += w.dewPointNotReported;
  } else {
    appendText(out, w.dewPointIs, t.dewPoint.belowZero ? w.minus : Fragment(), t.dewPoint.digits,
               w.degrees);
  }
}

// The weather groups of the full reading: //, NSW, NIL, a code, a recent code. A code the
// classic tables hold keeps its sentence.
struct WeatherWords {
  Sentence notObserved, noSignificant, nil, recentNotReported;
  Fragment recent, stop;
  std::string_view (*classic)(const codes::WeatherCode&);  // or nothing
  void (*sentence)(TextBuffer&, const codes::WeatherCode&);
  void (*phrase)(TextBuffer&, const codes::WeatherCode&);  // in lower case
};
[[gnu::always_inline]] inline void appendPresentWeather(TextBuffer& out,
                                                        const values::PresentWeather& p,
                                                        const WeatherWords& w) {
  using Kind = values::PresentWeather::Kind;
  switch (p.kind) {
    case Kind::kNotObserved:
      out += w.notObserved;
      return;
    case Kind::kNoSignificant:
      out += w.noSignificant;
      return;
    case Kind::kNil:
      out += w.nil;
      return;
    case Kind::kCode:
      break;
  }
  if (const std::string_view classic = w.classic(p.code); !classic.empty()) {
    out += classic;
  } else {
    w.sentence(out, p.code);
  }
}
[[gnu::always_inline]] inline void appendRecentWeather(TextBuffer& out,
                                                       const codes::WeatherCode& code,
                                                       const WeatherWords& w) {
  out += w.recent;
  w.phrase(out, code);
  out += w.stop;
}
[[gnu::always_inline]] inline void appendRecentWeather(TextBuffer& out,
                                                       const values::RecentWeather& recent,
                                                       const WeatherWords& w) {
  if (recent.notReported) {
    out += w.recentNotReported;
  } else {
    appendRecentWeather(out, recent.code, w);
  }
}

// Qdddd, Adddd, and either not reported.
struct PressureWords {
  Sentence qnhNotReported, altimeterNotReported;
  void (*qnh)(TextBuffer&, std::string_view hectopascals);
  void (*altimeter)(TextBuffer&, std::string_view hundredths);
};
[[gnu::always_inline]] inline void appendPressure(TextBuffer& out, const values::Pressure& p,
                                                  const PressureWords& w) {
  if (p.missing) {
    out += p.altimeter ? w.altimeterNotReported : w.qnhNotReported;
  } else if (p.altimeter) {
    w.altimeter(out, p.value());
  } else {
    w.qnh(out, p.value());
  }
}

// WS Rdd, WS ALL RWY; the military colour state.
struct MarkWords {
  Fragment windShearAllRunways, windShearOnRunway;
  std::array<Fragment, 8> colours;  // in the order of the colour table
  Fragment colourState, black, stop;
};
inline void appendWindShear(TextBuffer& out, const values::WindShear& shear, const MarkWords& w) {
  if (shear.runway.empty()) {
    out += w.windShearAllRunways;
  } else {
    appendText(out, w.windShearOnRunway, shear.runway, w.stop);
  }
}
inline void appendColourState(TextBuffer& out, const values::ColourState& colour,
                              const MarkWords& w) {
  appendText(out, w.colourState, w.colours[colour.colour], colour.black ? w.black : Fragment(),
             w.stop);
}

// What only a forecast says (forecast_words.cpp, forecast_words_fr.cpp): each language gives
// its words and how it writes a time; the order of the parts is here.
struct ForecastWords {
  // The time of a change or a statement: "the 7th at 18.30 GMT", "le 7 à 18 h 30 UTC".
  void (*dayTime)(TextBuffer& out, const taf::DayHour& at, std::string_view minute);
  // FM's time, after its heading.
  void (*fromTime)(TextBuffer& out, const taf::Change& change);
  // A change's period, after its heading: " between ... and ...".
  void (*changePeriod)(TextBuffer& out, const taf::Period& period);
  Fragment forecastFor, stationFor;  // without an issue time, after it
  std::array<Fragment, 5> headings;  // in the order of taf::ChangeKind
  Fragment percent, then, headingEnd;
  Fragment windShearAt, feetWindFrom, degreesAt, moreThan, gustsAt;
  std::array<Fragment, 3> speedUnits;  // in the order of SpeedUnit
  Fragment thousands, hundreds, stop;
  std::array<Fragment, 10> icing;       // WMO code table 1738
  std::array<Fragment, 11> turbulence;  // WMO code table 0300, and X (extreme)
  Fragment fromTheSurface, fromHeight, feet, inALayer, thousandFeetThick;
  std::array<Sentence, 4> phrases;  // in the order of taf::Phrase
  Fragment nextBy, nextIssued;
};
void appendForecastStation(TextBuffer& out, std::string_view station, bool issued,
                           const ForecastWords& w);
void appendChangeHeading(TextBuffer& out, const taf::Change& change, const ForecastWords& w);
void appendForecastWindShear(TextBuffer& out, const taf::WindShear& shear, const ForecastWords& w);
void appendLayer(TextBuffer& out, const taf::Layer& layer, const ForecastWords& w);
void appendStatement(TextBuffer& out, const taf::Statement& statement, const ForecastWords& w);

}  // namespace vantrel::words
