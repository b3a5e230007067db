// readRemark: the remark readers tried in order, first match wins. A reader returns a value and
// the groups it took; its wording (remark_words.hpp) writes the sentence.

#include <array>
#include <cstdint>
#include <string_view>

#include "metar/full/remarks.hpp"
#include "metar/full/remarks/remark.hpp"
#include "metar/remark_words.hpp"

namespace vantrel::full {
namespace {

using remarks::Groups;
using remarks::Reading;

// Reads with `read` and, when it finds its remark, writes the sentence.
template <class Value, Reading<Value> (*read)(Groups)>
std::size_t readAndWord(Groups gs, TextBuffer& out) {
  const Reading<Value> r = read(gs);
  if (!r) return 0;
  remark_words::append(out, r->value);
  return r->groups;
}

// The first characters a remark can start with, as bits (A-Z, then 0-9, in any case); none:
// any character.
using Initials = std::uint64_t;
constexpr Initials initialOf(char c) {
  const char u = asciiUpper(c);
  if (u >= 'A' && u <= 'Z') return Initials{1} << static_cast<unsigned>(u - 'A');
  if (u >= '0' && u <= '9') return Initials{1} << static_cast<unsigned>(26 + u - '0');
  return Initials{1} << 36U;  // another character: $, - and +
}
constexpr Initials initials(std::string_view chars) {
  Initials bits = 0;
  for (const char c : chars) bits |= initialOf(c);
  return bits;
}
constexpr Initials kAny = ~Initials{0};
constexpr Initials kDigits = initials("0123456789");

struct RemarkReader {
  std::string_view name;
  Initials first;  // what the remark's first group can start with
  std::size_t (*read)(Groups, TextBuffer&);
};

// clang-format off
// The order matters where two forms start alike: LAST STFD before the whole remark LAST, VISNO
// RWY06 before VISNO, BIRD HAZARD RWY before the phrase BIRD HAZARD; a weather name with times
// (RAB15) before the same name placed (RA DSNT); the placed phenomenon, which takes any
// phenomenon or cloud followed by a place, last.
constexpr std::array<RemarkReader, 40> kReaders{{
    // The numeric groups (digit_groups.cpp).
    {"extreme temperature 6h", initials("12"), readAndWord<remarks::ExtremeTemperature6h, remarks::readExtremeTemperature6h>},
    {"extremes 24h", initials("4"), readAndWord<remarks::Extremes24h, remarks::readExtremes24h>},
    {"snow depth", initials("4"), readAndWord<remarks::SnowDepth, remarks::readSnowDepth>},
    {"tendency", initials("5"), readAndWord<remarks::Tendency, remarks::readTendency>},
    {"amount", initials("679PpIi"), readAndWord<remarks::Amount, remarks::readAmount>},
    {"sunshine", initials("9"), readAndWord<remarks::Sunshine, remarks::readSunshine>},
    {"cloud types", initials("8"), readAndWord<remarks::CloudTypes, remarks::readCloudTypes>},
    {"cloud layer", kDigits, readAndWord<remarks::CloudLayer, remarks::readCloudLayer>},
    {"sea level pressure", initials("S"), readAndWord<remarks::SeaLevelPressure, remarks::readSeaLevelPressure>},
    {"temperature", initials("T"), readAndWord<remarks::Temperature, remarks::readTemperature>},
    {"altimeter", initials("A"), readAndWord<remarks::Altimeter, remarks::readAltimeter>},
    {"QNH", initials("Q"), readAndWord<remarks::Qnh, remarks::readQnh>},
    {"cloud base", initials("Q"), readAndWord<remarks::CloudBase, remarks::readCloudBase>},
    {"QFE", initials("Q"), readAndWord<remarks::Qfe, remarks::readQfe>},
    // Forms that start like a whole remark or a phrase (others.cpp, visibility.cpp).
    {"last staffed", initials("L"), readAndWord<remarks::LastStaffed, remarks::readLastStaffed>},
    {"sensor at runway", initials("CV"), readAndWord<remarks::SensorAtRunway, remarks::readSensorAtRunway>},
    {"bird hazard", initials("B"), readAndWord<remarks::BirdHazard, remarks::readBirdHazard>},
    // Words (others.cpp).
    {"whole remark", kAny, readAndWord<remarks::WholeRemark, remarks::readWholeRemark>},
    {"colour state", initials("BWGYARTB"), readAndWord<remarks::ColourState, remarks::readColourState>},
    {"phrase", kAny, readAndWord<remarks::Phrase, remarks::readPhrase>},
    {"NOSIG", initials("N"), readAndWord<remarks::Nosig, remarks::readNosig>},
    // Lightning and wind (phenomena.cpp, wind.cpp).
    {"lightning", initials("LOFC"), readAndWord<remarks::Lightning, remarks::readLightning>},
    {"peak wind", initials("P"), readAndWord<remarks::PeakWind, remarks::readPeakWind>},
    {"wind shift", initials("W"), readAndWord<remarks::WindShift, remarks::readWindShift>},
    {"wind at a place", initials("RWHTE"), readAndWord<remarks::PlaceWind, remarks::readPlaceWind>},
    // Visibility and sky (visibility.cpp).
    {"visibility", initials("VTS"), readAndWord<remarks::Visibility, remarks::readVisibility>},
    {"minimum visibility", initials("V"), readAndWord<remarks::MinimumVisibility, remarks::readMinimumVisibility>},
    {"ceiling", initials("C"), readAndWord<remarks::Ceiling, remarks::readCeiling>},
    {"variable sky", initials("FSBO"), readAndWord<remarks::VariableSky, remarks::readVariableSky>},
    {"obscuration", kAny, readAndWord<remarks::Obscuration, remarks::readObscuration>},
    // Remarks of a few words and a value (others.cpp).
    {"density altitude", initials("D"), readAndWord<remarks::DensityAltitude, remarks::readDensityAltitude>},
    {"correction", initials("C"), readAndWord<remarks::Correction, remarks::readCorrection>},
    {"snow increase", initials("S"), readAndWord<remarks::SnowIncrease, remarks::readSnowIncrease>},
    {"hail size", initials("G"), readAndWord<remarks::HailSize, remarks::readHailSize>},
    {"recent weather", initials("R"), readAndWord<remarks::RecentWeather, remarks::readRecentWeather>},
    {"precipitation in millimetres", initials("P"), readAndWord<remarks::PrecipitationMillimetres, remarks::readPrecipitationMillimetres>},
    // Layers and phenomena (phenomena.cpp).
    {"layer trace", kAny, readAndWord<remarks::LayerTrace, remarks::readLayerTrace>},
    {"layers", kAny, readAndWord<remarks::Layers, remarks::readLayers>},
    {"begin and end", kAny, readAndWord<remarks::BeginEnd, remarks::readBeginEnd>},
    {"placed phenomenon", kAny, readAndWord<remarks::PlacedPhenomenon, remarks::readPlacedPhenomenon>},
}};
// clang-format on

}  // namespace

std::size_t readRemark(std::span<const Group> groups, std::size_t first, TextBuffer& out) {
  if (first >= groups.size()) return 0;
  const Groups gs = groups.subspan(first);
  const std::string_view s = gs[0].bytes();
  if (s.empty()) return 0;
  const Initials initial = initialOf(s[0]);
  for (const RemarkReader& r : kReaders) {
    if ((r.first & initial) == 0) continue;
    if (const std::size_t n = r.read(gs, out); n != 0) return n;
  }
  return 0;
}

}  // namespace vantrel::full
