#pragma once
// The recognisers of the full reading: each knows the forms of one kind of group and turns a
// group (and the groups that belong with it) into a value, with no English. kRecognisers is the
// order in which they are tried.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/section.hpp"
#include "metar/values.hpp"

namespace vantrel::full {

// What a section has met so far, which some forms depend on: a second visibility in metres is
// the minimum, a lone CB follows a cloud layer, NIL stands where the weather would.
struct SectionFacts {
  bool visibilityFound = false;
  std::string_view visibilityMetres;  // vvvv of the prevailing visibility
  bool cloudFound = false;
  bool weatherFound = false;
};

// A group's bytes upper-cased into a small buffer. Only plain ASCII groups of at most 32 bytes
// have a known form.
struct Upper {
  std::array<char, 32> chars{};
  std::size_t size = 0;
  std::string_view view() const { return {chars.data(), size}; }
};
std::optional<Upper> upper(const Group& g);

// The group at groups[i], upper-cased as `u`, in its section.
struct Context {
  std::span<const Group> groups;
  std::size_t i = 0;
  std::string_view u;
  Section section = Section::kBody;
  const SectionFacts& facts;

  const Group& group() const { return groups[i]; }
  std::string_view typed() const { return groups[i].bytes(); }
};

// Returns how many groups it took (0: not its form) and sets `value`.
using Recogniser = std::size_t (*)(const Context& c, values::GroupValue& value);

struct RecogniserEntry {
  std::string_view name;
  Recogniser read;
};

// One of these for each family, in recognise_*.cpp.
std::size_t readWind(const Context& c, values::GroupValue& value);
std::size_t readVariation(const Context& c, values::GroupValue& value);
std::size_t readMilesPair(const Context& c, values::GroupValue& value);
std::size_t readVisibility(const Context& c, values::GroupValue& value);
std::size_t readRunwayRange(const Context& c, values::GroupValue& value);
std::size_t readWeather(const Context& c, values::GroupValue& value);
std::size_t readDirections(const Context& c, values::GroupValue& value);
std::size_t readSky(const Context& c, values::GroupValue& value);
std::size_t readSplitCloud(const Context& c, values::GroupValue& value);
std::size_t readTemperature(const Context& c, values::GroupValue& value);
std::size_t readPressure(const Context& c, values::GroupValue& value);
std::size_t readSplitPressure(const Context& c, values::GroupValue& value);
std::size_t readRecentWeather(const Context& c, values::GroupValue& value);
std::size_t readSplitRecentWeather(const Context& c, values::GroupValue& value);
std::size_t readWindShear(const Context& c, values::GroupValue& value);
std::size_t readRunwayState(const Context& c, values::GroupValue& value);
std::size_t readSea(const Context& c, values::GroupValue& value);
std::size_t readColourState(const Context& c, values::GroupValue& value);
std::size_t readRainfall(const Context& c, values::GroupValue& value);
std::size_t readNilWeather(const Context& c, values::GroupValue& value);
std::size_t readElementNotReported(const Context& c, values::GroupValue& value);

// The order they are tried in: the first that takes the group reads it. A form that two of
// them would both take is a fault, which a test looks for over every documented form.
//   wind before variation: neither takes the other's form, the cheapest test first;
//   the miles pair (1 1/2SM) before the visibility, which would take the 1 alone;
//   the visibility before the runway range and the weather (CAVOK, 9999);
//   directions (CB TO N) before the sky, which would take the CB alone;
//   the sky before the split groups (FEW 019), the temperature and the pressure;
//   then the supplementary groups, and last the lone markers (NIL, M, /).
inline constexpr std::array<RecogniserEntry, 21> kRecognisers{{
    {"wind", readWind},
    {"wind variation", readVariation},
    {"visibility in miles over two groups", readMilesPair},
    {"visibility", readVisibility},
    {"runway visual range", readRunwayRange},
    {"present weather", readWeather},
    {"clouds or weather placed by directions", readDirections},
    {"sky", readSky},
    {"cloud layer over two groups", readSplitCloud},
    {"temperature", readTemperature},
    {"pressure", readPressure},
    {"pressure over two groups", readSplitPressure},
    {"recent weather", readRecentWeather},
    {"recent weather over two groups", readSplitRecentWeather},
    {"wind shear", readWindShear},
    {"runway state", readRunwayState},
    {"sea", readSea},
    {"colour state", readColourState},
    {"rainfall", readRainfall},
    {"no weather", readNilWeather},
    {"element not reported", readElementNotReported},
}};

// The value of the group at c.i, tried in the order above: how many groups it took (0: none).
std::size_t recognise(const Context& c, values::GroupValue& value);

// FMhhmm TLhhmm AThhmm of a trend section.
std::optional<values::TrendTime> readTrendTime(const Group& g);

// [M]TT in capitals and as typed (also -T, as some stations write M0T), or not reported (empty,
// // or ///): the air, dew point and sea temperatures.
std::optional<values::Degrees> degreesOf(std::string_view u, std::string_view typed);

}  // namespace vantrel::full
