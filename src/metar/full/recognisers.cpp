#include "metar/full/recognisers.hpp"

#include <bit>
#include <cstdint>

#include "metar/codes/chars.hpp"

namespace vantrel::full {

MissingGroup missingGroupAt(const Context& c) {
  if (!c.facts.anyRead) return MissingGroup::kWind;
  if (!c.facts.temperatureFound) {
    const std::optional<Upper> next =
        c.i + 1 < c.groups.size() ? upper(c.groups[c.i + 1]) : std::nullopt;
    if (c.i + 1 == c.groups.size() ||
        (next && next->size == 5 && (next->chars[0] == 'Q' || next->chars[0] == 'A'))) {
      return MissingGroup::kTemperature;
    }
  }
  return MissingGroup::kOther;
}

std::size_t recognise(const Context& c, values::GroupValue& value) {
  if (c.u.empty()) return 0;
  for (std::uint32_t candidates = kRecognisersByFirst[static_cast<unsigned char>(c.u[0]) & 0x7FU];
       candidates != 0; candidates &= candidates - 1) {
    const auto r = static_cast<std::size_t>(std::countr_zero(candidates));
    if (const std::size_t n = kRecognisers[r].read(c, value)) return n;
  }
  return 0;
}

std::optional<values::TrendTime> readTrendTime(const Group& g) {
  const std::optional<Upper> upperGroup = upper(g);
  if (!upperGroup) return std::nullopt;
  const std::string_view u = upperGroup->view();
  if (u.size() != 6 || !codes::allDigits(u.substr(2))) return std::nullopt;
  values::TrendTime time;
  if (u.starts_with("FM")) {
    time.kind = values::TrendTime::Kind::kFrom;
  } else if (u.starts_with("TL")) {
    time.kind = values::TrendTime::Kind::kUntil;
  } else if (u.starts_with("AT")) {
    time.kind = values::TrendTime::Kind::kAt;
  } else {
    return std::nullopt;
  }
  time.hour = g.bytes().substr(2, 2);
  time.minute = g.bytes().substr(4, 2);
  return time;
}

}  // namespace vantrel::full
