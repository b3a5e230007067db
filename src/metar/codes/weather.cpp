#include "metar/codes/weather.hpp"

#include "metar/codes/chars.hpp"

namespace vantrel::codes {
namespace {

template <class Code, std::size_t N>
std::optional<Code> find(const std::array<std::string_view, N>& codes, std::string_view s) {
  for (std::size_t i = 0; i < N; ++i) {
    if (is(s, codes[i])) return static_cast<Code>(i);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Phenomenon> phenomenonOf(std::string_view twoLetters) noexcept {
  return find<Phenomenon>(kPhenomenonCodes, twoLetters);
}

std::optional<Descriptor> descriptorOf(std::string_view twoLetters) noexcept {
  return find<Descriptor>(kDescriptorCodes, twoLetters);
}

std::optional<WeatherCode> weatherCodeOf(std::string_view u, bool withIntensity) noexcept {
  // Weather codes are letters, after a sign: anything else is some other group.
  for (const char c : u) {
    if ((c < 'A' || c > 'Z') && c != '-' && c != '+') return std::nullopt;
  }
  WeatherCode code;
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
  if (u.empty() || u.size() % 2 != 0 || u.size() > 10) return std::nullopt;
  if (const std::optional<Descriptor> d = descriptorOf(u.substr(0, 2))) {
    code.descriptor = *d;
    u.remove_prefix(2);
  }
  while (!u.empty()) {
    const std::optional<Phenomenon> p = phenomenonOf(u.substr(0, 2));
    if (!p || code.count == code.phenomena.size()) return std::nullopt;
    code.phenomena[code.count++] = *p;
    u.remove_prefix(2);
  }
  // A descriptor alone means something only for a thunderstorm or showers.
  if (code.count == 0 && !code.has(Descriptor::kTS) && !code.has(Descriptor::kSH)) {
    return std::nullopt;
  }
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
