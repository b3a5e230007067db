#pragma once
// Every English fragment of a translation and the small functions that word a group's fields.
// The readers recognise groups and slice their fields; the words are chosen here, so one sentence
// lives in one place. The present-weather sentences are in weather_vocabulary.hpp beside this.
//
// Fields are passed as typed in the report (leading zeros kept). Most sentences end in one
// space, which separates them from the next sentence of the same line; the wind sentences of the
// report body end in a bare full stop, which is why the wording takes the section.

#include <array>
#include <string>
#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/weather_vocabulary.hpp"

namespace vantrel {

// Where a group stands: the report body or a trend section. Some sentences end differently.
enum class Section { kBody, kTrend };

}  // namespace vantrel

namespace vantrel::words {

// --- Header ---------------------------------------------------------------------------------

// "METAR report issued at HH.MM GMT " (no day).
void appendIssueTime(std::string& out, std::string_view hour, std::string_view minute);
// "METAR report issued on the DDth at HH.MM GMT ". `daySuffix` is the English suffix of the
// day, from `daySuffix()`; `day` is written as given.
void appendIssueDayAndTime(std::string& out, std::string_view day, std::string_view suffix,
                           std::string_view hour, std::string_view minute);
// The suffix ("st at ", "nd at ", "rd at ", "th at ") of the day d1 d2, or nothing for a day
// that has none: 01-31, and 00 and 35-99 when they end in 0 or 4-9.
std::string_view daySuffix(std::string_view d1, std::string_view d2);
// "for CCCC:", the station upper-cased.
void appendStation(std::string& out, std::string_view station);

// --- Wind -----------------------------------------------------------------------------------

enum class SpeedUnit { kKnots, kKilometresPerHour, kMetresPerSecond };

inline constexpr std::string_view kCalm = "Wind calm. ";

// "Wind blowing from DDD degree at FF knots[ with gusts at GG knots]."
void appendWind(std::string& out, std::string_view direction, std::string_view speed,
                std::string_view gust, SpeedUnit unit, Section section);
// "Variable direction wind blowing at FF knots."
void appendVariableWind(std::string& out, std::string_view speed, SpeedUnit unit, Section section);
// " Wind direction is varying from AAA to BBB degrees."
void appendVariation(std::string& out, std::string_view from, std::string_view to, Section section);

// --- Visibility and runway visual range -----------------------------------------------------

inline constexpr std::string_view kNoVisibility = "CAUTION: no visibility (less than 50 metres). ";
inline constexpr std::string_view kVisibilityTenKilometres =
    "Visibility is 10 kilometres or more. ";
inline constexpr std::string_view kCavok =
    "The visibility is more than 10 Km, no fog and no clouds below 5000 ft AGL. ";

// "Visibility is VVVV metres. "
void appendVisibilityMetres(std::string& out, std::string_view metres);
// "Runway Visual Range for runway RR is VVVV metres. "
void appendRunwayVisualRange(std::string& out, std::string_view runway, std::string_view value);

// --- Sky ------------------------------------------------------------------------------------

enum class CloudAmount { kFew, kScattered, kBroken, kOvercast };

struct CloudCode {
  std::string_view code;
  CloudAmount amount;
};
// In the order a layer pass of the classic reading compares them.
inline constexpr std::array<CloudCode, 4> kCloudCodes{{
    {"FEW", CloudAmount::kFew},
    {"SCT", CloudAmount::kScattered},
    {"BKN", CloudAmount::kBroken},
    {"OVC", CloudAmount::kOvercast},
}};

inline constexpr std::string_view kSkyClear = "The sky is clear of clouds below 5000 feet AGL. ";
// The only sky sentence without a closing space.
inline constexpr std::string_view kVerticalVisibilityUnknown =
    "CAUTION: Vertical Visibility can not be mesured because of too dense fog.";

// "Broken cloud cover (5/8 to 7/8) at 2000 feet. "
void appendCloudLayer(std::string& out, CloudAmount amount, std::string_view height);
// "Vertical Visibility is 300 feet. "
void appendVerticalVisibility(std::string& out, std::string_view height);
// hhh, a height in hundreds of feet, in feet: "025" gives "2500 feet. ", "100" gives "10,000
// feet. ". Only "0" counts as zero; any other character is copied like a digit.
void appendHeight(std::string& out, std::string_view hhh);

// --- Temperature and pressure ---------------------------------------------------------------

// How the degree sign reads: "°Celsius. ", or "° Celsius. " in the form where both values are
// below zero.
enum class DegreeStyle { kJoined, kSpaced };
// "Temperature is [-]TT°Celsius. Dew point is [-]DD°Celsius. "
void appendTemperature(std::string& out, bool temperatureBelowZero, std::string_view temperature,
                       bool dewPointBelowZero, std::string_view dewPoint, DegreeStyle style);
// "QNH is PPPP millibars. "
void appendQnh(std::string& out, std::string_view hectopascals);

// --- Trend ----------------------------------------------------------------------------------

inline constexpr std::string_view kNosig =
    "No significant changes in weather within the next two hours. ";
inline constexpr std::string_view kBecomingHeading = "BECOMING:";
inline constexpr std::string_view kTemporaryHeading = "TEMPORARY:";

// --- Present weather ------------------------------------------------------------------------

// The sentence of a phenomenon PP at `pos` in `g`, or nothing when the code is not one.
std::string_view phenomenonSentence(const Group& g, std::size_t pos, weather::Intensity intensity);
// The sentence of a descriptor and phenomenon DDPP at `pos` in `g`, or nothing.
std::string_view descriptorSentence(const Group& g, std::size_t pos, weather::Intensity intensity);

}  // namespace vantrel::words
