#pragma once
// The recognisers of the full reading: each knows the forms of one kind of group and turns a
// group (and the groups that belong with it) into a value, with no English. kRecognisers is the
// order in which they are tried.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/section.hpp"
#include "metar/text.hpp"
#include "metar/values.hpp"

namespace vantrel::full {

// What a section has met so far, which some forms depend on: a second visibility in metres is
// the minimum, a lone CB follows a cloud layer, NIL stands where the weather would.
struct SectionFacts {
  bool anyRead = false;  // nothing yet: the group stands where the wind does
  bool windFound = false;
  bool visibilityFound = false;
  std::string_view visibilityMetres;  // vvvv of the prevailing visibility
  std::size_t visibilityEnd = 0;      // the group after the last visibility group read
  bool cloudFound = false;
  bool weatherFound = false;
  bool temperatureFound = false;
  bool colourStateFound = false;
};

// A group's bytes upper-cased into a small buffer. Only plain ASCII groups of at most 32 bytes
// have a known form.
struct Upper {
  std::array<char, 32> chars{};
  std::size_t size = 0;
  std::string_view view() const { return {chars.data(), size}; }
};

// The `n` bytes at `p` (1 to 8) as one word in memory order, the bytes past them 'A'. Built in a
// register from loads of the group itself: a word read back from smaller stores just made would
// wait for them to reach the cache.
inline std::uint64_t wordOf(const char* p, std::size_t n) {
  constexpr std::uint64_t kFill = 0x0101010101010101ULL * 'A';
  std::uint64_t w = kFill;
  if (n >= 8) {
    std::memcpy(&w, p, 8);
    return w;
  }
  if constexpr (std::endian::native == std::endian::little) {
    if (n >= 4) {
      // Two loads of four that overlap when n is below 8.
      std::uint32_t head, tail;
      std::memcpy(&head, p, 4);
      std::memcpy(&tail, p + n - 4, 4);
      w = head | (std::uint64_t{tail} << (8 * (n - 4)));
    } else {
      // The first, the middle and the last byte.
      w = std::uint64_t{static_cast<unsigned char>(p[0])} |
          std::uint64_t{static_cast<unsigned char>(p[n / 2])} << (8 * (n / 2)) |
          std::uint64_t{static_cast<unsigned char>(p[n - 1])} << (8 * (n - 1));
    }
    const std::uint64_t mine = (std::uint64_t{1} << (8 * n)) - 1;
    return (w & mine) | (kFill & ~mine);
  } else {
    std::array<char, 8> bytes;
    bytes.fill('A');
    std::memcpy(bytes.data(), p, n);
    std::memcpy(&w, bytes.data(), 8);
    return w;
  }
}

// Only the words the group reaches are written. Returned through one named optional, which the
// caller's object is: a copy of the buffer would read it back wider than it was written.
inline std::optional<Upper> upper(const Group& g) {
  std::optional<Upper> result;
  const std::string_view b = g.bytes();
  if (b.size() > 32 || b.size() != g.size()) return result;
  Upper& u = result.emplace();
  u.size = b.size();
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = kOnes * 0x80U;
  for (std::size_t at = 0; at < b.size(); at += 8) {
    std::uint64_t w = wordOf(b.data() + at, b.size() - at);
    // A control byte or a space (below 0x21), or DEL and beyond (0x7F and above): no code.
    const std::uint64_t below = (w - kOnes * 0x21U) & ~w & kHighs;
    const std::uint64_t above = ((w & ~kHighs) + kOnes * (0x80U - 0x7FU)) | w;
    if ((below | (above & kHighs)) != 0) {
      result.reset();
      return result;
    }
    // a to z lose their 0x20.
    const std::uint64_t fromA = w + kOnes * (0x80U - 'a');
    const std::uint64_t pastZ = w + kOnes * (0x80U - 'z' - 1);
    w ^= ((fromA & ~pastZ) & kHighs) >> 2;
    std::memcpy(u.chars.data() + at, &w, 8);
  }
  return result;
}

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

// ///// stands for a whole group not reported: the wind where the wind stands (the first group of
// a section), the temperature where it stands (before the pressure, or last, when none was read),
// and elsewhere a group whose kind its place does not tell.
enum class MissingGroup { kWind, kTemperature, kOther };
MissingGroup missingGroupAt(const Context& c);

// Returns how many groups it took (0: not its form) and sets `value`.
using Recogniser = std::size_t (*)(const Context& c, values::GroupValue& value);

struct RecogniserEntry {
  std::string_view name;
  std::string_view starts;  // every character a group of its forms can begin with, in capitals
  Recogniser read;
};

// One of these for each family, in recognise_*.cpp.
[[gnu::hot]] std::size_t readWind(const Context& c, values::GroupValue& value);
[[gnu::hot]] std::size_t readVariation(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readMilesPair(const Context& c, values::GroupValue& value);
[[gnu::hot]] std::size_t readVisibility(const Context& c, values::GroupValue& value);
[[gnu::hot]] std::size_t readRunwayRange(const Context& c, values::GroupValue& value);
[[gnu::hot]] std::size_t readWeather(const Context& c, values::GroupValue& value);
[[gnu::hot]] std::size_t readDirections(const Context& c, values::GroupValue& value);
[[gnu::hot]] std::size_t readSky(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readSplitCloud(const Context& c, values::GroupValue& value);
[[gnu::hot]] std::size_t readTemperature(const Context& c, values::GroupValue& value);
[[gnu::hot]] std::size_t readPressure(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readSplitPressure(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readRecentWeather(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readSplitRecentWeather(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readWindShear(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readRunwayState(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readSea(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readColourState(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readRainfall(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readNilWeather(const Context& c, values::GroupValue& value);
[[gnu::cold]] std::size_t readElementNotReported(const Context& c, values::GroupValue& value);

// The order they are tried in: the first that takes the group reads it. A form that two of
// them would both take is a fault, which a test looks for over every documented form.
//   wind before variation: neither takes the other's form, the cheapest test first;
//   the miles pair (1 1/2SM) before the visibility, which would take the 1 alone;
//   the visibility before the runway range and the weather (CAVOK, 9999);
//   directions (CB TO N) before the sky, which would take the CB alone;
//   the sky before the split groups (FEW 019), the temperature and the pressure;
//   then the supplementary groups, and last the lone markers (NIL, M, /).
inline constexpr std::string_view kDigits = "0123456789";
inline constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::array<RecogniserEntry, 21> kRecognisers{{
    {"wind", "0123456789V/", readWind},
    {"wind variation", "0123456789/", readVariation},
    {"visibility in miles over two groups", kDigits, readMilesPair},
    {"visibility", "0123456789CMP/", readVisibility},
    {"runway visual range", "R", readRunwayRange},
    {"present weather", "ABCDEFGHIJKLMNOPQRSTUVWXYZ+-/", readWeather},
    {"clouds or weather placed by directions", kLetters, readDirections},
    {"sky", "BCFNOSTV/", readSky},
    {"cloud layer over two groups", "BFOS", readSplitCloud},
    {"temperature", "0123456789M/-", readTemperature},
    {"pressure", "AQ", readPressure},
    {"pressure over two groups", "Q", readSplitPressure},
    {"recent weather", "R", readRecentWeather},
    {"recent weather over two groups", "R", readSplitRecentWeather},
    {"wind shear", "W", readWindShear},
    {"runway state", "0123456789RS", readRunwayState},
    {"sea", "W", readSea},
    {"colour state", "ABGRWY", readColourState},
    {"rainfall", "R", readRainfall},
    {"no weather", "N", readNilWeather},
    {"element not reported", "M/", readElementNotReported},
}};

// For each first character, the recognisers that may take a group beginning with it, as bits in
// the order of the table: a group is offered only to those.
inline constexpr std::array<std::uint32_t, 128> kRecognisersByFirst = [] {
  std::array<std::uint32_t, 128> bits{};
  for (std::size_t r = 0; r < kRecognisers.size(); ++r) {
    for (const char c : kRecognisers[r].starts) {
      bits[static_cast<unsigned char>(c)] |= std::uint32_t{1} << r;
    }
  }
  return bits;
}();

// The value of the group at c.i, tried in the order above: how many groups it took (0: none).
[[gnu::hot]] std::size_t recognise(const Context& c, values::GroupValue& value);

// The times of a trend section at groups[i]: FMhhmm TLhhmm AThhmm, FM hhmm written apart, and the
// period hhmm/hhmm of an Australian section. Returns how many groups it took.
std::size_t readTrendTime(std::span<const Group> groups, std::size_t i, values::TrendTime& time);
// [FMhhmm] MOD|SEV TURB [BLW|ABV nnnnFT] [TLhhmm] in a trend section.
std::size_t readTurbulence(std::span<const Group> groups, std::size_t i, values::Turbulence& out);

// [M]TT in capitals and as typed (also -T, as some stations write M0T), or not reported (empty,
// // or ///): the air, dew point and sea temperatures.
std::optional<values::Degrees> degreesOf(std::string_view u, std::string_view typed);

}  // namespace vantrel::full
