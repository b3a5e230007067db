// Report type, station and issue time: the day ordinals, both time forms, the station text, and
// the only refusal a report can get.

#include <gtest/gtest.h>

#include <string>

#include "expect_lines.hpp"

namespace vantrel {
namespace {

using test::Lines;

// The groups after the issue time, and their lines.
constexpr char kTail[] = "24010KT 9999 BKN020 18/12 Q1013";
const Lines kBody = {test::kWind, test::kVisibility, test::kSky, test::kTemperature};

Lines withHeader(const std::string& header) {
  Lines lines;
  if (!header.empty()) lines.push_back(header);
  lines.insert(lines.end(), kBody.begin(), kBody.end());
  return lines;
}

TEST(HeaderTest, DayOrdinalsZeroToThirtyNine) {
  // Index = day; an empty entry means no header line.
  const char* const kOrdinals[40] = {
      "0th",  "1st",  "2nd",  "3rd",  "4th",  "5th",  "6th",  "7th",  "8th",  "9th",
      "10th", "11th", "12th", "13th", "14th", "15th", "16th", "17th", "18th", "19th",
      "20th", "21st", "22nd", "23rd", "24th", "25th", "26th", "27th", "28th", "29th",
      "30th", "31st", "",     "",     "34th", "35th", "36th", "37th", "38th", "39th",
  };
  for (int day = 0; day < 40; ++day) {
    const std::string dd = {static_cast<char>('0' + day / 10), static_cast<char>('0' + day % 10)};
    const std::string ordinal = kOrdinals[day];
    const std::string header =
        ordinal.empty() ? "" : "METAR report issued on the " + ordinal + " at 12.30 GMT for LFPG:";
    test::expectLines("METAR LFPG " + dd + "1230Z " + kTail, withHeader(header));
  }
}

struct TimeCase {
  const char* time;
  const char* header;  // empty: no header line
};

TEST(HeaderTest, TimeGroupForms) {
  const TimeCase cases[] = {
      // Day characters other than digits.
      {"0A1230Z", ""},
      {"0/1230Z", ""},
      {"A01230Z", "METAR report issued on the A0th at 12.30 GMT for LFPG:"},
      {"a51230Z", "METAR report issued on the a5th at 12.30 GMT for LFPG:"},
      {"A11230Z", ""},
      {"AB1230Z", ""},
      {"1A1230Z", ""},
      {"411230Z", ""},
      {"421230Z", ""},
      {"431230Z", ""},
      {"911230Z", ""},
      {"931230Z", ""},
      {"951230Z", "METAR report issued on the 95th at 12.30 GMT for LFPG:"},
      {"401230Z", "METAR report issued on the 40th at 12.30 GMT for LFPG:"},
      // Hour and minute are copied as typed, never checked.
      {"12AB3XZ", "METAR report issued on the 12th at AB.3X GMT for LFPG:"},
      {"129999Z", "METAR report issued on the 12th at 99.99 GMT for LFPG:"},
      {"121230z", "METAR report issued on the 12th at 12.30 GMT for LFPG:"},
      // The five-character form has no day.
      {"1230Z", "METAR report issued at 12.30 GMT for LFPG:"},
      {"1230z", "METAR report issued at 12.30 GMT for LFPG:"},
      {"0000Z", "METAR report issued at 00.00 GMT for LFPG:"},
      {"ab:cZ", "METAR report issued at ab.:c GMT for LFPG:"},
      // Near misses: no final Z, or another length.
      {"121230", ""},
      {"12300Z", ""},
      {"230Z", ""},
      {"1212300Z", ""},
      {"Z", ""},
      {"121230Y", ""},
      {"1230ZZ", ""},
      {"12123ÉZ", "METAR report issued on the 12th at 12.3É GMT for LFPG:"},
      {"1230É", ""},
  };
  for (const TimeCase& c : cases) {
    test::expectLines(std::string("METAR LFPG ") + c.time + " " + kTail, withHeader(c.header));
  }
}

struct StationCase {
  const char* start;   // everything before the issue time
  const char* header;  // with the issue time 121230Z
};

TEST(HeaderTest, StationText) {
  const StationCase cases[] = {
      {"METAR LFPG", "METAR report issued on the 12th at 12.30 GMT for LFPG:"},
      {"LFPG", "METAR report issued on the 12th at 12.30 GMT for LFPG:"},
      {"metar lfpg", "METAR report issued on the 12th at 12.30 GMT for LFPG:"},
      {"Metar LfPg", "METAR report issued on the 12th at 12.30 GMT for LFPG:"},
      {"lfpg", "METAR report issued on the 12th at 12.30 GMT for LFPG:"},
      {"1234", "METAR report issued on the 12th at 12.30 GMT for 1234:"},
      {"METAR LFPGX", "METAR report issued on the 12th at 12.30 GMT "},
      {"METAR LFP", "METAR report issued on the 12th at 12.30 GMT "},
      // Four characters, whatever they are; only a-z are upper-cased.
      {"LFPÉ", "METAR report issued on the 12th at 12.30 GMT for LFPÉ:"},
      {"lfpé", "METAR report issued on the 12th at 12.30 GMT for LFPé:"},
      {"METAR lfp😀", "METAR report issued on the 12th at 12.30 GMT for LFP😀:"},
      {"ÉÉÉÉ", "METAR report issued on the 12th at 12.30 GMT for ÉÉÉÉ:"},
      {"\tlfp", "METAR report issued on the 12th at 12.30 GMT for \tLFP:"},
      {"METAR METAR", "METAR report issued on the 12th at 12.30 GMT "},
      {"META", "METAR report issued on the 12th at 12.30 GMT for META:"},
  };
  for (const StationCase& c : cases) {
    test::expectLines(std::string(c.start) + " 121230Z " + kTail, withHeader(c.header));
  }
}

TEST(HeaderTest, MissingGroupsShiftTheReading) {
  // The issue time stands in the station position; the wind group is read as the issue time and
  // 9999 as the wind, so BKN020 is lost in the visibility position.
  test::expectLines("METAR 121230Z 24010KT 9999 BKN020 18/12 Q1013", {"", "", test::kTemperature});
  test::expectLines("METAR", {"", "", ""});
  test::expectLines("METAR LFPG", {"", "", ""});
  test::expectLines("METAR LFPG 121230Z", {test::kHeader, "", "", ""});
  test::expectLines("LFPG 121230Z", {test::kHeader, "", "", ""});
  test::expectLines("METAR  LFPG 121230Z", {"", "", ""});
}

TEST(HeaderTest, RefusedReports) {
  for (const std::string_view report :
       {"", " ", " METAR LFPG 121230Z 24010KT 9999", "  LFPG", "SPECI LFPG 121230Z 24010KT 9999",
        "speci", "LFP 121230Z 24010KT", "LFPGX 121230Z 24010KT", "METARX LFPG 121230Z",
        "METAR\tLFPG 121230Z", "\tMETAR LFPG", "MET", "121230Z", "LFPÉX 121230Z", "😀😀😀", "😀😀😀😀😀",
        "😀", "LFÉ", "ÉÉ"}) {
    test::expectRefused(report);
  }
}

TEST(HeaderTest, HeaderIsTheFirstLine) {
  const Translation result = translate("metar lfpg 221845z 24010KT 9999 BKN020 18/12 Q1013");
  ASSERT_FALSE(result.lines().empty());
  EXPECT_EQ(result.lines().front(), "METAR report issued on the 22nd at 18.45 GMT for LFPG:");
}

}  // namespace
}  // namespace vantrel
