// The sentences only the full reading writes, in French. Shared fragments come from
// fragments_fr.hpp and vocabulary_fr.cpp's wording functions, so a classic sentence is never
// spelt twice.

#include "metar/compass_words_fr.hpp"
#include "metar/fragments_fr.hpp"
#include "metar/text.hpp"
#include "metar/vocabulary_fr.hpp"
#include "metar/weather_phrase_fr.hpp"

namespace vantrel::words::fr {
namespace {

using namespace fragments;

constexpr std::array<Fragment, 2> kReportFor = {"Message METAR ", "Message SPECI "};
constexpr std::array<Fragment, 5> kHeaderNotes = {" Message automatique.", " Message corrigé.",
                                                  " Message amendé.", " Message manquant.",
                                                  " Message retardé."};

constexpr Fragment kMoreThan = "plus de ";
constexpr Fragment kLessThan = "moins de ";
constexpr Fragment kWindNotReported = "Vent non communiqué";
constexpr Fragment kWindFromUnreported = "Vent de direction non communiquée à ";
constexpr Fragment kSpeedNotReported = "°, vitesse non communiquée";

constexpr Fragment kMinimumVisibilityIs = "Visibilité minimale de ";
constexpr Fragment kFeet = "\u00A0pieds";
constexpr Fragment kTowards = " vers ";
constexpr Fragment kStatuteMile = "\u00A0mille terrestre";
constexpr Fragment kStatuteMiles = "\u00A0milles terrestres";

constexpr Fragment kVariesFrom = "variable de ";
constexpr Fragment kTo = " à ";
constexpr Fragment kNotReported = "non communiquée";
constexpr Fragment kIncreasing = ", en augmentation";
constexpr Fragment kDecreasing = ", en diminution";
constexpr Fragment kNoDistinctChange = ", sans changement notable";

constexpr Fragment kRecent = "Temps récent\u00A0: ";
constexpr Fragment kInTheVicinity = " au voisinage";
constexpr Fragment kTornado = "Tornade ou trombe";

constexpr Fragment kCloudOfUnreportedAmount = "Nuages de nébulosité non communiquée";
constexpr Fragment kHeightNotReported = ", hauteur non communiquée";
constexpr std::array<Fragment, 4> kCloudTypes = {"", ", cumulonimbus", ", cumulus bourgeonnants",
                                                 ", type de nuages non communiqué"};
constexpr std::array<Fragment, 4> kLayerTypes = {
    "", "Les nuages de cette couche sont des cumulonimbus. ",
    "Les nuages de cette couche sont des cumulus bourgeonnants. ", ""};

constexpr Fragment kTemperatureNotReported = "Température non communiquée. ";
constexpr Fragment kDewPointNotReported = "Point de rosée non communiqué. ";
constexpr Fragment kAltimeterIs = "Calage altimétrique\u00A0: ";
constexpr Fragment kDecimalComma = ",";
constexpr Fragment kInchesOfMercury = "\u00A0pouces de mercure. ";

constexpr Fragment kProbability = "PROBABILITÉ ";
constexpr Fragment kPercent = "\u00A0%";
constexpr Fragment kTemporaryAfter = ", TEMPORAIREMENT\u00A0:";
constexpr Fragment kHeadingEnd = "\u00A0:";
constexpr std::array<Fragment, 3> kTrendTimes = {"À partir de ", "Jusqu'à ", "À "};
constexpr Fragment kPeriodFrom = "De ";
constexpr Fragment kUtcStop = "\u00A0UTC. ";
constexpr Fragment kCompleteBy = "Changement achevé à ";
constexpr Fragment kModerateTurbulence = "Turbulence modérée";
constexpr Fragment kSevereTurbulence = "Turbulence forte";
constexpr Fragment kBelow = " au-dessous de ";
constexpr Fragment kAbove = " au-dessus de ";
constexpr Fragment kFromTime = " de ";
constexpr Fragment kUntilTime = " jusqu'à ";

constexpr Fragment kWindShearOnRunway = "Cisaillement du vent sur la piste ";
constexpr Fragment kWindShearAllRunways = "Cisaillement du vent sur toutes les pistes. ";
constexpr Fragment kRunway = "Piste ";
constexpr Fragment kAllRunways = "Toutes les pistes";
constexpr Fragment kCleared = "contamination éliminée";
// WMO code table 0919.
constexpr std::array<Fragment, 10> kDeposits = {
    "dégagée et sèche",         "humide",      "mouillée ou flaques d'eau",
    "givre ou gelée blanche",   "neige sèche", "neige mouillée",
    "neige fondante",           "glace",       "neige compactée ou roulée",
    "ornières ou crêtes gelées"};
constexpr Fragment kDepositNotReported = "dépôt non communiqué";
// WMO code table 0519.
constexpr Fragment kExtent1 = ", recouverte à 10\u00A0% ou moins";
constexpr Fragment kExtent2 = ", recouverte de 11 à 25\u00A0%";
constexpr Fragment kExtent5 = ", recouverte de 26 à 50\u00A0%";
constexpr Fragment kExtent9 = ", recouverte de 51 à 100\u00A0%";
constexpr Fragment kDepthIs = ", épaisseur ";
constexpr Fragment kMillimetres = "\u00A0mm";
constexpr Fragment kDepthLessThan1 = ", épaisseur inférieure à 1\u00A0mm";
constexpr Fragment kDepthCentimetres = "\u00A0cm";
constexpr Fragment kDepthNotMeasurable = ", épaisseur non significative ou non mesurable";
constexpr Fragment kRunwayNotOperational = ", piste hors service";
constexpr Fragment kFriction = ", coefficient de frottement 0,";
// WMO code table 0366.
constexpr std::array<Fragment, 5> kBraking = {", freinage mauvais", ", freinage médiocre à mauvais",
                                              ", freinage médiocre", ", freinage médiocre à bon",
                                              ", freinage bon"};
constexpr Fragment kBrakingUnreliable = ", freinage non fiable";
constexpr Fragment kBrakingNotReported = ", freinage non communiqué";
constexpr Fragment kSeaTemperatureIs = "Température de surface de la mer\u00A0: ";
constexpr Fragment kSeaTemperatureNotReported = "Température de surface de la mer non communiquée";
constexpr Fragment kStateOfTheSea = ", état de la mer\u00A0: ";
// WMO code table 3700.
constexpr std::array<Fragment, 10> kSeaStates = {
    "calme (sans rides)", "calme (ridée)", "belle",       "peu agitée", "agitée", "forte",
    "très forte",         "grosse",        "très grosse", "énorme"};
constexpr Fragment kSeaStateNotReported = ", état de la mer non communiqué";
constexpr Fragment kWaveHeight = ", hauteur significative des vagues ";
constexpr Fragment kDecimetres = "\u00A0décimètres";
constexpr Fragment kNotTranslated = "Non traduit\u00A0: ";
// In the order of codes::kColourCodes.
constexpr std::array<Fragment, 8> kColourNames = {"bleu",    "blanc",   "vert",  "jaune",
                                                  "jaune 1", "jaune 2", "ambre", "rouge"};
constexpr Fragment kColourState = "Code couleur militaire ";
constexpr Fragment kBlack = ", et l'aérodrome est inutilisable pour une raison autre que la météo";
constexpr Fragment kRainfall = "Précipitations\u00A0: ";
constexpr Fragment kMillimetresLastTen = "\u00A0mm dans les 10 dernières minutes et ";
constexpr Fragment kMillimetresSince9 = "\u00A0mm depuis 9\u00A0h, heure locale. ";
constexpr std::array<Fragment, 4> kCloudNames = {"nuages", "cumulonimbus", "cumulus bourgeonnants",
                                                 "nuages"};
constexpr Fragment kAnd = " et ";
constexpr Fragment kComma = ", ";
constexpr Fragment kInTheDistance = " au loin";
constexpr Fragment kOverTheAerodrome = " à la verticale de l'aérodrome";
constexpr Fragment kFromHeading = "À PARTIR DE ";
constexpr Fragment kUtcHeading = "\u00A0UTC\u00A0:";
constexpr Fragment kSpace = " ";

constexpr Sentence kNoDirectionalVariation = "Pas de variation directionnelle à signaler. ";
constexpr Sentence kVisibilityNotReported = "Visibilité non communiquée. ";
constexpr Sentence kWeatherNotObserved = "Temps présent non communiqué. ";
constexpr Sentence kNoSignificantWeather = "Aucun temps significatif. ";
constexpr Sentence kNoWeatherToReport = "Aucun temps à signaler. ";
constexpr Sentence kCloudNotReported = "Nuages non communiqués. ";
constexpr Sentence kNoSignificantCloud = "Aucun nuage significatif. ";
constexpr Sentence kNoCloudDetected = "Aucun nuage détecté. ";
constexpr Sentence kClearBelow12000 =
    "Aucun nuage au-dessous de 12\u00A0000\u00A0pieds détecté par la station automatique. ";
constexpr Sentence kQnhNotReported = "QNH non communiqué. ";
constexpr Sentence kAltimeterNotReported = "Calage altimétrique non communiqué. ";
constexpr Sentence kAerodromeClosedBySnow = "Aérodrome fermé pour cause de neige. ";
constexpr Sentence kRecentWeatherNotReported = "Temps récent non communiqué. ";
constexpr Sentence kCeilingAndVisibilityOk =
    "Plafond et visibilité OK (CAVOK)\u00A0: visibilité de 10\u00A0kilomètres ou plus, aucun "
    "nuage au-dessous de 5000\u00A0pieds ou de la plus haute altitude minimale de secteur, ni "
    "cumulonimbus ni cumulus bourgeonnant, et aucun temps significatif. ";
constexpr Sentence kNoCloudAtAll = "Ciel clair\u00A0: aucun nuage. ";
constexpr Sentence kSkyObscured = "Ciel invisible, visibilité verticale non disponible. ";
constexpr Fragment kVariationNotReported = " Variation de la direction du vent non communiquée.";
constexpr Fragment kRunwayOfLastReport = "État de piste répété du message précédent";
constexpr Fragment kClosedBySnow = "fermée pour cause de neige";
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

// A value with a decimal point, with a decimal comma.
void appendDecimal(TextBuffer& out, std::string_view digits) {
  const std::size_t at = out.size();
  out += digits;
  for (std::size_t i = at; i < out.size(); ++i) {
    if (out[i] == '.') out[i] = ',';
  }
}

void appendWeatherCode(TextBuffer& out, const codes::WeatherCode& code) {
  if (code.intensity == codes::Intensity::kHeavy && code.descriptor == codes::Descriptor::kNone &&
      code.count == 1 && code.phenomena[0] == codes::Phenomenon::kFC) {
    out += kTornado;
  } else {
    const std::size_t start = out.size();
    appendWeatherPhrase(out, code);
    out[start] = asciiUpper(out[start]);
  }
  if (code.vicinity) out += kInTheVicinity;
  out += kStop;
}

// The sentence of the classic tables for a code they hold, or nothing: the same codes as in
// English.
std::string_view classicSentenceOf(const codes::WeatherCode& code) {
  if (code.vicinity || code.count != 1) return {};
  const codes::Phenomenon p = code.phenomena[0];
  const auto pi = static_cast<std::size_t>(p);
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

void appendTime(TextBuffer& out, std::string_view hour, std::string_view minute) {
  appendText(out, hour, kHours, minute);
}

}  // namespace

void appendWeatherPhrase(TextBuffer& out, const codes::WeatherCode& code) {
  appendWeatherPhrase(out, code.descriptor,
                      std::span<const codes::Phenomenon>(code.phenomena.data(), code.count),
                      code.intensity);
}

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
  if (w.calm) {
    out += kCalm;
    return;
  }
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
                 kTowards, namesOf(v.direction).the, kStop);
      return;
    case Kind::kStatuteMiles:
      break;
  }
  const codes::Miles& m = v.miles;
  appendText(out, kVisibilityIs, bounded(m.bound), m.whole);
  if (!m.whole.empty() && !m.fraction.empty()) out += kSpace;
  out += m.fraction;
  // In French, a quantity below two is singular: "1 1/2 mille", "2 milles".
  const bool plural =
      (m.whole != "1" && m.whole != "0" && !m.whole.empty()) || m.bound == codes::Bound::kMoreThan;
  appendText(out, plural ? kStatuteMiles : kStatuteMile, kStop);
}

void appendRunwayRange(TextBuffer& out, const values::RunwayRange& range) {
  if (!range.low.empty() && range.lowBound == codes::Bound::kExact && range.high.empty() &&
      !range.feet && range.tendency == 0) {
    appendRunwayVisualRange(out, range.runway, range.low);
    return;
  }
  appendText(out, kRunwayVisualRange, range.runway, kColon);
  if (range.low.empty()) {
    appendText(out, kNotReported, kStop);
    return;
  }
  if (range.high.empty()) {
    appendText(out, bounded(range.lowBound), range.low);
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
  for (std::size_t i = 0; i < d.count; ++i) {
    out += i == 0 ? kSpace : i + 1 == d.count ? kAnd : kComma;
    out += namesOf(d.directions[i]).at;
  }
  out += kStop;
}

void appendTemperature(TextBuffer& out, const values::Temperature& t) {
  if (!t.air.digits.empty() && !t.dewPoint.digits.empty()) {
    fr::appendTemperature(out, t.air.belowZero, t.air.digits, t.dewPoint.belowZero,
                          t.dewPoint.digits, DegreeStyle::kJoined);
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
  appendText(out, kAltimeterIs, hundredths.substr(0, 2), kDecimalComma, hundredths.substr(2),
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
        out += kExtent1;
        break;
      case '2':
        out += kExtent2;
        break;
      case '5':
        out += kExtent5;
        break;
      case '9':
        out += kExtent9;
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
  out += kRainfall;
  appendDecimal(out, rainfall.lastTenMinutes());
  out += kMillimetresLastTen;
  appendDecimal(out, rainfall.since9());
  out += kMillimetresSince9;
}

void appendTrendTime(TextBuffer& out, const values::TrendTime& time, bool becoming) {
  using Kind = values::TrendTime::Kind;
  if (time.kind == Kind::kPeriod) {
    out += kPeriodFrom;
    appendTime(out, time.hour, time.minute);
    out += kTo;
    appendTime(out, time.untilHour, time.untilMinute);
    out += kUtcStop;
    return;
  }
  out += becoming && time.kind == Kind::kUntil ? kCompleteBy
                                               : kTrendTimes[static_cast<std::size_t>(time.kind)];
  appendTime(out, time.hour, time.minute);
  out += kUtcStop;
}

void appendTurbulence(TextBuffer& out, const values::Turbulence& t) {
  out += t.severe ? kSevereTurbulence : kModerateTurbulence;
  if (t.level != values::Turbulence::Level::kAny) {
    appendText(out, t.level == values::Turbulence::Level::kBelow ? kBelow : kAbove, t.feet, kFeet);
  }
  if (!t.fromHour.empty()) {
    out += kFromTime;
    appendTime(out, t.fromHour, t.fromMinute);
    if (t.untilHour.empty()) out += kUtc;
  }
  if (!t.untilHour.empty()) {
    out += t.fromHour.empty() ? kUntilTime : kTo;
    appendTime(out, t.untilHour, t.untilMinute);
    out += kUtc;
  }
  out += kStop;
}

void appendProbabilityHeading(TextBuffer& out, std::string_view percent, bool temporary) {
  appendText(out, kProbability, percent, kPercent, temporary ? kTemporaryAfter : kHeadingEnd);
}

void appendFromHeading(TextBuffer& out, std::string_view hour, std::string_view minute) {
  out += kFromHeading;
  appendTime(out, hour, minute);
  out += kUtcHeading;
}

void appendNotTranslated(TextBuffer& out, std::string_view group, bool first) {
  out += first ? kNotTranslated : kSpace;
  out += group;
}

}  // namespace vantrel::words::fr
