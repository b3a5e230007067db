#pragma once
// What the decoded values of the body (describe_values.cpp) and of the remarks
// (remark_describe.cpp) share: codes written back as the report writes them, and the few
// numbers a code defines (hundreds of feet, tenths, a fraction of a mile). docs/json.md states
// each rule.

#include <cstddef>
#include <string>
#include <string_view>

#include "metar/codes/compass.hpp"
#include "metar/codes/miles.hpp"
#include "metar/codes/weather.hpp"
#include "metar/decoded.hpp"

namespace vantrel::describing {

// A code in capitals, as the report writes it in any case (27l is runway 27L).
std::string upper(std::string_view s);

// "N", "NE", ... or empty.
std::string_view compassCode(codes::Compass c);

// The parts of a weather code: "-" or "+" (empty: none), the descriptor (empty: none) and the
// phenomena joined by spaces ("RA SN"; empty: none).
std::string_view intensityCode(const codes::WeatherCode& code);
std::string_view descriptorCode(const codes::WeatherCode& code);
std::string phenomenaCodes(const codes::WeatherCode& code);
// The whole code, as a group writes it: "-SHRA", "VCTS", "+TSRAGR".
std::string weatherCode(const codes::WeatherCode& code);

// Hundreds of feet in feet: "250" gives "25000" (empty stays empty: not reported).
std::string feetOfHundreds(std::string_view hundreds);

// Digits with `decimals` of them after a point: ("0289", 1) gives "028.9", which Decoded writes
// as 28.9; `negative` puts a '-' before it.
std::string scaled(std::string_view digits, std::size_t decimals, bool negative = false);

// Statute miles (or inches of hail) as a decimal number: whole and fraction added, rounded to four
// decimal places (exact for the halves to sixteenths reports use), without trailing zeros: "1",
// "1.5", "0.25". Empty when a part has more digits than the sum can hold.
std::string milesNumber(const codes::Miles& m);
// The value as written when it holds a fraction ("1 1/2", "1/4"), else empty.
std::string milesFraction(const codes::Miles& m);
// "M", "P", or empty.
std::string_view boundCode(codes::Bound bound);

}  // namespace vantrel::describing
