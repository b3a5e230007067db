#pragma once
// What each compass point is called in English, for the body's directional visibility and
// clouds placed by directions, and for the remarks.

#include <array>
#include <cstddef>

#include "metar/codes/compass.hpp"
#include "metar/fragment.hpp"

namespace vantrel::words {

// In the order of codes::Compass (the first for none).
inline constexpr std::array<Fragment, 17> kCompassNames{{
    "",
    "north",
    "north-east",
    "east",
    "south-east",
    "south",
    "south-west",
    "west",
    "north-west",
    "north-north-east",
    "east-north-east",
    "east-south-east",
    "south-south-east",
    "south-south-west",
    "west-south-west",
    "west-north-west",
    "north-north-west",
}};

constexpr Fragment nameOf(codes::Compass c) {
  return kCompassNames[static_cast<std::size_t>(c)];
}

}  // namespace vantrel::words
