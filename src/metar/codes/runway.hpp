#pragma once
// Runway designators: two digits and L, C or R (27L). In the runway state groups 88 stands for
// every runway and 99 for the state of the last report repeated; in the old eight-figure runway
// state, 51 to 86 are the right-hand runways 01 to 36, plus 50 (WMO FM 15, code table 0700 and
// the regional practice it records).

#include <cstdint>
#include <optional>
#include <string_view>

#include "metar/codes/chars.hpp"

namespace vantrel::codes {

struct Runway {
  enum class Kind : std::uint8_t { kOne, kAll, kRepeated };
  Kind kind = Kind::kOne;
  std::string_view designator;  // as typed (27L, 88, 99); empty for the old form's 51 to 86
  std::uint8_t rightHand = 0;   // the old form's 51 to 86: runway 01 to 36, right-hand
};

// dd or dd followed by L, C or R (any case), nothing else.
constexpr bool isDesignator(std::string_view s) noexcept {
  if (!digitsAt(s, 0, 2)) return false;
  if (s.size() == 2) return true;
  const char side = asciiUpper(s[2]);
  return s.size() == 3 && (side == 'L' || side == 'C' || side == 'R');
}

// A designator of one runway: any two digits, with or without a side.
constexpr std::optional<Runway> runwayOf(std::string_view s) noexcept {
  if (!isDesignator(s)) return std::nullopt;
  return Runway{Runway::Kind::kOne, s, 0};
}

// The runway of a runway state group: a designator, 88 (every runway) or 99 (repeated).
constexpr std::optional<Runway> stateRunwayOf(std::string_view s) noexcept {
  std::optional<Runway> r = runwayOf(s);
  if (r && s.size() == 2 && (s == "88" || s == "99")) {
    r->kind = s == "88" ? Runway::Kind::kAll : Runway::Kind::kRepeated;
  }
  return r;
}

// The first two digits of an eight-figure runway state: 01 to 36, 51 to 86 (right-hand, plus
// 50), 88 or 99.
constexpr std::optional<Runway> eightFigureRunwayOf(std::string_view dd) noexcept {
  if (dd.size() != 2 || !allDigits(dd)) return std::nullopt;
  const int n = (dd[0] - '0') * 10 + (dd[1] - '0');
  if (n >= 51 && n <= 86) return Runway{Runway::Kind::kOne, {}, static_cast<std::uint8_t>(n - 50)};
  return stateRunwayOf(dd);
}

// Rdd[LCR]/ at the start of a group, in any case: the runway, and where its "/" stands.
struct RunwayAt {
  Runway runway;
  std::size_t slash = 0;
};
constexpr std::optional<RunwayAt> runwayPrefixOf(std::string_view s) noexcept {
  if (s.size() < 4 || asciiUpper(s[0]) != 'R') return std::nullopt;
  const std::size_t slash = s.find('/');
  if (slash != 3 && slash != 4) return std::nullopt;
  const std::optional<Runway> r = stateRunwayOf(s.substr(1, slash - 1));
  if (!r) return std::nullopt;
  return RunwayAt{*r, slash};
}

}  // namespace vantrel::codes
