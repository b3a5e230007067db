#include "metar/codes/weather.hpp"

#include <array>
#include <cstdint>

#include "metar/codes/chars.hpp"

namespace vantrel::codes {
namespace {

// For each pair of capitals, the phenomenon and the descriptor it is, each as its place in its
// table plus one (0: none): one look-up where a search of the tables took a test a code.
struct PairCodes {
  std::array<std::uint8_t, 26 * 26> phenomenon{};
  std::array<std::uint8_t, 26 * 26> descriptor{};
};
constexpr std::size_t pairAt(std::string_view code) {
  return static_cast<std::size_t>(code[0] - 'A') * 26 + static_cast<std::size_t>(code[1] - 'A');
}
constexpr PairCodes kPairCodes = [] {
  PairCodes pairs;
  for (std::size_t i = 0; i < kPhenomenonCodes.size(); ++i) {
    pairs.phenomenon[pairAt(kPhenomenonCodes[i])] = static_cast<std::uint8_t>(i + 1);
  }
  for (std::size_t i = 0; i < kDescriptorCodes.size(); ++i) {
    pairs.descriptor[pairAt(kDescriptorCodes[i])] = static_cast<std::uint8_t>(i + 1);
  }
  return pairs;
}();

// The place of two letters in any case among the pairs, or the size of the table.
std::size_t pairOf(std::string_view s) {
  if (s.size() != 2) return kPairCodes.phenomenon.size();
  const unsigned a = static_cast<unsigned char>(asciiUpper(s[0])) - unsigned{'A'};
  const unsigned b = static_cast<unsigned char>(asciiUpper(s[1])) - unsigned{'A'};
  if (a >= 26 || b >= 26) return kPairCodes.phenomenon.size();
  return std::size_t{a} * 26 + b;
}

template <class Code>
std::optional<Code> codeAt(const std::array<std::uint8_t, 26 * 26>& codes, std::size_t pair) {
  if (pair >= codes.size() || codes[pair] == 0) return std::nullopt;
  return static_cast<Code>(codes[pair] - 1);
}

}  // namespace

std::optional<Phenomenon> phenomenonOf(std::string_view twoLetters) noexcept {
  return codeAt<Phenomenon>(kPairCodes.phenomenon, pairOf(twoLetters));
}

std::optional<Descriptor> descriptorOf(std::string_view twoLetters) noexcept {
  return codeAt<Descriptor>(kPairCodes.descriptor, pairOf(twoLetters));
}

bool readWeatherCode(std::string_view u, bool withIntensity, WeatherCode& code) noexcept {
  // Weather codes are letters, after a sign: anything else is some other group.
  for (const char c : u) {
    if ((c < 'A' || c > 'Z') && c != '-' && c != '+') return false;
  }
  if (withIntensity) {
    if (u.starts_with('-') || u.starts_with('+')) {
      code.intensity = u[0] == '-' ? Intensity::kLight : Intensity::kHeavy;
      u.remove_prefix(1);
    }
    if (u.starts_with("VC")) {
      code.vicinity = true;
      u.remove_prefix(2);
    }
  }
  if (u.empty() || u.size() % 2 != 0 || u.size() > 10) return false;
  if (const std::optional<Descriptor> d =
          codeAt<Descriptor>(kPairCodes.descriptor, pairOf(u.substr(0, 2)))) {
    code.descriptor = *d;
    u.remove_prefix(2);
  }
  while (!u.empty()) {
    const std::optional<Phenomenon> p =
        codeAt<Phenomenon>(kPairCodes.phenomenon, pairOf(u.substr(0, 2)));
    if (!p || code.count == code.phenomena.size()) return false;
    code.phenomena[code.count++] = *p;
    u.remove_prefix(2);
  }
  // A descriptor alone means something only for a thunderstorm or showers.
  return code.count != 0 || code.has(Descriptor::kTS) || code.has(Descriptor::kSH);
}

std::optional<WeatherCode> weatherCodeOf(std::string_view u, bool withIntensity) noexcept {
  WeatherCode code;
  if (!readWeatherCode(u, withIntensity, code)) return std::nullopt;
  return code;
}

std::size_t readWeatherName(std::string_view s, std::size_t pos, WeatherCode& code) noexcept {
  code = {};
  std::size_t p = pos;
  auto pairAt = [&s](std::size_t at) {
    return at + 2 <= s.size() ? s.substr(at, 2) : std::string_view();
  };
  if (p < s.size() && (s[p] == '-' || s[p] == '+')) {
    code.intensity = s[p] == '-' ? Intensity::kLight : Intensity::kHeavy;
    ++p;
  }
  if (is(pairAt(p), "VC")) {
    code.vicinity = true;
    p += 2;
  }
  // TS counts as a phenomenon here: a thunderstorm begins and ends like rain does.
  auto isName = [](std::string_view pair) { return phenomenonOf(pair) || is(pair, "TS"); };
  if (isName(pairAt(p + 2))) {
    if (const std::optional<Descriptor> d = descriptorOf(pairAt(p))) {
      code.descriptor = *d;
      p += 2;
    }
  }
  bool thunderstorm = false;
  while (code.count < 3 && !thunderstorm) {
    const std::string_view pair = pairAt(p);
    if (const std::optional<Phenomenon> ph = phenomenonOf(pair)) {
      code.phenomena[code.count++] = *ph;
    } else if (is(pair, "TS") && code.count == 0 && code.descriptor == Descriptor::kNone) {
      code.descriptor = Descriptor::kTS;  // TS alone: a thunderstorm
      thunderstorm = true;
    } else {
      break;
    }
    p += 2;
  }
  const bool alone = code.count == 0 && (thunderstorm || code.has(Descriptor::kSH));
  if (code.count == 0 && !alone) {
    code = {};
    return pos;
  }
  return p;
}

}  // namespace vantrel::codes
