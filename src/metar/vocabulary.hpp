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

#include "metar/codes/cloud.hpp"
#include "metar/codes/units.hpp"
#include "metar/codes/weather.hpp"
#include "metar/fragment.hpp"
#include "metar/section.hpp"
#include "metar/values.hpp"
#include "metar/weather_vocabulary.hpp"

namespace vantrel::words {

// --- Header ---------------------------------------------------------------------------------

enum class ReportType { kMetar, kSpeci };

// "METAR report issued at HH.MM GMT " (no day).
void appendIssueTime(TextBuffer& out, std::string_view hour, std::string_view minute,
                     ReportType type = ReportType::kMetar);
// "METAR report issued on the DDth at HH.MM GMT ". `daySuffix` is the English suffix of the
// day, from `daySuffix()`; `day` is written as given.
[[gnu::hot]] void appendIssueDayAndTime(TextBuffer& out, std::string_view day,
                                        std::string_view suffix, std::string_view hour,
                                        std::string_view minute,
                                        ReportType type = ReportType::kMetar);
// The suffix ("st at ", "nd at ", "rd at ", "th at ") of the day d1 d2, or nothing for a day
// that has none: 01-31, and 00 and 35-99 when they end in 0 or 4-9.
std::string_view daySuffix(std::string_view d1, std::string_view d2);
// "for CCCC:", the station upper-cased.
[[gnu::hot]] void appendStation(TextBuffer& out, std::string_view station);

// --- Wind -----------------------------------------------------------------------------------

using codes::SpeedUnit;

inline constexpr Fragment kCalm = "Wind calm. ";

// "Wind blowing from DDD degree at FF knots[ with gusts at GG knots]."
[[gnu::hot]] void appendWind(TextBuffer& out, std::string_view direction, std::string_view speed,
                             std::string_view gust, SpeedUnit unit, Section section);
// "Variable direction wind blowing at FF knots."
[[gnu::hot]] void appendVariableWind(TextBuffer& out, std::string_view speed, SpeedUnit unit,
                                     Section section);
// " Wind direction is varying from AAA to BBB degrees."
void appendVariation(TextBuffer& out, std::string_view from, std::string_view to, Section section);

// --- Visibility and runway visual range -----------------------------------------------------

inline constexpr Fragment kNoVisibility = "CAUTION: no visibility (less than 50 metres). ";
inline constexpr Fragment kVisibilityTenKilometres = "Visibility is 10 kilometres or more. ";
inline constexpr Fragment kCavok =
    "The visibility is more than 10 Km, no fog and no clouds below 5000 ft AGL. ";

// "Visibility is VVVV metres. "
[[gnu::hot]] void appendVisibilityMetres(TextBuffer& out, std::string_view metres);
// "Runway Visual Range for runway RR is VVVV metres. "
void appendRunwayVisualRange(TextBuffer& out, std::string_view runway, std::string_view value);

// --- Sky ------------------------------------------------------------------------------------

using codes::CloudAmount;

inline constexpr Fragment kSkyClear = "The sky is clear of clouds below 5000 feet AGL. ";
// The only sky sentence without a closing space.
inline constexpr Fragment kVerticalVisibilityUnknown =
    "CAUTION: Vertical Visibility can not be mesured because of too dense fog.";

// "Broken cloud cover (5/8 to 7/8) at 2000 feet. "
[[gnu::hot]] void appendCloudLayer(TextBuffer& out, CloudAmount amount, std::string_view height);
// "Vertical Visibility is 300 feet. "
void appendVerticalVisibility(TextBuffer& out, std::string_view height);
// hhh, a height in hundreds of feet, in feet: "025" gives "2500 feet. ", "100" gives "10,000
// feet. ". Only "0" counts as zero; any other character is copied like a digit.
[[gnu::hot]] void appendHeight(TextBuffer& out, std::string_view hhh);

// --- Temperature and pressure ---------------------------------------------------------------

// How the degree sign reads: "°Celsius. ", or "° Celsius. " in the form where both values are
// below zero.
enum class DegreeStyle { kJoined, kSpaced };
// "Temperature is [-]TT°Celsius. Dew point is [-]DD°Celsius. "
[[gnu::hot]] void appendTemperature(TextBuffer& out, bool temperatureBelowZero,
                                    std::string_view temperature, bool dewPointBelowZero,
                                    std::string_view dewPoint, DegreeStyle style);
// "QNH is PPPP millibars. "
[[gnu::hot]] void appendQnh(TextBuffer& out, std::string_view hectopascals);

// --- Trend ----------------------------------------------------------------------------------

inline constexpr Fragment kNosig = "No significant changes in weather within the next two hours. ";
inline constexpr Fragment kBecomingHeading = "BECOMING:";
inline constexpr Fragment kTemporaryHeading = "TEMPORARY:";
// INTER, in Australian reports: changes that come and go, each for less than 30 minutes.
inline constexpr Fragment kIntermittentHeading =
    "INTERMITTENT (each time for less than 30 minutes):";

// --- Present weather ------------------------------------------------------------------------

// The classic sentence of PP, -PP, +PP (one of the first 21 phenomena), and of DDPP, -DDPP,
// +DDPP (one of the first 7 descriptors, and SH only with the first 9 phenomena).
std::string_view classicWeatherSentence(codes::Phenomenon p, codes::Intensity intensity);
std::string_view classicWeatherSentence(codes::Descriptor d, codes::Phenomenon p,
                                        codes::Intensity intensity);

// --- The full reading's own sentences ------------------------------------------------------
// Groups the classic reading does not know, or words wrongly for what they mean, each from the
// value its recogniser made. Where the classic reading words a value rightly, these write the
// classic sentence.

enum class HeaderNote { kAutomated, kCorrected, kAmended, kMissing, kDelayed };

// The header of a report whose issue time is not given: "METAR report for CCCC:".
void appendHeaderWithoutTime(TextBuffer& out, ReportType type, std::string_view station);
// " Automated report." and the like, after the header line's colon.
void appendHeaderNote(TextBuffer& out, HeaderNote note);

// Wind, calm, variable, with parts not reported: the body's sentences end in a bare full stop.
[[gnu::hot]] void appendWind(TextBuffer& out, const values::Wind& wind, Section section);
// " Wind direction is varying from AAA to BBB degrees.", or not reported.
[[gnu::hot]] void appendWindVariation(TextBuffer& out, const values::WindVariation& variation,
                                      Section section);
// Every visibility but CAVOK, which the reader places itself (kCavok).
[[gnu::hot]] void appendVisibility(TextBuffer& out, const values::Visibility& visibility);
// "Runway Visual Range for runway 27L is more than 1500 metres, increasing. ", "... varies from
// 0600 to 1000 feet. ", "... is not reported. ".
[[gnu::hot]] void appendRunwayRange(TextBuffer& out, const values::RunwayRange& range);
// "There is light rain and snow. ", "There are showers in the vicinity. ", "No significant
// weather. ".
[[gnu::hot]] void appendPresentWeather(TextBuffer& out, const values::PresentWeather& weather);
// "Broken cloud cover (5/8 to 7/8) at 2500 feet, cumulonimbus. ", "No significant cloud. ".
[[gnu::hot]] void appendCloud(TextBuffer& out, const values::Cloud& cloud);
// "Cumulonimbus to the south-east, south and south-west. "
[[gnu::cold]] void appendDirections(TextBuffer& out, const values::Directions& directions);
// "Temperature is 15°Celsius. Dew point is not reported. "
[[gnu::hot]] void appendTemperature(TextBuffer& out, const values::Temperature& temperature);
// "QNH is 1013 millibars. ", "Altimeter setting is 29.92 inches of mercury. "
[[gnu::hot]] void appendPressure(TextBuffer& out, const values::Pressure& pressure);
// "Altimeter setting is 29.92 inches of mercury. " from the four digits of A2992.
void appendAltimeter(TextBuffer& out, std::string_view hundredths);
// "Recent thunderstorm with rain. "
void appendRecentWeather(TextBuffer& out, const values::RecentWeather& recent);
void appendRecentWeather(TextBuffer& out, const codes::WeatherCode& code);
// "Wind shear on runway 27L. ", or on all runways.
[[gnu::cold]] void appendWindShear(TextBuffer& out, const values::WindShear& shear);
// "Runway 27L: wet or water patches, 51 to 100 % covered, depth 1 mm, braking action good. "
[[gnu::cold]] void appendRunwayState(TextBuffer& out, const values::RunwayState& state);
// "Sea surface temperature is 15°Celsius, state of the sea is slight. "
[[gnu::cold]] void appendSea(TextBuffer& out, const values::Sea& sea);
// "Military colour state blue. "
[[gnu::cold]] void appendColourState(TextBuffer& out, const values::ColourState& colour);
// "Rainfall is 0.2 millimetres in the last 10 minutes and 12.4 millimetres since 9 a.m. ..."
[[gnu::cold]] void appendRainfall(TextBuffer& out, const values::Rainfall& rainfall);
// "From 11.00 GMT. ", "From 11.30 to 13.00 GMT. ", and in a BECMG section (`becoming`) TL as
// "Complete by 12.00 GMT. ".
void appendTrendTime(TextBuffer& out, const values::TrendTime& time, bool becoming);
// "Moderate turbulence below 5000 feet from 11.30 to 12.00 GMT. "
[[gnu::cold]] void appendTurbulence(TextBuffer& out, const values::Turbulence& turbulence);

inline constexpr Sentence kNoRemarks = "none. ";
// A lone M or /// in place of a group whose value is missing; which group cannot be told.
inline constexpr Sentence kElementNotReported = "One element of the report is not reported. ";

// Trend sections.
// "PROBABILITY 30 %:" or "PROBABILITY 30 %, TEMPORARY:".
void appendProbabilityHeading(TextBuffer& out, std::string_view percent, bool temporary);
// An Australian trend section from a time on: "FROM 02.00 GMT:".
void appendFromHeading(TextBuffer& out, std::string_view hour, std::string_view minute);

// The remarks line opens with this; the last line names what could not be read.
inline constexpr Fragment kRemarks = "Remarks: ";
void appendNotTranslated(TextBuffer& out, std::string_view group, bool first);
inline constexpr Fragment kNotTranslatedEnd = ".";

}  // namespace vantrel::words
