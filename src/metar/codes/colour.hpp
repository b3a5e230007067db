#pragma once
// Military colour states (NATO): BLU WHT GRN YLO YLO1 YLO2 AMB RED, after BLACK when the
// aerodrome is unusable for another reason than the weather.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "metar/codes/chars.hpp"

namespace vantrel::codes {

inline constexpr std::array<std::string_view, 8> kColourCodes = {"BLU",  "WHT",  "GRN", "YLO",
                                                                 "YLO1", "YLO2", "AMB", "RED"};

// The index of a colour code in any case, or nothing.
constexpr std::optional<std::size_t> colourOf(std::string_view s) noexcept {
  for (std::size_t i = 0; i < kColourCodes.size(); ++i) {
    if (is(s, kColourCodes[i])) return i;
  }
  return std::nullopt;
}

}  // namespace vantrel::codes
