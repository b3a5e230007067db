// The sentences only the full reading writes, in French. Shared fragments come from
// fragments_fr.hpp and vocabulary_fr.cpp's wording functions, so a classic sentence is never
// spelt twice.

#include "metar/compass_words_fr.hpp"
#include "metar/fragments_fr.hpp"
#include "metar/sentence_shapes.hpp"
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

constexpr Fragment kTo = " à ";

constexpr Fragment kInTheVicinity = " au voisinage";
constexpr Fragment kTornado = "Tornade ou trombe";

constexpr Fragment kAltimeterIs = "Calage altimétrique\u00A0: ";

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

// The words of the sentences of sentence_shapes.hpp: WMO code tables 0919, 0519, 0366, 3700.
constexpr RunwayRangeWords kRunwayRangeWords = {
    .visualRange = kRunwayVisualRange,
    .is = kColon,
    .notReported = "non communiquée",
    .variesFrom = "\u00A0: variable de ",
    .to = " à ",
    .bounds = {.lessThan = kLessThan, .moreThan = kMoreThan},
    .feet = kFeet,
    .metres = kMetres,
    .increasing = ", en augmentation",
    .decreasing = ", en diminution",
    .noDistinctChange = ", sans changement notable",
    .stop = kStop,
    .classic = &fr::appendRunwayVisualRange,
};
constexpr RunwayStateWords kRunwayStateWords = {
    .aerodromeClosedBySnow = "Aérodrome fermé pour cause de neige. ",
    .runway = "Piste ",
    .allRunways = "Toutes les pistes",
    .runwayOfLastReport = "État de piste répété du message précédent",
    .rightHandSide = "R",
    .colon = kColon,
    .closedBySnow = "fermée pour cause de neige",
    .cleared = "contamination éliminée",
    .deposits = {"dégagée et sèche", "humide", "mouillée ou flaques d'eau",
                 "givre ou gelée blanche", "neige sèche", "neige mouillée", "neige fondante",
                 "glace", "neige compactée ou roulée", "ornières ou crêtes gelées"},
    .depositNotReported = "dépôt non communiqué",
    .extents = {", recouverte à 10\u00A0% ou moins", ", recouverte de 11 à 25\u00A0%",
                ", recouverte de 26 à 50\u00A0%", ", recouverte de 51 à 100\u00A0%"},
    .covered = "",
    .depthIs = ", épaisseur ",
    .millimetres = "\u00A0mm",
    .centimetres = "\u00A0cm",
    .depthLessThan1 = ", épaisseur inférieure à 1\u00A0mm",
    .depthNotMeasurable = ", épaisseur non significative ou non mesurable",
    .runwayNotOperational = ", piste hors service",
    .friction = ", coefficient de frottement 0,",
    .braking = {", freinage mauvais", ", freinage médiocre à mauvais", ", freinage médiocre",
                ", freinage médiocre à bon", ", freinage bon"},
    .brakingUnreliable = ", freinage non fiable",
    .brakingNotReported = ", freinage non communiqué",
    .stop = kStop,
};
constexpr SeaWords kSeaWords = {
    .temperatureIs = "Température de surface de la mer\u00A0: ",
    .temperatureNotReported = "Température de surface de la mer non communiquée",
    .minus = kMinus,
    .degrees = kDegrees,
    .waveHeight = ", hauteur significative des vagues ",
    .decimetres = "\u00A0décimètres",
    .stateOfTheSea = ", état de la mer\u00A0: ",
    .states = {"calme (sans rides)", "calme (ridée)", "belle", "peu agitée", "agitée", "forte",
               "très forte", "grosse", "très grosse", "énorme"},
    .stateNotReported = ", état de la mer non communiqué",
    .stop = kStop,
};
constexpr Fragment kNotTranslated = "Non traduit\u00A0: ";
constexpr Fragment kRainfall = "Précipitations\u00A0: ";
constexpr Fragment kMillimetresLastTen = "\u00A0mm dans les 10 dernières minutes et ";
constexpr Fragment kMillimetresSince9 = "\u00A0mm depuis 9\u00A0h, heure locale. ";
constexpr Fragment kFromHeading = "À PARTIR DE ";
constexpr Fragment kUtcHeading = "\u00A0UTC\u00A0:";
constexpr Fragment kSpace = " ";

constexpr Sentence kNoDirectionalVariation = "Pas de variation directionnelle à signaler. ";
constexpr Sentence kVisibilityNotReported = "Visibilité non communiquée. ";
constexpr Sentence kCeilingAndVisibilityOk =
    "Plafond et visibilité OK (CAVOK)\u00A0: visibilité de 10\u00A0kilomètres ou plus, aucun "
    "nuage au-dessous de 5000\u00A0pieds ou de la plus haute altitude minimale de secteur, ni "
    "cumulonimbus ni cumulus bourgeonnant, et aucun temps significatif. ";
constexpr Fragment kVariationNotReported = " Variation de la direction du vent non communiquée.";

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

// The sentence of the classic tables for a code they hold, or nothing.
std::string_view classicSentenceOf(const codes::WeatherCode& code) {
  if (!codes::inClassicTables(code)) return {};
  const codes::Phenomenon p = code.phenomena[0];
  return code.descriptor == codes::Descriptor::kNone
             ? classicWeatherSentence(p, code.intensity)
             : classicWeatherSentence(code.descriptor, p, code.intensity);
}

void appendTime(TextBuffer& out, std::string_view hour, std::string_view minute) {
  appendText(out, hour, kHours, minute);
}

// "au nord", "à l'est".
Fragment atDirection(codes::Compass c) {
  return namesOf(c).at;
}

constexpr CloudWords kCloudWords = {
    .skyClear = "Ciel clair\u00A0: aucun nuage. ",
    .clearBelow12000 =
        "Aucun nuage au-dessous de 12\u00A0000\u00A0pieds détecté par la station automatique. ",
    .noSignificant = "Aucun nuage significatif. ",
    .noneDetected = "Aucun nuage détecté. ",
    .layerTypes = {"", "Les nuages de cette couche sont des cumulonimbus. ",
                   "Les nuages de cette couche sont des cumulus bourgeonnants. ", ""},
    .skyObscured = "Ciel invisible, visibilité verticale non disponible. ",
    .notReported = "Nuages non communiqués. ",
    .cover = kCloudCover,
    .unreportedAmount = "Nuages de nébulosité non communiquée",
    .heightNotReported = ", hauteur non communiquée",
    .at = kAt,
    .types = {"", ", cumulonimbus", ", cumulus bourgeonnants", ", type de nuages non communiqué"},
    .stop = kStop,
    .layer = &appendCloudLayer,
    .verticalVisibility = &appendVerticalVisibility,
    .height = &appendHeight,
};
constexpr DirectionsWords kDirectionsWords = {
    .clouds = {"nuages", "cumulonimbus", "cumulus bourgeonnants", "nuages"},
    .andWord = " et ",
    .comma = ", ",
    .overAerodrome = " à la verticale de l'aérodrome",
    .inTheDistance = " au loin",
    .toThe = kSpace,
    .stop = kStop,
    .weather = &fr::appendWeatherPhrase,
    .direction = &atDirection,
};
constexpr TemperatureWords kTemperatureWords = {
    .airIs = kTemperatureIs,
    .airNotReported = "Température non communiquée. ",
    .dewPointIs = kDewPointIs,
    .dewPointNotReported = "Point de rosée non communiqué. ",
    .minus = kMinus,
    .degrees = kDegreesCelsius,
    .both = &fr::appendTemperature,
};
constexpr WeatherWords kWeatherWords = {
    .notObserved = "Temps présent non communiqué. ",
    .noSignificant = "Aucun temps significatif. ",
    .nil = "Aucun temps à signaler. ",
    .recentNotReported = "Temps récent non communiqué. ",
    .recent = "Temps récent\u00A0: ",
    .stop = kStop,
    .classic = &classicSentenceOf,
    .sentence = &appendWeatherCode,
    .phrase = &fr::appendWeatherPhrase,
};
constexpr PressureWords kPressureWords = {
    .qnhNotReported = "QNH non communiqué. ",
    .altimeterNotReported = "Calage altimétrique non communiqué. ",
    .qnh = &fr::appendQnh,
    .altimeter = &fr::appendAltimeter,
};
constexpr MarkWords kMarkWords = {
    .windShearAllRunways = "Cisaillement du vent sur toutes les pistes. ",
    .windShearOnRunway = "Cisaillement du vent sur la piste ",
    // In the order of codes::kColourCodes.
    .colours = {"bleu", "blanc", "vert", "jaune", "jaune 1", "jaune 2", "ambre", "rouge"},
    .colourState = "Code couleur militaire ",
    .black = ", et l'aérodrome est inutilisable pour une raison autre que la météo",
    .stop = kStop,
};

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
  appendText(out, kAltimeterIs, hundredths.substr(0, 2), kDecimalComma, hundredths.substr(2),
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
