#pragma once
// The units a wind speed is given in: KT, KPH or KMH, MPS.

#include <cstdint>

namespace vantrel::codes {

enum class SpeedUnit : std::uint8_t { kKnots, kKilometresPerHour, kMetresPerSecond };

}  // namespace vantrel::codes
