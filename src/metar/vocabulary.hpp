#pragma once
// Every English fragment of a translation and the small functions that word a group's fields.
// The readers recognise groups and slice their fields; the words are chosen here, so one sentence
// lives in one place. The present-weather sentences are in weather_vocabulary.hpp beside this.
//
// Fields are passed as typed in the report (leading zeros kept). Most sentences end in one
// space, which separates them from the next sentence of the same line; the wind sentences of the
// report body end in a bare full stop, which is why the wording takes the section.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "metar/codes/weather.hpp"
#include "metar/fragment.hpp"
#include "metar/section.hpp"
#include "metar/weather_vocabulary.hpp"

namespace vantrel::words {

// --- Header ---------------------------------------------------------------------------------

enum class ReportType { kMetar, kSpeci };

// "METAR report issued at HH.MM GMT " (no day).
void appendIssueTime(TextBuffer& out, std::string_view hour, std::string_view minute,
                     ReportType type = ReportType::kMetar);
// "METAR report issued on the DDth at HH.MM GMT ". `daySuffix` is the English suffix of the
// day, from `daySuffix()`; `day` is written as given.
void appendIssueDayAndTime(TextBuffer& out, std::string_view day, std::string_view suffix,
                           std::string_view hour, std::string_view minute,
                           ReportType type = ReportType::kMetar);
// The suffix ("st at ", "nd at ", "rd at ", "th at ") of the day d1 d2, or nothing for a day
// that has none: 01-31, and 00 and 35-99 when they end in 0 or 4-9.
std::string_view daySuffix(std::string_view d1, std::string_view d2);
// "for CCCC:", the station upper-cased.
void appendStation(TextBuffer& out, std::string_view station);

// --- Wind -----------------------------------------------------------------------------------

enum class SpeedUnit { kKnots, kKilometresPerHour, kMetresPerSecond };

inline constexpr Fragment kCalm = "Wind calm. ";

// "Wind blowing from DDD degree at FF knots[ with gusts at GG knots]."
void appendWind(TextBuffer& out, std::string_view direction, std::string_view speed,
                std::string_view gust, SpeedUnit unit, Section section);
// "Variable direction wind blowing at FF knots."
void appendVariableWind(TextBuffer& out, std::string_view speed, SpeedUnit unit, Section section);
// " Wind direction is varying from AAA to BBB degrees."
void appendVariation(TextBuffer& out, std::string_view from, std::string_view to, Section section);

// --- Visibility and runway visual range -----------------------------------------------------

inline constexpr Fragment kNoVisibility = "CAUTION: no visibility (less than 50 metres). ";
inline constexpr Fragment kVisibilityTenKilometres = "Visibility is 10 kilometres or more. ";
inline constexpr Fragment kCavok =
    "The visibility is more than 10 Km, no fog and no clouds below 5000 ft AGL. ";

// "Visibility is VVVV metres. "
void appendVisibilityMetres(TextBuffer& out, std::string_view metres);
// "Runway Visual Range for runway RR is VVVV metres. "
void appendRunwayVisualRange(TextBuffer& out, std::string_view runway, std::string_view value);

// --- Sky ------------------------------------------------------------------------------------

enum class CloudAmount { kFew, kScattered, kBroken, kOvercast };

struct CloudCode {
  Fragment code;
  CloudAmount amount;
};
// In the order a layer pass of the classic reading compares them.
inline constexpr std::array<CloudCode, 4> kCloudCodes{{
    {"FEW", CloudAmount::kFew},
    {"SCT", CloudAmount::kScattered},
    {"BKN", CloudAmount::kBroken},
    {"OVC", CloudAmount::kOvercast},
}};

inline constexpr Fragment kSkyClear = "The sky is clear of clouds below 5000 feet AGL. ";
// The only sky sentence without a closing space.
inline constexpr Fragment kVerticalVisibilityUnknown =
    "CAUTION: Vertical Visibility can not be mesured because of too dense fog.";

// "Broken cloud cover (5/8 to 7/8) at 2000 feet. "
void appendCloudLayer(TextBuffer& out, CloudAmount amount, std::string_view height);
// "Vertical Visibility is 300 feet. "
void appendVerticalVisibility(TextBuffer& out, std::string_view height);
// hhh, a height in hundreds of feet, in feet: "025" gives "2500 feet. ", "100" gives "10,000
// feet. ". Only "0" counts as zero; any other character is copied like a digit.
void appendHeight(TextBuffer& out, std::string_view hhh);

// --- Temperature and pressure ---------------------------------------------------------------

// How the degree sign reads: "°Celsius. ", or "° Celsius. " in the form where both values are
// below zero.
enum class DegreeStyle { kJoined, kSpaced };
// "Temperature is [-]TT°Celsius. Dew point is [-]DD°Celsius. "
void appendTemperature(TextBuffer& out, bool temperatureBelowZero, std::string_view temperature,
                       bool dewPointBelowZero, std::string_view dewPoint, DegreeStyle style);
// "QNH is PPPP millibars. "
void appendQnh(TextBuffer& out, std::string_view hectopascals);

// --- Trend ----------------------------------------------------------------------------------

inline constexpr Fragment kNosig = "No significant changes in weather within the next two hours. ";
inline constexpr Fragment kBecomingHeading = "BECOMING:";
inline constexpr Fragment kTemporaryHeading = "TEMPORARY:";

// --- Present weather ------------------------------------------------------------------------

// The classic sentence of PP, -PP, +PP (one of the first 21 phenomena), and of DDPP, -DDPP,
// +DDPP (one of the first 7 descriptors, and SH only with the first 9 phenomena).
std::string_view classicWeatherSentence(codes::Phenomenon p, codes::Intensity intensity);
std::string_view classicWeatherSentence(codes::Descriptor d, codes::Phenomenon p,
                                        codes::Intensity intensity);

// --- The full reading's own sentences ------------------------------------------------------
// Groups the classic reading does not know, or words wrongly for what they mean.

enum class HeaderNote { kAutomated, kCorrected, kAmended, kMissing, kDelayed };

// The header of a report whose issue time is not given: "METAR report for CCCC:".
void appendHeaderWithoutTime(TextBuffer& out, ReportType type, std::string_view station);
// " Automated report." and the like, after the header line's colon.
void appendHeaderNote(TextBuffer& out, HeaderNote note);

// A speed as given: "05", or "more than 99" for P99.
struct Speed {
  std::string_view digits;
  bool above = false;
};
// Wind whose direction, speed or both the report gives as missing (///, //).
void appendWindNotReported(TextBuffer& out, std::string_view direction, Speed speed, SpeedUnit unit,
                           Section section);
// Wind with a P speed or gust, or a VRB wind with gusts, which the classic sentences cannot say.
void appendWindFull(TextBuffer& out, std::string_view direction, Speed speed, Speed gust,
                    SpeedUnit unit, Section section);

enum class Compass { kNone, kN, kNE, kE, kSE, kS, kSW, kW, kNW };
// "Visibility is 4000 metres towards the north-east. ", or "Minimum visibility is ...".
void appendDirectionalVisibility(TextBuffer& out, bool minimum, std::string_view metres,
                                 Compass direction);
inline constexpr Fragment kNoDirectionalVariation = "No directional variation can be given. ";
inline constexpr Fragment kVisibilityNotReported = "Visibility is not reported. ";
// "Visibility is 1 1/2 statute miles. ", with "less than" for M and "more than" for P.
enum class Bound { kExact, kLessThan, kMoreThan };
void appendVisibilityMiles(TextBuffer& out, Bound bound, std::string_view whole,
                           std::string_view fraction);

// Runway visual range in any form: "Runway Visual Range for runway 27L is more than 1500 metres,
// increasing. ", "... varies from 0600 to 1000 feet. ", "... is not reported. ".
struct RunwayRange {
  std::string_view runway;
  Bound lowBound = Bound::kExact;
  std::string_view low;  // empty: not reported
  Bound highBound = Bound::kExact;
  std::string_view high;  // empty: a single value
  bool feet = false;
  char tendency = 0;  // 'U', 'D', 'N', or 0
};
void appendRunwayRange(TextBuffer& out, const RunwayRange& range);

// Present weather in any form of the code, worded from its parts: "There is light rain and
// snow. ", "There are showers in the vicinity. ", "There is a tornado or waterspout. ".
void appendWeather(TextBuffer& out, const codes::WeatherCode& code);
// "Recent thunderstorm with rain. "
void appendRecentWeather(TextBuffer& out, const codes::WeatherCode& code);
inline constexpr Fragment kWeatherNotObserved = "Present weather is not reported. ";
inline constexpr Fragment kNoSignificantWeather = "No significant weather. ";

enum class CloudType { kNone, kCumulonimbus, kToweringCumulus, kNotReported };
// Cloud layers with a type or missing parts: "Broken cloud cover (5/8 to 7/8) at 2500 feet,
// cumulonimbus. ", "Broken cloud cover (5/8 to 7/8), height not reported. ".
void appendCloudLayerFull(TextBuffer& out, const CloudAmount* amount, std::string_view height,
                          CloudType type);
inline constexpr Fragment kCloudNotReported = "Cloud cover is not reported. ";
inline constexpr Fragment kNoSignificantCloud = "No significant cloud. ";
inline constexpr Fragment kNoCloudDetected = "No cloud detected. ";
inline constexpr Fragment kClearBelow12000 =
    "No clouds below 12,000 feet were detected by the automated station. ";
// A lone CB or TCU group after a cloud layer.
void appendCloudTypeOfLayer(TextBuffer& out, CloudType type);

// Temperature and dew point with a missing part: "Temperature is 15°Celsius. Dew point is not
// reported. "
void appendTemperatureFull(TextBuffer& out, bool temperatureBelowZero, std::string_view temperature,
                           bool dewPointBelowZero, std::string_view dewPoint);
// "QNH is not reported. "
inline constexpr Fragment kQnhNotReported = "QNH is not reported. ";
// "Altimeter setting is 29.92 inches of mercury. " from A2992.
void appendAltimeter(TextBuffer& out, std::string_view hundredths);
inline constexpr Fragment kAltimeterNotReported = "Altimeter setting is not reported. ";

// Trend sections.
// "PROBABILITY 30 %:" or "PROBABILITY 30 %, TEMPORARY:".
void appendProbabilityHeading(TextBuffer& out, std::string_view percent, bool temporary);
enum class TrendTime { kFrom, kUntil, kAt };
// "From 11.00 GMT. "
void appendTrendTime(TextBuffer& out, TrendTime kind, std::string_view hour,
                     std::string_view minute);

// Supplementary groups.
// "Wind shear on runway 27L. ", or on all runways when `runway` is empty.
void appendWindShear(TextBuffer& out, std::string_view runway);
// Runway state from its digits (any of them may be "/"): deposit, extent, depth, braking.
struct RunwayState {
  std::string_view runway;  // empty: all runways (88)
  bool cleared = false;     // CLRD: contamination cleared
  char deposit = '/', extent = '/';
  std::string_view depth, braking;
};
void appendRunwayState(TextBuffer& out, const RunwayState& state);
inline constexpr Fragment kAerodromeClosedBySnow = "The aerodrome is closed by snow. ";
// "Sea surface temperature is 15°Celsius, state of the sea is slight (3). " or with the wave
// height in decimetres.
void appendSea(TextBuffer& out, bool belowZero, std::string_view temperature, char state,
               std::string_view waveHeight);

// Military colour state: BLU WHT GRN YLO YLO1 YLO2 AMB RED, after BLACK when the aerodrome is
// unusable for another reason than the weather. Returns false for a code of no colour.
bool appendColourState(TextBuffer& out, std::string_view code, bool black);
// RFmm.m/mmm.m: rainfall in the last ten minutes and since 9 a.m. local time, in millimetres.
void appendRainfall(TextBuffer& out, std::string_view lastTenMinutes, std::string_view since9);
inline constexpr Fragment kRecentWeatherNotReported = "Recent weather is not reported. ";
// A second visibility in metres without a direction: the minimum visibility.
void appendMinimumVisibility(TextBuffer& out, std::string_view metres);

// "Cumulonimbus to the south-east, south and south-west. ": a CB or TCU group followed by
// the directions where the clouds stand, written in the body by some stations.
// A subject placed by directions: clouds of a type, or a weather phenomenon ("RA TO N").
struct PlaceSubject {
  CloudType cloud = CloudType::kNone;
  const codes::WeatherCode* weather = nullptr;
};
// With `overField` and no direction: over the aerodrome.
void appendDirections(TextBuffer& out, std::span<const PlaceSubject> subjects, bool distant,
                      std::span<const Compass> directions, bool overField);
// NIL where the present weather stands: none to report.
inline constexpr Fragment kNoWeatherToReport = "No weather to report. ";
inline constexpr Fragment kNoRemarks = "none. ";
// A lone M or /// in place of a group whose value is missing; which group cannot be told.
inline constexpr Fragment kElementNotReported = "One element of the report is not reported. ";
inline constexpr Fragment kVariationNotReported =
    " The variation of the wind direction is not reported.";
// An Australian trend section from a time on: "FROM 02.00 GMT:".
void appendFromHeading(TextBuffer& out, std::string_view hour, std::string_view minute);

// The remarks line opens with this; the last line names what could not be read.
inline constexpr Fragment kRemarks = "Remarks: ";
void appendNotTranslated(TextBuffer& out, std::string_view group, bool first);
inline constexpr Fragment kNotTranslatedEnd = ".";

}  // namespace vantrel::words
