// The sentences only the full reading writes. Shared fragments come from vocabulary.cpp's
// wording functions, so a classic sentence is never spelt twice.

#include "metar/fragments.hpp"
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
constexpr std::array<Fragment, 9> kCompass = {
    "", "north", "north-east", "east", "south-east", "south", "south-west", "west", "north-west"};
constexpr Fragment kStatuteMile = " statute mile";
constexpr Fragment kStatuteMiles = " statute miles";

constexpr Fragment kVariesFrom = " varies from ";
constexpr Fragment kTo = " to ";
constexpr Fragment kNotReported = "not reported";
constexpr Fragment kIncreasing = ", increasing";
constexpr Fragment kDecreasing = ", decreasing";
constexpr Fragment kNoDistinctChange = ", with no distinct change";

constexpr Fragment kThereIs = "There is ";
constexpr Fragment kThereIsA = "There is a ";
constexpr Fragment kThereAre = "There are ";
constexpr Fragment kRecent = "Recent ";
constexpr Fragment kLight = "light ";
constexpr Fragment kHeavy = "heavy ";
constexpr Fragment kAnd = " and ";
constexpr Fragment kComma = ", ";
constexpr Fragment kInTheVicinity = " in the vicinity";
constexpr Fragment kTornado = "There is a tornado or waterspout";

constexpr Fragment kCloudOfUnreportedAmount = "Cloud cover of unreported amount";
constexpr Fragment kHeightNotReported = ", height not reported";
constexpr std::array<Fragment, 4> kCloudTypes = {"", ", cumulonimbus", ", towering cumulus",
                                                 ", cloud type not reported"};
constexpr std::array<Fragment, 4> kLayerTypes = {"", "The clouds of that layer are cumulonimbus. ",
                                                 "The clouds of that layer are towering cumulus. ",
                                                 ""};

constexpr Fragment kTemperatureNotReported = "Temperature is not reported. ";
constexpr Fragment kDewPointNotReported = "Dew point is not reported. ";
constexpr Fragment kAltimeterIs = "Altimeter setting is ";
constexpr Fragment kDecimalPoint = ".";
constexpr Fragment kInchesOfMercury = " inches of mercury. ";

constexpr Fragment kProbability = "PROBABILITY ";
constexpr Fragment kPercent = " %";
constexpr Fragment kTemporaryAfter = ", TEMPORARY:";
constexpr Fragment kHeadingEnd = ":";
constexpr std::array<Fragment, 3> kTrendTimes = {"From ", "Until ", "At "};
constexpr Fragment kGmtStop = " GMT. ";

constexpr Fragment kWindShearOnRunway = "Wind shear on runway ";
constexpr Fragment kWindShearAllRunways = "Wind shear on all runways. ";
constexpr Fragment kRunway = "Runway ";
constexpr Fragment kAllRunways = "All runways";
constexpr Fragment kColon = ": ";
constexpr Fragment kCleared = "contamination cleared";
constexpr std::array<Fragment, 10> kDeposits = {"clear and dry",
                                                "damp",
                                                "wet or water patches",
                                                "rime or frost covered",
                                                "dry snow",
                                                "wet snow",
                                                "slush",
                                                "ice",
                                                "compacted or rolled snow",
                                                "frozen ruts or ridges"};
constexpr Fragment kDepositNotReported = "deposit not reported";
constexpr Fragment kCovered = " covered";
constexpr Fragment kExtent1 = ", 10 % or less";
constexpr Fragment kExtent2 = ", 11 to 25 %";
constexpr Fragment kExtent5 = ", 26 to 50 %";
constexpr Fragment kExtent9 = ", 51 to 100 %";
constexpr Fragment kDepthIs = ", depth ";
constexpr Fragment kMillimetres = " mm";
constexpr Fragment kDepthLessThan1 = ", depth less than 1 mm";
constexpr Fragment kDepthCentimetres = " cm";
constexpr Fragment kDepthNotMeasurable = ", depth not significant or not measurable";
constexpr Fragment kRunwayNotOperational = ", runway not operational";
constexpr Fragment kFriction = ", friction coefficient 0.";
constexpr std::array<Fragment, 5> kBraking = {
    ", braking action poor", ", braking action medium to poor", ", braking action medium",
    ", braking action medium to good", ", braking action good"};
constexpr Fragment kBrakingUnreliable = ", braking action unreliable";
constexpr Fragment kBrakingNotReported = ", braking action not reported";
constexpr Fragment kSeaTemperatureIs = "Sea surface temperature is ";
constexpr Fragment kSeaTemperatureNotReported = "Sea surface temperature is not reported";
constexpr Fragment kDegrees = "\u00B0Celsius";
constexpr Fragment kStateOfTheSea = ", state of the sea is ";
constexpr std::array<Fragment, 10> kSeaStates = {
    "calm (glassy)", "calm (rippled)", "smooth", "slight",    "moderate",
    "rough",         "very rough",     "high",   "very high", "phenomenal"};
constexpr Fragment kSeaStateNotReported = ", state of the sea not reported";
constexpr Fragment kWaveHeight = ", significant wave height ";
constexpr Fragment kDecimetres = " decimetres";
constexpr Fragment kNotTranslated = "Not translated: ";
struct Colour {
  Fragment code, name;
};
constexpr std::array<Colour, 8> kColours{{{"BLU", "blue"},
                                          {"WHT", "white"},
                                          {"GRN", "green"},
                                          {"YLO", "yellow"},
                                          {"YLO1", "yellow 1"},
                                          {"YLO2", "yellow 2"},
                                          {"AMB", "amber"},
                                          {"RED", "red"}}};
constexpr Fragment kColourState = "Military colour state ";
constexpr Fragment kBlack = ", and the aerodrome is unusable for a reason other than the weather";
constexpr Fragment kRainfall = "Rainfall is ";
constexpr Fragment kMillimetresLastTen = " millimetres in the last 10 minutes and ";
constexpr Fragment kMillimetresSince9 = " millimetres since 9 a.m. local time. ";
constexpr std::array<Fragment, 4> kCloudNames = {"Clouds", "Cumulonimbus", "Towering cumulus",
                                                 "Clouds"};
constexpr Fragment kInTheDistance = " in the distance";
constexpr Fragment kToThe = " to the ";
constexpr Fragment kOverTheAerodrome = " over the aerodrome";
constexpr Fragment kFromHeading = "FROM ";
constexpr Fragment kGmtHeading = " GMT:";
constexpr Fragment kSpace = " ";

void appendSpeed(TextBuffer& out, Speed speed) {
  if (speed.above) out += kMoreThan;
  out += speed.digits;
}

std::string_view bounded(Bound bound) {
  switch (bound) {
    case Bound::kLessThan:
      return kLessThan;
    case Bound::kMoreThan:
      return kMoreThan;
    case Bound::kExact:
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

}  // namespace

void appendHeaderWithoutTime(TextBuffer& out, ReportType type, std::string_view station) {
  out += kReportFor[static_cast<std::size_t>(type)];
  appendStation(out, station);
}

void appendHeaderNote(TextBuffer& out, HeaderNote note) {
  out += kHeaderNotes[static_cast<std::size_t>(note)];
}

void appendWindNotReported(TextBuffer& out, std::string_view direction, Speed speed, SpeedUnit unit,
                           Section section) {
  const std::string_view words = kSpeedUnits[static_cast<std::size_t>(unit)];
  if (direction.empty() && speed.digits.empty()) {
    out += kWindNotReported;
  } else if (direction.empty()) {
    out += kWindFromUnreported;
    appendSpeed(out, speed);
    out += words;
  } else {
    appendText(out, kWindFrom, direction, kSpeedNotReported);
  }
  out += stopOf(section);
}

void appendWindFull(TextBuffer& out, std::string_view direction, Speed speed, Speed gust,
                    SpeedUnit unit, Section section) {
  const std::string_view words = kSpeedUnits[static_cast<std::size_t>(unit)];
  if (direction.empty()) {
    out += kVariableWindAt;
  } else {
    appendText(out, kWindFrom, direction, kDegreeAt);
  }
  appendSpeed(out, speed);
  out += words;
  if (!gust.digits.empty()) {
    out += kWithGustsAt;
    appendSpeed(out, gust);
    out += words;
  }
  out += stopOf(section);
}

void appendDirectionalVisibility(TextBuffer& out, bool minimum, std::string_view metres,
                                 Compass direction) {
  appendText(out, minimum ? kMinimumVisibilityIs : kVisibilityIs, metres, kMetres);
  if (direction != Compass::kNone) {
    appendText(out, kTowards, kCompass[static_cast<std::size_t>(direction)]);
  }
  out += kStop;
}

void appendVisibilityMiles(TextBuffer& out, Bound bound, std::string_view whole,
                           std::string_view fraction) {
  appendText(out, kVisibilityIs, bounded(bound), whole);
  if (!whole.empty() && !fraction.empty()) out += kSpace;
  out += fraction;
  // One mile or less is a mile; more than one, or a fraction beyond a whole, are miles.
  const bool plural = (whole != "1" && !whole.empty()) || (whole == "1" && !fraction.empty()) ||
                      bound == Bound::kMoreThan;
  appendText(out, plural ? kStatuteMiles : kStatuteMile, kStop);
}

void appendRunwayRange(TextBuffer& out, const RunwayRange& range) {
  out += kRunwayVisualRange;
  out += range.runway;
  if (range.low.empty()) {
    appendText(out, kIs, kNotReported, kStop);
    return;
  }
  if (range.high.empty()) {
    appendText(out, kIs, bounded(range.lowBound), range.low);
  } else {
    appendText(out, kVariesFrom, bounded(range.lowBound), range.low, kTo, bounded(range.highBound),
               range.high);
  }
  out += range.feet ? kFeet : kMetres;
  if (range.tendency == 'U') out += kIncreasing;
  if (range.tendency == 'D') out += kDecreasing;
  if (range.tendency == 'N') out += kNoDistinctChange;
  out += kStop;
}

void appendWeather(TextBuffer& out, const codes::WeatherCode& code) {
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

void appendRecentWeather(TextBuffer& out, const codes::WeatherCode& code) {
  out += kRecent;
  appendWeatherPhrase(out, code);
  out += kStop;
}

void appendCloudLayerFull(TextBuffer& out, const CloudAmount* amount, std::string_view height,
                          CloudType type) {
  out +=
      amount == nullptr ? kCloudOfUnreportedAmount : kCloudCover[static_cast<std::size_t>(*amount)];
  if (height.empty()) {
    out += kHeightNotReported;
  } else {
    out += kAt;
    appendHeight(out, height);
    out.truncate(out.size() - 2);  // the height's own ". "
  }
  appendText(out, kCloudTypes[static_cast<std::size_t>(type)], kStop);
}

void appendCloudTypeOfLayer(TextBuffer& out, CloudType type) {
  out += kLayerTypes[static_cast<std::size_t>(type)];
}

void appendTemperatureFull(TextBuffer& out, bool temperatureBelowZero, std::string_view temperature,
                           bool dewPointBelowZero, std::string_view dewPoint) {
  if (temperature.empty()) {
    out += kTemperatureNotReported;
  } else {
    appendText(out, kTemperatureIs, temperatureBelowZero ? kMinus : "", temperature,
               kDegreesCelsius);
  }
  if (dewPoint.empty()) {
    out += kDewPointNotReported;
  } else {
    appendText(out, kDewPointIs, dewPointBelowZero ? kMinus : "", dewPoint, kDegreesCelsius);
  }
}

void appendAltimeter(TextBuffer& out, std::string_view hundredths) {
  appendText(out, kAltimeterIs, hundredths.substr(0, 2), kDecimalPoint, hundredths.substr(2),
             kInchesOfMercury);
}

void appendProbabilityHeading(TextBuffer& out, std::string_view percent, bool temporary) {
  appendText(out, kProbability, percent, kPercent, temporary ? kTemporaryAfter : kHeadingEnd);
}

void appendTrendTime(TextBuffer& out, TrendTime kind, std::string_view hour,
                     std::string_view minute) {
  appendText(out, kTrendTimes[static_cast<std::size_t>(kind)], hour, kDecimalPoint, minute,
             kGmtStop);
}

void appendWindShear(TextBuffer& out, std::string_view runway) {
  if (runway.empty()) {
    out += kWindShearAllRunways;
  } else {
    appendText(out, kWindShearOnRunway, runway, kStop);
  }
}

void appendRunwayState(TextBuffer& out, const RunwayState& state) {
  if (state.runway.empty()) {
    appendText(out, kAllRunways, kColon);
  } else {
    appendText(out, kRunway, state.runway, kColon);
  }
  if (state.cleared) {
    out += kCleared;
  } else {
    if (state.deposit >= '0' && state.deposit <= '9') {
      out += kDeposits[static_cast<std::size_t>(state.deposit - '0')];
    } else {
      out += kDepositNotReported;
    }
    switch (state.extent) {
      case '1':
        appendText(out, kExtent1, kCovered);
        break;
      case '2':
        appendText(out, kExtent2, kCovered);
        break;
      case '5':
        appendText(out, kExtent5, kCovered);
        break;
      case '9':
        appendText(out, kExtent9, kCovered);
        break;
      default:
        break;
    }
    const std::string_view d = state.depth;
    if (d == "00") {
      out += kDepthLessThan1;
    } else if (d == "99") {
      out += kRunwayNotOperational;
    } else if (d == "//") {
      out += kDepthNotMeasurable;
    } else if (d >= "92" && d <= "98") {
      // 92 to 98 stand for 10 to 40 cm in steps of 5 cm.
      constexpr std::array<Fragment, 7> kCentimetres = {"10", "15", "20", "25", "30", "35", "40"};
      appendText(out, kDepthIs, kCentimetres[static_cast<std::size_t>(d[1] - '2')],
                 kDepthCentimetres);
    } else if (d != "91") {
      appendText(out, kDepthIs, d, kMillimetres);
    }
  }
  const std::string_view b = state.braking;
  if (b == "//") {
    out += kBrakingNotReported;
  } else if (b == "99") {
    out += kBrakingUnreliable;
  } else if (b >= "91" && b <= "95") {
    out += kBraking[static_cast<std::size_t>(b[1] - '1')];
  } else {
    appendText(out, kFriction, b);
  }
  out += kStop;
}

void appendSea(TextBuffer& out, bool belowZero, std::string_view temperature, char state,
               std::string_view waveHeight) {
  if (temperature.empty()) {
    out += kSeaTemperatureNotReported;
  } else {
    appendText(out, kSeaTemperatureIs, belowZero ? kMinus : "", temperature, kDegrees);
  }
  if (!waveHeight.empty()) {
    appendText(out, kWaveHeight, waveHeight, kDecimetres);
  } else if (state >= '0' && state <= '9') {
    appendText(out, kStateOfTheSea, kSeaStates[static_cast<std::size_t>(state - '0')]);
  } else {
    out += kSeaStateNotReported;
  }
  out += kStop;
}

bool appendColourState(TextBuffer& out, std::string_view code, bool black) {
  for (const Colour& c : kColours) {
    if (sameCode(c.code, code)) {
      appendText(out, kColourState, c.name, black ? kBlack : "", kStop);
      return true;
    }
  }
  return false;
}

void appendRainfall(TextBuffer& out, std::string_view lastTenMinutes, std::string_view since9) {
  appendText(out, kRainfall, lastTenMinutes, kMillimetresLastTen, since9, kMillimetresSince9);
}

void appendMinimumVisibility(TextBuffer& out, std::string_view metres) {
  appendText(out, kMinimumVisibilityIs, metres, kMetres, kStop);
}

void appendDirections(TextBuffer& out, std::span<const PlaceSubject> subjects, bool distant,
                      std::span<const Compass> directions, bool overField) {
  const std::size_t start = out.size();
  for (std::size_t i = 0; i < subjects.size(); ++i) {
    if (i != 0) out += kAnd;
    if (subjects[i].weather != nullptr) {
      appendWeatherPhrase(out, *subjects[i].weather);
    } else {
      out += kCloudNames[static_cast<std::size_t>(subjects[i].cloud)];
    }
  }
  out[start] = asciiUpper(out[start]);
  if (directions.empty() && overField) {
    appendText(out, kOverTheAerodrome, kStop);
    return;
  }
  if (distant) out += kInTheDistance;
  out += kToThe;
  for (std::size_t i = 0; i < directions.size(); ++i) {
    if (i != 0) out += i + 1 == directions.size() ? kAnd : kComma;
    out += kCompass[static_cast<std::size_t>(directions[i])];
  }
  out += kStop;
}

void appendFromHeading(TextBuffer& out, std::string_view hour, std::string_view minute) {
  appendText(out, kFromHeading, hour, kDecimalPoint, minute, kGmtHeading);
}

void appendNotTranslated(TextBuffer& out, std::string_view group, bool first) {
  out += first ? kNotTranslated : kSpace;
  out += group;
}

}  // namespace vantrel::words
