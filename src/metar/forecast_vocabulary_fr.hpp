#pragma once
// The French of what only a forecast (TAF) says: the same functions as forecast_vocabulary.hpp,
// over the same values. The headings are those of the trend sections (DEVENANT,
// TEMPORAIREMENT, PAR INTERMITTENCE, PROBABILITÉ, À PARTIR), times as "le 7 à 18 h UTC".

#include <string_view>

#include "metar/forecast_vocabulary.hpp"
#include "metar/fragment.hpp"
#include "metar/taf/forecast_values.hpp"
#include "metar/text.hpp"

namespace vantrel::words::fr {

using words::ForecastNote;

// "Prévision émise le 7 à 17 h 30 UTC ".
void appendForecastIssued(TextBuffer& out, const taf::DayHour& at, std::string_view minute);
// "pour KJFK", or without an issue time "Prévision pour KJFK"; the station upper-cased.
void appendForecastStation(TextBuffer& out, std::string_view station, bool issued);
// ", valide du 7 à 18 h UTC au 8 à 24 h UTC".
void appendValidity(TextBuffer& out, const taf::Period& period);
inline constexpr Fragment kForecastHeaderEnd = "\u00A0:";

// " Prévision amendée." and the like, after the header line's colon.
void appendForecastNote(TextBuffer& out, ForecastNote note);

// "À PARTIR du 7 à 18 h 30 UTC :", "DEVENANT entre le 7 à 18 h UTC et le 7 à 20 h UTC :",
// "PROBABILITÉ 30 %, TEMPORAIREMENT entre ... :".
void appendChangeHeading(TextBuffer& out, const taf::Change& change);

// "Température maximale prévue : 15 °C le 11 à 11 h UTC. "
void appendForecastTemperature(TextBuffer& out, const taf::ForecastTemperature& t);
// "Cisaillement du vent : à 2000 pieds, vent du 250° à 40 nœuds. "
void appendForecastWindShear(TextBuffer& out, const taf::WindShear& shear);
// "Calage altimétrique minimal prévu : 29,80 pouces de mercure. "
void appendLowestAltimeter(TextBuffer& out, const taf::LowestAltimeter& altimeter);
// "Givrage faible dans les nuages à partir de 1000 pieds, sur une épaisseur de 5000 pieds. "
void appendLayer(TextBuffer& out, const taf::Layer& layer);
// "Les amendements ne sont pas programmés. ", "Prochaine prévision au plus tard le 3 à 06 h 00
// UTC. "
void appendStatement(TextBuffer& out, const taf::Statement& statement);

}  // namespace vantrel::words::fr
