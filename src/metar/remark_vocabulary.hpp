#pragma once
// The words of the remarks (the groups after RMK): the English fragments their wording
// (remark_words.cpp) shares, as data. The tables of words follow the code tables of
// remark_kinds.hpp, in the same order; the whole remarks and the phrases hold their codes beside
// their sentences, so that a new one is one row here. Fragments that only one remark uses may
// live beside its wording instead.
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
#include <string>
#include <string_view>

#include "metar/fragment.hpp"
#include "metar/fragments.hpp"
#include "metar/text.hpp"

namespace vantrel::remark_words {

// --- Single-group remarks that are a whole sentence -----------------------------------------

// A whole remark: its code (one group, any case) and its sentence. A new one is a row here.
struct WholeRemarkWords {
  std::string_view code;
  Sentence sentence;
};

// clang-format off
inline constexpr std::array<WholeRemarkWords, 27> kWholeRemarks{{
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
    {"HZY", "Hazy. "},
}};
// clang-format on

// NATO colour states: the lowest visibility and the lowest base of significant cloud (3/8 or
// more in some air forces, 5/8 or more in others) that each colour still allows.
// clang-format off
inline constexpr std::array<Sentence, 8> kColours{{
    "blue: visibility 8 kilometres or more and the lowest significant cloud at 2500 feet or higher. ",  // BLU
    "white: visibility 5 kilometres or more and the lowest significant cloud at 1500 feet or higher. ",  // WHT
    "green: visibility 3700 metres or more and the lowest significant cloud at 700 feet or higher. ",  // GRN
    "yellow: visibility 1600 metres or more and the lowest significant cloud at 300 feet or higher. ",  // YLO
    "yellow 1: visibility 2500 metres or more and the lowest significant cloud at 500 feet or higher. ",  // YLO1
    "yellow 2: visibility 1600 metres or more and the lowest significant cloud at 300 feet or higher. ",  // YLO2
    "amber: visibility 800 metres or more and the lowest significant cloud at 200 feet or higher. ",  // AMB
    "red: visibility below 800 metres or the lowest significant cloud below 200 feet. ",  // RED
}};
// clang-format on
inline constexpr Fragment kColourState = "Colour state ";
// A colour state after TEMPO or BECMG, the trend of the report.
inline constexpr Fragment kTemporarilyColourState = "Temporarily colour state ";
inline constexpr Fragment kBecomingColourState = "Becoming colour state ";
// A colour state with BLACK before it: the aerodrome is closed as well.
inline constexpr Fragment kAerodromeClosed =
    "The aerodrome is unusable for reasons other than cloud or visibility. ";

// A phrase: two or three groups (the unused code empty) and its sentence. A new one is a row
// here; a longer phrase sharing its first groups with a shorter one goes before it.
struct PhraseWords {
  std::array<std::string_view, 3> codes;
  Sentence sentence;
};
// clang-format off
inline constexpr std::array<PhraseWords, 35> kPhrases{{
    {{"WND", "DATA", "ESTMD"}, "Wind data are estimated. "},
    {{"ALSTG/SLP", "ESTMD", ""}, "Altimeter setting and sea level pressure are estimated. "},
    {{"ALSTG", "ESTMD", ""}, "Altimeter setting is estimated. "},
    {{"SLP", "ESTMD", ""}, "Sea level pressure is estimated. "},
    {{"ACFT", "MSHP", ""}, "Aircraft mishap. "},
    {{"APRNT", "FROPA", ""}, "Apparent frontal passage. "},
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

inline constexpr Fragment kDecimalPoint = ".";
inline constexpr Fragment kMinus = "-";
inline constexpr Fragment kHundreds = "00";
inline constexpr Fragment kThousandsSeparator = ",";
inline constexpr Fragment kStop = ". ";
inline constexpr Fragment kComma = ", ";
inline constexpr Fragment kSpace = " ";
inline constexpr Fragment kAnd = " and ";
inline constexpr Fragment kSemicolon = "; ";

// Times: hhmm is "15.47 GMT", mm alone "47 minutes past the hour".
inline constexpr Fragment kTimeSeparator = ".";
inline constexpr Fragment kGmt = " GMT";
inline constexpr Fragment kPastTheHour = " minutes past the hour";
inline constexpr Fragment kMinutePastTheHour = " minute past the hour";
inline constexpr Fragment kTopOfTheHour = "the top of the hour";
inline constexpr Fragment kAt = " at ";
inline constexpr Fragment kCommaAt = ", at ";

// Places that follow a phenomenon (FMH-1: DSNT, VC, OHD, ALQDS and the compass points).
inline constexpr Fragment kToThe = " to the ";
inline constexpr Fragment kThrough = " through ";
inline constexpr Fragment kAndToThe = " and to the ";
inline constexpr Fragment kDistant = " distant";
inline constexpr Fragment kInTheVicinity = " in the vicinity";
inline constexpr Fragment kOverhead = " overhead";
inline constexpr Fragment kAllQuadrants = " in all quadrants";
inline constexpr Fragment kOverTheAerodrome = " over the aerodrome";
inline constexpr Fragment kOverTheRunway = " over the runway";
inline constexpr Fragment kInTheApproach = " in the approach";
inline constexpr Fragment kInTheClimbOut = " in the climb-out";
inline constexpr Fragment kKilometresAway = " kilometres away";
inline constexpr Fragment kMoving = ", moving ";
inline constexpr Fragment kStationary = ", stationary";

// --- Pressure -------------------------------------------------------------------------------

inline constexpr Fragment kSeaLevelPressureIs = "Sea level pressure is ";
inline constexpr Fragment kHectopascals = " hectopascals";
inline constexpr Fragment kSeaLevelNine = "9";
inline constexpr Fragment kSeaLevelTen = "10";
inline constexpr Fragment kQfeIs = "Pressure at the aerodrome elevation (QFE) is ";
inline constexpr Fragment kMillimetresOfMercury = " millimetres of mercury";
inline constexpr Fragment kOpenBracket = " (";
inline constexpr Fragment kCloseBracket = ")";

// Pressure tendency 5appp: the characteristic a, WMO code table 0200, then the change ppp with
// its direction, which the table gives (0 to 3 higher, 5 to 8 lower, 4 the same; 0 and 5 the
// same when ppp is nought).
inline constexpr Fragment kTendencyIntro = "In the last 3 hours the pressure ";
inline constexpr std::array<Fragment, 9> kTendency{{
    "increased, then decreased",
    "increased, then held steady, or increased, then increased more slowly",
    "increased steadily or unsteadily",
    "decreased or held steady, then increased, or increased, then increased more rapidly",
    "held steady",
    "decreased, then increased",
    "decreased, then held steady, or decreased, then decreased more slowly",
    "decreased steadily or unsteadily",
    "held steady or increased, then decreased, or decreased, then decreased more rapidly",
}};
inline constexpr Fragment kItIs = "; it is ";
inline constexpr Fragment kHigherThan = " higher than 3 hours ago. ";
inline constexpr Fragment kLowerThan = " lower than 3 hours ago. ";
inline constexpr Fragment kSameAsThreeHoursAgo = "; it is the same as 3 hours ago. ";
inline constexpr Fragment kTendencyNotReported = "Pressure tendency is not reported. ";

// --- Temperature ----------------------------------------------------------------------------

inline constexpr Fragment kTemperatureIs = words::fragments::kTemperatureIs;
inline constexpr Fragment kDewPointIs = ", dew point is ";
inline constexpr Fragment kDewPointNotReported = ", dew point is not reported";
inline constexpr Fragment kCelsius = "\u00B0Celsius";
inline constexpr Fragment kMaximum6h = "Maximum temperature in the last 6 hours is ";
inline constexpr Fragment kMinimum6h = "Minimum temperature in the last 6 hours is ";
inline constexpr Fragment kMaximum24h = "In the last 24 hours the maximum temperature is ";
inline constexpr Fragment kMinimum24h = ", the minimum ";

// --- Precipitation, snow and ice ------------------------------------------------------------

struct AmountWords {
  Fragment amount;   // "Precipitation in the last hour is "
  Sentence trace;    // the whole sentence for a trace (all zeros); empty: zero is zero
  Sentence missing;  // the whole sentence for a missing value
};
inline constexpr Fragment kInches = " inches";
inline constexpr Fragment kInch = " inch";
inline constexpr AmountWords kHourlyPrecipitation{
    "Precipitation in the last hour is ", "There was a trace of precipitation in the last hour. ",
    "The amount of precipitation in the last hour could not be determined. "};
inline constexpr AmountWords kPeriodPrecipitation{
    "Precipitation in the last 3 or 6 hours is ",
    "There was a trace of precipitation in the last 3 or 6 hours. ",
    "The amount of precipitation in the last 3 or 6 hours could not be determined. "};
inline constexpr AmountWords kDailyPrecipitation{
    "Precipitation in the last 24 hours is ", "",
    "The amount of precipitation in the last 24 hours could not be determined. "};
inline constexpr AmountWords kSnowfall6h{"Snowfall in the last 6 hours is ",
                                         "There was a trace of snowfall in the last 6 hours. ",
                                         "Snowfall in the last 6 hours is not reported. "};
inline constexpr AmountWords kSnowWater{
    "Water equivalent of the snow on the ground is ", "",
    "Water equivalent of the snow on the ground is not reported. "};
inline constexpr std::array<AmountWords, 3> kIceAccretion{{
    {"Ice accretion in the last hour is ", "There was a trace of ice accretion in the last hour. ",
     "Ice accretion in the last hour is not reported. "},
    {"Ice accretion in the last 3 hours is ",
     "There was a trace of ice accretion in the last 3 hours. ",
     "Ice accretion in the last 3 hours is not reported. "},
    {"Ice accretion in the last 6 hours is ",
     "There was a trace of ice accretion in the last 6 hours. ",
     "Ice accretion in the last 6 hours is not reported. "},
}};
inline constexpr Fragment kSnowDepthIs = "Snow depth on the ground is ";
inline constexpr Fragment kSnowDepthNotReported = "Snow depth is not reported. ";
inline constexpr Fragment kSnowIncreasing = "Snow is increasing rapidly: ";
inline constexpr Fragment kInTheLastHour = " in the last hour, ";
inline constexpr Fragment kOnTheGround = " on the ground. ";
inline constexpr Fragment kHailstones = "The largest hailstones are ";
inline constexpr Fragment kAcross = " across. ";
inline constexpr Fragment kPrecipitationLastHour = "Precipitation in the last hour is ";
inline constexpr Fragment kMillimetres = " millimetres";
inline constexpr Fragment kSunshine = "Sunshine on the previous day lasted ";
inline constexpr Fragment kMinutes = " minutes. ";
inline constexpr Fragment kNoSunshine = "There was no sunshine on the previous day. ";

// --- Wind -----------------------------------------------------------------------------------

inline constexpr Fragment kPeakWindFrom = "Peak wind from ";
inline constexpr Fragment kDegreesAt = " degrees at ";
inline constexpr Fragment kKnots = " knots";
inline constexpr Fragment kKnot = " knot";
inline constexpr Fragment kMetresPerSecond = " metres per second";
inline constexpr Fragment kMetrePerSecond = " metre per second";
inline constexpr Fragment kGustingTo = ", gusting to ";
inline constexpr Fragment kVariableAt = "variable at ";
inline constexpr Fragment kFrom = "from ";
inline constexpr Fragment kWindShiftAt = "Wind shift at ";
inline constexpr Fragment kWithFrontalPassage = ", with a frontal passage";
inline constexpr Fragment kDirectionVaries = ", direction varying between ";
inline constexpr Fragment kDegrees = " degrees";
inline constexpr Fragment kWindForRunway = "Wind for runway ";
inline constexpr Fragment kAtTouchdownZone = " at the touchdown zone";
inline constexpr Fragment kAtRunwayEnd = " at the runway end";
inline constexpr Fragment kWindAtThreshold = "Wind at the threshold of runway ";
inline constexpr Fragment kWindAtHeight = "Wind at ";
inline constexpr Fragment kFeet = " feet";
inline constexpr Fragment kWindAtHarbour = "Wind at the harbour";
inline constexpr Fragment kIsWord = " is ";
inline constexpr Fragment kNotReported = "not reported";
inline constexpr Fragment kWindCalm = "calm";

// --- Visibility and ceiling -----------------------------------------------------------------

inline constexpr Fragment kVisibility = "Visibility";
inline constexpr Fragment kTowerVisibility = "Tower visibility";
inline constexpr Fragment kSurfaceVisibility = "Surface visibility";
inline constexpr Fragment kMinimumVisibility = "Minimum visibility";
inline constexpr Fragment kAtRunway = " at runway ";
inline constexpr Fragment kIsVariableBetween = " is variable between ";
inline constexpr Fragment kStatuteMiles = " statute miles";
inline constexpr Fragment kStatuteMile = " statute mile";
inline constexpr Fragment kMetres = " metres";
inline constexpr Fragment kTenKilometresOrMore = "10 kilometres or more";
inline constexpr Fragment kLessThan = "less than ";
inline constexpr Fragment kMoreThan = "more than ";
inline constexpr Fragment kCeiling = "Ceiling";
inline constexpr Fragment kSkyCover = "Sky cover";
inline constexpr Fragment kDensityAltitudeIs = "Density altitude is ";
inline constexpr Fragment kSensorAt = "The ";
inline constexpr Fragment kVisibilitySensorAt = "visibility sensor at ";
inline constexpr Fragment kCloudHeightSensorAt = "cloud height sensor at ";
inline constexpr Fragment kRunway = "runway ";
inline constexpr Fragment kIsNotAvailable = " is not available. ";

inline constexpr std::array<Fragment, 5> kSkyCovers{{
    "few",        // FEW
    "scattered",  // SCT
    "broken",     // BKN
    "overcast",   // OVC
    "clear",      // SKC
}};

// --- Phenomena and cloud types --------------------------------------------------------------

// Phenomena and clouds that the remarks place (CB OHD MOV E, VIRGA N) in words of their own; a
// weather code (TS DSNT NW, RAB15E30) is worded from the body's table of weather words.
// clang-format off
inline constexpr std::array<Fragment, 14> kSights{{
    "cumulonimbus",  // CB
    "cumulonimbus mammatus",  // CBMAM
    "towering cumulus",  // TCU
    "altocumulus castellanus",  // ACC
    "standing lenticular altocumulus",  // ACSL
    "standing lenticular stratocumulus",  // SCSL
    "standing lenticular cirrocumulus",  // CCSL
    "virga",  // VIRGA
    "showers in the vicinity",  // VCSH
    "thunderstorm in the vicinity",  // VCTS
    "smoke",  // SMOKE
    "fog",  // FOG
    "haze",  // HAZE
    "fog patches",  // BCFG
}};
// clang-format on
// Words before a phenomenon: the intensity of a weather code.
inline constexpr Fragment kLight = "light ";
inline constexpr Fragment kHeavy = "heavy ";
inline constexpr Fragment kBegan = " began at ";
inline constexpr Fragment kEnded = " ended at ";
inline constexpr Fragment kBeganOther = "began at ";
inline constexpr Fragment kEndedOther = "ended at ";

// Cloud genera and the obscurations Canadian reports give an opacity for (SC6AC2, FG6ST2).
// clang-format off
inline constexpr std::array<Fragment, 27> kLayerTypes{{
    "altocumulus castellanus",  // ACC
    "towering cumulus",  // TCU
    "blowing snow",  // BLSN
    "blowing dust",  // BLDU
    "blowing sand",  // BLSA
    "drifting snow",  // DRSN
    "cirrus",  // CI
    "cirrostratus",  // CS
    "cirrocumulus",  // CC
    "altostratus",  // AS
    "altocumulus",  // AC
    "nimbostratus",  // NS
    "stratocumulus",  // SC
    "stratus",  // ST
    "stratus fractus",  // SF
    "cumulus",  // CU
    "cumulus fractus",  // CF
    "cumulonimbus",  // CB
    "fog",  // FG
    "mist",  // BR
    "snow",  // SN
    "haze",  // HZ
    "smoke",  // FU
    "rain",  // RA
    "drizzle",  // DZ
    "ice pellets",  // PL
    "ice crystals",  // IC
}};
// clang-format on
inline constexpr Fragment kLayersIntro = "Sky cover by layer: ";
inline constexpr Fragment kOkta = " okta";
inline constexpr Fragment kOktas = " oktas";
inline constexpr Fragment kOktaOf = " okta of ";
inline constexpr Fragment kOktasOf = " oktas of ";
inline constexpr Fragment kTraceOf = "Trace of ";
inline constexpr Fragment kCloudLayer = "Cloud layer: ";
inline constexpr Fragment kLayerOf = "Layer of ";
inline constexpr Fragment kAtTheSurface = " at the surface";

// Lightning: frequency, then the types of discharge.
inline constexpr std::array<Fragment, 3> kLightningFrequency{{
    "Occasional lightning",  // OCNL
    "Frequent lightning",    // FRQ
    "Continuous lightning",  // CONS
}};
inline constexpr Fragment kLightning = "Lightning";
inline constexpr std::array<Fragment, 4> kLightningTypes{{
    "in cloud",         // IC
    "cloud to cloud",   // CC
    "cloud to ground",  // CG
    "cloud to air",     // CA
}};

// Cloud types 8/CLCMCH: WMO code tables 0513 (low), 0515 (middle) and 0509 (high); the last
// entry of each is the solidus: clouds not visible.
inline constexpr Fragment kLowClouds = "Low clouds: ";
inline constexpr Fragment kMiddleClouds = "; middle clouds: ";
inline constexpr Fragment kHighClouds = "; high clouds: ";
// clang-format off
inline constexpr std::array<Fragment, 11> kLowCloudTypes{{
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
inline constexpr std::array<Fragment, 11> kMiddleCloudTypes{{
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
inline constexpr std::array<Fragment, 11> kHighCloudTypes{{
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

inline constexpr Fragment kCorrectedAt = "Corrected at ";
inline constexpr Fragment kLastStaffed = "Last staffed observation";
inline constexpr Fragment kNextAt = ", next observation at ";
inline constexpr Fragment kNextOnThe = ", next observation on the ";
inline constexpr Fragment kBirdHazardOnRunway = "Bird hazard on runway ";
inline constexpr Fragment kCloudBaseIs = "Cloud base is ";

}  // namespace vantrel::remark_words
