#pragma once
// What each compass point is called in French, with its article: "vers le nord", "vers l'est",
// and "au nord", "à l'est".

#include <array>
#include <cstddef>

#include "metar/codes/compass.hpp"
#include "metar/fragment.hpp"

namespace vantrel::words::fr {

struct CompassWords {
  Fragment the;  // "le nord", "l'est"
  Fragment at;   // "au nord", "à l'est"
};

// In the order of codes::Compass (the first for none).
inline constexpr std::array<CompassWords, 17> kCompassNames{{
    {"", ""},
    {"le nord", "au nord"},
    {"le nord-est", "au nord-est"},
    {"l'est", "à l'est"},
    {"le sud-est", "au sud-est"},
    {"le sud", "au sud"},
    {"le sud-ouest", "au sud-ouest"},
    {"l'ouest", "à l'ouest"},
    {"le nord-ouest", "au nord-ouest"},
    {"le nord-nord-est", "au nord-nord-est"},
    {"l'est-nord-est", "à l'est-nord-est"},
    {"l'est-sud-est", "à l'est-sud-est"},
    {"le sud-sud-est", "au sud-sud-est"},
    {"le sud-sud-ouest", "au sud-sud-ouest"},
    {"l'ouest-sud-ouest", "à l'ouest-sud-ouest"},
    {"l'ouest-nord-ouest", "à l'ouest-nord-ouest"},
    {"le nord-nord-ouest", "au nord-nord-ouest"},
}};

constexpr const CompassWords& namesOf(codes::Compass c) {
  return kCompassNames[static_cast<std::size_t>(c)];
}

}  // namespace vantrel::words::fr
