// The wording of the remarks in French: a sentence (ending in ". ") for each remark value of
// remark_kinds.hpp, from the words of remark_vocabulary_fr.hpp. The values and their meaning are
// those of the English wording (remark_words.cpp); what differs is the language's own: the
// decimal comma, a no-break space before a unit, times as "17 h 15 UTC", words that elide
// before a vowel, adjectives that agree with their noun, and a singular below 2. The compass
// points, the weather phrase, QNH, the altimeter, recent weather, NOSIG and the day are the
// body's French (vocabulary_fr.hpp, compass_words_fr.hpp), spelt there once.

#include "metar/remark_words_fr.hpp"

#include <cstddef>
#include <string_view>

#include "metar/compass_words_fr.hpp"
#include "metar/remark_kinds.hpp"
#include "metar/remark_shapes.hpp"
#include "metar/remark_vocabulary_fr.hpp"
#include "metar/text.hpp"
#include "metar/vocabulary.hpp"
#include "metar/vocabulary_fr.hpp"

namespace vantrel::remarks::fr {

using namespace remark_words::fr;  // NOLINT(google-build-using-namespace): the words of this file

namespace {

namespace rv = remarks;

// Each table of words follows its table of codes, and the whole remarks and phrases the English
// ones, code for code.
static_assert(kColours.size() == rv::kColourCodes.size());
static_assert(kSights.size() == rv::kSightCodes.size());
static_assert(kLayerTypes.size() == rv::kLayerCodes.size());
static_assert(kSkyCovers.size() == rv::kSkyCoverCodes.size());
static_assert(kSkyCoverOktas.size() == rv::kSkyCoverCodes.size());
static_assert(kLightningFrequency.size() == rv::kLightningFrequencyCodes.size());
static_assert(kLightningTypes.size() == rv::kLightningTypeCodes.size());
static_assert(kTendency.size() == remark_words::kTendency.size());
static_assert(kLowCloudTypes.size() == remark_words::kLowCloudTypes.size());
static_assert(kMiddleCloudTypes.size() == remark_words::kMiddleCloudTypes.size());
static_assert(kHighCloudTypes.size() == remark_words::kHighCloudTypes.size());
consteval bool sameCodes() {
  if (kWholeRemarks.size() != remark_words::kWholeRemarks.size()) return false;
  for (std::size_t i = 0; i < kWholeRemarks.size(); ++i) {
    if (kWholeRemarks[i].code != remark_words::kWholeRemarks[i].code) return false;
  }
  if (kPhrases.size() != remark_words::kPhrases.size()) return false;
  for (std::size_t i = 0; i < kPhrases.size(); ++i) {
    if (kPhrases[i].codes != remark_words::kPhrases[i].codes) return false;
  }
  return true;
}
static_assert(sameCodes(), "a whole remark or a phrase is out of the English tables' order");

// --- Words ----------------------------------------------------------------------------------

// True when `word` starts with a vowel, so that "de" and "le" before it elide. The accented
// letters of French are two bytes in UTF-8, 0xC3 and a second byte; of those, only ç is no vowel.
constexpr bool startsWithVowel(string_view word) {
  if (word.empty()) return false;
  const auto c = static_cast<unsigned char>(word[0]);
  if (c == 0xC3) return word.size() > 1 && static_cast<unsigned char>(word[1]) != 0xA7;
  const char lower = static_cast<char>(c | 0x20);
  return lower == 'a' || lower == 'e' || lower == 'i' || lower == 'o' || lower == 'u';
}
static_assert(startsWithVowel("est") && startsWithVowel("été") && !startsWithVowel("nord"));

// `words` before `word`, elided before a vowel.
void appendElided(TextBuffer& out, const Elision& words, string_view word) {
  appendText(out, startsWithVowel(word) ? words.vowel : words.consonant, word);
}

// The first letter of what was written from `from` on, in capitals, an accented one included.
void capitaliseFrom(TextBuffer& out, std::size_t from) {
  if (from >= out.size()) return;
  const auto c = static_cast<unsigned char>(out[from]);
  if (c == 0xC3 && from + 1 < out.size()) {
    const auto second = static_cast<unsigned char>(out[from + 1]);
    if (second >= 0xA0 && second <= 0xBE && second != 0xB7) {
      out[from + 1] = static_cast<char>(second - 0x20);
    }
    return;
  }
  out[from] = asciiUpper(out[from]);
}

// --- Numbers and times ----------------------------------------------------------------------

// Digits without their leading zeros (one zero stays for zero).
string_view withoutLeadingZeros(string_view digits) {
  std::size_t i = 0;
  while (i + 1 < digits.size() && digits[i] == '0') ++i;
  return digits.substr(i);
}
void appendInteger(TextBuffer& out, string_view digits) {
  out += withoutLeadingZeros(digits);
}

// French takes the singular below 2: "0,5 pouce", "1 nœud", "1 3/4 pouce".
bool singular(string_view wholeDigits) {
  const string_view v = withoutLeadingZeros(wholeDigits);
  return v.empty() || v == "0" || v == "1";
}

// A count and its unit: "1 nœud", "12 nœuds".
void appendCount(TextBuffer& out, string_view digits, string_view one, string_view many) {
  appendInteger(out, digits);
  out += singular(digits) ? one : many;
}

// A number as typed with a decimal point, with a decimal comma: "661.1" gives "661,1".
void appendDecimal(TextBuffer& out, string_view typed) {
  const std::size_t point = typed.find('.');
  if (point == string_view::npos) {
    out += typed;
  } else {
    appendText(out, typed.substr(0, point), kDecimalComma, typed.substr(point + 1));
  }
}

// A time of the remarks with its preposition: hhmm as "à 15 h 47 UTC", mm as "47 minutes après
// l'heure ronde", 00 as "à l'heure ronde".
// hhmm without its preposition: "15 h 47 UTC".
void appendClock(TextBuffer& out, string_view hhmm) {
  appendText(out, hhmm.substr(0, 2), kHours, hhmm.substr(2), kUtc);
}

void appendTime(TextBuffer& out, string_view time) {
  if (time.size() == 4) {
    out += kAtTime;
    appendClock(out, time);
  } else if (time == "00") {
    out += kTopOfTheHour;
  } else {
    appendInteger(out, time);
    out += time == "01" ? kMinutePast : kMinutesPast;
  }
}

// A code as the report has it, in capitals: a runway designator.
void appendUpper(TextBuffer& out, string_view s) {
  for (const char c : s) out += asciiUpper(c);
}

// Digits read with `decimals` of them after the comma: "0016", 2 gives "0,16". One append: the
// whole part without its leading zeros (0 when there is none), the comma, the decimals.
void appendScaled(TextBuffer& out, string_view digits, std::size_t decimals) {
  const std::size_t whole = decimals < digits.size() ? digits.size() - decimals : 0;
  std::size_t i = 0;
  while (i + 1 < whole && digits[i] == '0') ++i;
  const std::size_t size =
      (whole == 0 ? 1 : whole - i) + (decimals > 0 ? 1 + digits.size() - whole : 0);
  char* to = out.extend(size);
  if (whole == 0) *to++ = '0';
  for (; i < whole; ++i) *to++ = digits[i];
  if (decimals == 0) return;
  *to++ = kDecimalComma[0];
  for (; i < digits.size(); ++i) *to++ = digits[i];
}
bool scaledIsSingular(string_view digits, std::size_t decimals) {
  return decimals >= digits.size() || singular(digits.substr(0, digits.size() - decimals));
}

// A height in hundreds of feet in feet: "008" gives "800", "120" gives "12 000".
void appendHundredsOfFeet(TextBuffer& out, string_view digits) {
  std::size_t i = 0;
  while (i < digits.size() && digits[i] == '0') ++i;
  const string_view value = digits.substr(i);
  if (value.empty()) {
    out += '0';
  } else if (value.size() >= 3) {
    appendText(out, value.substr(0, value.size() - 1), kThousandsSeparator,
               value.substr(value.size() - 1), kHundreds);
  } else {
    appendText(out, value, kHundreds);
  }
}

// "-8,9 °C".
void appendCelsius(TextBuffer& out, const rv::Tenths& t) {
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

void appendMetres(TextBuffer& out, const rv::MetresValue& m) {
  if (m.tenOrMore) {
    out += kTenKilometresOrMore;
  } else {
    appendInteger(out, m.digits);
    out += kMetres;
  }
}

// --- Places ---------------------------------------------------------------------------------

codes::Compass pointOf(string_view s) {
  const codes::Compass c = codes::compassOf(s);
  return c != codes::Compass::kNone ? c : codes::compassWordOf(s);
}
void appendPoint(TextBuffer& out, codes::Compass c, const PointLead& before) {
  const words::fr::CompassWords& name = words::fr::namesOf(c);
  appendText(out, before.words, before.at ? name.at : name.the);
}
// The points of a direction, the first after `lead`, the others after "jusqu'au".
void appendDirection(TextBuffer& out, const rv::Direction& d, const PointLead& lead) {
  if (d.pair != codes::Compass::kNone) {
    appendPoint(out, d.pair, lead);
    return;
  }
  for (std::size_t start = 0;;) {
    const std::size_t dash = d.range.find('-', start);
    appendPoint(out, pointOf(d.range.substr(start, dash - start)), start > 0 ? kThrough : lead);
    if (dash == string_view::npos) return;
    start = dash + 1;
  }
}

Fragment placeWords(rv::PlaceKind kind) {
  static_assert(kPlaces.size() == static_cast<std::size_t>(rv::PlaceKind::kDirection));
  return kPlaces[static_cast<std::size_t>(kind)];
}

void appendPlaces(TextBuffer& out, const rv::Places& places) {
  for (std::size_t i = 0; i < places.count; ++i) {
    const rv::Place& p = places.places[i];
    const PointLead& lead = p.afterDirection || p.afterAnd ? kAndToThe : kToThe;
    const string_view joint = p.afterAnd ? kAndWord.view() : string_view{};
    if (p.kind == rv::PlaceKind::kDirection) {
      appendDirection(out, p.direction, lead);
    } else if (p.kind == rv::PlaceKind::kThrough) {
      appendDirection(out, p.direction, kThrough);
    } else if (p.kind == rv::PlaceKind::kKilometres) {
      appendText(out, joint, kKilometresAt);
      appendCount(out, p.kilometres, kKilometre, kKilometres);
      appendDirection(out, p.direction, kToThe);
    } else {
      appendText(out, joint, placeWords(p.kind));
    }
  }
  if (places.motion == rv::Motion::kMoving) appendDirection(out, places.moving, kMoving);
  if (places.motion == rv::Motion::kStationary) out += kStationary;
}

// --- Weather --------------------------------------------------------------------------------

// A weather name: "faible pluie", "fortes averses de pluie et de neige", "orage avec grêle",
// "brouillard givrant", "chasse-neige élevée", "bancs de brouillard".
void appendWeatherName(TextBuffer& out, const codes::WeatherCode& w) {
  const bool tornado = w.intensity == codes::Intensity::kHeavy && w.count == 1 &&
                       w.phenomena[0] == codes::Phenomenon::kFC && w.has(codes::Descriptor::kNone);
  if (tornado) {  // +FC: WMO code table 4678 names it so
    out += kTornado;
  } else {
    words::fr::appendWeatherPhrase(out, w);
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

// The wind of a place after its subject: " souffle du 350° à 2 nœuds", " est calme".
void appendWind(TextBuffer& out, const rv::WindValue& w) {
  using Kind = rv::WindValue::Kind;
  const bool knots = w.unit == rv::WindUnit::kKnots;
  const string_view one = knots ? kKnot : kMetrePerSecond;
  const string_view many = knots ? kKnots : kMetresPerSecond;
  switch (w.kind) {
    case Kind::kNotReported:
      out += kIsNotReported;
      return;
    case Kind::kCalm:
      out += kIsCalm;
      return;
    case Kind::kVariable:
      out += kIsVariableAt;
      break;
    case Kind::kFrom:
      appendText(out, kBlowsFrom, w.direction, kDegreeSign, kAtSpeed);
      break;
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
    .began = kStarted,
    .ended = kEnded,
    .beganOther = kStartedOther,
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
    .at = kSkyCoverAt,
    .is = kIsOf,
    .variesBetween = kVariesBetween,
    .andWord = kAnd,
    .feet = kFeet,
    .stop = kStop,
    .skyCovers = kSkyCovers,
    .metres = &appendMetres,
    .miles = &appendMiles,
    .oneMile = [](const codes::Miles& m) { return singular(m.whole); },
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
    .is = {},
    .directionVaries = kDirectionVaries,
    .fromUnit = kDegreeSign,
    .andWord = kAnd,
    .toUnit = kDegreeSign,
    .stop = kStop,
    .upper = &appendUpper,
    .feet = [](TextBuffer& out, string_view digits) { appendCount(out, digits, kFoot, kFeet); },
    .wind = &appendWind,
};

}  // namespace

// --- Numeric groups -------------------------------------------------------------------------

void append(TextBuffer& out, const rv::SeaLevelPressure& v) {
  appendText(out, kSeaLevelPressureIs, v.below1000 ? "9" : "10", v.tenths.substr(0, 2),
             kDecimalComma, v.tenths.substr(2, 1), kHectopascals, kStop);
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
  static_assert(kAmounts.size() == static_cast<std::size_t>(rv::AmountKind::kIce6h) + 1);
  const remark_words::AmountWords& words = kAmounts[static_cast<std::size_t>(v.kind)];
  if (v.missing) {
    out += words.missing;
  } else if (v.zero && !words.trace.empty()) {
    out += words.trace;
  } else {
    out += words.amount;
    appendScaled(out, v.digits, v.decimals);
    appendText(out, scaledIsSingular(v.digits, v.decimals) ? kInch : kInches, kStop);
  }
}

void append(TextBuffer& out, const rv::Altimeter& v) {
  words::fr::appendAltimeter(out, string_view(v.hundredths.data(), v.hundredths.size()));
}

void append(TextBuffer& out, const rv::Qnh& v) {
  words::fr::appendQnh(out, v.hectopascals);
}

void append(TextBuffer& out, const rv::CloudBase& v) {
  out += kCloudBaseIs;
  appendCount(out, v.metres, kMetre, kMetres);
  out += kStop;
}

void append(TextBuffer& out, const rv::Qfe& v) {
  out += kQfeIs;
  if (v.millimetres.empty()) {
    appendInteger(out, v.hectopascals);
    appendText(out, kHectopascals, kStop);
    return;
  }
  appendDecimal(out, v.millimetres);
  out += kMillimetresOfMercury;
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
  const bool nought = v.change.find_first_not_of('0') == string_view::npos;
  const bool same =
      v.characteristic == 4 || ((v.characteristic == 0 || v.characteristic == 5) && nought);
  if (same) {
    out += kSameAsThreeHoursAgo;
    return;
  }
  out += v.characteristic < 4 ? kHigherBy : kLowerBy;
  appendScaled(out, v.change, 1);
  appendText(out, kHectopascals, kThanThreeHoursAgo);
}

void append(TextBuffer& out, const rv::Sunshine& v) {
  if (v.none) {
    out += kNoSunshine;
    return;
  }
  out += kSunshine;
  appendCount(out, v.minutes, kMinute, kMinutes);
  out += kStop;
}

void append(TextBuffer& out, const rv::SnowDepth& v) {
  if (v.missing) {
    out += kSnowDepthNotReported;
    return;
  }
  out += kSnowDepthIs;
  appendCount(out, v.inches, kInch, kInches);
  out += kStop;
}

void append(TextBuffer& out, const rv::CloudTypes& v) {
  appendText(out, kLowClouds, kLowCloudTypes[v.types[0]], kMiddleClouds,
             kMiddleCloudTypes[v.types[1]], kHighClouds, kHighCloudTypes[v.types[2]], kStop);
}

void append(TextBuffer& out, const rv::CloudLayer& v) {
  out += kCloudLayer;
  out += static_cast<char>('0' + v.oktas);
  out += v.oktas <= 1 ? kOkta : kOktas;
  appendElided(out, kOf, kLayerTypes[v.genus]);
  out += kAt;
  appendHundredsOfFeet(out, v.height);
  appendText(out, kFeet, kStop);
}

// --- Wind -----------------------------------------------------------------------------------

void append(TextBuffer& out, const rv::PeakWind& v) {
  appendText(out, kPeakWindFrom, v.direction, kDegreeSign, kSpeedOf);
  appendCount(out, v.speed, kKnot, kKnots);
  out += kRecorded;
  appendTime(out, v.time);
  out += kStop;
}

void append(TextBuffer& out, const rv::WindShift& v) {
  out += kWindShift;
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
  out += v.visibility ? kVisibilitySensorAt : kCloudHeightSensorAt;
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
    out += l.oktas <= 1 ? kOkta : kOktas;
  }
  out += kStop;
}

void append(TextBuffer& out, const rv::LayerTrace& v) {
  appendElided(out, kTraceOf, kLayerTypes[v.type]);
  out += kStop;
}

void append(TextBuffer& out, const rv::Obscuration& v) {
  const std::size_t start = out.size();
  appendWeatherName(out, v.weather);
  capitaliseFrom(out, start);
  appendText(out, kInALayer, kOpenBracket, kSkyCoverOktas[v.cover], kCloseBracket);
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
  words::fr::appendRecentWeather(out, v.weather);
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
  out += words::fr::kNosig;
}

void append(TextBuffer& out, const rv::PrecipitationMillimetres& v) {
  out += kPrecipitationLastHour;
  appendDecimal(out, v.amount);
  appendText(out, singular(v.amount.substr(0, v.amount.find('.'))) ? kMillimetre : kMillimetres,
             kStop);
}

void append(TextBuffer& out, const rv::DensityAltitude& v) {
  out += kDensityAltitudeIs;
  if (v.negative) out += kMinus;
  appendCount(out, v.feet, kFoot, kFeet);
  out += kStop;
}

void append(TextBuffer& out, const rv::Correction& v) {
  out += kCorrection;
  appendTime(out, v.time);
  out += kStop;
}

void append(TextBuffer& out, const rv::LastStaffed& v) {
  out += kLastStaffed;
  if (!v.next.empty()) {
    out += kNext;
    // The day only where the English reading gives it one, as the report's day is written:
    // "le 1er à 15 h 12 UTC", "le 17 à ...".
    const string_view suffix = words::fr::daySuffix(v.next.substr(0, 1), v.next.substr(1, 1));
    if (suffix.empty()) {
      appendTime(out, v.next.substr(2, 4));
    } else {
      out += kOnThe;
      appendInteger(out, v.next.substr(0, 2));
      out += suffix;
      appendClock(out, v.next.substr(2, 4));
    }
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
  out += singular(v.inches.whole) ? kInch : kInches;
  out += kAcross;
}

void append(TextBuffer& out, const rv::BirdHazard& v) {
  out += kBirdHazardOnRunway;
  appendUpper(out, v.runway);
  out += kStop;
}

}  // namespace vantrel::remarks::fr
