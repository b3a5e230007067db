// Wind: dddff[f][Gff[f]]KT|MPS|KMH|KPH, VRB, P speeds, ///ff, ddd//, /////. Variation: dddVddd,
// ///V///.

#include "metar/codes/chars.hpp"
#include "metar/full/recognisers.hpp"

namespace vantrel::full {
namespace {

using codes::allDigits;
using codes::endsWith;
using codes::startsWith;
using values::Speed;

// A speed of 2 or 3 digits, or P and 2 or 3 digits; `typed` is the same text as typed.
std::optional<Speed> speedOf(std::string_view s, std::string_view typed) {
  Speed speed;
  if (startsWith(s, "P")) {
    speed.above = true;
    s.remove_prefix(1);
    typed.remove_prefix(1);
  }
  if ((s.size() != 2 && s.size() != 3) || !allDigits(s)) return std::nullopt;
  speed.digits = typed;
  return speed;
}

}  // namespace

std::size_t readWind(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  values::Wind wind;
  if (u == "/////") {
    if (missingGroupAt(c) != MissingGroup::kWind) return 0;
    value = wind;  // neither direction nor speed
    return 1;
  }
  std::size_t unitSize = 3;
  if (endsWith(u, "KT")) {
    wind.unit = codes::SpeedUnit::kKnots;
    unitSize = 2;
  } else if (endsWith(u, "MPS")) {
    wind.unit = codes::SpeedUnit::kMetresPerSecond;
  } else if (endsWith(u, "KMH") || endsWith(u, "KPH")) {
    wind.unit = codes::SpeedUnit::kKilometresPerHour;
  } else {
    return 0;
  }
  const std::string_view body = u.substr(0, u.size() - unitSize);
  if (body.size() < 5) return 0;
  const std::string_view typed = c.typed().substr(0, body.size());
  const std::string_view direction = body.substr(0, 3);
  const std::string_view speeds = body.substr(3);
  const std::size_t gustAt = speeds.find('G');
  const bool directionMissing = direction == "///";
  wind.variable = direction == "VRB";
  if (!directionMissing && !wind.variable && !allDigits(direction)) return 0;
  if (!directionMissing && !wind.variable) wind.direction = typed.substr(0, 3);

  const std::string_view speedText = speeds.substr(0, gustAt);
  if (speedText == "//" && gustAt == std::string_view::npos) {
    if (wind.variable) return 0;  // VRB//: nothing is left to say
    value = wind;
    return 1;
  }
  const std::optional<Speed> speed = speedOf(speedText, typed.substr(3, speedText.size()));
  if (!speed) return 0;
  wind.speed = *speed;
  if (gustAt != std::string_view::npos) {
    const std::optional<Speed> gust =
        speedOf(speeds.substr(gustAt + 1), typed.substr(3 + gustAt + 1));
    if (!gust || directionMissing) return 0;
    wind.gust = *gust;
  }
  wind.calm = gustAt == std::string_view::npos && body == "00000";
  value = wind;
  return 1;
}

std::size_t readVariation(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  if (u == "///V///") {
    value = values::WindVariation{};
    return 1;
  }
  if (u.size() != 7 || u[3] != 'V' || !allDigits(u.substr(0, 3)) || !allDigits(u.substr(4))) {
    return 0;
  }
  value = values::WindVariation{c.typed().substr(0, 3), c.typed().substr(4, 3)};
  return 1;
}

}  // namespace vantrel::full
