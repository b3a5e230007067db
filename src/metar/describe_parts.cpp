#include "metar/describe_parts.hpp"

#include <cstdint>

#include "metar/codes/chars.hpp"
#include "metar/text.hpp"

namespace vantrel::describing {

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = asciiUpper(c);
  return out;
}

std::string_view compassCode(codes::Compass c) {
  return codes::kCompassCodes[static_cast<std::size_t>(c)];
}

std::string_view intensityCode(const codes::WeatherCode& code) {
  switch (code.intensity) {
    case codes::Intensity::kLight:
      return "-";
    case codes::Intensity::kHeavy:
      return "+";
    case codes::Intensity::kNone:
      break;
  }
  return {};
}

std::string_view descriptorCode(const codes::WeatherCode& code) {
  if (code.descriptor == codes::Descriptor::kNone) return {};
  return codes::kDescriptorCodes[static_cast<std::size_t>(code.descriptor)];
}

std::string phenomenaCodes(const codes::WeatherCode& code) {
  std::string out;
  for (std::size_t i = 0; i < code.count; ++i) {
    if (i != 0) out += ' ';
    out += codes::codeOf(code.phenomena[i]);
  }
  return out;
}

std::string weatherCode(const codes::WeatherCode& code) {
  std::string out(intensityCode(code));
  if (code.vicinity) out += "VC";
  out += descriptorCode(code);
  for (std::size_t i = 0; i < code.count; ++i) out += codes::codeOf(code.phenomena[i]);
  return out;
}

std::string feetOfHundreds(std::string_view hundreds) {
  if (hundreds.empty()) return {};
  std::string out(hundreds);
  out += "00";
  return out;
}

std::string scaled(std::string_view digits, std::size_t decimals, bool negative) {
  std::string out;
  if (digits.empty()) return out;
  if (negative) out += '-';
  if (digits.size() <= decimals) {
    out += '0';
    out += '.';
    out.append(decimals - digits.size(), '0');
    out += digits;
    return out;
  }
  out += digits.substr(0, digits.size() - decimals);
  if (decimals != 0) {
    out += '.';
    out += digits.substr(digits.size() - decimals);
  }
  return out;
}

namespace {

// At most nine digits: the sum below cannot overflow.
bool smallNumber(std::string_view digits, std::uint64_t& n) {
  if (digits.size() > 9 || !codes::allDigits(digits)) return false;
  n = 0;
  for (const char c : digits) n = n * 10 + static_cast<std::uint64_t>(c - '0');
  return true;
}

}  // namespace

std::string milesNumber(const codes::Miles& m) {
  std::uint64_t whole = 0, numerator = 0, denominator = 1;
  if (!m.whole.empty() && !smallNumber(m.whole, whole)) return {};
  if (!m.fraction.empty()) {
    const std::size_t slash = m.fraction.find('/');
    if (slash == std::string_view::npos || !smallNumber(m.fraction.substr(0, slash), numerator) ||
        !smallNumber(m.fraction.substr(slash + 1), denominator) || denominator == 0) {
      return {};
    }
  }
  // Ten-thousandths, rounded half up.
  constexpr std::uint64_t kScale = 10000;
  const std::uint64_t total = (whole * denominator + numerator) * kScale * 2 + denominator;
  const std::uint64_t tenThousandths = total / (denominator * 2);
  std::string out = std::to_string(tenThousandths / kScale);
  std::uint64_t rest = tenThousandths % kScale;
  if (rest != 0) {
    std::string decimals = std::to_string(rest + kScale).substr(1);  // four digits
    while (decimals.back() == '0') decimals.pop_back();
    out += '.';
    out += decimals;
  }
  return out;
}

std::string milesFraction(const codes::Miles& m) {
  if (m.fraction.empty()) return {};
  std::string out(m.whole);
  if (!out.empty()) out += ' ';
  out += m.fraction;
  return out;
}

std::string_view boundCode(codes::Bound bound) {
  switch (bound) {
    case codes::Bound::kLessThan:
      return "M";
    case codes::Bound::kMoreThan:
      return "P";
    case codes::Bound::kExact:
      break;
  }
  return {};
}

}  // namespace vantrel::describing
