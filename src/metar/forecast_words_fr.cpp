// The sentences only a forecast writes, in French.

#include <array>

#include "metar/codes/chars.hpp"
#include "metar/forecast_vocabulary_fr.hpp"
#include "metar/fragments_fr.hpp"
#include "metar/sentence_shapes.hpp"
#include "metar/vocabulary_fr.hpp"

namespace vantrel::words::fr {
namespace {

using namespace fragments;

constexpr Fragment kForecastIssued = "Prévision émise ";
constexpr Fragment kValid = ", valide ";
constexpr Fragment kUntilTheNext = " jusqu'au prochain ";
constexpr Fragment kAndTheNext = " et le prochain ";
constexpr Fragment kSpace = " ";
constexpr std::array<Fragment, 5> kNotes = {" Prévision amendée.", " Prévision corrigée.",
                                            " Prévision retardée.", " La prévision est manquante.",
                                            " La prévision pour cette période est annulée."};

// A day and its hour after a preposition that changes with the day: "du 7 à 18 h", "de 18 h"
// for an hour of no day.
struct Before {
  Fragment day;
  Fragment noDay;
};
constexpr Before kOn = {"le ", ""};
constexpr Before kFrom = {"du ", "de "};
constexpr Before kTo = {" au ", " à "};
constexpr Before kBetween = {" entre le ", " entre "};
constexpr Before kAnd = {" et le ", " et "};

constexpr Fragment kHourUtc = "\u00A0h\u00A0UTC";

constexpr Fragment kMaximum = "Température maximale prévue\u00A0: ";
constexpr Fragment kMinimum = "Température minimale prévue\u00A0: ";
constexpr Fragment kDegreesOn = "\u00A0°C ";

constexpr Fragment kLowestAltimeter = "Calage altimétrique minimal prévu\u00A0: ";

// "du 7 à 18", "du 1er à 18", the day without its leading zero; the caller adds the rest.
void appendDayAt(TextBuffer& out, const Before& before, const taf::DayHour& at) {
  const std::string_view d1 = at.day.substr(0, 1);
  const std::string_view d2 = at.day.substr(1, 1);
  const std::string_view suffix = daySuffix(d1, d2);
  appendText(out, before.day, d1 == "0" ? d2 : at.day, suffix.empty() ? kAt.view() : suffix,
             at.hour);
}

// "du 7 à 18 h UTC", or "de 18 h UTC" for an hour of no day.
void appendDayHour(TextBuffer& out, const Before& before, const taf::DayHour& at) {
  if (at.day.empty()) {
    appendText(out, before.noDay, at.hour, kHourUtc);
    return;
  }
  appendDayAt(out, before, at);
  out += kHourUtc;
}

// "le 7 à 18 h 30 UTC", or "18 h 30 UTC" for an hour of no day.
void appendDayTime(TextBuffer& out, const Before& before, const taf::DayHour& at,
                   std::string_view minute) {
  if (at.day.empty()) {
    out += before.noDay;
    out += at.hour;
  } else {
    appendDayAt(out, before, at);
  }
  appendText(out, kHours, minute, kUtc);
}

// The period of a change or of the validity, its end after `to`.
void appendPeriod(TextBuffer& out, const taf::Period& period, const Before& from, const Before& to,
                  std::string_view untilTheNext) {
  appendDayHour(out, from, period.from);
  if (period.sameDay) {
    appendText(out, untilTheNext, period.to.hour, kHourUtc);
  } else {
    appendDayHour(out, to, period.to);
  }
}

// The time of a statement: "le 3 à 06 h 00 UTC".
void appendOnDayTime(TextBuffer& out, const taf::DayHour& at, std::string_view minute) {
  appendDayTime(out, kOn, at, minute);
}

// FM's time: "du 7 à 18 h 30 UTC", or "de 18 h 30 UTC" for FMhhmm.
void appendFromTime(TextBuffer& out, const taf::Change& change) {
  appendDayTime(out, kFrom, change.from, change.minute);
}

// " entre le 7 à 18 h UTC et le 8 à 02 h UTC", " ... et le prochain 02 h UTC".
void appendChangePeriod(TextBuffer& out, const taf::Period& period) {
  appendPeriod(out, period, kBetween, kAnd, kAndTheNext);
}

constexpr ForecastWords kForecastWords = {
    .dayTime = &appendOnDayTime,
    .fromTime = &appendFromTime,
    .changePeriod = &appendChangePeriod,
    .forecastFor = "Prévision pour ",
    .stationFor = "pour ",
    .headings = {"À PARTIR ", "DEVENANT", "TEMPORAIREMENT",
                 "PAR INTERMITTENCE (chaque fois moins de 30\u00A0minutes)", "PROBABILITÉ "},
    .percent = "\u00A0%",
    .then = ", ",
    .headingEnd = "\u00A0:",
    .windShearAt = "Cisaillement du vent\u00A0: à ",
    .feetWindFrom = "\u00A0pieds, vent du ",
    .degreesAt = kDegreeAt,
    .moreThan = "plus de ",
    .gustsAt = kWithGustsAt,
    .speedUnits = kSpeedUnits,
    .thousands = kThousandsSeparator,
    .hundreds = kHundreds,
    .stop = kStop,
    .icing = {"Pas de givrage", "Givrage faible", "Givrage faible dans les nuages",
              "Givrage faible dans les précipitations", "Givrage modéré",
              "Givrage modéré dans les nuages", "Givrage modéré dans les précipitations",
              "Givrage fort", "Givrage fort dans les nuages",
              "Givrage fort dans les précipitations"},
    .turbulence = {"Pas de turbulence", "Turbulence faible",
                   "Turbulence modérée occasionnelle en air clair",
                   "Turbulence modérée fréquente en air clair",
                   "Turbulence modérée occasionnelle dans les nuages",
                   "Turbulence modérée fréquente dans les nuages",
                   "Turbulence forte occasionnelle en air clair",
                   "Turbulence forte fréquente en air clair",
                   "Turbulence forte occasionnelle dans les nuages",
                   "Turbulence forte fréquente dans les nuages", "Turbulence extrême"},
    .fromTheSurface = " depuis la surface",
    .fromHeight = " à partir de ",
    .feet = "\u00A0pieds",
    .inALayer = ", sur une épaisseur de ",
    .thousandFeetThick = "000\u00A0pieds. ",
    .phrases = {"Les amendements ne sont pas programmés. ",
                "Les amendements sont limités aux nuages, à la visibilité et au vent. ",
                "La prévision est fondée sur des observations automatiques. ",
                "La prévision n'est pas disponible faute d'observations. "},
    .nextBy = "Prochaine prévision au plus tard ",
    .nextIssued = "Prochaine prévision émise ",
};

}  // namespace

void appendForecastIssued(TextBuffer& out, const taf::DayHour& at, std::string_view minute) {
  out += kForecastIssued;
  appendDayTime(out, kOn, at, minute);
  out += kSpace;
}

void appendForecastStation(TextBuffer& out, std::string_view station, bool issued) {
  appendForecastStation(out, station, issued, kForecastWords);
}

void appendValidity(TextBuffer& out, const taf::Period& period) {
  out += kValid;
  appendPeriod(out, period, kFrom, kTo, kUntilTheNext);
}

void appendForecastNote(TextBuffer& out, ForecastNote note) {
  out += kNotes[static_cast<std::size_t>(note)];
}

void appendChangeHeading(TextBuffer& out, const taf::Change& change) {
  appendChangeHeading(out, change, kForecastWords);
}

void appendForecastTemperature(TextBuffer& out, const taf::ForecastTemperature& t) {
  appendText(out, t.maximum ? kMaximum : kMinimum, t.belowZero ? kMinus.view() : "", t.degrees,
             kDegreesOn);
  appendDayHour(out, kOn, t.at);
  out += kStop;
}

void appendForecastWindShear(TextBuffer& out, const taf::WindShear& shear) {
  appendForecastWindShear(out, shear, kForecastWords);
}

void appendLowestAltimeter(TextBuffer& out, const taf::LowestAltimeter& altimeter) {
  appendText(out, kLowestAltimeter, altimeter.hundredths.substr(0, 2), kDecimalComma,
             altimeter.hundredths.substr(2), kInchesOfMercury);
}

void appendLayer(TextBuffer& out, const taf::Layer& layer) {
  appendLayer(out, layer, kForecastWords);
}

void appendStatement(TextBuffer& out, const taf::Statement& statement) {
  appendStatement(out, statement, kForecastWords);
}

}  // namespace vantrel::words::fr
