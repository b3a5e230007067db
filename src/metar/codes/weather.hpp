#pragma once
// The present-weather code (WMO FM 15, code table 4678): intensity, proximity, a descriptor and
// up to four phenomena. One table of codes for both readings, the body and the remarks; what
// each code is called lives with the wording.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantrel::codes {

enum class Intensity : std::uint8_t { kNone, kLight, kHeavy };

// The first 21 in the order the classic reading compares them, which is the order of its
// sentence tables; then the codes only the full reading knows.
enum class Phenomenon : std::uint8_t {
  kRA,
  kDZ,
  kSN,
  kPE,
  kSG,
  kIC,
  kUP,
  kGR,
  kGS,
  kSQ,
  kFG,
  kBR,
  kFU,
  kDU,
  kSA,
  kHZ,
  kPY,
  kVA,
  kSS,
  kDS,
  kFC,
  kPL,
  kPO,
};
inline constexpr std::size_t kClassicPhenomena = 21;
inline constexpr std::array<std::string_view, 23> kPhenomenonCodes = {
    "RA", "DZ", "SN", "PE", "SG", "IC", "UP", "GR", "GS", "SQ", "FG", "BR",
    "FU", "DU", "SA", "HZ", "PY", "VA", "SS", "DS", "FC", "PL", "PO"};

// The first 7 in the classic reading's order; then PR, which only the full reading knows.
enum class Descriptor : std::uint8_t { kTS, kDR, kSH, kFZ, kMI, kBC, kBL, kPR, kNone };
inline constexpr std::size_t kClassicDescriptors = 7;
inline constexpr std::array<std::string_view, 8> kDescriptorCodes = {"TS", "DR", "SH", "FZ",
                                                                     "MI", "BC", "BL", "PR"};
// SH goes only with the precipitation, RA to GS in the classic order.
inline constexpr std::size_t kShowerPhenomena = 9;

// The phenomenon or descriptor of two letters in any case, or nothing.
std::optional<Phenomenon> phenomenonOf(std::string_view twoLetters) noexcept;
std::optional<Descriptor> descriptorOf(std::string_view twoLetters) noexcept;

constexpr std::string_view codeOf(Phenomenon p) noexcept {
  return kPhenomenonCodes[static_cast<std::size_t>(p)];
}

// One weather group, or the weather name inside a remark.
struct WeatherCode {
  Intensity intensity = Intensity::kNone;
  bool vicinity = false;  // VC: in the vicinity, not at the aerodrome
  Descriptor descriptor = Descriptor::kNone;
  std::array<Phenomenon, 4> phenomena{};
  std::size_t count = 0;  // 0: the descriptor alone (TS, SH)

  bool has(Descriptor d) const noexcept { return descriptor == d; }
};

// Whether the classic reading's sentence tables hold `code`: one of their phenomena alone, or
// with one of their descriptors (SH with the first 9 only), with or without an intensity, no VC,
// and not +FC (a tornado).
constexpr bool inClassicTables(const WeatherCode& code) noexcept {
  if (code.vicinity || code.count != 1) return false;
  const auto p = static_cast<std::size_t>(code.phenomena[0]);
  if (code.descriptor == Descriptor::kNone) {
    return p < kClassicPhenomena &&
           !(code.intensity == Intensity::kHeavy && code.phenomena[0] == Phenomenon::kFC);
  }
  const std::size_t count = code.has(Descriptor::kSH) ? kShowerPhenomena : kClassicPhenomena;
  return static_cast<std::size_t>(code.descriptor) < kClassicDescriptors && p < count;
}

// A whole group [-|+][VC][descriptor]phenomena in capitals, or nothing: at most four
// phenomena, and a descriptor alone only when it means something alone (TS, SH). The intensity
// and VC are read only with `withIntensity` (recent weather has neither).
std::optional<WeatherCode> weatherCodeOf(std::string_view upper, bool withIntensity) noexcept;
// The same, written into `code` (as made, with no intensity and no phenomena): false when it is
// no weather code, and `code` then holds whatever was read.
bool readWeatherCode(std::string_view upper, bool withIntensity, WeatherCode& code) noexcept;

// A weather name at `pos` of a remark group, in any case ([-|+][VC][descriptor]phenomena, up to
// three phenomena, a descriptor only before a phenomenon, TS alone a thunderstorm): its end, or
// `pos` when none starts there. SH alone reads as showers.
std::size_t readWeatherName(std::string_view s, std::size_t pos, WeatherCode& code) noexcept;

}  // namespace vantrel::codes
