#pragma once
// Compass points: the eight of the body groups (4000NE) and the sixteen of the remarks (NNE),
// and the four written out (NORTH EAST).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "metar/codes/chars.hpp"

namespace vantrel::codes {

enum class Compass : std::uint8_t {
  kNone,
  kN,
  kNE,
  kE,
  kSE,
  kS,
  kSW,
  kW,
  kNW,
  kNNE,
  kENE,
  kESE,
  kSSE,
  kSSW,
  kWSW,
  kWNW,
  kNNW,
};
inline constexpr std::array<std::string_view, 17> kCompassCodes = {
    "",    "N",   "NE",  "E",   "SE",  "S",   "SW",  "W",  "NW",
    "NNE", "ENE", "ESE", "SSE", "SSW", "WSW", "WNW", "NNW"};

// One of the sixteen points, in any case, or kNone.
constexpr Compass compassOf(std::string_view s) noexcept {
  for (std::size_t i = 1; i < kCompassCodes.size(); ++i) {
    if (is(s, kCompassCodes[i])) return static_cast<Compass>(i);
  }
  return Compass::kNone;
}
// N NE E SE S SW W NW.
constexpr bool isEightPoint(Compass c) noexcept {
  return c != Compass::kNone && c <= Compass::kNW;
}
constexpr Compass eightPointOf(std::string_view s) noexcept {
  const Compass c = compassOf(s);
  return isEightPoint(c) ? c : Compass::kNone;
}

// NORTH EAST SOUTH WEST, in any case, or kNone.
constexpr Compass compassWordOf(std::string_view s) noexcept {
  constexpr std::array<std::string_view, 4> kWords = {"NORTH", "EAST", "SOUTH", "WEST"};
  constexpr std::array<Compass, 4> kPoints = {Compass::kN, Compass::kE, Compass::kS, Compass::kW};
  for (std::size_t i = 0; i < kWords.size(); ++i) {
    if (is(s, kWords[i])) return kPoints[i];
  }
  return Compass::kNone;
}
// Two cardinal points written apart, NORTH EAST: the point between them, or kNone.
constexpr Compass compassPairOf(Compass a, Compass b) noexcept {
  const std::string_view first = kCompassCodes[static_cast<std::size_t>(a)];
  const std::string_view second = kCompassCodes[static_cast<std::size_t>(b)];
  if (first.size() != 1 || second.size() != 1) return Compass::kNone;
  const char pair[2] = {first[0], second[0]};
  return compassOf(std::string_view(pair, 2));
}

}  // namespace vantrel::codes
