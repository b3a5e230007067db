#pragma once
// The words of the remarks (the groups after RMK): every English fragment the remark reader
// writes, as data, and the small functions that put numbers and times into words.
//
// Most remarks follow North American practice (US FMH-1 chapter 12, Canadian MANOBS); the code
// tables for cloud types and pressure tendency are the WMO ones (Manual on Codes, FM 15 and the
// tables 0200, 0509, 0513, 0515). A few national forms are read where their meaning is settled:
// Russian QFE and QBB, Italian VIS MIN and MON/VAL, NATO colour states, Japanese cloud layers.
//
// Fields are passed as typed in the report; numbers lose their leading zeros but never a digit.
// Every sentence ends in a full stop and one space.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "metar/fragments.hpp"
#include "metar/text.hpp"

namespace vantrel::remark_words {

// A code and the words it stands for.
struct Word {
  std::string_view code;
  std::string_view words;
};

// --- Single-group remarks that are a whole sentence -----------------------------------------

// clang-format off
inline constexpr std::array<Word, 26> kWholeRemarks{{
    {"AO1", "Automated station without precipitation discriminator. "},
    {"AO2", "Automated station with precipitation discriminator. "},
    {"A01", "Automated station without precipitation discriminator. "},
    {"A02", "Automated station with precipitation discriminator. "},
    {"AO1A", "Automated station without precipitation discriminator, observation augmented by an observer. "},
    {"AO2A", "Automated station with precipitation discriminator, observation augmented by an observer. "},
    {"A01A", "Automated station without precipitation discriminator, observation augmented by an observer. "},
    {"A02A", "Automated station with precipitation discriminator, observation augmented by an observer. "},
    {"SLPNO", "Sea level pressure is not available. "},
    {"SLP///", "Sea level pressure is not reported. "},
    {"PRESRR", "Pressure is rising rapidly. "},
    {"PRESFR", "Pressure is falling rapidly. "},
    {"PWINO", "The present weather sensor is not available. "},
    {"TSNO", "The thunderstorm sensor is not available. "},
    {"FZRANO", "The freezing rain sensor is not available. "},
    {"PNO", "The precipitation gauge is not available. "},
    {"RVRNO", "Runway visual range is not available. "},
    {"VISNO", "The visibility sensor at the second location is not available. "},
    {"CHINO", "The cloud height sensor at the second location is not available. "},
    {"$", "The automated station needs maintenance. "},
    {"FROPA", "Frontal passage. "},
    {"NOSPECI", "No special reports are issued at this station. "},
    {"FIRST", "First observation after a break in coverage. "},
    {"LAST", "Last observation before a break in coverage. "},
    {"BINOVC", "Breaks in the overcast. "},
    {"FROIN", "Frost on the instruments. "},
}};
// clang-format on

// NATO colour states: the lowest visibility and the lowest base of significant cloud (3/8 or
// more in some air forces, 5/8 or more in others) that each colour still allows.
// clang-format off
inline constexpr std::array<Word, 8> kColourStates{{
    {"BLU", "Colour state blue: visibility 8 kilometres or more and the lowest significant cloud at 2500 feet or higher. "},
    {"WHT", "Colour state white: visibility 5 kilometres or more and the lowest significant cloud at 1500 feet or higher. "},
    {"GRN", "Colour state green: visibility 3700 metres or more and the lowest significant cloud at 700 feet or higher. "},
    {"YLO", "Colour state yellow: visibility 1600 metres or more and the lowest significant cloud at 300 feet or higher. "},
    {"YLO1", "Colour state yellow 1: visibility 2500 metres or more and the lowest significant cloud at 500 feet or higher. "},
    {"YLO2", "Colour state yellow 2: visibility 1600 metres or more and the lowest significant cloud at 300 feet or higher. "},
    {"AMB", "Colour state amber: visibility 800 metres or more and the lowest significant cloud at 200 feet or higher. "},
    {"RED", "Colour state red: visibility below 800 metres or the lowest significant cloud below 200 feet. "},
}};
// clang-format on
// A colour state after TEMPO or BECMG, the trend of the report; the colour sentence follows.
inline constexpr std::string_view kTemporarily = "Temporarily ";
inline constexpr std::string_view kBecoming = "Becoming ";
// A colour state with BLACK before it: the aerodrome is closed as well.
inline constexpr std::string_view kBlackPrefix = "BLACK";
inline constexpr std::string_view kAerodromeClosed =
    "The aerodrome is unusable for reasons other than cloud or visibility. ";

// Two or three groups read as one sentence.
struct Phrase {
  std::array<std::string_view, 3> codes;  // the unused ones empty
  std::string_view words;
};

// clang-format off
inline constexpr std::array<Phrase, 34> kPhrases{{
    {{"WND", "DATA", "ESTMD"}, "Wind data are estimated. "},
    {{"ALSTG/SLP", "ESTMD", ""}, "Altimeter setting and sea level pressure are estimated. "},
    {{"ALSTG", "ESTMD", ""}, "Altimeter setting is estimated. "},
    {{"SLP", "ESTMD", ""}, "Sea level pressure is estimated. "},
    {{"ACFT", "MSHP", ""}, "Aircraft mishap. "},
    {{"MT", "OBSC", ""}, "The mountains are obscured. "},
    {{"MON", "LIB", "NC"}, "The mountains are free of cloud, no change. "},
    {{"MON", "LIB", ""}, "The mountains are free of cloud. "},
    {{"MON", "INVIS", "NC"}, "The mountains are not visible, no change. "},
    {{"MON", "INVIS", ""}, "The mountains are not visible. "},
    {{"MON", "INC", ""}, "The mountains are in cloud. "},
    {{"VAL", "NIL", "NC"}, "The valleys are free of fog and cloud, no change. "},
    {{"VAL", "NIL", ""}, "The valleys are free of fog and cloud. "},
    {{"VAL", "INVIS", "NC"}, "The valleys are not visible, no change. "},
    {{"VAL", "INVIS", ""}, "The valleys are not visible. "},
    {{"BIRD", "HAZARD", ""}, "Bird hazard. "},
    {{"DENSITY", "ALT", "MISG"}, "Density altitude is missing. "},
    {{"CIG", "RAG", ""}, "The ceiling is ragged. "},
    {{"WND", "MISG", ""}, "Wind data are missing. "},
    {{"CLD", "MISG", ""}, "Cloud data are missing. "},
    {{"WX", "MISG", ""}, "Present weather data are missing. "},
    {{"VIS", "MISG", ""}, "Visibility data are missing. "},
    {{"PCPN", "MISG", ""}, "Precipitation data are missing. "},
    {{"PRES", "MISG", ""}, "Pressure data are missing. "},
    {{"ICG", "MISG", ""}, "Icing data are missing. "},
    {{"ICE", "MISG", ""}, "Icing data are missing. "},
    {{"TD", "MISG", ""}, "Dew point data are missing. "},
    {{"DP", "MISG", ""}, "Dew point data are missing. "},
    {{"T", "MISG", ""}, "Temperature data are missing. "},
    {{"RVR", "MISG", ""}, "Runway visual range data are missing. "},
    {{"CIG", "MISG", ""}, "Ceiling data are missing. "},
    {{"SLP", "MISG", ""}, "Sea level pressure data are missing. "},
    {{"TS/LTNG", "TEMPO", "UNAVBL"}, "Thunderstorm and lightning data are temporarily unavailable. "},
    {{"LTG", "DATA", "MISG"}, "Lightning data are missing. "},
}};
// clang-format on

// --- Numbers, times and places --------------------------------------------------------------

inline constexpr std::string_view kDecimalPoint = ".";
inline constexpr std::string_view kMinus = "-";
inline constexpr std::string_view kHundreds = "00";
inline constexpr std::string_view kThousandsSeparator = ",";
inline constexpr std::string_view kStop = ". ";
inline constexpr std::string_view kComma = ", ";
inline constexpr std::string_view kSpace = " ";
inline constexpr std::string_view kAnd = " and ";
inline constexpr std::string_view kSemicolon = "; ";

// Times: hhmm is "15.47 GMT", mm alone "47 minutes past the hour".
inline constexpr std::string_view kTimeSeparator = ".";
inline constexpr std::string_view kGmt = " GMT";
inline constexpr std::string_view kPastTheHour = " minutes past the hour";
inline constexpr std::string_view kMinutePastTheHour = " minute past the hour";
inline constexpr std::string_view kTopOfTheHour = "the top of the hour";
inline constexpr std::string_view kAt = " at ";
inline constexpr std::string_view kCommaAt = ", at ";

inline constexpr std::array<Word, 16> kCompass{{
    {"N", "north"},
    {"NE", "north-east"},
    {"E", "east"},
    {"SE", "south-east"},
    {"S", "south"},
    {"SW", "south-west"},
    {"W", "west"},
    {"NW", "north-west"},
    {"NNE", "north-north-east"},
    {"ENE", "east-north-east"},
    {"ESE", "east-south-east"},
    {"SSE", "south-south-east"},
    {"SSW", "south-south-west"},
    {"WSW", "west-south-west"},
    {"WNW", "west-north-west"},
    {"NNW", "north-north-west"},
}};
// Directions written out in full in some reports.
inline constexpr std::array<Word, 4> kCompassWords{
    {{"NORTH", "north"}, {"EAST", "east"}, {"SOUTH", "south"}, {"WEST", "west"}}};

// Places that follow a phenomenon (FMH-1: DSNT, VC, OHD, ALQDS and the compass points).
inline constexpr std::string_view kToThe = " to the ";
inline constexpr std::string_view kThrough = " through ";
inline constexpr std::string_view kAndToThe = " and to the ";
inline constexpr std::string_view kDistant = " distant";
inline constexpr std::string_view kInTheVicinity = " in the vicinity";
inline constexpr std::string_view kOverhead = " overhead";
inline constexpr std::string_view kAllQuadrants = " in all quadrants";
inline constexpr std::string_view kOverTheAerodrome = " over the aerodrome";
inline constexpr std::string_view kOverTheRunway = " over the runway";
inline constexpr std::string_view kInTheApproach = " in the approach";
inline constexpr std::string_view kInTheClimbOut = " in the climb-out";
inline constexpr std::string_view kKilometresAway = " kilometres away";
inline constexpr std::string_view kMoving = ", moving ";
inline constexpr std::string_view kStationary = ", stationary";

// --- Pressure -------------------------------------------------------------------------------

inline constexpr std::string_view kSeaLevelPressureIs = "Sea level pressure is ";
inline constexpr std::string_view kHectopascals = " hectopascals";
inline constexpr std::string_view kSeaLevelNine = "9";
inline constexpr std::string_view kSeaLevelTen = "10";
inline constexpr std::string_view kQfeIs = "Pressure at the aerodrome elevation (QFE) is ";
inline constexpr std::string_view kMillimetresOfMercury = " millimetres of mercury";
inline constexpr std::string_view kOpenBracket = " (";
inline constexpr std::string_view kCloseBracket = ")";

// Pressure tendency 5appp: the characteristic a, WMO code table 0200, then the net change.
inline constexpr std::string_view kTendencyIntro = "In the last 3 hours the pressure ";
inline constexpr std::array<std::string_view, 9> kTendency{{
    "increased, then decreased, and is the same as or higher than 3 hours ago",
    "increased, then held steady, or increased, then increased more slowly",
    "increased steadily or unsteadily",
    "decreased or held steady, then increased, or increased, then increased more rapidly",
    "held steady",
    "decreased, then increased, and is the same as or lower than 3 hours ago",
    "decreased, then held steady, or decreased, then decreased more slowly",
    "decreased steadily or unsteadily",
    "held steady or increased, then decreased, or decreased, then decreased more rapidly",
}};
inline constexpr std::string_view kNetChange = "; net change ";
inline constexpr std::string_view kTendencyNotReported = "Pressure tendency is not reported. ";

// --- Temperature ----------------------------------------------------------------------------

inline constexpr std::string_view kTemperatureIs = words::fragments::kTemperatureIs;
inline constexpr std::string_view kDewPointIs = ", dew point is ";
inline constexpr std::string_view kDewPointNotReported = ", dew point is not reported";
inline constexpr std::string_view kCelsius = "\u00B0Celsius";
inline constexpr std::string_view kMaximum6h = "Maximum temperature in the last 6 hours is ";
inline constexpr std::string_view kMinimum6h = "Minimum temperature in the last 6 hours is ";
inline constexpr std::string_view kMaximum24h = "In the last 24 hours the maximum temperature is ";
inline constexpr std::string_view kMinimum24h = ", the minimum ";

// --- Precipitation, snow and ice ------------------------------------------------------------

struct Amount {
  std::string_view amount;   // "Precipitation in the last hour is "
  std::string_view trace;    // the whole sentence for a trace (all zeros); empty: zero is zero
  std::string_view missing;  // the whole sentence for a missing value
};
inline constexpr std::string_view kInches = " inches";
inline constexpr std::string_view kInch = " inch";
inline constexpr Amount kHourlyPrecipitation{
    "Precipitation in the last hour is ", "There was a trace of precipitation in the last hour. ",
    "The amount of precipitation in the last hour could not be determined. "};
inline constexpr Amount kPeriodPrecipitation{
    "Precipitation in the last 3 or 6 hours is ",
    "There was a trace of precipitation in the last 3 or 6 hours. ",
    "The amount of precipitation in the last 3 or 6 hours could not be determined. "};
inline constexpr Amount kDailyPrecipitation{
    "Precipitation in the last 24 hours is ", "",
    "The amount of precipitation in the last 24 hours could not be determined. "};
inline constexpr Amount kSnowfall6h{"Snowfall in the last 6 hours is ",
                                    "There was a trace of snowfall in the last 6 hours. ",
                                    "Snowfall in the last 6 hours is not reported. "};
inline constexpr Amount kSnowWater{"Water equivalent of the snow on the ground is ", "",
                                   "Water equivalent of the snow on the ground is not reported. "};
inline constexpr std::array<Amount, 3> kIceAccretion{{
    {"Ice accretion in the last hour is ", "There was a trace of ice accretion in the last hour. ",
     "Ice accretion in the last hour is not reported. "},
    {"Ice accretion in the last 3 hours is ",
     "There was a trace of ice accretion in the last 3 hours. ",
     "Ice accretion in the last 3 hours is not reported. "},
    {"Ice accretion in the last 6 hours is ",
     "There was a trace of ice accretion in the last 6 hours. ",
     "Ice accretion in the last 6 hours is not reported. "},
}};
inline constexpr std::string_view kSnowDepthIs = "Snow depth on the ground is ";
inline constexpr std::string_view kSnowDepthNotReported = "Snow depth is not reported. ";
inline constexpr std::string_view kSnowIncreasing = "Snow is increasing rapidly: ";
inline constexpr std::string_view kInTheLastHour = " in the last hour, ";
inline constexpr std::string_view kOnTheGround = " on the ground. ";
inline constexpr std::string_view kHailstones = "The largest hailstones are ";
inline constexpr std::string_view kAcross = " across. ";
inline constexpr std::string_view kPrecipitationLastHour = "Precipitation in the last hour is ";
inline constexpr std::string_view kMillimetres = " millimetres";
inline constexpr std::string_view kSunshine = "Sunshine on the previous day lasted ";
inline constexpr std::string_view kMinutes = " minutes. ";
inline constexpr std::string_view kNoSunshine = "There was no sunshine on the previous day. ";

// --- Wind -----------------------------------------------------------------------------------

inline constexpr std::string_view kPeakWindFrom = "Peak wind from ";
inline constexpr std::string_view kDegreesAt = " degrees at ";
inline constexpr std::string_view kKnots = " knots";
inline constexpr std::string_view kKnot = " knot";
inline constexpr std::string_view kMetresPerSecond = " metres per second";
inline constexpr std::string_view kMetrePerSecond = " metre per second";
inline constexpr std::string_view kGustingTo = ", gusting to ";
inline constexpr std::string_view kVariableAt = "variable at ";
inline constexpr std::string_view kFrom = "from ";
inline constexpr std::string_view kWindShiftAt = "Wind shift at ";
inline constexpr std::string_view kWithFrontalPassage = ", with a frontal passage";
inline constexpr std::string_view kDirectionVaries = ", direction varying between ";
inline constexpr std::string_view kDegrees = " degrees";
inline constexpr std::string_view kWindForRunway = "Wind for runway ";
inline constexpr std::string_view kAtTouchdownZone = " at the touchdown zone";
inline constexpr std::string_view kAtRunwayEnd = " at the runway end";
inline constexpr std::string_view kWindAtThreshold = "Wind at the threshold of runway ";
inline constexpr std::string_view kWindAtHeight = "Wind at ";
inline constexpr std::string_view kFeet = " feet";
inline constexpr std::string_view kWindAtHarbour = "Wind at the harbour";
inline constexpr std::string_view kIsWord = " is ";
inline constexpr std::string_view kNotReported = "not reported";
inline constexpr std::string_view kWindCalm = "calm";

// --- Visibility and ceiling -----------------------------------------------------------------

inline constexpr std::string_view kVisibility = "Visibility";
inline constexpr std::string_view kTowerVisibility = "Tower visibility";
inline constexpr std::string_view kSurfaceVisibility = "Surface visibility";
inline constexpr std::string_view kMinimumVisibility = "Minimum visibility";
inline constexpr std::string_view kAtRunway = " at runway ";
inline constexpr std::string_view kIsVariableBetween = " is variable between ";
inline constexpr std::string_view kStatuteMiles = " statute miles";
inline constexpr std::string_view kStatuteMile = " statute mile";
inline constexpr std::string_view kMetres = " metres";
inline constexpr std::string_view kTenKilometresOrMore = "10 kilometres or more";
inline constexpr std::string_view kLessThan = "less than ";
inline constexpr std::string_view kMoreThan = "more than ";
inline constexpr std::string_view kCeiling = "Ceiling";
inline constexpr std::string_view kSkyCover = "Sky cover";
inline constexpr std::string_view kDensityAltitudeIs = "Density altitude is ";
inline constexpr std::string_view kSensorAt = "The ";
inline constexpr std::string_view kVisibilitySensorAt = "visibility sensor at ";
inline constexpr std::string_view kCloudHeightSensorAt = "cloud height sensor at ";
inline constexpr std::string_view kRunway = "runway ";
inline constexpr std::string_view kIsNotAvailable = " is not available. ";

inline constexpr std::array<Word, 5> kSkyCovers{{{"FEW", "few"},
                                                 {"SCT", "scattered"},
                                                 {"BKN", "broken"},
                                                 {"OVC", "overcast"},
                                                 {"SKC", "clear"}}};

// --- Phenomena and cloud types --------------------------------------------------------------

// Phenomena that the remarks place (TS DSNT NW, VIRGA N, CB OHD MOV E) or time (RAB15E30).
// clang-format off
inline constexpr std::array<Word, 41> kPhenomena{{
    {"TS", "thunderstorm"}, {"CB", "cumulonimbus"}, {"CBMAM", "cumulonimbus mammatus"},
    {"TCU", "towering cumulus"}, {"ACC", "altocumulus castellanus"},
    {"ACSL", "standing lenticular altocumulus"}, {"SCSL", "standing lenticular stratocumulus"},
    {"CCSL", "standing lenticular cirrocumulus"}, {"VIRGA", "virga"},
    {"RA", "rain"}, {"DZ", "drizzle"}, {"SN", "snow"}, {"SG", "snow grains"},
    {"IC", "ice crystals"}, {"PL", "ice pellets"}, {"PE", "ice pellets"}, {"GR", "hail"},
    {"GS", "small hail"}, {"UP", "unknown precipitation"}, {"FG", "fog"}, {"BR", "mist"},
    {"HZ", "haze"}, {"FU", "smoke"}, {"DU", "dust"}, {"SA", "sand"}, {"VA", "volcanic ash"},
    {"PY", "spray"}, {"SQ", "squalls"}, {"FC", "funnel cloud"}, {"SS", "sandstorm"},
    {"DS", "duststorm"}, {"PO", "dust whirls"}, {"SH", "showers"}, {"VCSH", "showers in the vicinity"},
    {"VCTS", "thunderstorm in the vicinity"}, {"SMOKE", "smoke"}, {"FOG", "fog"},
    {"HAZE", "haze"}, {"SHRA", "rain showers"}, {"SHSN", "snow showers"}, {"BCFG", "fog patches"},
}};
// clang-format on
// Words before a phenomenon: intensity and descriptor of a weather code.
inline constexpr std::string_view kLight = "light ";
inline constexpr std::string_view kHeavy = "heavy ";
// clang-format off
inline constexpr std::array<Word, 8> kDescriptors{{
    {"SH", "showers of "}, {"FZ", "freezing "}, {"BL", "blowing "}, {"DR", "low drifting "},
    {"MI", "shallow "}, {"BC", "patches of "}, {"PR", "partial "}, {"TS", "thunderstorm with "},
}};
// clang-format on
inline constexpr std::string_view kBegan = " began at ";
inline constexpr std::string_view kEnded = " ended at ";
inline constexpr std::string_view kBeganOther = "began at ";
inline constexpr std::string_view kEndedOther = "ended at ";

// Cloud genera and the obscurations Canadian reports give an opacity for (SC6AC2, FG6ST2).
// clang-format off
inline constexpr std::array<Word, 27> kLayerTypes{{
    {"ACC", "altocumulus castellanus"}, {"TCU", "towering cumulus"},
    {"BLSN", "blowing snow"}, {"BLDU", "blowing dust"}, {"BLSA", "blowing sand"},
    {"DRSN", "drifting snow"},
    {"CI", "cirrus"}, {"CS", "cirrostratus"}, {"CC", "cirrocumulus"}, {"AS", "altostratus"},
    {"AC", "altocumulus"}, {"NS", "nimbostratus"}, {"SC", "stratocumulus"}, {"ST", "stratus"},
    {"SF", "stratus fractus"}, {"CU", "cumulus"}, {"CF", "cumulus fractus"},
    {"CB", "cumulonimbus"}, {"FG", "fog"}, {"BR", "mist"}, {"SN", "snow"}, {"HZ", "haze"},
    {"FU", "smoke"}, {"RA", "rain"}, {"DZ", "drizzle"}, {"PL", "ice pellets"},
    {"IC", "ice crystals"},
}};
// clang-format on
inline constexpr std::string_view kLayersIntro = "Sky cover by layer: ";
inline constexpr std::string_view kOkta = " okta";
inline constexpr std::string_view kOktas = " oktas";
inline constexpr std::string_view kOktaOf = " okta of ";
inline constexpr std::string_view kOktasOf = " oktas of ";
inline constexpr std::string_view kTraceOf = "Trace of ";
inline constexpr std::string_view kCloudLayer = "Cloud layer: ";
inline constexpr std::string_view kLayerOf = "Layer of ";
inline constexpr std::string_view kAtTheSurface = " at the surface";

// Lightning: frequency, then the types of discharge.
inline constexpr std::array<Word, 3> kLightningFrequency{{{"OCNL", "Occasional lightning"},
                                                          {"FRQ", "Frequent lightning"},
                                                          {"CONS", "Continuous lightning"}}};
inline constexpr std::string_view kLightning = "Lightning";
inline constexpr std::array<Word, 4> kLightningTypes{{{"IC", "in cloud"},
                                                      {"CC", "cloud to cloud"},
                                                      {"CG", "cloud to ground"},
                                                      {"CA", "cloud to air"}}};

// Cloud types 8/CLCMCH: WMO code tables 0513 (low), 0515 (middle) and 0509 (high); the last
// entry of each is the solidus: clouds not visible.
inline constexpr std::string_view kLowClouds = "Low clouds: ";
inline constexpr std::string_view kMiddleClouds = "; middle clouds: ";
inline constexpr std::string_view kHighClouds = "; high clouds: ";
// clang-format off
inline constexpr std::array<std::string_view, 11> kLowCloudTypes{{
    "none",
    "fair-weather cumulus",
    "cumulus of moderate or strong vertical extent",
    "cumulonimbus without anvil",
    "stratocumulus formed by the spreading of cumulus",
    "stratocumulus not formed from cumulus",
    "stratus",
    "ragged stratus or cumulus of bad weather",
    "cumulus and stratocumulus at different levels",
    "cumulonimbus with anvil",
    "not visible",
}};
inline constexpr std::array<std::string_view, 11> kMiddleCloudTypes{{
    "none",
    "thin altostratus",
    "thick altostratus or nimbostratus",
    "thin altocumulus at one level",
    "patches of thin altocumulus, continually changing",
    "thin altocumulus in bands or thickening over the sky",
    "altocumulus formed by the spreading of cumulus or cumulonimbus",
    "altocumulus with altostratus or nimbostratus, or thick or layered altocumulus",
    "altocumulus castellanus or floccus",
    "altocumulus of a chaotic sky",
    "not visible",
}};
inline constexpr std::array<std::string_view, 11> kHighCloudTypes{{
    "none",
    "cirrus filaments, not spreading",
    "dense cirrus in patches or tufts",
    "dense cirrus from a cumulonimbus",
    "cirrus hooks or filaments spreading over the sky",
    "cirrostratus or cirrus in bands, growing, below 45 degrees above the horizon",
    "cirrostratus or cirrus in bands, growing, above 45 degrees, not covering the sky",
    "cirrostratus covering the whole sky",
    "cirrostratus not spreading and not covering the whole sky",
    "cirrocumulus alone or predominant",
    "not visible",
}};
// clang-format on

// --- Other remarks --------------------------------------------------------------------------

inline constexpr std::string_view kCorrectedAt = "Corrected at ";
inline constexpr std::string_view kLastStaffed = "Last staffed observation";
inline constexpr std::string_view kNextAt = ", next observation at ";
inline constexpr std::string_view kNextOnThe = ", next observation on the ";
inline constexpr std::string_view kBirdHazardOnRunway = "Bird hazard on runway ";
inline constexpr std::string_view kVariableSky = " is variable between ";
inline constexpr std::string_view kCloudBaseIs = "Cloud base is ";

// --- Wording functions ----------------------------------------------------------------------

// Digits without their leading zeros (one zero stays for zero).
inline void appendInteger(TextBuffer& out, std::string_view digits) {
  std::size_t i = 0;
  while (i + 1 < digits.size() && digits[i] == '0') ++i;
  out += digits.substr(i);
}

// A time of the remarks: hhmm as "15.47 GMT", mm as "47 minutes past the hour", 00 as "the top
// of the hour".
inline void appendTime(TextBuffer& out, std::string_view time) {
  if (time.size() == 4) {
    appendText(out, time.substr(0, 2), kTimeSeparator, time.substr(2), kGmt);
  } else if (time == "00") {
    out += kTopOfTheHour;
  } else {
    appendInteger(out, time);
    out += time == "01" ? kMinutePastTheHour : kPastTheHour;
  }
}

// A count and its unit, singular for 1: "1 knot", "12 knots" (digits as typed: "012").
inline void appendCount(TextBuffer& out, std::string_view digits, std::string_view one,
                        std::string_view many) {
  appendInteger(out, digits);
  const bool single = digits.find_first_not_of('0') == digits.size() - 1 && digits.back() == '1';
  out += single ? one : many;
}

// --- Checks ---------------------------------------------------------------------------------

namespace check {

// No fragment may hold a byte that JSON must escape (see jsonSafe in text.hpp).
constexpr bool safe(std::string_view t) {
  return jsonSafe(t);
}
constexpr bool safe(std::initializer_list<std::string_view> texts) {
  return allJsonSafe(texts);
}
template <class Table>
constexpr bool safeWords(const Table& table) {
  for (const Word& w : table) {
    if (!safe(w.code) || !safe(w.words)) return false;
  }
  return true;
}
template <class Table>
constexpr bool safeTexts(const Table& table) {
  for (const std::string_view t : table) {
    if (!safe(t)) return false;
  }
  return true;
}
constexpr bool safeAmount(const Amount& a) {
  return safe({a.amount, a.trace, a.missing});
}

constexpr bool endsInOneSpace(std::string_view s) {
  return s.size() >= 3 && s.back() == ' ' && s[s.size() - 2] == '.' && s[s.size() - 3] != ' ';
}

constexpr bool sentencesWellFormed() {
  for (const Word& w : kWholeRemarks) {
    if (!endsInOneSpace(w.words)) return false;
  }
  for (const Word& w : kColourStates) {
    if (!endsInOneSpace(w.words) || !w.words.starts_with("Colour")) return false;  // TEMPO lowers C
  }
  for (const Phrase& p : kPhrases) {
    if (!endsInOneSpace(p.words) || !safe(p.words)) return false;
    for (const std::string_view c : p.codes) {
      if (!safe(c)) return false;
    }
  }
  for (const Amount* a :
       {&kHourlyPrecipitation, &kPeriodPrecipitation, &kDailyPrecipitation, &kSnowfall6h,
        &kSnowWater, &kIceAccretion[0], &kIceAccretion[1], &kIceAccretion[2]}) {
    if (!safeAmount(*a) || !(a->trace.empty() || endsInOneSpace(a->trace)) ||
        !endsInOneSpace(a->missing)) {
      return false;
    }
  }
  return true;
}

static_assert(sentencesWellFormed(), "every whole sentence ends in a full stop and one space");
static_assert(safeWords(kWholeRemarks) && safeWords(kColourStates) && safeWords(kCompass) &&
              safeWords(kCompassWords) && safeWords(kPhenomena) && safeWords(kDescriptors) &&
              safeWords(kLayerTypes) && safeWords(kLightningFrequency) &&
              safeWords(kLightningTypes) && safeWords(kSkyCovers));
static_assert(safeTexts(kTendency) && safeTexts(kLowCloudTypes) && safeTexts(kMiddleCloudTypes) &&
              safeTexts(kHighCloudTypes));
static_assert(safe({kBlackPrefix,
                    kAerodromeClosed,
                    kTemporarily,
                    kBecoming,
                    kDecimalPoint,
                    kMinus,
                    kHundreds,
                    kThousandsSeparator,
                    kStop,
                    kComma,
                    kSpace,
                    kAnd,
                    kSemicolon,
                    kTimeSeparator,
                    kGmt,
                    kPastTheHour,
                    kMinutePastTheHour,
                    kTopOfTheHour,
                    kAt,
                    kToThe,
                    kThrough,
                    kAndToThe,
                    kDistant,
                    kInTheVicinity,
                    kOverhead,
                    kAllQuadrants,
                    kOverTheAerodrome,
                    kOverTheRunway,
                    kInTheApproach,
                    kInTheClimbOut,
                    kKilometresAway,
                    kMoving,
                    kStationary,
                    kSeaLevelPressureIs,
                    kHectopascals,
                    kSeaLevelNine,
                    kSeaLevelTen,
                    kQfeIs,
                    kMillimetresOfMercury,
                    kOpenBracket,
                    kCloseBracket,
                    kTendencyIntro,
                    kNetChange,
                    kTendencyNotReported,
                    kTemperatureIs,
                    kDewPointIs,
                    kDewPointNotReported,
                    kCelsius,
                    kMaximum6h,
                    kMinimum6h,
                    kMaximum24h,
                    kMinimum24h,
                    kInches,
                    kInch,
                    kSnowDepthIs,
                    kSnowDepthNotReported,
                    kSnowIncreasing,
                    kInTheLastHour,
                    kOnTheGround,
                    kHailstones,
                    kAcross,
                    kSunshine,
                    kPrecipitationLastHour,
                    kMillimetres,
                    kMinutes,
                    kNoSunshine,
                    kPeakWindFrom,
                    kDegreesAt,
                    kKnots,
                    kKnot,
                    kMetrePerSecond,
                    kMetresPerSecond,
                    kGustingTo,
                    kVariableAt,
                    kFrom,
                    kWindShiftAt,
                    kWithFrontalPassage,
                    kDirectionVaries,
                    kDegrees,
                    kWindForRunway,
                    kAtTouchdownZone,
                    kAtRunwayEnd,
                    kWindAtThreshold,
                    kWindAtHeight,
                    kFeet,
                    kWindAtHarbour,
                    kIsWord,
                    kNotReported,
                    kWindCalm,
                    kVisibility,
                    kTowerVisibility,
                    kSurfaceVisibility,
                    kMinimumVisibility,
                    kAtRunway,
                    kIsVariableBetween,
                    kStatuteMiles,
                    kStatuteMile,
                    kMetres,
                    kTenKilometresOrMore,
                    kLessThan,
                    kMoreThan,
                    kCeiling,
                    kSkyCover,
                    kDensityAltitudeIs,
                    kSensorAt,
                    kVisibilitySensorAt,
                    kCloudHeightSensorAt,
                    kRunway,
                    kIsNotAvailable,
                    kLight,
                    kHeavy,
                    kBegan,
                    kEnded,
                    kBeganOther,
                    kEndedOther,
                    kLayersIntro,
                    kOkta,
                    kOktas,
                    kOktaOf,
                    kOktasOf,
                    kTraceOf,
                    kCloudLayer,
                    kLayerOf,
                    kAtTheSurface,
                    kLightning,
                    kLowClouds,
                    kMiddleClouds,
                    kHighClouds,
                    kCorrectedAt,
                    kLastStaffed,
                    kNextAt,
                    kNextOnThe,
                    kBirdHazardOnRunway,
                    kVariableSky,
                    kCloudBaseIs}));

}  // namespace check

}  // namespace vantrel::remark_words
