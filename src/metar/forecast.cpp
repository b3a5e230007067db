#include "metar/forecast.hpp"

#include <cstddef>

#include "metar/codes/chars.hpp"
#include "metar/taf/recognise_forecast.hpp"
#include "metar/text.hpp"

namespace vantrel {
namespace {

// The group at the start of `rest` is a validity period.
bool validityAtStart(std::string_view rest) {
  const char* const end = nextSpace(rest.data(), rest.data() + rest.size());
  taf::Period validity;
  return taf::readPeriod(rest.substr(0, static_cast<std::size_t>(end - rest.data())), validity);
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
  return validityAtStart(rest.substr(kValidity));
}

}  // namespace vantrel
