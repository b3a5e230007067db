#pragma once
// Telling a forecast (TAF) from a report: a forecast read as a report would be read wrong, so the
// translator gives every forecast to the forecast reader, whichever reading is asked for.

#include <string_view>

namespace vantrel {

// True when `report` is a forecast: its first group is TAF (any case), or it has no type word and
// its issue time (ddhhmmZ) after the station is followed by a validity period (ddhh/ddhh, or the
// old ddhhhh; days 01 to 31, hours 00 to 24).
[[gnu::hot]] bool isForecast(std::string_view report) noexcept;

}  // namespace vantrel
