#pragma once
// Explaining a forecast: the decoded value of each sentence only a forecast writes
// (docs/json.md, "Forecasts"), made from the typed values, in the forecast's own units.

#include <string_view>

#include "metar/decoded.hpp"
#include "metar/taf/forecast_values.hpp"
#include "metar/writer.hpp"

namespace vantrel::taf {

void describe(const Period& validity, Decoded& out);
void describe(const Change& change, Decoded& out);
void describe(const ForecastTemperature& t, Decoded& out);
void describe(const WindShear& shear, Decoded& out);
void describe(const LowestAltimeter& altimeter, Decoded& out);
void describe(const Layer& layer, Decoded& out);
void describe(const Statement& statement, Decoded& out);

// The header's sentences: the issue time ddhhmmZ, the station, AMD COR RTD NIL CNL as typed; and
// the remarks' heading.
[[gnu::cold]] void explainIssued(LineText& line, std::string_view group);
[[gnu::cold]] void explainStation(LineText& line, std::string_view station);
[[gnu::cold]] void explainForecastNote(LineText& line, std::string_view note);
[[gnu::cold]] void explainRemarksMarker(LineText& line);

}  // namespace vantrel::taf
