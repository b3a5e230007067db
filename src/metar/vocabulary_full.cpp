// The sentences only the full reading writes. Shared fragments come from vocabulary.cpp's
// wording functions, so a classic sentence is never spelt twice.

#include "metar/compass_words.hpp"
#include "metar/fragments.hpp"
#include "metar/sentence_shapes.hpp"
#include "metar/text.hpp"
#include "metar/vocabulary.hpp"
#include "metar/weather_words.hpp"

namespace vantrel::words {
namespace {

using namespace fragments;

constexpr std::array<Fragment, 2> kReportFor = {"METAR report ", "SPECI report "};
constexpr std::array<Fragment, 5> kHeaderNotes = {" Automated report.", " Corrected report.",
                                                  " Amended report.", " The report is missing.",
                                                  " Delayed report."};

constexpr Fragment kMoreThan = "more than ";
constexpr Fragment kLessThan = "less than ";
constexpr Fragment kWindNotReported = "Wind is not reported";
constexpr Fragment kWindFromUnreported = "Wind blowing from an unreported direction at ";
constexpr Fragment kSpeedNotReported = " degree, speed not reported";

constexpr Fragment kMinimumVisibilityIs = "Minimum visibility is ";
constexpr Fragment kFeet = " feet";
constexpr Fragment kTowards = " towards the ";
constexpr Fragment kStatuteMile = " statute mile";
constexpr Fragment kStatuteMiles = " statute miles";

constexpr Fragment kVariesFrom = " varies from ";
constexpr Fragment kTo = " to ";
constexpr Fragment kNotReported = "not reported";

constexpr Fragment kThereIs = "There is ";
constexpr Fragment kThereIsA = "There is a ";
constexpr Fragment kThereAre = "There are ";
constexpr Fragment kLight = "light ";
constexpr Fragment kHeavy = "heavy ";
constexpr Fragment kAnd = " and ";
constexpr Fragment kComma = ", ";
constexpr Fragment kInTheVicinity = " in the vicinity";
constexpr Fragment kTornado = "There is a tornado or waterspout";

constexpr Fragment kAltimeterIs = "Altimeter setting is ";
constexpr Fragment kDecimalPoint = ".";
constexpr Fragment kInchesOfMercury = " inches of mercury. ";

constexpr Fragment kProbability = "PROBABILITY ";
constexpr Fragment kPercent = " %";
constexpr Fragment kTemporaryAfter = ", TEMPORARY:";
constexpr Fragment kHeadingEnd = ":";
constexpr std::array<Fragment, 3> kTrendTimes = {"From ", "Until ", "At "};
constexpr Fragment kGmtStop = " GMT. ";
constexpr Fragment kGmt = " GMT";
constexpr Fragment kCompleteBy = "Complete by ";
constexpr Fragment kModerateTurbulence = "Moderate turbulence";
constexpr Fragment kSevereTurbulence = "Severe turbulence";
constexpr Fragment kBelow = " below ";
constexpr Fragment kAbove = " above ";
constexpr Fragment kFromTime = " from ";
constexpr Fragment kUntilTime = " until ";

// The words of the sentences of sentence_shapes.hpp.
constexpr RunwayRangeWords kRunwayRangeWords = {
    .visualRange = kRunwayVisualRange,
    .is = kIs,
    .notReported = kNotReported,
    .variesFrom = kVariesFrom,
    .to = kTo,
    .bounds = {.lessThan = kLessThan, .moreThan = kMoreThan},
    .feet = kFeet,
    .metres = kMetres,
    .increasing = ", increasing",
    .decreasing = ", decreasing",
    .noDistinctChange = ", with no distinct change",
    .stop = kStop,
    .classic = &appendRunwayVisualRange,
};
constexpr RunwayStateWords kRunwayStateWords = {
    .aerodromeClosedBySnow = "The aerodrome is closed by snow. ",
    .runway = "Runway ",
    .allRunways = "All runways",
    .runwayOfLastReport = "Runway state repeated from the last report",
    .rightHandSide = "R",
    .colon = ": ",
    .closedBySnow = "closed by snow",
    .cleared = "contamination cleared",
    .deposits = {"clear and dry", "damp", "wet or water patches", "rime or frost covered",
                 "dry snow", "wet snow", "slush", "ice", "compacted or rolled snow",
                 "frozen ruts or ridges"},
    .depositNotReported = "deposit not reported",
    .extents = {", 10 % or less", ", 11 to 25 %", ", 26 to 50 %", ", 51 to 100 %"},
    .covered = " covered",
    .depthIs = ", depth ",
    .millimetres = " mm",
    .centimetres = " cm",
    .depthLessThan1 = ", depth less than 1 mm",
    .depthNotMeasurable = ", depth not significant or not measurable",
    .runwayNotOperational = ", runway not operational",
    .friction = ", friction coefficient 0.",
    .braking = {", braking action poor", ", braking action medium to poor",
                ", braking action medium", ", braking action medium to good",
                ", braking action good"},
    .brakingUnreliable = ", braking action unreliable",
    .brakingNotReported = ", braking action not reported",
    .stop = ". ",
};
constexpr SeaWords kSeaWords = {
    .temperatureIs = "Sea surface temperature is ",
    .temperatureNotReported = "Sea surface temperature is not reported",
    .minus = "-",
    .degrees = "\u00B0Celsius",
    .waveHeight = ", significant wave height ",
    .decimetres = " decimetres",
    .stateOfTheSea = ", state of the sea is ",
    .states = {"calm (glassy)", "calm (rippled)", "smooth", "slight", "moderate", "rough",
               "very rough", "high", "very high", "phenomenal"},
    .stateNotReported = ", state of the sea not reported",
    .stop = ". ",
};
constexpr Fragment kNotTranslated = "Not translated: ";
constexpr Fragment kRainfall = "Rainfall is ";
constexpr Fragment kMillimetresLastTen = " millimetres in the last 10 minutes and ";
constexpr Fragment kMillimetresSince9 = " millimetres since 9 a.m. local time. ";
constexpr Fragment kFromHeading = "FROM ";
constexpr Fragment kGmtHeading = " GMT:";
constexpr Fragment kSpace = " ";

constexpr Sentence kNoDirectionalVariation = "No directional variation can be given. ";
constexpr Sentence kVisibilityNotReported = "Visibility is not reported. ";
// CAVOK (ICAO Annex 3): visibility 10 km or more, no cloud below 1500 m (5000 ft) or the highest
// minimum sector altitude, no cumulonimbus or towering cumulus, no significant weather.
constexpr Sentence kCeilingAndVisibilityOk =
    "Ceiling and visibility OK: visibility 10 kilometres or more, no cloud below 5000 feet or the "
    "highest minimum sector altitude, no cumulonimbus or towering cumulus, and no significant "
    "weather. ";
constexpr Fragment kVariationNotReported = " The variation of the wind direction is not reported.";

void appendSpeed(TextBuffer& out, values::Speed speed) {
  if (speed.above) out += kMoreThan;
  out += speed.digits;
}

std::string_view bounded(codes::Bound bound) {
  switch (bound) {
    case codes::Bound::kLessThan:
      return kLessThan;
    case codes::Bound::kMoreThan:
      return kMoreThan;
    case codes::Bound::kExact:
      break;
  }
  return {};
}

// "light showers of rain and snow", "thunderstorm with heavy rain", "freezing drizzle".
void appendWeatherPhrase(TextBuffer& out, const codes::WeatherCode& code) {
  const std::string_view intensity = code.intensity == codes::Intensity::kLight   ? kLight
                                     : code.intensity == codes::Intensity::kHeavy ? kHeavy
                                                                                  : "";
  const bool described = code.descriptor != codes::Descriptor::kNone;
  if (described && code.count == 0) {
    appendText(out, intensity, wordsOf(code.descriptor).alone);
    return;
  }
  // The intensity qualifies the precipitation of a thunderstorm, and the whole of the rest.
  if (code.has(codes::Descriptor::kTS)) {
    appendText(out, wordsOf(code.descriptor).before, intensity);
  } else {
    out += intensity;
    if (described) out += wordsOf(code.descriptor).before;
  }
  for (std::size_t i = 0; i < code.count; ++i) {
    if (i != 0) out += i + 1 == code.count ? kAnd : kComma;
    out += wordsOf(code.phenomena[i]).noun;
  }
}

void appendWeatherCode(TextBuffer& out, const codes::WeatherCode& code) {
  if (code.intensity == codes::Intensity::kHeavy && code.descriptor == codes::Descriptor::kNone &&
      code.count == 1 && code.phenomena[0] == codes::Phenomenon::kFC) {
    out += kTornado;
  } else {
    const bool described = code.descriptor != codes::Descriptor::kNone;
    const bool pluralNoun = !described && code.count == 1 && wordsOf(code.phenomena[0]).plural;
    const bool countableNoun =
        !described && code.count >= 1 && wordsOf(code.phenomena[0]).countable;
    if ((described && wordsOf(code.descriptor).plural) || pluralNoun) {
      out += kThereAre;
    } else if (code.has(codes::Descriptor::kTS) || countableNoun) {
      out += kThereIsA;
    } else {
      out += kThereIs;
    }
    appendWeatherPhrase(out, code);
  }
  if (code.vicinity) out += kInTheVicinity;
  out += kStop;
}

// The sentence of the classic tables for a code they hold (one phenomenon, no VC, not +FC), or
// nothing.
std::string_view classicSentenceOf(const codes::WeatherCode& code) {
  if (!codes::inClassicTables(code)) return {};
  const codes::Phenomenon p = code.phenomena[0];
  // Patches of fog and shallow fog leave the visibility as it is: the classic sentences say it is
  // half a mile or less.
  if (p == codes::Phenomenon::kFG &&
      (code.has(codes::Descriptor::kBC) || code.has(codes::Descriptor::kMI))) {
    return {};
  }
  return code.descriptor == codes::Descriptor::kNone
             ? classicWeatherSentence(p, code.intensity)
             : classicWeatherSentence(code.descriptor, p, code.intensity);
}

constexpr CloudWords kCloudWords = {
    // SKC: no cloud at all.
    .skyClear = "The sky is clear: no cloud at all. ",
    .clearBelow12000 = "No clouds below 12,000 feet were detected by the automated station. ",
    .noSignificant = "No significant cloud. ",
    .noneDetected = "No cloud detected. ",
    .layerTypes = {"", "The clouds of that layer are cumulonimbus. ",
                   "The clouds of that layer are towering cumulus. ", ""},
    // VV///: the sky is obscured, by whatever obscures it.
    .skyObscured = "The sky is obscured and the vertical visibility is not available. ",
    .notReported = "Cloud cover is not reported. ",
    .cover = kCloudCover,
    .unreportedAmount = "Cloud cover of unreported amount",
    .heightNotReported = ", height not reported",
    .at = kAt,
    .types = {"", ", cumulonimbus", ", towering cumulus", ", cloud type not reported"},
    .stop = kStop,
    .layer = &appendCloudLayer,
    .verticalVisibility = &appendVerticalVisibility,
    .height = &appendHeight,
};
constexpr DirectionsWords kDirectionsWords = {
    .clouds = {"Clouds", "Cumulonimbus", "Towering cumulus", "Clouds"},
    .andWord = kAnd,
    .comma = kComma,
    .overAerodrome = " over the aerodrome",
    .inTheDistance = " in the distance",
    .toThe = " to the ",
    .stop = kStop,
    .weather = &appendWeatherPhrase,
    .direction = &nameOf,
};
constexpr TemperatureWords kTemperatureWords = {
    .airIs = kTemperatureIs,
    .airNotReported = "Temperature is not reported. ",
    .dewPointIs = kDewPointIs,
    .dewPointNotReported = "Dew point is not reported. ",
    .minus = kMinus,
    .degrees = kDegreesCelsius,
    .both = &appendTemperature,
};
constexpr WeatherWords kWeatherWords = {
    .notObserved = "Present weather is not reported. ",
    .noSignificant = "No significant weather. ",
    .nil = "No weather to report. ",
    .recentNotReported = "Recent weather is not reported. ",
    .recent = "Recent ",
    .stop = kStop,
    .classic = &classicSentenceOf,
    .sentence = &appendWeatherCode,
    .phrase = &appendWeatherPhrase,
};
constexpr PressureWords kPressureWords = {
    .qnhNotReported = "QNH is not reported. ",
    .altimeterNotReported = "Altimeter setting is not reported. ",
    .qnh = &appendQnh,
    .altimeter = &appendAltimeter,
};
constexpr MarkWords kMarkWords = {
    .windShearAllRunways = "Wind shear on all runways. ",
    .windShearOnRunway = "Wind shear on runway ",
    // In the order of codes::kColourCodes.
    .colours = {"blue", "white", "green", "yellow", "yellow 1", "yellow 2", "amber", "red"},
    .colourState = "Military colour state ",
    .black = ", and the aerodrome is unusable for a reason other than the weather",
    .stop = kStop,
};

}  // namespace

void appendHeaderWithoutTime(TextBuffer& out, ReportType type, std::string_view station) {
  out += kReportFor[static_cast<std::size_t>(type)];
  appendStation(out, station);
}

void appendHeaderNote(TextBuffer& out, HeaderNote note) {
  out += kHeaderNotes[static_cast<std::size_t>(note)];
}

void appendWind(TextBuffer& out, const values::Wind& w, Section section) {
  const std::string_view words = kSpeedUnits[static_cast<std::size_t>(w.unit)];
  const bool directionMissing = !w.variable && w.direction.empty();
  if (w.speed.digits.empty() || directionMissing) {
    if (directionMissing && w.speed.digits.empty()) {
      out += kWindNotReported;
    } else if (directionMissing) {
      out += kWindFromUnreported;
      appendSpeed(out, w.speed);
      out += words;
    } else {
      appendText(out, kWindFrom, w.direction, kSpeedNotReported);
    }
    out += stopOf(section);
    return;
  }
  const bool plainSpeeds = !w.speed.above && !w.gust.above;
  if (w.calm) {
    out += kCalm;
  } else if (w.variable && w.gust.digits.empty() && plainSpeeds) {
    appendVariableWind(out, w.speed.digits, w.unit, section);
  } else if (!w.variable && plainSpeeds && w.unit != SpeedUnit::kMetresPerSecond) {
    appendWind(out, w.direction, w.speed.digits, w.gust.digits, w.unit, section);
  } else {
    if (w.variable) {
      out += kVariableWindAt;
    } else {
      appendText(out, kWindFrom, w.direction, kDegreeAt);
    }
    appendSpeed(out, w.speed);
    out += words;
    if (!w.gust.digits.empty()) {
      out += kWithGustsAt;
      appendSpeed(out, w.gust);
      out += words;
    }
    out += stopOf(section);
  }
}

void appendWindVariation(TextBuffer& out, const values::WindVariation& v, Section section) {
  if (v.from.empty()) {
    out += kVariationNotReported;
  } else {
    appendVariation(out, v.from, v.to, section);
  }
}

void appendVisibility(TextBuffer& out, const values::Visibility& v) {
  using Kind = values::Visibility::Kind;
  switch (v.kind) {
    case Kind::kCavok:
      out += kCeilingAndVisibilityOk;
      return;
    case Kind::kNotReported:
      out += kVisibilityNotReported;
      return;
    case Kind::kMetres:
      if (v.metres == "0000") {
        out += kNoVisibility;
      } else if (v.metres == "9999") {
        out += kVisibilityTenKilometres;
      } else {
        appendVisibilityMetres(out, v.metres);
      }
      if (v.noDirectionalVariation) out += kNoDirectionalVariation;
      return;
    case Kind::kMinimum:
      appendText(out, kMinimumVisibilityIs, v.metres, kMetres, kStop);
      return;
    case Kind::kDirectional:
      appendText(out, v.afterAnother ? kMinimumVisibilityIs : kVisibilityIs, v.metres, kMetres,
                 kTowards, nameOf(v.direction), kStop);
      return;
    case Kind::kStatuteMiles:
      break;
  }
  const codes::Miles& m = v.miles;
  appendText(out, kVisibilityIs, bounded(m.bound), m.whole);
  if (!m.whole.empty() && !m.fraction.empty()) out += kSpace;
  out += m.fraction;
  // One mile or less is a mile; more than one, or a fraction beyond a whole, are miles.
  const bool plural = (m.whole != "1" && !m.whole.empty()) ||
                      (m.whole == "1" && !m.fraction.empty()) || m.bound == codes::Bound::kMoreThan;
  appendText(out, plural ? kStatuteMiles : kStatuteMile, kStop);
}

void appendRunwayRange(TextBuffer& out, const values::RunwayRange& range) {
  appendRunwayRange(out, range, kRunwayRangeWords);
}

void appendPresentWeather(TextBuffer& out, const values::PresentWeather& w) {
  appendPresentWeather(out, w, kWeatherWords);
}

void appendCloud(TextBuffer& out, const values::Cloud& c) {
  appendCloud(out, c, kCloudWords);
}

void appendDirections(TextBuffer& out, const values::Directions& d) {
  appendDirections(out, d, kDirectionsWords);
}

void appendTemperature(TextBuffer& out, const values::Temperature& t) {
  appendTemperature(out, t, kTemperatureWords);
}

void appendPressure(TextBuffer& out, const values::Pressure& p) {
  appendPressure(out, p, kPressureWords);
}

void appendAltimeter(TextBuffer& out, std::string_view hundredths) {
  appendText(out, kAltimeterIs, hundredths.substr(0, 2), kDecimalPoint, hundredths.substr(2),
             kInchesOfMercury);
}

void appendRecentWeather(TextBuffer& out, const values::RecentWeather& recent) {
  appendRecentWeather(out, recent, kWeatherWords);
}

void appendRecentWeather(TextBuffer& out, const codes::WeatherCode& code) {
  appendRecentWeather(out, code, kWeatherWords);
}

void appendWindShear(TextBuffer& out, const values::WindShear& shear) {
  appendWindShear(out, shear, kMarkWords);
}

void appendRunwayState(TextBuffer& out, const values::RunwayState& state) {
  appendRunwayState(out, state, kRunwayStateWords);
}

void appendSea(TextBuffer& out, const values::Sea& sea) {
  appendSea(out, sea, kSeaWords);
}

void appendColourState(TextBuffer& out, const values::ColourState& colour) {
  appendColourState(out, colour, kMarkWords);
}

void appendRainfall(TextBuffer& out, const values::Rainfall& rainfall) {
  appendText(out, kRainfall, rainfall.lastTenMinutes(), kMillimetresLastTen, rainfall.since9(),
             kMillimetresSince9);
}

void appendTrendTime(TextBuffer& out, const values::TrendTime& time, bool becoming) {
  using Kind = values::TrendTime::Kind;
  if (time.kind == Kind::kPeriod) {
    appendText(out, kTrendTimes[0], time.hour, kDecimalPoint, time.minute, kTo, time.untilHour,
               kDecimalPoint, time.untilMinute, kGmtStop);
    return;
  }
  const Fragment lead = becoming && time.kind == Kind::kUntil
                            ? kCompleteBy
                            : kTrendTimes[static_cast<std::size_t>(time.kind)];
  appendText(out, lead, time.hour, kDecimalPoint, time.minute, kGmtStop);
}

void appendTurbulence(TextBuffer& out, const values::Turbulence& t) {
  out += t.severe ? kSevereTurbulence : kModerateTurbulence;
  if (t.level != values::Turbulence::Level::kAny) {
    appendText(out, t.level == values::Turbulence::Level::kBelow ? kBelow : kAbove, t.feet, kFeet);
  }
  if (!t.fromHour.empty()) {
    appendText(out, kFromTime, t.fromHour, kDecimalPoint, t.fromMinute);
    if (t.untilHour.empty()) out += kGmt;
  }
  if (!t.untilHour.empty()) {
    appendText(out, t.fromHour.empty() ? kUntilTime : kTo, t.untilHour, kDecimalPoint,
               t.untilMinute, kGmt);
  }
  out += kStop;
}

void appendProbabilityHeading(TextBuffer& out, std::string_view percent, bool temporary) {
  appendText(out, kProbability, percent, kPercent, temporary ? kTemporaryAfter : kHeadingEnd);
}

void appendFromHeading(TextBuffer& out, std::string_view hour, std::string_view minute) {
  appendText(out, kFromHeading, hour, kDecimalPoint, minute, kGmtHeading);
}

void appendNotTranslated(TextBuffer& out, std::string_view group, bool first) {
  out += first ? kNotTranslated : kSpace;
  out += group;
}

}  // namespace vantrel::words
