#pragma once
// What a group says, between its recognition and its wording: one small value for each kind of
// group of the body, the trend sections and the supplementary groups. A value keeps views of the
// group or groups it came from (digits as typed, leading zeros kept) and codes as enums; a view
// that is empty stands for a value the report gives as not reported. The recognisers of the full
// reading make these; the wording turns each into its sentence.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "metar/codes/cloud.hpp"
#include "metar/codes/compass.hpp"
#include "metar/codes/miles.hpp"
#include "metar/codes/runway.hpp"
#include "metar/codes/units.hpp"
#include "metar/codes/weather.hpp"

namespace vantrel::values {

using codes::Bound;
using codes::CloudAmount;
using codes::CloudType;
using codes::Compass;
using codes::SpeedUnit;

// A speed as given: "05", or more than 99 for P99. Empty digits: not reported.
struct Speed {
  std::string_view digits;
  bool above = false;
};

// dddff[Ggg]KT and the other units, VRB, 00000, with parts not reported (///ff, ddd//).
struct Wind {
  std::string_view direction;  // ddd; empty: not reported (///), or VRB
  bool variable = false;       // VRB
  bool calm = false;           // 00000 without gusts
  Speed speed;                 // empty: not reported (//)
  Speed gust;                  // empty: no gusts
  SpeedUnit unit = SpeedUnit::kKnots;
};

// dddVddd, or ///V/// (both empty).
struct WindVariation {
  std::string_view from, to;
};

struct Visibility {
  enum class Kind : std::uint8_t {
    kCavok,         // CAVOK
    kNotReported,   // //// ////SM ////NDV
    kMetres,        // vvvv, vvvvNDV, vvvvM
    kMinimum,       // a second vvvv below the first
    kDirectional,   // vvvvD, D a compass point
    kStatuteMiles,  // [M|P]n[n]SM, [M|P]n/nSM, n n/nSM
  };
  Kind kind = Kind::kMetres;
  std::string_view metres;              // vvvv
  bool noDirectionalVariation = false;  // NDV
  bool afterAnother = false;            // a directional value after the prevailing one
  Compass direction = Compass::kNone;
  codes::Miles miles;
};

// Rdd[LCR]/[P|M]vvvv[V[P|M]vvvv][FT][/][U|D|N], Rdd/////.
struct RunwayRange {
  std::string_view runway;  // the designator as typed
  Bound lowBound = Bound::kExact;
  std::string_view low;  // empty: not reported
  Bound highBound = Bound::kExact;
  std::string_view high;  // empty: a single value
  bool feet = false;
  char tendency = 0;  // 'U', 'D', 'N', or 0
};

struct PresentWeather {
  enum class Kind : std::uint8_t {
    kCode,           // [-|+|VC]DDPP...
    kNotObserved,    // //
    kNoSignificant,  // NSW
    kNil,            // NIL where the present weather stands
  };
  Kind kind = Kind::kCode;
  codes::WeatherCode code;
};

struct Cloud {
  enum class Kind : std::uint8_t {
    kSkyClear,            // SKC
    kClearBelow12000,     // CLR (automated)
    kNoSignificant,       // NSC
    kNoneDetected,        // NCD
    kTypeOfLayer,         // a lone CB or TCU after a layer
    kVerticalVisibility,  // VVhhh, VV/// (height empty)
    kNotReported,         // ////// /////////
    kLayer,               // FEWhhh[CB|TCU|///], ///hhh, ///CB, FEWCB010, FEW 019
  };
  Kind kind = Kind::kLayer;
  bool amountGiven = false;  // false: ///
  CloudAmount amount = CloudAmount::kFew;
  std::string_view height;  // hhh; empty: not reported
  CloudType type = CloudType::kNone;
};

// A subject placed by directions: clouds of a type, or a weather phenomenon (CB TO N, RA DSNT S).
struct PlacedSubject {
  CloudType cloud = CloudType::kNone;
  bool isWeather = false;
  codes::WeatherCode weather;
};
// SUBJECT [AND SUBJECT] [TO|DSNT] D [D ...] [AND|+ D] [AREA], or SUBJECT OTF.
struct Directions {
  std::array<PlacedSubject, 2> subjects{};
  std::size_t subjectCount = 0;
  bool distant = false;
  std::array<Compass, 8> directions{};
  std::size_t count = 0;
  bool overField = false;
};

// Whole degrees Celsius as typed; empty digits: not reported.
struct Degrees {
  bool belowZero = false;
  std::string_view digits;
};
// [M]TT/[M]DD and the forms with parts not reported; ///// gives neither.
struct Temperature {
  Degrees air, dewPoint;
};

// Qpppp (hectopascals) or Apppp (hundredths of an inch of mercury), also written apart (Q 1009,
// Q1 020): the four digits, copied.
struct Pressure {
  bool altimeter = false;  // A: inches of mercury
  bool missing = false;    // Q//// A////
  std::array<char, 4> digits{};
  std::string_view value() const { return {digits.data(), digits.size()}; }
};

// REw'w', RE//.
struct RecentWeather {
  bool notReported = false;
  codes::WeatherCode code;
};

// WS Rdd[LCR], WS RWYdd, WS RWY dd, WS ALL RWY, WS TKOF|LDG RWYdd.
struct WindShear {
  std::string_view runway;  // empty: all runways
};

// Rdd[LCR]/EeddBB, Rdd/CLRDBB, the eight figures ddEeddBB, R/SNOCLO, Rdd/SNOCLO.
struct RunwayState {
  bool aerodromeClosedBySnow = false;  // R/SNOCLO, SNOCLO
  codes::Runway runway;
  bool closedBySnow = false;  // Rdd/SNOCLO: the runway is closed by snow
  bool cleared = false;       // CLRD: contamination cleared
  char deposit = '/', extent = '/';
  std::string_view depth, braking;
};

// W[M]TT/Sn, W[M]TT/Hhhh.
struct Sea {
  Degrees temperature;
  char state = 0;               // 0-9, '/' not reported, or 0 with a wave height
  std::string_view waveHeight;  // decimetres
};

// BLU WHT GRN YLO YLO1 YLO2 AMB RED, after BLACK.
struct ColourState {
  std::size_t colour = 0;  // in the order of the colour table
  bool black = false;
};

// RFmm.m/mmm.m (or with a slash for each point): the two amounts with their points.
struct Rainfall {
  std::array<char, 12> text{};
  std::string_view lastTenMinutes() const { return {text.data() + 2, 4}; }
  std::string_view since9() const { return {text.data() + 7, 5}; }
};

// M, /, /// standing alone for an element not reported.
struct ElementNotReported {
  ElementNotReported() {}  // nothing to set: the empty value first in GroupValue costs no zeros
};

// Every value a body, trend or supplementary group can give. The empty one first: a value made
// before its group is read then costs nothing to make, where a wind would be some eighty bytes
// of zeros.
using GroupValue = std::variant<ElementNotReported, Wind, WindVariation, Visibility, RunwayRange,
                                PresentWeather, Cloud, Directions, Temperature, Pressure,
                                RecentWeather, WindShear, RunwayState, Sea, ColourState, Rainfall>;

// FMhhmm TLhhmm AThhmm of a trend section (also FM hhmm, written apart), and the period
// hhmm/hhmm of an Australian TEMPO or INTER section.
struct TrendTime {
  enum class Kind : std::uint8_t { kFrom, kUntil, kAt, kPeriod };
  Kind kind = Kind::kFrom;
  std::string_view hour, minute;
  std::string_view untilHour, untilMinute;  // the end of a period
};

// [FMhhmm] MOD|SEV TURB [BLW|ABV nnnnFT] [TLhhmm]: turbulence forecast in an Australian trend.
struct Turbulence {
  bool severe = false;
  enum class Level : std::uint8_t { kAny, kBelow, kAbove };
  Level level = Level::kAny;
  std::string_view feet;
  std::string_view fromHour, fromMinute, untilHour, untilMinute;  // empty: not given
};

}  // namespace vantrel::values
