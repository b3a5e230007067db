// The sentences only the full reading writes. Shared fragments come from vocabulary.cpp's
// wording functions, so a classic sentence is never spelt twice.

#include "metar/compass_words.hpp"
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
constexpr Fragment kGmt = " GMT";
constexpr Fragment kCompleteBy = "Complete by ";
constexpr Fragment kModerateTurbulence = "Moderate turbulence";
constexpr Fragment kSevereTurbulence = "Severe turbulence";
constexpr Fragment kBelow = " below ";
constexpr Fragment kAbove = " above ";
constexpr Fragment kFromTime = " from ";
constexpr Fragment kUntilTime = " until ";

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
// In the order of codes::kColourCodes.
constexpr std::array<Fragment, 8> kColourNames = {"blue",     "white",    "green", "yellow",
                                                  "yellow 1", "yellow 2", "amber", "red"};
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

constexpr Sentence kNoDirectionalVariation = "No directional variation can be given. ";
constexpr Sentence kVisibilityNotReported = "Visibility is not reported. ";
constexpr Sentence kWeatherNotObserved = "Present weather is not reported. ";
constexpr Sentence kNoSignificantWeather = "No significant weather. ";
constexpr Sentence kNoWeatherToReport = "No weather to report. ";
constexpr Sentence kCloudNotReported = "Cloud cover is not reported. ";
constexpr Sentence kNoSignificantCloud = "No significant cloud. ";
constexpr Sentence kNoCloudDetected = "No cloud detected. ";
constexpr Sentence kClearBelow12000 =
    "No clouds below 12,000 feet were detected by the automated station. ";
constexpr Sentence kQnhNotReported = "QNH is not reported. ";
constexpr Sentence kAltimeterNotReported = "Altimeter setting is not reported. ";
constexpr Sentence kAerodromeClosedBySnow = "The aerodrome is closed by snow. ";
constexpr Sentence kRecentWeatherNotReported = "Recent weather is not reported. ";
// CAVOK (ICAO Annex 3): visibility 10 km or more, no cloud below 1500 m (5000 ft) or the highest
// minimum sector altitude, no cumulonimbus or towering cumulus, no significant weather.
constexpr Sentence kCeilingAndVisibilityOk =
    "Ceiling and visibility OK: visibility 10 kilometres or more, no cloud below 5000 feet or the "
    "highest minimum sector altitude, no cumulonimbus or towering cumulus, and no significant "
    "weather. ";
// SKC: no cloud at all; VV///: the sky is obscured, by whatever obscures it.
constexpr Sentence kNoCloudAtAll = "The sky is clear: no cloud at all. ";
constexpr Sentence kSkyObscured =
    "The sky is obscured and the vertical visibility is not available. ";
constexpr Fragment kVariationNotReported = " The variation of the wind direction is not reported.";
constexpr Fragment kRunwayOfLastReport = "Runway state repeated from the last report";
constexpr Fragment kClosedBySnow = "closed by snow";
constexpr std::array<Fragment, 3> kSides = {"L", "C", "R"};

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
  if (code.vicinity || code.count != 1) return {};
  const codes::Phenomenon p = code.phenomena[0];
  const auto pi = static_cast<std::size_t>(p);
  // Patches of fog and shallow fog leave the visibility as it is: the classic sentences say it is
  // half a mile or less.
  if (p == codes::Phenomenon::kFG &&
      (code.has(codes::Descriptor::kBC) || code.has(codes::Descriptor::kMI))) {
    return {};
  }
  if (code.descriptor == codes::Descriptor::kNone) {
    if (code.intensity == codes::Intensity::kHeavy && p == codes::Phenomenon::kFC) return {};
    return pi < codes::kClassicPhenomena ? classicWeatherSentence(p, code.intensity)
                                         : std::string_view();
  }
  const std::size_t count =
      code.has(codes::Descriptor::kSH) ? codes::kShowerPhenomena : codes::kClassicPhenomena;
  if (static_cast<std::size_t>(code.descriptor) >= codes::kClassicDescriptors || pi >= count) {
    return {};
  }
  return classicWeatherSentence(code.descriptor, p, code.intensity);
}

// "Runway 27L", "All runways", "Runway of the last report", and the right-hand runway of the
// old eight figures (82: "Runway 32R").
void appendRunwayName(TextBuffer& out, const codes::Runway& runway) {
  switch (runway.kind) {
    case codes::Runway::Kind::kAll:
      out += kAllRunways;
      return;
    case codes::Runway::Kind::kRepeated:
      out += kRunwayOfLastReport;
      return;
    case codes::Runway::Kind::kOne:
      break;
  }
  out += kRunway;
  if (runway.rightHand == 0) {
    out += runway.designator;
    return;
  }
  const char digits[2] = {static_cast<char>('0' + runway.rightHand / 10),
                          static_cast<char>('0' + runway.rightHand % 10)};
  appendText(out, std::string_view(digits, 2), kSides[2]);
}

void appendDegrees(TextBuffer& out, const values::Degrees& d) {
  appendText(out, d.belowZero ? kMinus : "", d.digits);
}

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
  // The form the classic reading words: one value in metres, nothing else.
  if (!range.low.empty() && range.lowBound == codes::Bound::kExact && range.high.empty() &&
      !range.feet && range.tendency == 0) {
    appendRunwayVisualRange(out, range.runway, range.low);
    return;
  }
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

void appendPresentWeather(TextBuffer& out, const values::PresentWeather& w) {
  using Kind = values::PresentWeather::Kind;
  switch (w.kind) {
    case Kind::kNotObserved:
      out += kWeatherNotObserved;
      return;
    case Kind::kNoSignificant:
      out += kNoSignificantWeather;
      return;
    case Kind::kNil:
      out += kNoWeatherToReport;
      return;
    case Kind::kCode:
      break;
  }
  // The forms the classic tables hold keep their sentences.
  if (const std::string_view classic = classicSentenceOf(w.code); !classic.empty()) {
    out += classic;
  } else {
    appendWeatherCode(out, w.code);
  }
}

void appendCloud(TextBuffer& out, const values::Cloud& c) {
  using Kind = values::Cloud::Kind;
  switch (c.kind) {
    case Kind::kSkyClear:
      out += kNoCloudAtAll;
      return;
    case Kind::kClearBelow12000:
      out += kClearBelow12000;
      return;
    case Kind::kNoSignificant:
      out += kNoSignificantCloud;
      return;
    case Kind::kNoneDetected:
      out += kNoCloudDetected;
      return;
    case Kind::kTypeOfLayer:
      out += kLayerTypes[static_cast<std::size_t>(c.type)];
      return;
    case Kind::kVerticalVisibility:
      if (c.height.empty()) {
        out += kSkyObscured;
      } else {
        appendVerticalVisibility(out, c.height);
      }
      return;
    case Kind::kNotReported:
      out += kCloudNotReported;
      return;
    case Kind::kLayer:
      break;
  }
  if (c.amountGiven && !c.height.empty() && c.type == codes::CloudType::kNone) {
    appendCloudLayer(out, c.amount, c.height);
    return;
  }
  out += c.amountGiven ? kCloudCover[static_cast<std::size_t>(c.amount)] : kCloudOfUnreportedAmount;
  if (c.height.empty()) {
    out += kHeightNotReported;
  } else {
    out += kAt;
    appendHeight(out, c.height);
    out.truncate(out.size() - 2);  // the height's own ". "
  }
  appendText(out, kCloudTypes[static_cast<std::size_t>(c.type)], kStop);
}

void appendDirections(TextBuffer& out, const values::Directions& d) {
  const std::size_t start = out.size();
  for (std::size_t i = 0; i < d.subjectCount; ++i) {
    if (i != 0) out += kAnd;
    if (d.subjects[i].isWeather) {
      appendWeatherPhrase(out, d.subjects[i].weather);
    } else {
      out += kCloudNames[static_cast<std::size_t>(d.subjects[i].cloud)];
    }
  }
  out[start] = asciiUpper(out[start]);
  if (d.count == 0 && d.overField) {
    appendText(out, kOverTheAerodrome, kStop);
    return;
  }
  if (d.distant) out += kInTheDistance;
  out += kToThe;
  for (std::size_t i = 0; i < d.count; ++i) {
    if (i != 0) out += i + 1 == d.count ? kAnd : kComma;
    out += nameOf(d.directions[i]);
  }
  out += kStop;
}

void appendTemperature(TextBuffer& out, const values::Temperature& t) {
  if (!t.air.digits.empty() && !t.dewPoint.digits.empty()) {
    const bool bothBelow = t.air.belowZero && t.dewPoint.belowZero;
    appendTemperature(out, t.air.belowZero, t.air.digits, t.dewPoint.belowZero, t.dewPoint.digits,
                      bothBelow ? DegreeStyle::kSpaced : DegreeStyle::kJoined);
    return;
  }
  if (t.air.digits.empty()) {
    out += kTemperatureNotReported;
  } else {
    out += kTemperatureIs;
    appendDegrees(out, t.air);
    out += kDegreesCelsius;
  }
  if (t.dewPoint.digits.empty()) {
    out += kDewPointNotReported;
  } else {
    out += kDewPointIs;
    appendDegrees(out, t.dewPoint);
    out += kDegreesCelsius;
  }
}

void appendPressure(TextBuffer& out, const values::Pressure& p) {
  if (p.missing) {
    out += p.altimeter ? kAltimeterNotReported : kQnhNotReported;
  } else if (p.altimeter) {
    appendAltimeter(out, p.value());
  } else {
    appendQnh(out, p.value());
  }
}

void appendAltimeter(TextBuffer& out, std::string_view hundredths) {
  appendText(out, kAltimeterIs, hundredths.substr(0, 2), kDecimalPoint, hundredths.substr(2),
             kInchesOfMercury);
}

void appendRecentWeather(TextBuffer& out, const values::RecentWeather& recent) {
  if (recent.notReported) {
    out += kRecentWeatherNotReported;
  } else {
    appendRecentWeather(out, recent.code);
  }
}

void appendRecentWeather(TextBuffer& out, const codes::WeatherCode& code) {
  out += kRecent;
  appendWeatherPhrase(out, code);
  out += kStop;
}

void appendWindShear(TextBuffer& out, const values::WindShear& shear) {
  if (shear.runway.empty()) {
    out += kWindShearAllRunways;
  } else {
    appendText(out, kWindShearOnRunway, shear.runway, kStop);
  }
}

void appendRunwayState(TextBuffer& out, const values::RunwayState& state) {
  if (state.aerodromeClosedBySnow) {
    out += kAerodromeClosedBySnow;
    return;
  }
  appendRunwayName(out, state.runway);
  out += kColon;
  if (state.closedBySnow) {
    appendText(out, kClosedBySnow, kStop);
    return;
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

void appendSea(TextBuffer& out, const values::Sea& sea) {
  if (sea.temperature.digits.empty()) {
    out += kSeaTemperatureNotReported;
  } else {
    out += kSeaTemperatureIs;
    appendDegrees(out, sea.temperature);
    out += kDegrees;
  }
  if (!sea.waveHeight.empty()) {
    appendText(out, kWaveHeight, sea.waveHeight, kDecimetres);
  } else if (sea.state >= '0' && sea.state <= '9') {
    appendText(out, kStateOfTheSea, kSeaStates[static_cast<std::size_t>(sea.state - '0')]);
  } else {
    out += kSeaStateNotReported;
  }
  out += kStop;
}

void appendColourState(TextBuffer& out, const values::ColourState& colour) {
  appendText(out, kColourState, kColourNames[colour.colour], colour.black ? kBlack : "", kStop);
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
