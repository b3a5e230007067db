#pragma once
// Shared by the translation tests: whole-report comparison that names the report on failure, and
// the lines of the groups that surround a fragment under test.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "metar/translate.hpp"

namespace vantrel::test {

using Lines = std::vector<std::string>;

// The lines of the usual groups "METAR LFPG 121230Z 24010KT 9999 ... BKN020 18/12 Q1013".
inline constexpr char kHeader[] = "METAR report issued on the 12th at 12.30 GMT for LFPG:";
inline constexpr char kWind[] = "Wind blowing from 240 degree at 10 knots.";
inline constexpr char kVisibility[] = "Visibility is 10 kilometres or more. ";
inline constexpr char kSky[] = "Broken cloud cover (5/8 to 7/8) at 2000 feet. ";
inline constexpr char kTemperature[] =
    "Temperature is 18°Celsius. Dew point is 12°Celsius. QNH is 1013 millibars. ";
inline constexpr char kNosig[] = "No significant changes in weather within the next two hours. ";
inline constexpr char kCavok[] =
    "The visibility is more than 10 Km, no fog and no clouds below 5000 ft AGL. ";

// A printable form of a report for failure messages: control characters escaped, long reports
// cut short.
inline std::string describe(std::string_view report) {
  constexpr std::size_t kShown = 160;
  std::string out = "report \"";
  for (std::size_t i = 0; i < report.size() && i < kShown; ++i) {
    const auto c = static_cast<unsigned char>(report[i]);
    if (c < 0x20 || c == 0x7F) {
      constexpr char kHex[] = "0123456789abcdef";
      out += "\\x";
      out += kHex[c >> 4U];
      out += kHex[c & 0xFU];
    } else {
      out += static_cast<char>(c);
    }
  }
  if (report.size() > kShown) out += "...(" + std::to_string(report.size()) + " bytes)";
  out += '"';
  return out;
}

inline Lines concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Joins groups with single spaces, leaving out empty ones.
inline std::string groups(std::initializer_list<std::string_view> parts) {
  std::string report;
  for (std::string_view part : parts) {
    if (part.empty()) continue;
    if (!report.empty()) report += ' ';
    report += part;
  }
  return report;
}

inline void expectLines(std::string_view report, const Lines& expected) {
  SCOPED_TRACE(describe(report));
  const Translation result = translate(report);
  EXPECT_FALSE(result.refused());
  EXPECT_EQ(result.lines(), expected);
}

inline void expectRefused(std::string_view report) {
  SCOPED_TRACE(describe(report));
  const Translation result = translate(report);
  EXPECT_TRUE(result.refused());
  EXPECT_TRUE(result.lines().empty());
}

}  // namespace vantrel::test
