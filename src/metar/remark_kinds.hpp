#pragma once
// The kinds of remark, one beside the other: for each, the value its reader returns, the reader
// (full/remarks/, by family; dispatch.cpp tries them in order), its wording (remark_words.cpp),
// which writes one sentence ending in ". " in the words of remark_vocabulary.hpp, and its decoded
// value (remark_describe.cpp, listed in docs/json.md). A value keeps the text of its groups as
// typed (views into the report), numbers as digits, and codes as enums or as indices into the
// code tables below; it holds no English, and a reader writes none.
//
// A new kind of remark: its value, reader, wording and decoded value here, the reader in its
// family's file, a row in dispatch.cpp, its sentence in remark_words.cpp (with its own fragments,
// when no other remark uses them), its decoded value in remark_describe.cpp and docs/json.md.
//
// The code tables list the codes a reader recognises; the vocabulary (remark_vocabulary.hpp)
// lists their words in the same order, which remark_words.cpp checks when compiling. The whole
// remarks and the phrases keep their codes beside their sentences, in the vocabulary.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "metar/codes/compass.hpp"
#include "metar/codes/miles.hpp"
#include "metar/codes/weather.hpp"
#include "metar/group_cursor.hpp"
#include "metar/text_buffer.hpp"

namespace vantrel {
struct Decoded;  // metar/decoded.hpp
}  // namespace vantrel

namespace vantrel::remarks {

using std::string_view;
using Groups = std::span<const Group>;

// A remark's value and the number of groups it came from.
template <class Value>
struct Found {
  Value value;
  std::size_t groups = 1;
};
template <class Value>
using Reading = std::optional<Found<Value>>;

// What a reader may know of the report besides its groups: the groups before the remarks, and
// from them, when a reader asks, the station (the first group that is not METAR, SPECI, COR or
// AMD, when it has four characters; empty otherwise).
struct Context {
  Groups before;
  string_view station() const {
    for (const Group& g : before) {
      if (g.upperIs("METAR") || g.upperIs("SPECI") || g.upperIs("COR") || g.upperIs("AMD")) {
        continue;
      }
      return g.size() == 4 ? g.bytes() : string_view{};
    }
    return {};
  }
};

// --- Code tables ----------------------------------------------------------------------------

// NATO colour states.
inline constexpr std::array<string_view, 8> kColourCodes{"BLU",  "WHT",  "GRN", "YLO",
                                                         "YLO1", "YLO2", "AMB", "RED"};

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
Reading<SeaLevelPressure> readSeaLevelPressure(Groups gs);
void append(TextBuffer& out, const SeaLevelPressure& value);
void describe(const SeaLevelPressure& value, Decoded& out);

struct Temperature {  // TsTTTsDDD
  Tenths air;
  std::optional<Tenths> dewPoint;
  bool dewPointMissing = false;  // TsTTT////
};
Reading<Temperature> readTemperature(Groups gs);
void append(TextBuffer& out, const Temperature& value);
void describe(const Temperature& value, Decoded& out);

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
Reading<Amount> readAmount(Groups gs, const Context& context);
void append(TextBuffer& out, const Amount& value);
void describe(const Amount& value, Decoded& out);

struct Altimeter {  // Apppp, App.pp
  std::array<char, 4> hundredths{};
};
Reading<Altimeter> readAltimeter(Groups gs);
void append(TextBuffer& out, const Altimeter& value);
void describe(const Altimeter& value, Decoded& out);

struct Qnh {  // Qpppp
  string_view hectopascals;
};
Reading<Qnh> readQnh(Groups gs);
void append(TextBuffer& out, const Qnh& value);
void describe(const Qnh& value, Decoded& out);

struct CloudBase {  // QBBhhh
  string_view metres;
};
Reading<CloudBase> readCloudBase(Groups gs);
void append(TextBuffer& out, const CloudBase& value);
void describe(const CloudBase& value, Decoded& out);

struct Qfe {                 // QFEppp[.p][/pppp], QFEppp (800 and more), QFEpppp
  string_view millimetres;   // empty when not given
  string_view hectopascals;  // empty when not given
};
Reading<Qfe> readQfe(Groups gs);
void append(TextBuffer& out, const Qfe& value);
void describe(const Qfe& value, Decoded& out);

struct ExtremeTemperature6h {  // 1snnn, 2snnn
  bool maximum = true;
  Tenths value;
};
Reading<ExtremeTemperature6h> readExtremeTemperature6h(Groups gs);
void append(TextBuffer& out, const ExtremeTemperature6h& value);
void describe(const ExtremeTemperature6h& value, Decoded& out);

struct Extremes24h {  // 4snnnsnnn
  Tenths maximum, minimum;
};
Reading<Extremes24h> readExtremes24h(Groups gs);
void append(TextBuffer& out, const Extremes24h& value);
void describe(const Extremes24h& value, Decoded& out);

struct Tendency {                   // 5appp, 5////
  std::uint8_t characteristic = 0;  // WMO code table 0200: 0-3 higher (0 or the same), 4 the
                                    // same, 5-8 lower (5 or the same) than 3 hours ago
  string_view change;               // ppp, tenths of a hectopascal
  bool missing = false;
};
Reading<Tendency> readTendency(Groups gs);
void append(TextBuffer& out, const Tendency& value);
void describe(const Tendency& value, Decoded& out);

struct Sunshine {  // 98mmm
  string_view minutes;
  bool none = false;
};
Reading<Sunshine> readSunshine(Groups gs);
void append(TextBuffer& out, const Sunshine& value);
void describe(const Sunshine& value, Decoded& out);

struct SnowDepth {  // 4/sss
  string_view inches;
  bool missing = false;
};
Reading<SnowDepth> readSnowDepth(Groups gs);
void append(TextBuffer& out, const SnowDepth& value);
void describe(const SnowDepth& value, Decoded& out);

struct CloudTypes {                     // 8/CLCMCH
  std::array<std::uint8_t, 3> types{};  // low, middle, high: 0 to 9, 10 not visible
};
Reading<CloudTypes> readCloudTypes(Groups gs);
void append(TextBuffer& out, const CloudTypes& value);
void describe(const CloudTypes& value, Decoded& out);

inline constexpr std::uint8_t kCloudsNotVisible = 10;
struct CloudLayer {  // NTThhh
  std::uint8_t oktas = 0;
  std::uint8_t genus = 0;  // index into kLayerCodes
  string_view height;      // hundreds of feet
};
Reading<CloudLayer> readCloudLayer(Groups gs);
void append(TextBuffer& out, const CloudLayer& value);
void describe(const CloudLayer& value, Decoded& out);

// --- Wind (wind.cpp) ------------------------------------------------------------------------

struct PeakWind {  // PK WND dddff(f)/(hh)mm
  string_view direction, speed, time;
};
Reading<PeakWind> readPeakWind(Groups gs);
void append(TextBuffer& out, const PeakWind& value);
void describe(const PeakWind& value, Decoded& out);

struct WindShift {  // WSHFT (hh)mm [FROPA]
  string_view time;
  bool frontalPassage = false;
};
Reading<WindShift> readWindShift(Groups gs);
void append(TextBuffer& out, const WindShift& value);
void describe(const WindShift& value, Decoded& out);

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
Reading<PlaceWind> readPlaceWind(Groups gs);
void append(TextBuffer& out, const PlaceWind& value);
void describe(const PlaceWind& value, Decoded& out);

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
Reading<Visibility> readVisibility(Groups gs);
void append(TextBuffer& out, const Visibility& value);
void describe(const Visibility& value, Decoded& out);

struct MinimumVisibility {  // VIS MIN mmmm
  MetresValue metres;
};
Reading<MinimumVisibility> readMinimumVisibility(Groups gs);
void append(TextBuffer& out, const MinimumVisibility& value);
void describe(const MinimumVisibility& value, Decoded& out);

struct Ceiling {          // CIGhhh, CIG hhh [RWYnn|direction], CIG hhhVhhh
  string_view low, high;  // hundreds of feet; high empty when not variable
  string_view runway;     // the second location, or empty
  Direction sector;       // range empty: no sector
};
Reading<Ceiling> readCeiling(Groups gs);
void append(TextBuffer& out, const Ceiling& value);
void describe(const Ceiling& value, Decoded& out);

struct VariableSky {              // BKN014 V OVC
  std::uint8_t from = 0, to = 0;  // indices into kSkyCoverCodes
  string_view height;             // hundreds of feet, or empty
};
Reading<VariableSky> readVariableSky(Groups gs);
void append(TextBuffer& out, const VariableSky& value);
void describe(const VariableSky& value, Decoded& out);

struct SensorAtRunway {  // VISNO RWY06, CHINO RWY24
  bool visibility = true;
  string_view runway;
};
Reading<SensorAtRunway> readSensorAtRunway(Groups gs);
void append(TextBuffer& out, const SensorAtRunway& value);
void describe(const SensorAtRunway& value, Decoded& out);

// --- Phenomena (phenomena.cpp) --------------------------------------------------------------

struct Lightning {                        // [OCNL|FRQ|CONS] LTG[IC][CC][CG][CA] [places]
  std::optional<std::uint8_t> frequency;  // index into kLightningFrequencyCodes
  std::array<std::uint8_t, 4> types{};    // indices into kLightningTypeCodes
  std::size_t typeCount = 0;
  Places places;
};
Reading<Lightning> readLightning(Groups gs);
void append(TextBuffer& out, const Lightning& value);
void describe(const Lightning& value, Decoded& out);

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
Reading<BeginEnd> readBeginEnd(Groups gs);
void append(TextBuffer& out, const BeginEnd& value);
void describe(const BeginEnd& value, Decoded& out);

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
Reading<PlacedPhenomenon> readPlacedPhenomenon(Groups gs);
void append(TextBuffer& out, const PlacedPhenomenon& value);
void describe(const PlacedPhenomenon& value, Decoded& out);

struct LayerOpacity {
  std::uint8_t type = 0;  // index into kLayerCodes
  std::uint8_t oktas = 0;
};
struct Layers {  // SC6AC2, FG6ST2
  std::array<LayerOpacity, 8> layers{};
  std::size_t count = 0;
};
Reading<Layers> readLayers(Groups gs);
void append(TextBuffer& out, const Layers& value);
void describe(const Layers& value, Decoded& out);

struct LayerTrace {  // AC TR
  std::uint8_t type = 0;
};
Reading<LayerTrace> readLayerTrace(Groups gs);
void append(TextBuffer& out, const LayerTrace& value);
void describe(const LayerTrace& value, Decoded& out);

struct Obscuration {  // FU BKN020
  codes::WeatherCode weather;
  std::uint8_t cover = 0;  // index into kSkyCoverCodes
  string_view height;      // hundreds of feet
  bool atSurface = false;
};
Reading<Obscuration> readObscuration(Groups gs);
void append(TextBuffer& out, const Obscuration& value);
void describe(const Obscuration& value, Decoded& out);

struct RecentWeather {  // REw'w'
  codes::WeatherCode weather;
};
Reading<RecentWeather> readRecentWeather(Groups gs);
void append(TextBuffer& out, const RecentWeather& value);
void describe(const RecentWeather& value, Decoded& out);

// --- Other remarks (others.cpp) -------------------------------------------------------------

struct WholeRemark {       // AO2, $, PRESRR
  std::uint8_t index = 0;  // into remark_words::kWholeRemarks
};
Reading<WholeRemark> readWholeRemark(Groups gs);
void append(TextBuffer& out, const WholeRemark& value);
void describe(const WholeRemark& value, Decoded& out);

enum class ColourTrend : std::uint8_t { kNone, kTemporarily, kBecoming };
struct ColourState {        // WHT, TEMPO GRN, BLACKBLU
  std::uint8_t colour = 0;  // into kColourCodes
  ColourTrend trend = ColourTrend::kNone;
  bool black = false;
};
Reading<ColourState> readColourState(Groups gs);
void append(TextBuffer& out, const ColourState& value);
void describe(const ColourState& value, Decoded& out);

struct Phrase {            // WND DATA ESTMD
  std::uint8_t index = 0;  // into remark_words::kPhrases
};
Reading<Phrase> readPhrase(Groups gs);
void append(TextBuffer& out, const Phrase& value);
void describe(const Phrase& value, Decoded& out);

struct Nosig {};
Reading<Nosig> readNosig(Groups gs);
void append(TextBuffer& out, const Nosig& value);
void describe(const Nosig& value, Decoded& out);

struct PrecipitationMillimetres {  // PCPN 2.5MM PAST HR
  string_view amount;
};
Reading<PrecipitationMillimetres> readPrecipitationMillimetres(Groups gs);
void append(TextBuffer& out, const PrecipitationMillimetres& value);
void describe(const PrecipitationMillimetres& value, Decoded& out);

struct DensityAltitude {  // DENSITY ALT -1200FT
  bool negative = false;
  string_view feet;
};
Reading<DensityAltitude> readDensityAltitude(Groups gs);
void append(TextBuffer& out, const DensityAltitude& value);
void describe(const DensityAltitude& value, Decoded& out);

struct Correction {  // COR 1536
  string_view time;
};
Reading<Correction> readCorrection(Groups gs);
void append(TextBuffer& out, const Correction& value);
void describe(const Correction& value, Decoded& out);

struct LastStaffed {  // LAST STFD OBS/NXT 150600Z
  string_view next;   // ddhhmm, or empty
};
Reading<LastStaffed> readLastStaffed(Groups gs);
void append(TextBuffer& out, const LastStaffed& value);
void describe(const LastStaffed& value, Decoded& out);

struct SnowIncrease {  // SNINCR 2/10
  string_view lastHour, onGround;
};
Reading<SnowIncrease> readSnowIncrease(Groups gs);
void append(TextBuffer& out, const SnowIncrease& value);
void describe(const SnowIncrease& value, Decoded& out);

struct HailSize {  // GR 1 3/4
  codes::Miles inches;
};
Reading<HailSize> readHailSize(Groups gs);
void append(TextBuffer& out, const HailSize& value);
void describe(const HailSize& value, Decoded& out);

struct BirdHazard {  // BIRD HAZARD RWY 12/30
  string_view runway;
};
Reading<BirdHazard> readBirdHazard(Groups gs);
void append(TextBuffer& out, const BirdHazard& value);
void describe(const BirdHazard& value, Decoded& out);

}  // namespace vantrel::remarks
