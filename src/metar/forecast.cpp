#include "metar/forecast.hpp"

#include <cstddef>

#include "metar/codes/chars.hpp"

namespace vantrel {
namespace {

// The group that begins at or after `at`, and where the next search starts.
std::string_view nextGroup(std::string_view s, std::size_t& at) {
  while (at < s.size() && s[at] == ' ') ++at;
  const std::size_t start = at;
  while (at < s.size() && s[at] != ' ') ++at;
  return s.substr(start, at - start);
}

bool isUpper(std::string_view group, std::string_view word) {
  if (group.size() != word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char c = group[i];
    if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != word[i]) return false;
  }
  return true;
}

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
  // Most reports begin with METAR or SPECI: neither TAF nor a station, and nothing more is looked
  // at when the first group is not three or four characters.
  if (rest.size() < 4 || (rest[3] != ' ' && (rest.size() < 5 || rest[4] != ' '))) {
    return rest.size() == 3 && isUpper(rest, "TAF");
  }
  if (rest[3] == ' ') return isUpper(rest.substr(0, 3), "TAF");
  // CCCC ddhhmmZ and a validity.
  at = 4;
  if (isUpper(rest.substr(0, 4), "AUTO")) return false;
  const std::string_view time = nextGroup(rest, at);
  if (time.size() != 7 || (time[6] != 'Z' && time[6] != 'z') ||
      !codes::allDigits(time.substr(0, 6))) {
    return false;
  }
  return isValidity(nextGroup(rest, at));
}

}  // namespace vantrel
