#pragma once
// Telling a forecast (TAF) from a report: neither reading reads forecasts, and a forecast read as
// a report would be read wrong, so the window and the command line say what it is instead.

#include <string_view>

namespace vantrel {

// What the window and the command line say of a forecast.
inline constexpr std::string_view kForecastNotRead =
    "It is a forecast (TAF): forecasts are not read yet.";

// True when `report` is a forecast: its first group is TAF (any case), or it has no type word and
// its issue time (ddhhmmZ) after the station is followed by a validity period (ddhh/ddhh, or the
// old ddhhhh; days 01 to 31, hours 00 to 24).
[[gnu::hot]] bool isForecast(std::string_view report) noexcept;

}  // namespace vantrel
