// readRemark: the remark readers tried in order, first match wins. A reader returns a value and
// the groups it took; its wording (remark_kinds.hpp) writes the sentence.

#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>

#include "metar/full/remarks.hpp"
#include "metar/full/remarks/remark.hpp"

namespace vantrel::full {
namespace {

using remarks::Context;
using remarks::Groups;

// Reads with `read`, which takes the groups and, when its remark depends on the report, the
// context, and when it finds its remark, writes the sentence.
template <auto read>
std::size_t readAndWord(Groups gs, const Context& context, TextBuffer& out) {
  const auto r = [&] {
    if constexpr (std::is_invocable_v<decltype(read), Groups, const Context&>) {
      return read(gs, context);
    } else {
      return read(gs);
    }
  }();
  if (!r) return 0;
  remarks::append(out, r->value);
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
  std::size_t (*read)(Groups, const Context&, TextBuffer&);
};

// clang-format off
// The order matters where two forms start alike: LAST STFD before the whole remark LAST, VISNO
// RWY06 before VISNO, BIRD HAZARD RWY before the phrase BIRD HAZARD; a weather name with times
// (RAB15) before the same name placed (RA DSNT); the placed phenomenon, which takes any
// phenomenon or cloud followed by a place, last.
constexpr std::array<RemarkReader, 40> kReaders{{
    // The numeric groups (digit_groups.cpp).
    {"extreme temperature 6h", initials("12"), readAndWord<remarks::readExtremeTemperature6h>},
    {"extremes 24h", initials("4"), readAndWord<remarks::readExtremes24h>},
    {"snow depth", initials("4"), readAndWord<remarks::readSnowDepth>},
    {"tendency", initials("5"), readAndWord<remarks::readTendency>},
    {"amount", initials("679PpIi"), readAndWord<remarks::readAmount>},
    {"sunshine", initials("9"), readAndWord<remarks::readSunshine>},
    {"cloud types", initials("8"), readAndWord<remarks::readCloudTypes>},
    {"cloud layer", kDigits, readAndWord<remarks::readCloudLayer>},
    {"sea level pressure", initials("S"), readAndWord<remarks::readSeaLevelPressure>},
    {"temperature", initials("T"), readAndWord<remarks::readTemperature>},
    {"altimeter", initials("A"), readAndWord<remarks::readAltimeter>},
    {"QNH", initials("Q"), readAndWord<remarks::readQnh>},
    {"cloud base", initials("Q"), readAndWord<remarks::readCloudBase>},
    {"QFE", initials("Q"), readAndWord<remarks::readQfe>},
    // Forms that start like a whole remark or a phrase (others.cpp, visibility.cpp).
    {"last staffed", initials("L"), readAndWord<remarks::readLastStaffed>},
    {"sensor at runway", initials("CV"), readAndWord<remarks::readSensorAtRunway>},
    {"bird hazard", initials("B"), readAndWord<remarks::readBirdHazard>},
    // Words (others.cpp).
    {"whole remark", kAny, readAndWord<remarks::readWholeRemark>},
    {"colour state", initials("BWGYARTB"), readAndWord<remarks::readColourState>},
    {"phrase", kAny, readAndWord<remarks::readPhrase>},
    {"NOSIG", initials("N"), readAndWord<remarks::readNosig>},
    // Lightning and wind (phenomena.cpp, wind.cpp).
    {"lightning", initials("LOFC"), readAndWord<remarks::readLightning>},
    {"peak wind", initials("P"), readAndWord<remarks::readPeakWind>},
    {"wind shift", initials("W"), readAndWord<remarks::readWindShift>},
    {"wind at a place", initials("RWHTE"), readAndWord<remarks::readPlaceWind>},
    // Visibility and sky (visibility.cpp).
    {"visibility", initials("VTS"), readAndWord<remarks::readVisibility>},
    {"minimum visibility", initials("V"), readAndWord<remarks::readMinimumVisibility>},
    {"ceiling", initials("C"), readAndWord<remarks::readCeiling>},
    {"variable sky", initials("FSBO"), readAndWord<remarks::readVariableSky>},
    {"obscuration", kAny, readAndWord<remarks::readObscuration>},
    // Remarks of a few words and a value (others.cpp).
    {"density altitude", initials("D"), readAndWord<remarks::readDensityAltitude>},
    {"correction", initials("C"), readAndWord<remarks::readCorrection>},
    {"snow increase", initials("S"), readAndWord<remarks::readSnowIncrease>},
    {"hail size", initials("G"), readAndWord<remarks::readHailSize>},
    {"recent weather", initials("R"), readAndWord<remarks::readRecentWeather>},
    {"precipitation in millimetres", initials("P"), readAndWord<remarks::readPrecipitationMillimetres>},
    // Layers and phenomena (phenomena.cpp).
    {"layer trace", kAny, readAndWord<remarks::readLayerTrace>},
    {"layers", kAny, readAndWord<remarks::readLayers>},
    {"begin and end", kAny, readAndWord<remarks::readBeginEnd>},
    {"placed phenomenon", kAny, readAndWord<remarks::readPlacedPhenomenon>},
}};
// clang-format on

// The table tried in its order, as direct calls: a call through the table's pointers is a jump the
// processor seldom foresees.
template <std::size_t... I>
std::size_t readIn(Groups gs, const Context& context, TextBuffer& out, Initials initial,
                   std::index_sequence<I...>) {
  std::size_t n = 0;
  (void)((((kReaders[I].first & initial) != 0) && (n = kReaders[I].read(gs, context, out)) != 0) ||
         ...);
  return n;
}

}  // namespace

std::size_t readRemark(std::span<const Group> groups, std::size_t first, TextBuffer& out) {
  if (first >= groups.size()) return 0;
  const Groups gs = groups.subspan(first);
  const Context context{groups.first(first)};
  const std::string_view s = gs[0].bytes();
  if (s.empty()) return 0;
  return readIn(gs, context, out, initialOf(s[0]), std::make_index_sequence<kReaders.size()>());
}

}  // namespace vantrel::full
