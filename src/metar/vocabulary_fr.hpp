#pragma once
// The French wording: the same functions and constant texts as vocabulary.hpp, over the same
// values and codes, in French as a French forecaster writes it: the terms of the French edition
// of ICAO Annex 3 and of the French decoding guides, a decimal comma, a no-break space before a
// unit and before a colon, times as "12 h 30 UTC", days as "le 1er", "le 7".
//
// Fields are echoed as typed in the report, as in English. The constant texts have the same
// shape as their English ones (a closing space or none), so the lines are laid out alike.

#include <string_view>

#include "metar/codes/cloud.hpp"
#include "metar/codes/units.hpp"
#include "metar/codes/weather.hpp"
#include "metar/fragment.hpp"
#include "metar/section.hpp"
#include "metar/values.hpp"
#include "metar/vocabulary.hpp"

namespace vantrel::words::fr {

using words::DegreeStyle;
using words::HeaderNote;
using words::ReportType;

// --- Header ---------------------------------------------------------------------------------

void appendIssueTime(TextBuffer& out, std::string_view hour, std::string_view minute,
                     ReportType type = ReportType::kMetar);
void appendIssueDayAndTime(TextBuffer& out, std::string_view day, std::string_view suffix,
                           std::string_view hour, std::string_view minute,
                           ReportType type = ReportType::kMetar);
// What follows the day, "er à " after the 1st, " à " after another: nothing for the same days
// as in English, so that the same groups are read.
std::string_view daySuffix(std::string_view d1, std::string_view d2);
void appendStation(TextBuffer& out, std::string_view station);

// --- Wind -----------------------------------------------------------------------------------

inline constexpr Fragment kCalm = "Vent calme. ";
void appendWind(TextBuffer& out, std::string_view direction, std::string_view speed,
                std::string_view gust, SpeedUnit unit, Section section);
void appendVariableWind(TextBuffer& out, std::string_view speed, SpeedUnit unit, Section section);
void appendVariation(TextBuffer& out, std::string_view from, std::string_view to, Section section);

// --- Visibility and runway visual range -----------------------------------------------------

inline constexpr Fragment kNoVisibility =
    "ATTENTION\u00A0: visibilité nulle (moins de 50\u00A0mètres). ";
inline constexpr Fragment kVisibilityTenKilometres = "Visibilité de 10\u00A0kilomètres ou plus. ";
inline constexpr Fragment kCavok =
    "Visibilité de 10\u00A0km ou plus, ni brouillard ni nuages au-dessous de 5000\u00A0pieds "
    "sol. ";
void appendVisibilityMetres(TextBuffer& out, std::string_view metres);
void appendRunwayVisualRange(TextBuffer& out, std::string_view runway, std::string_view value);

// --- Sky ------------------------------------------------------------------------------------

inline constexpr Fragment kSkyClear =
    "Ciel clair, pas de nuages au-dessous de 5000\u00A0pieds sol. ";
inline constexpr Fragment kVerticalVisibilityUnknown =
    "ATTENTION\u00A0: la visibilité verticale ne peut pas être mesurée, le brouillard est trop "
    "dense.";
void appendCloudLayer(TextBuffer& out, CloudAmount amount, std::string_view height);
void appendVerticalVisibility(TextBuffer& out, std::string_view height);
// hhh in feet, with a no-break space between thousands: "025" gives "2500 pieds. ", "100"
// gives "10 000 pieds. ".
void appendHeight(TextBuffer& out, std::string_view hhh);

// --- Temperature and pressure ---------------------------------------------------------------

void appendTemperature(TextBuffer& out, bool temperatureBelowZero, std::string_view temperature,
                       bool dewPointBelowZero, std::string_view dewPoint, DegreeStyle style);
void appendQnh(TextBuffer& out, std::string_view hectopascals);

// --- Trend ----------------------------------------------------------------------------------

inline constexpr Fragment kNosig =
    "Aucun changement significatif prévu dans les deux prochaines heures. ";
inline constexpr Fragment kBecomingHeading = "DEVENANT\u00A0:";
inline constexpr Fragment kTemporaryHeading = "TEMPORAIREMENT\u00A0:";
inline constexpr Fragment kIntermittentHeading =
    "PAR INTERMITTENCE (chaque fois moins de 30\u00A0minutes)\u00A0:";

// --- Present weather ------------------------------------------------------------------------

std::string_view classicWeatherSentence(codes::Phenomenon p, codes::Intensity intensity);
std::string_view classicWeatherSentence(codes::Descriptor d, codes::Phenomenon p,
                                        codes::Intensity intensity);

// --- The full reading's own sentences -------------------------------------------------------

void appendHeaderWithoutTime(TextBuffer& out, ReportType type, std::string_view station);
void appendHeaderNote(TextBuffer& out, HeaderNote note);
void appendWind(TextBuffer& out, const values::Wind& wind, Section section);
void appendWindVariation(TextBuffer& out, const values::WindVariation& variation, Section section);
void appendVisibility(TextBuffer& out, const values::Visibility& visibility);
void appendRunwayRange(TextBuffer& out, const values::RunwayRange& range);
void appendPresentWeather(TextBuffer& out, const values::PresentWeather& weather);
void appendCloud(TextBuffer& out, const values::Cloud& cloud);
void appendDirections(TextBuffer& out, const values::Directions& directions);
void appendTemperature(TextBuffer& out, const values::Temperature& temperature);
void appendPressure(TextBuffer& out, const values::Pressure& pressure);
// "Calage altimétrique\u00A0: 29,92 pouces de mercure. " from the four digits of A2992.
void appendAltimeter(TextBuffer& out, std::string_view hundredths);
void appendRecentWeather(TextBuffer& out, const values::RecentWeather& recent);
void appendRecentWeather(TextBuffer& out, const codes::WeatherCode& code);
void appendWindShear(TextBuffer& out, const values::WindShear& shear);
void appendRunwayState(TextBuffer& out, const values::RunwayState& state);
void appendSea(TextBuffer& out, const values::Sea& sea);
void appendColourState(TextBuffer& out, const values::ColourState& colour);
void appendRainfall(TextBuffer& out, const values::Rainfall& rainfall);
void appendTrendTime(TextBuffer& out, const values::TrendTime& time, bool becoming);
void appendTurbulence(TextBuffer& out, const values::Turbulence& turbulence);
// The phrase of a weather code, without a capital or a full stop: "faibles averses de neige".
void appendWeatherPhrase(TextBuffer& out, const codes::WeatherCode& code);

inline constexpr Sentence kNoRemarks = "aucune. ";
inline constexpr Sentence kElementNotReported = "Un élément du message n'est pas communiqué. ";

void appendProbabilityHeading(TextBuffer& out, std::string_view percent, bool temporary);
void appendFromHeading(TextBuffer& out, std::string_view hour, std::string_view minute);

inline constexpr Fragment kRemarks = "Remarques\u00A0: ";
void appendNotTranslated(TextBuffer& out, std::string_view group, bool first);
inline constexpr Fragment kNotTranslatedEnd = ".";

}  // namespace vantrel::words::fr
