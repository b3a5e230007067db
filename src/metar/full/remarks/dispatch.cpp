// readRemark: the remark readers tried in order, first match wins. A reader returns a value and
// the groups it took; its wording (remark_kinds.hpp) writes the sentence. readRemarkInFrench
// writes it with the French wording (remark_words_fr.hpp); describeRemark tries them in the same
// order and gives the value decoded instead.

#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>

#include "metar/decoded.hpp"
#include "metar/full/remarks.hpp"
#include "metar/full/remarks/remark.hpp"
#include "metar/remark_words_fr.hpp"

namespace vantrel::full {
namespace {

using remarks::Context;
using remarks::Groups;

// What a reader writes the French sentence into.
struct FrenchText {
  TextBuffer& text;
};

// Reads with `read`, which takes the groups and, when its remark depends on the report, the
// context, and when it finds its remark, writes the sentence (in French into a FrenchText), or
// its decoded value when `Out` is Decoded.
template <auto read, class Out>
std::size_t readAnd(Groups gs, const Context& context, Out& out) {
  const auto r = [&] {
    if constexpr (std::is_invocable_v<decltype(read), Groups, const Context&>) {
      return read(gs, context);
    } else {
      return read(gs);
    }
  }();
  if (!r) return 0;
  if constexpr (std::is_same_v<Out, Decoded>) {
    remarks::describe(r->value, out);
  } else if constexpr (std::is_same_v<Out, FrenchText>) {
    remarks::fr::append(out.text, r->value);
  } else {
    remarks::append(out, r->value);
  }
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
  std::size_t (*readInFrench)(Groups, const Context&, FrenchText&);
  std::size_t (*describe)(Groups, const Context&, Decoded&);
};
template <auto read>
constexpr RemarkReader reader(std::string_view name, Initials first) {
  return {name, first, readAnd<read, TextBuffer>, readAnd<read, FrenchText>,
          readAnd<read, Decoded>};
}

// clang-format off
// The order matters where two forms start alike: LAST STFD before the whole remark LAST, VISNO
// RWY06 before VISNO, BIRD HAZARD RWY before the phrase BIRD HAZARD; a weather name with times
// (RAB15) before the same name placed (RA DSNT); the placed phenomenon, which takes any
// phenomenon or cloud followed by a place, last.
constexpr std::array<RemarkReader, 40> kReaders{{
    // The numeric groups (digit_groups.cpp).
    reader<remarks::readExtremeTemperature6h>("extreme temperature 6h", initials("12")),
    reader<remarks::readExtremes24h>("extremes 24h", initials("4")),
    reader<remarks::readSnowDepth>("snow depth", initials("4")),
    reader<remarks::readTendency>("tendency", initials("5")),
    reader<remarks::readAmount>("amount", initials("679PpIi")),
    reader<remarks::readSunshine>("sunshine", initials("9")),
    reader<remarks::readCloudTypes>("cloud types", initials("8")),
    reader<remarks::readCloudLayer>("cloud layer", kDigits),
    reader<remarks::readSeaLevelPressure>("sea level pressure", initials("S")),
    reader<remarks::readTemperature>("temperature", initials("T")),
    reader<remarks::readAltimeter>("altimeter", initials("A")),
    reader<remarks::readQnh>("QNH", initials("Q")),
    reader<remarks::readCloudBase>("cloud base", initials("Q")),
    reader<remarks::readQfe>("QFE", initials("Q")),
    // Forms that start like a whole remark or a phrase (others.cpp, visibility.cpp).
    reader<remarks::readLastStaffed>("last staffed", initials("L")),
    reader<remarks::readSensorAtRunway>("sensor at runway", initials("CV")),
    reader<remarks::readBirdHazard>("bird hazard", initials("B")),
    // Words (others.cpp).
    reader<remarks::readWholeRemark>("whole remark", kAny),
    reader<remarks::readColourState>("colour state", initials("BWGYARTB")),
    reader<remarks::readPhrase>("phrase", kAny),
    reader<remarks::readNosig>("NOSIG", initials("N")),
    // Lightning and wind (phenomena.cpp, wind.cpp).
    reader<remarks::readLightning>("lightning", initials("LOFC")),
    reader<remarks::readPeakWind>("peak wind", initials("P")),
    reader<remarks::readWindShift>("wind shift", initials("W")),
    reader<remarks::readPlaceWind>("wind at a place", initials("RWHTE")),
    // Visibility and sky (visibility.cpp).
    reader<remarks::readVisibility>("visibility", initials("VTS")),
    reader<remarks::readMinimumVisibility>("minimum visibility", initials("V")),
    reader<remarks::readCeiling>("ceiling", initials("C")),
    reader<remarks::readVariableSky>("variable sky", initials("FSBO")),
    reader<remarks::readObscuration>("obscuration", kAny),
    // Remarks of a few words and a value (others.cpp).
    reader<remarks::readDensityAltitude>("density altitude", initials("D")),
    reader<remarks::readCorrection>("correction", initials("C")),
    reader<remarks::readSnowIncrease>("snow increase", initials("S")),
    reader<remarks::readHailSize>("hail size", initials("G")),
    reader<remarks::readRecentWeather>("recent weather", initials("R")),
    reader<remarks::readPrecipitationMillimetres>("precipitation in millimetres", initials("P")),
    // Layers and phenomena (phenomena.cpp).
    reader<remarks::readLayerTrace>("layer trace", kAny),
    reader<remarks::readLayers>("layers", kAny),
    reader<remarks::readBeginEnd>("begin and end", kAny),
    reader<remarks::readPlacedPhenomenon>("placed phenomenon", kAny),
}};
// clang-format on

// The table tried in its order, as direct calls: a call through the table's pointers is a jump the
// processor seldom foresees. Into a TextBuffer each reader writes its sentence, into a FrenchText
// its French sentence, into a Decoded its decoded value.
template <class Out, std::size_t... I>
std::size_t readIn(Groups gs, const Context& context, Out& out, Initials initial,
                   std::index_sequence<I...>) {
  const auto tryReader = [&](const RemarkReader& reader) {
    if constexpr (std::is_same_v<Out, Decoded>) {
      return reader.describe(gs, context, out);
    } else if constexpr (std::is_same_v<Out, FrenchText>) {
      return reader.readInFrench(gs, context, out);
    } else {
      return reader.read(gs, context, out);
    }
  };
  std::size_t n = 0;
  (void)((((kReaders[I].first & initial) != 0) && (n = tryReader(kReaders[I])) != 0) || ...);
  return n;
}

// The remark that begins at groups[first], read into `out`; how many groups it took.
template <class Out>
std::size_t readFirst(std::span<const Group> groups, std::size_t first, Out& out) {
  if (first >= groups.size()) return 0;
  const Groups gs = groups.subspan(first);
  const Context context{groups.first(first)};
  const std::string_view s = gs[0].bytes();
  if (s.empty()) return 0;
  return readIn(gs, context, out, initialOf(s[0]), std::make_index_sequence<kReaders.size()>());
}

}  // namespace

std::size_t readRemark(std::span<const Group> groups, std::size_t first, TextBuffer& out) {
  return readFirst(groups, first, out);
}

std::size_t readRemarkInFrench(std::span<const Group> groups, std::size_t first, TextBuffer& out) {
  FrenchText french{out};
  return readFirst(groups, first, french);
}

std::size_t describeRemark(std::span<const Group> groups, std::size_t first, Decoded& out) {
  out.clear();
  return readFirst(groups, first, out);
}

}  // namespace vantrel::full
