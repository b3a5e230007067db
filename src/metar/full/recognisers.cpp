#include "metar/full/recognisers.hpp"

#include "metar/codes/chars.hpp"

namespace vantrel::full {

std::optional<Upper> upper(const Group& g) {
  const std::string_view b = g.bytes();
  if (b.size() > 32 || b.size() != g.size()) return std::nullopt;
  Upper u;
  for (const char c : b) {
    if (static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) >= 0x7F) {
      return std::nullopt;
    }
    u.chars[u.size++] = asciiUpper(c);
  }
  return u;
}

std::size_t recognise(const Context& c, values::GroupValue& value) {
  for (const RecogniserEntry& entry : kRecognisers) {
    if (const std::size_t n = entry.read(c, value)) return n;
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
