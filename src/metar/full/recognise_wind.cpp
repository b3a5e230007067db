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

// A speed of 2 or 3 digits, or P and 2 or 3 digits; `typed` is the same text as typed. Written
// straight into the wind, which a returned copy would be read back from wider than written.
bool readSpeed(std::string_view s, std::string_view typed, Speed& speed) {
  if (startsWith(s, "P")) {
    speed.above = true;
    s.remove_prefix(1);
    typed.remove_prefix(1);
  }
  if ((s.size() != 2 && s.size() != 3) || !allDigits(s)) return false;
  speed.digits = typed;
  return true;
}

}  // namespace

std::size_t readWind(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  if (u == "/////") {
    if (missingGroupAt(c) != MissingGroup::kWind) return 0;
    value.emplace<values::Wind>();  // neither direction nor speed
    return 1;
  }
  std::size_t unitSize = 3;
  codes::SpeedUnit unit = codes::SpeedUnit::kKnots;
  if (endsWith(u, "KT")) {
    unitSize = 2;
  } else if (endsWith(u, "MPS")) {
    unit = codes::SpeedUnit::kMetresPerSecond;
  } else if (endsWith(u, "KMH") || endsWith(u, "KPH")) {
    unit = codes::SpeedUnit::kKilometresPerHour;
  } else {
    return 0;
  }
  const std::string_view body = u.substr(0, u.size() - unitSize);
  if (body.size() < 5) return 0;
  // Made where it is kept; a group that then fails leaves it for the next recogniser to replace.
  values::Wind& wind = value.emplace<values::Wind>();
  wind.unit = unit;
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
    return wind.variable ? 0 : 1;  // VRB//: nothing is left to say
  }
  if (!readSpeed(speedText, typed.substr(3, speedText.size()), wind.speed)) return 0;
  if (gustAt != std::string_view::npos) {
    if (!readSpeed(speeds.substr(gustAt + 1), typed.substr(3 + gustAt + 1), wind.gust) ||
        directionMissing) {
      return 0;
    }
  }
  wind.calm = gustAt == std::string_view::npos && body == "00000";
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
