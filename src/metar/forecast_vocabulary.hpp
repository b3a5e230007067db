#pragma once
// The English of what only a forecast (TAF) says: its header, the headings of its sections, the
// temperatures forecast, wind shear, the lowest altimeter setting, icing and turbulence layers,
// and its phrases. The conditions (wind, visibility, weather, cloud) are worded by the full
// reading's own functions (vocabulary.hpp).

#include <string_view>

#include "metar/fragment.hpp"
#include "metar/taf/forecast_values.hpp"
#include "metar/text.hpp"

namespace vantrel::words {

// "Forecast issued on the 7th at 17.30 GMT ".
void appendForecastIssued(TextBuffer& out, const taf::DayHour& at, std::string_view minute);
// "for KJFK", or without an issue time "Forecast for KJFK"; the station upper-cased.
void appendForecastStation(TextBuffer& out, std::string_view station, bool issued);
// ", valid from the 7th at 18.00 GMT to the 8th at 24.00 GMT".
void appendValidity(TextBuffer& out, const taf::Period& period);
inline constexpr Fragment kForecastHeaderEnd = ":";

enum class ForecastNote { kAmended, kCorrected, kDelayed, kMissing, kCancelled };
// " Amended forecast." and the like, after the header line's colon.
void appendForecastNote(TextBuffer& out, ForecastNote note);

// "FROM the 7th at 18.30 GMT:", "BECOMING between the 7th at 18.00 GMT and the 7th at 20.00
// GMT:", "PROBABILITY 30 %, TEMPORARY between ...:".
void appendChangeHeading(TextBuffer& out, const taf::Change& change);

// "Maximum temperature 15°Celsius on the 11th at 11.00 GMT. "
void appendForecastTemperature(TextBuffer& out, const taf::ForecastTemperature& t);
// "Wind shear: at 2000 feet the wind is from 250 degrees at 40 knots. "
void appendForecastWindShear(TextBuffer& out, const taf::WindShear& shear);
// "Lowest altimeter setting 29.80 inches of mercury. "
void appendLowestAltimeter(TextBuffer& out, const taf::LowestAltimeter& altimeter);
// "Light icing in cloud from 1000 feet, in a layer 5000 feet thick. "
void appendLayer(TextBuffer& out, const taf::Layer& layer);
// "Amendments are not scheduled. ", "Next forecast by the 3rd at 06.00 GMT. "
void appendStatement(TextBuffer& out, const taf::Statement& statement);

}  // namespace vantrel::words
