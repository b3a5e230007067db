#pragma once
// What the remarks say, as values: each remark reader (full/remarks/) returns one of these, and
// its wording (remark_words.hpp) puts it into English. A value keeps the text of its groups as
// typed (views into the report), numbers as digits, and codes as enums or as indices into the
// code tables below; it holds no English.
//
// The code tables list the codes a reader recognises; the vocabulary (remark_vocabulary.hpp)
// lists their words in the same order, which remark_words.cpp checks when compiling.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "metar/codes/compass.hpp"
#include "metar/codes/miles.hpp"
#include "metar/codes/weather.hpp"

namespace vantrel::remarks {

using std::string_view;

// --- Code tables ----------------------------------------------------------------------------

// Single groups that are a whole remark.
inline constexpr std::array<string_view, 26> kWholeRemarkCodes{
    "AO1",    "AO2",    "A01",    "A02",     "AO1A",  "AO2A",   "A01A",   "A02A",  "SLPNO",
    "SLP///", "PRESRR", "PRESFR", "PWINO",   "TSNO",  "FZRANO", "PNO",    "RVRNO", "VISNO",
    "CHINO",  "$",      "FROPA",  "NOSPECI", "FIRST", "LAST",   "BINOVC", "FROIN"};

// NATO colour states.
inline constexpr std::array<string_view, 8> kColourCodes{"BLU",  "WHT",  "GRN", "YLO",
                                                         "YLO1", "YLO2", "AMB", "RED"};

// Two or three groups that are one remark; the unused codes empty.
inline constexpr std::array<std::array<string_view, 3>, 34> kPhraseCodes{{
    {"WND", "DATA", "ESTMD"}, {"ALSTG/SLP", "ESTMD", ""}, {"ALSTG", "ESTMD", ""},
    {"SLP", "ESTMD", ""},     {"ACFT", "MSHP", ""},       {"MT", "OBSC", ""},
    {"MON", "LIB", "NC"},     {"MON", "LIB", ""},         {"MON", "INVIS", "NC"},
    {"MON", "INVIS", ""},     {"MON", "INC", ""},         {"VAL", "NIL", "NC"},
    {"VAL", "NIL", ""},       {"VAL", "INVIS", "NC"},     {"VAL", "INVIS", ""},
    {"BIRD", "HAZARD", ""},   {"DENSITY", "ALT", "MISG"}, {"CIG", "RAG", ""},
    {"WND", "MISG", ""},      {"CLD", "MISG", ""},        {"WX", "MISG", ""},
    {"VIS", "MISG", ""},      {"PCPN", "MISG", ""},       {"PRES", "MISG", ""},
    {"ICG", "MISG", ""},      {"ICE", "MISG", ""},        {"TD", "MISG", ""},
    {"DP", "MISG", ""},       {"T", "MISG", ""},          {"RVR", "MISG", ""},
    {"CIG", "MISG", ""},      {"SLP", "MISG", ""},        {"TS/LTNG", "TEMPO", "UNAVBL"},
    {"LTG", "DATA", "MISG"},
}};

// Clouds and phenomena the remarks place in words of their own (weather codes are read as such).
inline constexpr std::array<string_view, 14> kSightCodes{"CB",    "CBMAM", "TCU",   "ACC",  "ACSL",
                                                         "SCSL",  "CCSL",  "VIRGA", "VCSH", "VCTS",
                                                         "SMOKE", "FOG",   "HAZE",  "BCFG"};

// Cloud genera and obscurations of the layer remarks, longest codes first for a prefix search.
struct LayerCode {
  string_view code;
  bool genus = false;  // also the genus of a Japanese cloud layer NTThhh (1CU020)
};
inline constexpr std::array<LayerCode, 27> kLayerCodes{{
    {"ACC"},      {"TCU", true}, {"BLSN"},     {"BLDU"},     {"BLSA"},     {"DRSN"},
    {"CI", true}, {"CS", true},  {"CC", true}, {"AS", true}, {"AC", true}, {"NS", true},
    {"SC", true}, {"ST", true},  {"SF"},       {"CU", true}, {"CF"},       {"CB", true},
    {"FG", true}, {"BR", true},  {"SN", true}, {"HZ", true}, {"FU", true}, {"RA", true},
    {"DZ", true}, {"PL"},        {"IC"},
}};

inline constexpr std::array<string_view, 5> kSkyCoverCodes{"FEW", "SCT", "BKN", "OVC", "SKC"};
inline constexpr std::size_t kClearSky = 4;

inline constexpr std::array<string_view, 3> kLightningFrequencyCodes{"OCNL", "FRQ", "CONS"};
inline constexpr std::array<string_view, 4> kLightningTypeCodes{"IC", "CC", "CG", "CA"};

// --- Shared parts ---------------------------------------------------------------------------

// Tenths of a degree Celsius: three digits and the sign of the group.
struct Tenths {
  bool negative = false;
  string_view digits;  // "089": 8.9
};

// A direction: a compass point or a range (NE-SE-SW) as typed, or one point in two words.
struct Direction {
  string_view range;  // one group of points joined by "-"; empty for a pair
  codes::Compass pair = codes::Compass::kNone;  // NORTH EAST
};

// Where a phenomenon, lightning or cloud is.
enum class PlaceKind : std::uint8_t {
  kDistant,        // DSNT
  kVicinity,       // VC
  kOverhead,       // OHD
  kAllQuadrants,   // ALQDS
  kOverTheField,   // OVER THE FIELD
  kOverTheRunway,  // OVER RWY
  kInTheApproach,  // IN APCH
  kInTheClimbOut,  // IN CLIMB OUT
  kDirection,      // NE, NE-SE, NORTH EAST, TO NE
  kThrough,        // THRU NE
  kKilometres,     // 10KM NE
};
struct Place {
  PlaceKind kind = PlaceKind::kDistant;
  bool afterAnd = false;        // AND joins it to the place before
  bool afterDirection = false;  // the place before was a direction
  Direction direction;          // kDirection, kThrough, kKilometres
  string_view kilometres;       // kKilometres: the digits
};
enum class Motion : std::uint8_t { kNone, kMoving, kStationary };
// Places past the first 12 are left to the remarks after them.
struct Places {
  std::array<Place, 12> places{};
  std::size_t count = 0;
  Motion motion = Motion::kNone;
  Direction moving;  // after MOV
};

// --- Numeric groups (digit_groups.cpp) ------------------------------------------------------

struct SeaLevelPressure {  // SLPppp
  string_view tenths;      // ppp
  bool below1000 = false;  // FMH-1: 9 goes before 500 and more, 10 before less
};
struct Temperature {  // TsTTTsDDD
  Tenths air;
  std::optional<Tenths> dewPoint;
  bool dewPointMissing = false;  // TsTTT////
};
enum class AmountKind : std::uint8_t {
  kHourlyPrecipitation,  // Pnnnn
  kPeriodPrecipitation,  // 6RRRR
  kDailyPrecipitation,   // 7RRRR
  kSnowfall6h,           // 931sss
  kSnowWater,            // 933RRR
  kIce1h,                // I1nnn
  kIce3h,                // I3nnn
  kIce6h,                // I6nnn
};
struct Amount {
  AmountKind kind = AmountKind::kHourlyPrecipitation;
  string_view digits;
  std::uint8_t decimals = 2;
  bool missing = false;  // all slashes
  bool zero = false;     // all zeros: a trace where the kind has one
};
struct Altimeter {  // Apppp, App.pp
  std::array<char, 4> hundredths{};
};
struct Qnh {  // Qpppp
  string_view hectopascals;
};
struct CloudBase {  // QBBhhh
  string_view metres;
};
struct Qfe {  // QFEppp[.p][/pppp]
  string_view millimetres;
  string_view hectopascals;  // empty when not given
};
struct ExtremeTemperature6h {  // 1snnn, 2snnn
  bool maximum = true;
  Tenths value;
};
struct Extremes24h {  // 4snnnsnnn
  Tenths maximum, minimum;
};
struct Tendency {                   // 5appp, 5////
  std::uint8_t characteristic = 0;  // WMO code table 0200
  string_view change;               // ppp, tenths of a hectopascal
  bool missing = false;
};
struct Sunshine {  // 98mmm
  string_view minutes;
  bool none = false;
};
struct SnowDepth {  // 4/sss
  string_view inches;
  bool missing = false;
};
struct CloudTypes {                     // 8/CLCMCH
  std::array<std::uint8_t, 3> types{};  // low, middle, high: 0 to 9, 10 not visible
};
inline constexpr std::uint8_t kCloudsNotVisible = 10;
struct CloudLayer {  // NTThhh
  std::uint8_t oktas = 0;
  std::uint8_t genus = 0;  // index into kLayerCodes
  string_view height;      // hundreds of feet
};

// --- Wind (wind.cpp) ------------------------------------------------------------------------

struct PeakWind {  // PK WND dddff(f)/(hh)mm
  string_view direction, speed, time;
};
struct WindShift {  // WSHFT (hh)mm [FROPA]
  string_view time;
  bool frontalPassage = false;
};
enum class WindUnit : std::uint8_t { kKnots, kMetresPerSecond };
struct WindValue {
  enum class Kind : std::uint8_t { kNotReported, kCalm, kVariable, kFrom };
  Kind kind = Kind::kFrom;
  string_view direction, speed, gust;  // gust empty when none
  WindUnit unit = WindUnit::kKnots;
};
enum class WindPlace : std::uint8_t {
  kRunway,
  kTouchdownZone,
  kRunwayEnd,
  kThreshold,
  kHeight,
  kHarbour
};
struct PlaceWind {  // RWY27 28015KT, WIND THR09 ..., WIND 1500FT ..., HARBOR WIND ...
  WindPlace place = WindPlace::kRunway;
  string_view where;  // the runway designator or the height in feet
  WindValue wind;
  string_view variesFrom, variesTo;  // dddVddd, empty when none
};

// --- Visibility, ceiling and sky (visibility.cpp) -------------------------------------------

struct MetresValue {
  string_view digits;      // four digits
  bool tenOrMore = false;  // 9999
};
enum class VisibilitySubject : std::uint8_t { kVisibility, kTower, kSurface };
struct Visibility {
  VisibilitySubject subject = VisibilitySubject::kVisibility;
  Direction sector;    // range empty: no sector
  string_view runway;  // the second location, or empty
  bool inMetres = false;
  bool variable = false;  // a low and a high value
  MetresValue lowMetres, highMetres;
  codes::Miles low, high;
};
struct MinimumVisibility {  // VIS MIN mmmm
  MetresValue metres;
};
struct Ceiling {          // CIGhhh, CIG hhh [RWYnn], CIG hhhVhhh
  string_view low, high;  // hundreds of feet; high empty when not variable
  string_view runway;
};
struct VariableSky {              // BKN014 V OVC
  std::uint8_t from = 0, to = 0;  // indices into kSkyCoverCodes
  string_view height;             // hundreds of feet, or empty
};
struct SensorAtRunway {  // VISNO RWY06, CHINO RWY24
  bool visibility = true;
  string_view runway;
};

// --- Phenomena (phenomena.cpp) --------------------------------------------------------------

struct Lightning {                        // [OCNL|FRQ|CONS] LTG[IC][CC][CG][CA] [places]
  std::optional<std::uint8_t> frequency;  // index into kLightningFrequencyCodes
  std::array<std::uint8_t, 4> types{};    // indices into kLightningTypeCodes
  std::size_t typeCount = 0;
  Places places;
};
struct WeatherTime {
  string_view time;
  bool began = true;
};
struct WeatherEvent {
  codes::WeatherCode weather;
  std::size_t times = 0;  // the next this many times of BeginEnd are this weather's
};
// A group of more events or times than these is left unread (the longest of a year of real
// reports holds 9 events and 16 times).
struct BeginEnd {  // RAB15E30, TSB1512E1530, RAB1159E24SNB24
  std::array<WeatherEvent, 16> events{};
  std::size_t eventCount = 0;
  std::array<WeatherTime, 32> times{};
  std::size_t timeCount = 0;
};
// A phenomenon or cloud that the remarks place: one of their own (CB, VIRGA) or a weather name.
struct Sight {
  std::optional<std::uint8_t> own;  // index into kSightCodes
  codes::WeatherCode weather;
};
struct PlacedPhenomenon {  // TS DSNT NW, CB AND RA TO S, VIRGA
  Sight first;
  std::optional<Sight> second;
  Places places;
};
struct LayerOpacity {
  std::uint8_t type = 0;  // index into kLayerCodes
  std::uint8_t oktas = 0;
};
struct Layers {  // SC6AC2, FG6ST2
  std::array<LayerOpacity, 8> layers{};
  std::size_t count = 0;
};
struct LayerTrace {  // AC TR
  std::uint8_t type = 0;
};
struct Obscuration {  // FU BKN020
  codes::WeatherCode weather;
  std::uint8_t cover = 0;  // index into kSkyCoverCodes
  string_view height;      // hundreds of feet
  bool atSurface = false;
};
struct RecentWeather {  // REw'w'
  codes::WeatherCode weather;
};

// --- Other remarks (others.cpp) -------------------------------------------------------------

struct WholeRemark {       // AO2, $, PRESRR
  std::uint8_t index = 0;  // into kWholeRemarkCodes
};
enum class ColourTrend : std::uint8_t { kNone, kTemporarily, kBecoming };
struct ColourState {        // WHT, TEMPO GRN, BLACKBLU
  std::uint8_t colour = 0;  // into kColourCodes
  ColourTrend trend = ColourTrend::kNone;
  bool black = false;
};
struct Phrase {            // WND DATA ESTMD
  std::uint8_t index = 0;  // into kPhraseCodes
};
struct Nosig {};
struct PrecipitationMillimetres {  // PCPN 2.5MM PAST HR
  string_view amount;
};
struct DensityAltitude {  // DENSITY ALT -1200FT
  bool negative = false;
  string_view feet;
};
struct Correction {  // COR 1536
  string_view time;
};
struct LastStaffed {  // LAST STFD OBS/NXT 150600Z
  string_view next;   // ddhhmm, or empty
};
struct SnowIncrease {  // SNINCR 2/10
  string_view lastHour, onGround;
};
struct HailSize {  // GR 1 3/4
  codes::Miles inches;
};
struct BirdHazard {  // BIRD HAZARD RWY 12/30
  string_view runway;
};

}  // namespace vantrel::remarks
