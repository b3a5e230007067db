#pragma once
// Cloud amounts (FEW SCT BKN OVC) and the cloud types a layer may carry (CB TCU, or /// for a
// type not reported).

#include <array>
#include <cstdint>
#include <string_view>

namespace vantrel::codes {

enum class CloudAmount : std::uint8_t { kFew, kScattered, kBroken, kOvercast };

struct CloudCode {
  std::string_view code;
  CloudAmount amount;
};
// In the order a layer pass of the classic reading compares them.
inline constexpr std::array<CloudCode, 4> kCloudCodes{{
    {"FEW", CloudAmount::kFew},
    {"SCT", CloudAmount::kScattered},
    {"BKN", CloudAmount::kBroken},
    {"OVC", CloudAmount::kOvercast},
}};

enum class CloudType : std::uint8_t { kNone, kCumulonimbus, kToweringCumulus, kNotReported };

}  // namespace vantrel::codes
