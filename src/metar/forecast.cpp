#include "metar/forecast.hpp"

#include <cstddef>

#include "metar/codes/chars.hpp"

namespace vantrel {
namespace {

// ddhh: a day 01 to 31 and an hour 00 to 24.
bool isDayHour(std::string_view s) {
  if (s.size() != 4 || !codes::allDigits(s)) return false;
  const int day = (s[0] - '0') * 10 + (s[1] - '0');
  const int hour = (s[2] - '0') * 10 + (s[3] - '0');
  return day >= 1 && day <= 31 && hour <= 24;
}

// ddhh/ddhh, or the old ddhhhh.
bool isValidity(std::string_view g) {
  if (g.size() == 9) return g[4] == '/' && isDayHour(g.substr(0, 4)) && isDayHour(g.substr(5));
  return g.size() == 6 && isDayHour(g.substr(0, 4)) && codes::allDigits(g.substr(4)) &&
         (g[4] - '0') * 10 + (g[5] - '0') <= 24;
}

}  // namespace

bool isForecast(std::string_view report) noexcept {
  std::size_t at = 0;
  while (at < report.size() && report[at] == ' ') ++at;
  const std::string_view rest = report.substr(at);
  // TAF and a space, or TAF alone.
  if (rest.size() >= 3 && codes::is(rest.substr(0, 3), "TAF") &&
      (rest.size() == 3 || rest[3] == ' ')) {
    return true;
  }
  // CCCC ddhhmmZ ddhh/ddhh or CCCC ddhhmmZ ddhhhh, each group one space apart: most reports are
  // told apart at the first look, a METAR or SPECI at the fifth byte, a report by the seventeenth.
  constexpr std::size_t kTime = 5, kValidity = 13;
  if (rest.size() < kValidity + 6 || rest[4] != ' ' || rest[kValidity - 1] != ' ' ||
      (rest[kValidity - 2] != 'Z' && rest[kValidity - 2] != 'z') ||
      !codes::allDigits(rest.substr(kTime, 6)) || codes::is(rest.substr(0, 4), "AUTO")) {
    return false;
  }
  std::size_t end = kValidity;
  while (end < rest.size() && rest[end] != ' ') ++end;
  return isValidity(rest.substr(kValidity, end - kValidity));
}

}  // namespace vantrel
