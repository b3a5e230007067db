// The wording of the remarks: a sentence (ending in ". ") for each remark value of
// remark_kinds.hpp, from the words of remark_vocabulary.hpp and, for a remark that alone uses
// them, fragments of its own here. The sentence starts with a capital; the wording, not the
// reader, decides the case and the number of every word. Numbers keep their digits as typed,
// without leading zeros.

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "metar/compass_words.hpp"
#include "metar/remark_kinds.hpp"
#include "metar/remark_shapes.hpp"
#include "metar/remark_vocabulary.hpp"
#include "metar/text.hpp"
#include "metar/vocabulary.hpp"
#include "metar/weather_words.hpp"

namespace vantrel::remarks {

using namespace remark_words;  // NOLINT(google-build-using-namespace): the words of this file

namespace {

namespace rv = remarks;

// Each table of words follows its table of codes.
static_assert(kColours.size() == rv::kColourCodes.size());
static_assert(kSights.size() == rv::kSightCodes.size());
static_assert(kLayerTypes.size() == rv::kLayerCodes.size());
static_assert(kSkyCovers.size() == rv::kSkyCoverCodes.size());
static_assert(kLightningFrequency.size() == rv::kLightningFrequencyCodes.size());
static_assert(kLightningTypes.size() == rv::kLightningTypeCodes.size());
static_assert(words::kCompassNames.size() == codes::kCompassCodes.size());

// --- Numbers and times ----------------------------------------------------------------------

// Digits without their leading zeros (one zero stays for zero).
void appendInteger(TextBuffer& out, string_view digits) {
  std::size_t i = 0;
  while (i + 1 < digits.size() && digits[i] == '0') ++i;
  out += digits.substr(i);
}

// A time of the remarks: hhmm as "15.47 GMT", mm as "47 minutes past the hour", 00 as "the top
// of the hour".
void appendTime(TextBuffer& out, string_view time) {
  if (time.size() == 4) {
    appendText(out, time.substr(0, 2), kTimeSeparator, time.substr(2), kGmt);
  } else if (time == "00") {
    out += kTopOfTheHour;
  } else {
    appendInteger(out, time);
    out += time == "01" ? kMinutePastTheHour : kPastTheHour;
  }
}

bool allNought(string_view digits) {
  return digits.find_first_not_of('0') == string_view::npos;
}

// A count and its unit, singular for 1: "1 knot", "12 knots" (digits as typed: "012").
void appendCount(TextBuffer& out, string_view digits, string_view one, string_view many) {
  appendInteger(out, digits);
  const bool single = digits.find_first_not_of('0') == digits.size() - 1 && digits.back() == '1';
  out += single ? one : many;
}

// A code as the report has it, in capitals: a runway designator.
void appendUpper(TextBuffer& out, string_view s) {
  for (const char c : s) out += asciiUpper(c);
}

// The first letter of what was written from `from` on, in capitals: a sentence that starts
// with a word of a table.
void capitaliseFrom(TextBuffer& out, std::size_t from) {
  if (from < out.size()) out[from] = asciiUpper(out[from]);
}

// Digits read with `decimals` of them after the point: "0016", 2 gives "0.16".
void appendScaled(TextBuffer& out, string_view digits, std::size_t decimals) {
  constexpr std::size_t kMostDigits = 14;
  if (digits.size() > kMostDigits || decimals == 0 || decimals >= digits.size()) {
    if (digits.size() <= decimals) out += '0';
    if (digits.size() > decimals) appendInteger(out, digits.substr(0, digits.size() - decimals));
    appendText(out, kDecimalPoint,
               digits.substr(digits.size() - std::min(decimals, digits.size())));
    return;
  }
  // One append: the whole part without its leading zeros, the point, the decimals.
  const std::size_t whole = digits.size() - decimals;
  std::size_t i = 0;
  while (i + 1 < whole && digits[i] == '0') ++i;
  char* to = out.extend(whole - i + 1 + decimals);
  for (; i < whole; ++i) *to++ = digits[i];
  *to++ = kDecimalPoint[0];
  for (; i < digits.size(); ++i) *to++ = digits[i];
}

// A height in hundreds of feet in feet: "008" gives "800", "120" gives "12,000".
void appendHundredsOfFeet(TextBuffer& out, string_view digits) {
  std::size_t i = 0;
  while (i < digits.size() && digits[i] == '0') ++i;
  const string_view value = digits.substr(i);
  if (value.empty()) {
    out += '0';
  } else if (value.size() >= 3) {
    out += value.substr(0, value.size() - 1);
    out += kThousandsSeparator;
    out += value.back();
    out += kHundreds;
  } else {
    appendText(out, value, kHundreds);
  }
}

// "-8.9°Celsius".
void appendCelsius(TextBuffer& out, const rv::Tenths& t) {
  if (t.digits.size() == 3) {
    // Most temperatures: "089" is 8.9, in one append.
    const string_view whole = t.digits[0] == '0' ? t.digits.substr(1, 1) : t.digits.substr(0, 2);
    appendText(out, t.negative ? kMinus.view() : string_view(), whole, kDecimalPoint,
               t.digits.substr(2), kCelsius);
    return;
  }
  if (t.negative) out += kMinus;
  appendScaled(out, t.digits, 1);
  out += kCelsius;
}

void appendMiles(TextBuffer& out, const codes::Miles& m) {
  if (m.bound != codes::Bound::kExact) {
    out += m.bound == codes::Bound::kLessThan ? kLessThan : kMoreThan;
  }
  if (!m.whole.empty()) appendInteger(out, m.whole);
  if (!m.whole.empty() && !m.fraction.empty()) out += kSpace;
  out += m.fraction;
}
// At most one: a fraction alone, or 1.
bool isOne(const codes::Miles& m) {
  return m.whole.empty() || (m.fraction.empty() && m.whole == "1");
}

void appendMetres(TextBuffer& out, const rv::MetresValue& m) {
  if (m.tenOrMore) {
    out += kTenKilometresOrMore;
  } else {
    appendInteger(out, m.digits);
    out += kMetres;
  }
}

// --- Places ---------------------------------------------------------------------------------

Fragment compassWords(codes::Compass c) {
  return words::nameOf(c);
}
codes::Compass pointOf(string_view s) {
  const codes::Compass c = codes::compassOf(s);
  return c != codes::Compass::kNone ? c : codes::compassWordOf(s);
}
// `lead`, then the points of a direction joined by " through ".
void appendDirection(TextBuffer& out, const rv::Direction& d, string_view lead) {
  out += lead;
  if (d.pair != codes::Compass::kNone) {
    out += compassWords(d.pair);
    return;
  }
  for (std::size_t start = 0;;) {
    const std::size_t dash = d.range.find('-', start);
    if (start > 0) out += kThrough;
    out += compassWords(pointOf(d.range.substr(start, dash - start)));
    if (dash == string_view::npos) return;
    start = dash + 1;
  }
}

Fragment placeWords(rv::PlaceKind kind) {
  switch (kind) {
    case rv::PlaceKind::kDistant:
      return kDistant;
    case rv::PlaceKind::kVicinity:
      return kInTheVicinity;
    case rv::PlaceKind::kOverhead:
      return kOverhead;
    case rv::PlaceKind::kAllQuadrants:
      return kAllQuadrants;
    case rv::PlaceKind::kOverTheField:
      return kOverTheAerodrome;
    case rv::PlaceKind::kOverTheRunway:
      return kOverTheRunway;
    case rv::PlaceKind::kInTheApproach:
      return kInTheApproach;
    case rv::PlaceKind::kInTheClimbOut:
      return kInTheClimbOut;
    case rv::PlaceKind::kDirection:
    case rv::PlaceKind::kThrough:
    case rv::PlaceKind::kKilometres:
      break;
  }
  return {};
}

void appendPlaces(TextBuffer& out, const rv::Places& places) {
  for (std::size_t i = 0; i < places.count; ++i) {
    const rv::Place& p = places.places[i];
    const string_view lead = p.afterDirection || p.afterAnd ? kAndToThe : kToThe;
    const string_view joint = p.afterAnd ? kAnd.substr(0, 4) : string_view{};
    if (p.kind == rv::PlaceKind::kDirection) {
      appendDirection(out, p.direction, lead);
    } else if (p.kind == rv::PlaceKind::kThrough) {
      appendDirection(out, p.direction, kThrough);
    } else if (p.kind == rv::PlaceKind::kKilometres) {
      appendText(out, joint, kSpace);
      appendInteger(out, p.kilometres);
      out += kKilometresAway;
      appendDirection(out, p.direction, kToThe);
    } else {
      appendText(out, joint, placeWords(p.kind));
    }
  }
  if (places.motion == rv::Motion::kMoving) appendDirection(out, places.moving, kMoving);
  if (places.motion == rv::Motion::kStationary) out += kStationary;
}

// --- Weather --------------------------------------------------------------------------------

// A weather name in the body's words: "light rain showers", "thunderstorm with hail".
void appendWeatherName(TextBuffer& out, const codes::WeatherCode& w) {
  if (w.intensity == codes::Intensity::kLight) out += kLight;
  if (w.intensity == codes::Intensity::kHeavy) out += kHeavy;
  if (w.count == 0) {
    out += words::wordsOf(w.descriptor).alone;  // TS, SH
  } else {
    const bool showers = w.has(codes::Descriptor::kSH);
    if (w.descriptor != codes::Descriptor::kNone && !showers) {
      out += words::wordsOf(w.descriptor).before;
    }
    for (std::size_t i = 0; i < w.count; ++i) {
      if (i > 0) out += kAnd;
      out += words::wordsOf(w.phenomena[i]).noun;
    }
    if (showers) appendText(out, kSpace, words::wordsOf(codes::Descriptor::kSH).alone);
  }
  if (w.vicinity) out += kInTheVicinity;
}

void appendSight(TextBuffer& out, const rv::Sight& s) {
  if (s.own) {
    out += kSights[*s.own];
  } else {
    appendWeatherName(out, s.weather);
  }
}

void appendAmount(TextBuffer& out, const AmountWords& a, const rv::Amount& value) {
  if (value.missing) {
    out += a.missing;
  } else if (value.zero && !a.trace.empty()) {
    out += a.trace;
  } else {
    out += a.amount;
    appendScaled(out, value.digits, value.decimals);
    appendText(out, kInches, kStop);
  }
}

const AmountWords& amountWords(rv::AmountKind kind) {
  switch (kind) {
    case rv::AmountKind::kHourlyPrecipitation:
      return kHourlyPrecipitation;
    case rv::AmountKind::kPeriodPrecipitation:
      return kPeriodPrecipitation;
    case rv::AmountKind::kDailyPrecipitation:
      return kDailyPrecipitation;
    case rv::AmountKind::kSnowfall6h:
      return kSnowfall6h;
    case rv::AmountKind::kSnowWater:
      return kSnowWater;
    case rv::AmountKind::kIce1h:
      return kIceAccretion[0];
    case rv::AmountKind::kIce3h:
      return kIceAccretion[1];
    case rv::AmountKind::kIce6h:
      break;
  }
  return kIceAccretion[2];
}

void appendWind(TextBuffer& out, const rv::WindValue& w) {
  using Kind = rv::WindValue::Kind;
  const bool knots = w.unit == rv::WindUnit::kKnots;
  const string_view one = knots ? kKnot : kMetrePerSecond;
  const string_view many = knots ? kKnots : kMetresPerSecond;
  if (w.kind == Kind::kNotReported) {
    out += kNotReported;
    return;
  }
  if (w.kind == Kind::kCalm) {
    out += kWindCalm;
    return;
  }
  if (w.kind == Kind::kVariable) {
    out += kVariableAt;
  } else {
    appendText(out, kFrom, w.direction, kDegreesAt);
  }
  appendCount(out, w.speed, one, many);
  if (!w.gust.empty()) {
    out += kGustingTo;
    appendCount(out, w.gust, one, many);
  }
}

constexpr PhenomenonWords kPhenomenonWords = {
    .lightning = kLightning,
    .lightningFrequency = kLightningFrequency,
    .lightningTypes = kLightningTypes,
    .openBracket = kOpenBracket,
    .closeBracket = kCloseBracket,
    .andWord = kAnd,
    .comma = kComma,
    .semicolon = kSemicolon,
    .stop = kStop,
    .began = kBegan,
    .ended = kEnded,
    .beganOther = kBeganOther,
    .endedOther = kEndedOther,
    .places = &appendPlaces,
    .weatherName = &appendWeatherName,
    .sight = &appendSight,
    .time = &appendTime,
    .capitaliseFrom = &capitaliseFrom,
};

constexpr CeilingWords kCeilingWords = {
    .visibilities = {kVisibility, kTowerVisibility, kSurfaceVisibility},
    .statuteMile = kStatuteMile,
    .statuteMiles = kStatuteMiles,
    .minimumVisibility = kMinimumVisibility,
    .ceiling = kCeiling,
    .sky = kSkyCover,
    .atRunway = kAtRunway,
    .at = kAt,
    .is = kIsWord,
    .variesBetween = kIsVariableBetween,
    .andWord = kAnd,
    .feet = kFeet,
    .stop = kStop,
    .skyCovers = kSkyCovers,
    .metres = &appendMetres,
    .miles = &appendMiles,
    .oneMile = &isOne,
    .sector = [](TextBuffer& out, const rv::Direction& d) { appendDirection(out, d, kToThe); },
    .upper = &appendUpper,
    .hundredsOfFeet = &appendHundredsOfFeet,
};

constexpr PlaceWindWords kPlaceWindWords = {
    .forRunway = kWindForRunway,
    .atTouchdownZone = kAtTouchdownZone,
    .atRunwayEnd = kAtRunwayEnd,
    .atThreshold = kWindAtThreshold,
    .atHeight = kWindAtHeight,
    .atHarbour = kWindAtHarbour,
    .is = kIsWord,
    .directionVaries = kDirectionVaries,
    .fromUnit = {},
    .andWord = kAnd,
    .toUnit = kDegrees,
    .stop = kStop,
    .upper = &appendUpper,
    .feet =
        [](TextBuffer& out, string_view digits) {
          appendInteger(out, digits);
          out += kFeet;
        },
    .wind = &appendWind,
};

}  // namespace

// --- Numeric groups -------------------------------------------------------------------------

void append(TextBuffer& out, const rv::SeaLevelPressure& v) {
  out += kSeaLevelPressureIs;
  out += v.below1000 ? kSeaLevelNine : kSeaLevelTen;
  appendText(out, v.tenths.substr(0, 2), kDecimalPoint, v.tenths.substr(2, 1), kHectopascals,
             kStop);
}

void append(TextBuffer& out, const rv::Temperature& v) {
  out += kTemperatureIs;
  appendCelsius(out, v.air);
  if (v.dewPoint) {
    out += kDewPointIs;
    appendCelsius(out, *v.dewPoint);
  } else if (v.dewPointMissing) {
    out += kDewPointNotReported;
  }
  out += kStop;
}

void append(TextBuffer& out, const rv::Amount& v) {
  appendAmount(out, amountWords(v.kind), v);
}

void append(TextBuffer& out, const rv::Altimeter& v) {
  words::appendAltimeter(out, string_view(v.hundredths.data(), v.hundredths.size()));
}

void append(TextBuffer& out, const rv::Qnh& v) {
  words::appendQnh(out, v.hectopascals);
}

void append(TextBuffer& out, const rv::CloudBase& v) {
  out += kCloudBaseIs;
  appendInteger(out, v.metres);
  appendText(out, kMetres, kStop);
}

void append(TextBuffer& out, const rv::Qfe& v) {
  out += kQfeIs;
  if (v.millimetres.empty()) {
    appendInteger(out, v.hectopascals);
    appendText(out, kHectopascals, kStop);
    return;
  }
  appendText(out, v.millimetres, kMillimetresOfMercury);
  if (!v.hectopascals.empty()) {
    out += kOpenBracket;
    appendInteger(out, v.hectopascals);
    appendText(out, kHectopascals, kCloseBracket);
  }
  out += kStop;
}

void append(TextBuffer& out, const rv::ExtremeTemperature6h& v) {
  out += v.maximum ? kMaximum6h : kMinimum6h;
  appendCelsius(out, v.value);
  out += kStop;
}

void append(TextBuffer& out, const rv::Extremes24h& v) {
  out += kMaximum24h;
  appendCelsius(out, v.maximum);
  out += kMinimum24h;
  appendCelsius(out, v.minimum);
  out += kStop;
}

void append(TextBuffer& out, const rv::Tendency& v) {
  if (v.missing) {
    out += kTendencyNotReported;
    return;
  }
  appendText(out, kTendencyIntro, kTendency[v.characteristic]);
  // Table 0200: 0 to 3 higher than 3 hours ago, 5 to 8 lower; 0 and 5 the same when the change
  // is nought, and 4 always (the reader leaves 4 with a change unread).
  const bool same = v.characteristic == 4 ||
                    ((v.characteristic == 0 || v.characteristic == 5) && allNought(v.change));
  if (same) {
    out += kSameAsThreeHoursAgo;
    return;
  }
  out += kItIs;
  appendScaled(out, v.change, 1);
  appendText(out, kHectopascals, v.characteristic < 4 ? kHigherThan : kLowerThan);
}

void append(TextBuffer& out, const rv::Sunshine& v) {
  if (v.none) {
    out += kNoSunshine;
    return;
  }
  out += kSunshine;
  appendInteger(out, v.minutes);
  out += kMinutes;
}

void append(TextBuffer& out, const rv::SnowDepth& v) {
  if (v.missing) {
    out += kSnowDepthNotReported;
    return;
  }
  out += kSnowDepthIs;
  appendInteger(out, v.inches);
  appendText(out, v.inches == "001" ? kInch : kInches, kStop);
}

void append(TextBuffer& out, const rv::CloudTypes& v) {
  appendText(out, kLowClouds, kLowCloudTypes[v.types[0]], kMiddleClouds,
             kMiddleCloudTypes[v.types[1]], kHighClouds, kHighCloudTypes[v.types[2]], kStop);
}

void append(TextBuffer& out, const rv::CloudLayer& v) {
  out += kCloudLayer;
  out += static_cast<char>('0' + v.oktas);
  appendText(out, v.oktas == 1 ? kOktaOf : kOktasOf, kLayerTypes[v.genus], kAt);
  appendHundredsOfFeet(out, v.height);
  appendText(out, kFeet, kStop);
}

// --- Wind -----------------------------------------------------------------------------------

void append(TextBuffer& out, const rv::PeakWind& v) {
  appendText(out, kPeakWindFrom, v.direction, kDegreesAt);
  appendCount(out, v.speed, kKnot, kKnots);
  out += kCommaAt;
  appendTime(out, v.time);
  out += kStop;
}

void append(TextBuffer& out, const rv::WindShift& v) {
  out += kWindShiftAt;
  appendTime(out, v.time);
  if (v.frontalPassage) out += kWithFrontalPassage;
  out += kStop;
}

void append(TextBuffer& out, const rv::PlaceWind& v) {
  appendPlaceWind(out, v, kPlaceWindWords);
}

// --- Visibility, ceiling and sky ------------------------------------------------------------

void append(TextBuffer& out, const rv::Visibility& v) {
  appendVisibility(out, v, kCeilingWords);
}

void append(TextBuffer& out, const rv::MinimumVisibility& v) {
  appendMinimumVisibility(out, v, kCeilingWords);
}

void append(TextBuffer& out, const rv::Ceiling& v) {
  appendCeiling(out, v, kCeilingWords);
}

void append(TextBuffer& out, const rv::VariableSky& v) {
  appendVariableSky(out, v, kCeilingWords);
}

void append(TextBuffer& out, const rv::SensorAtRunway& v) {
  appendText(out, kSensorAt, v.visibility ? kVisibilitySensorAt : kCloudHeightSensorAt, kRunway);
  appendUpper(out, v.runway);
  out += kIsNotAvailable;
}

// --- Phenomena ------------------------------------------------------------------------------

void append(TextBuffer& out, const rv::Lightning& v) {
  appendLightning(out, v, kPhenomenonWords);
}

void append(TextBuffer& out, const rv::BeginEnd& v) {
  appendBeginEnd(out, v, kPhenomenonWords);
}

void append(TextBuffer& out, const rv::PlacedPhenomenon& v) {
  appendPlacedPhenomenon(out, v, kPhenomenonWords);
}

void append(TextBuffer& out, const rv::Layers& v) {
  out += kLayersIntro;
  for (std::size_t i = 0; i < v.count; ++i) {
    const rv::LayerOpacity& l = v.layers[i];
    if (i > 0) out += kComma;
    appendText(out, kLayerTypes[l.type], kSpace);
    out += static_cast<char>('0' + l.oktas);
    out += l.oktas == 1 ? kOkta : kOktas;
  }
  out += kStop;
}

void append(TextBuffer& out, const rv::LayerTrace& v) {
  appendText(out, kTraceOf, kLayerTypes[v.type], kStop);
}

void append(TextBuffer& out, const rv::Obscuration& v) {
  out += kLayerOf;
  appendWeatherName(out, v.weather);
  appendText(out, kOpenBracket, kSkyCovers[v.cover], kCloseBracket);
  if (v.atSurface) {
    out += kAtTheSurface;
  } else {
    out += kAt;
    appendHundredsOfFeet(out, v.height);
    out += kFeet;
  }
  out += kStop;
}

void append(TextBuffer& out, const rv::RecentWeather& v) {
  words::appendRecentWeather(out, v.weather);
}

// --- Other remarks --------------------------------------------------------------------------

void append(TextBuffer& out, const rv::WholeRemark& v) {
  out += kWholeRemarks[v.index].sentence;
}

void append(TextBuffer& out, const rv::ColourState& v) {
  switch (v.trend) {
    case rv::ColourTrend::kNone:
      out += kColourState;
      break;
    case rv::ColourTrend::kTemporarily:
      out += kTemporarilyColourState;
      break;
    case rv::ColourTrend::kBecoming:
      out += kBecomingColourState;
      break;
  }
  out += kColours[v.colour];
  if (v.black) out += kAerodromeClosed;
}

void append(TextBuffer& out, const rv::Phrase& v) {
  out += kPhrases[v.index].sentence;
}

void append(TextBuffer& out, const rv::Nosig& /*unused*/) {
  out += words::kNosig;
}

void append(TextBuffer& out, const rv::PrecipitationMillimetres& v) {
  appendText(out, kPrecipitationLastHour, v.amount, kMillimetres, kStop);
}

void append(TextBuffer& out, const rv::DensityAltitude& v) {
  out += kDensityAltitudeIs;
  if (v.negative) out += kMinus;
  appendInteger(out, v.feet);
  appendText(out, kFeet, kStop);
}

void append(TextBuffer& out, const rv::Correction& v) {
  out += kCorrectedAt;
  appendTime(out, v.time);
  out += kStop;
}

void append(TextBuffer& out, const rv::LastStaffed& v) {
  out += kLastStaffed;
  if (!v.next.empty()) {
    const string_view suffix = words::daySuffix(v.next.substr(0, 1), v.next.substr(1, 1));
    if (suffix.empty()) {
      out += kNextAt;
    } else {
      appendText(out, kNextOnThe, v.next.substr(0, 2), suffix);
    }
    appendTime(out, v.next.substr(2, 4));
  }
  out += kStop;
}

void append(TextBuffer& out, const rv::SnowIncrease& v) {
  out += kSnowIncreasing;
  appendCount(out, v.lastHour, kInch, kInches);
  out += kInTheLastHour;
  appendCount(out, v.onGround, kInch, kInches);
  out += kOnTheGround;
}

void append(TextBuffer& out, const rv::HailSize& v) {
  out += kHailstones;
  appendMiles(out, v.inches);
  out += isOne(v.inches) ? kInch : kInches;
  out += kAcross;
}

void append(TextBuffer& out, const rv::BirdHazard& v) {
  out += kBirdHazardOnRunway;
  appendUpper(out, v.runway);
  out += kStop;
}

}  // namespace vantrel::remarks
