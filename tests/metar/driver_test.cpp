// The translation as a whole: the worked report, the body lines that are always written, letter
// case, reuse of a translator, and reports that are long or full of odd characters.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "expect_lines.hpp"

namespace vantrel {
namespace {

using namespace std::literals;
using test::Lines;

TEST(DriverTest, WorkedExample) {
  test::expectLines(
      "METAR LFPG 121230Z 27010KT 240V300 9999 R27L/1200 RA BKN020 18/12 Q1013 NOSIG",
      {"METAR report issued on the 12th at 12.30 GMT for LFPG:",
       "Wind blowing from 270 degree at 10 knots. Wind direction is varying from 240 to 300 "
       "degrees.",
       "Visibility is 10 kilometres or more. Runway Visual Range for runway 27L is 1200 metres. ",
       "It is raining. ", "Broken cloud cover (5/8 to 7/8) at 2000 feet. ",
       "Temperature is 18°Celsius. Dew point is 12°Celsius. QNH is 1013 millibars. ",
       "No significant changes in weather within the next two hours. ", ""});
}

TEST(DriverTest, BodyLinesAreWrittenEvenWhenEmpty) {
  test::expectLines("METAR", {"", "", ""});
  test::expectLines("metar", {"", "", ""});
  test::expectLines("LFPG", {"", "", ""});
  test::expectLines("METAR LFPG 121230Z", {test::kHeader, "", "", ""});
  test::expectLines(
      "METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013",
      {test::kHeader, test::kWind, test::kVisibility, test::kSky, test::kTemperature});
}

TEST(DriverTest, UnreadGroupsStopTheSteps) {
  // An empty group from a double space stops the temperature, pressure and trend steps.
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 BKN020  18/12 Q1013 NOSIG",
                    {test::kHeader, test::kWind, test::kVisibility, test::kSky, ""});
  // A sign glued to the last group.
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013=",
                    {test::kHeader, test::kWind, test::kVisibility, test::kSky,
                     "Temperature is 18°Celsius. Dew point is 12°Celsius. "});
  test::expectLines(
      "METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013 NOSIG=",
      {test::kHeader, test::kWind, test::kVisibility, test::kSky, test::kTemperature});
  // Remarks and anything else after the trend are ignored; trailing spaces do no harm.
  const std::string_view full = "METAR LFPG 121230Z 24010KT 9999 RA BKN020 18/12 Q1013 NOSIG";
  const Lines expected = translate(full).lines();
  for (const std::string_view tail : {" RMK AO2 SLP013", " ", "   ", " =", " NOSIG"}) {
    test::expectLines(std::string(full) + std::string(tail), expected);
  }
}

TEST(DriverTest, TranslationIsDeterministicAndStartsOverEachTime) {
  const std::vector<std::string> reports = {
      "METAR LFPG 121230Z 27010KT 240V300 9999 R27L/1200 RA BKN020 18/12 Q1013 NOSIG",
      "METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013",
      "",
      "LFPG 121230Z 24010KT CAVOK -SHRA 18/12 Q1013 BECMG 6000 TEMPO 3000 TSRA",
      "METAR",
      "METAR LFPG 121230Z 24010KT 9999 RA BKN020 18/12 Q1013 BECMG 24015KT RA",
      "METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013 BECMG 16/12 Q1008 TEMPO SCT010",
  };
  Translator translator;
  for (int round = 0; round < 2; ++round) {
    for (const std::string& report : reports) {
      SCOPED_TRACE(test::describe(report));
      const Translation once = translate(report);
      const Translation again = translate(report);
      EXPECT_EQ(once.refused(), again.refused());
      EXPECT_EQ(once.lines(), again.lines());
      // A translator that has seen other reports gives the same result as a fresh one.
      const Translation& reused = translator.translate(report);
      EXPECT_EQ(reused.refused(), once.refused());
      EXPECT_EQ(reused.lines(), once.lines());
      EXPECT_EQ(reused.size(), once.lines().size());
    }
  }
}

std::string asciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

TEST(DriverTest, LowerCaseReportReadsLikeUpperCase) {
  // Reports whose copied characters hold no letters, so the lines are the same.
  for (const std::string_view report : {
           "METAR LFPG 121230Z 27010KT 240V300 9999 R27/1200 RA BKN020 18/12 Q1013 NOSIG",
           "LFPG 1230Z 00000KPH CAVOK -SHRA BR FEW010 SCT020 M05/M07 Q1013 BECMG 6000 TEMPO CAVOK",
           "METAR LFPG 311200Z VRB03KT 0800 R09/0600 +TSRA -FZDZ VV/// M02/M04 Q0998 NOSIG BECMG",
           "METAR LFPG 121230Z 24010KT 9999 SKC 18/12 Q1013 BECMG 24015G25KT 3000 BCFG SCT005 "
           "10/M01",
           "METAR LFPG 121230Z 24010KT 9999 +FZVA OVC010 18/12 Q1013 TEMPO VRB05KT 1200 R27/0600 "
           "SN",
           "SPECI LFPG 121230Z 24010KT",
       }) {
    SCOPED_TRACE(test::describe(report));
    const Translation upper = translate(report);
    const Translation lower = translate(asciiLower(report));
    EXPECT_EQ(lower.refused(), upper.refused());
    EXPECT_EQ(lower.lines(), upper.lines());
  }
}

TEST(DriverTest, LongReports) {
  const std::string spaces(1'000'000, ' ');
  test::expectRefused(spaces);
  test::expectLines("METAR" + spaces, {"", "", ""});
  test::expectLines("METAR LFPG 121230Z" + spaces + "24010KT 9999", {test::kHeader, "", "", ""});
  test::expectLines(
      "METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013" + spaces,
      {test::kHeader, test::kWind, test::kVisibility, test::kSky, test::kTemperature});
  test::expectLines("METAR LFPG 121230Z " + std::string(1'000'000, 'A'),
                    {test::kHeader, "", "", ""});
  std::string rain = "METAR LFPG 121230Z 24010KT 9999";
  for (int i = 0; i < 200'000; ++i) rain += " RA";
  test::expectLines(rain, {test::kHeader, test::kWind, test::kVisibility,
                           "It is raining. It is raining. ", "", "", ""});
}

TEST(DriverTest, ControlCharactersBelongToTheirGroup) {
  // A tab joins two groups into one that no step reads.
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 BKN020 18/12\tQ1013 NOSIG",
                    {test::kHeader, test::kWind, test::kVisibility, test::kSky, ""});
  test::expectLines("METAR LFPG 121230Z 24010KT\t9999 BKN020 18/12 Q1013",
                    {test::kHeader, "", "", test::kTemperature});
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013\r",
                    {test::kHeader, test::kWind, test::kVisibility, test::kSky,
                     "Temperature is 18°Celsius. Dew point is 12°Celsius. "});
  // NUL and other control characters are characters like any other, copied as typed.
  test::expectLines("LF\0G 121230Z 24010KT 9999 BKN020 18/12 Q1013"sv,
                    {"METAR report issued on the 12th at 12.30 GMT for LF\0G:"s, test::kWind,
                     test::kVisibility, test::kSky, test::kTemperature});
  test::expectLines(
      "\x01\x02\x1b\x7f 121230Z",
      {"METAR report issued on the 12th at 12.30 GMT for \x01\x02\x1b\x7f:", "", "", ""});
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 \x01RA BKN020 18/12 Q1013",
                    {test::kHeader, test::kWind, test::kVisibility, "", ""});
  test::expectLines("METAR LFPG 121230Z 24010KT \0\0\0\0 BKN020 18/12 Q1013"sv,
                    {test::kHeader, test::kWind, "Visibility is \0\0\0\0 metres. "s, test::kSky,
                     test::kTemperature});
  test::expectRefused("\0\0\0 121230Z"sv);
  test::expectRefused("\t"sv);
}

TEST(DriverTest, LineBreaksInsideAGroupNeverSplitALine) {
  // A line break is one character of its group; where the group is copied it reads U+FFFD.
  test::expectLines("LF\nG 121230Z 24010KT 1\r\n0 BKN020 18/12 Q1013",
                    {"METAR report issued on the 12th at 12.30 GMT for LF\uFFFDG:", test::kWind,
                     "Visibility is 1\uFFFD\uFFFD0 metres. ", test::kSky, test::kTemperature});
  test::expectRefused("METAR\n LFPG");  // "METAR\n" is a group of six characters
}

TEST(DriverTest, IllFormedBytesDoNoHarm) {
  for (const std::string_view report :
       {"\xFF\xFE\xFD\xFC 121230Z 24010KT 9999"sv, "METAR LFPG 121230Z \x80\x80\x80\x80 RA"sv,
        "METAR \xC3 \xE2\x82 \xF0\x9F\x98 \xED\xA0\x80 18/12 Q1013"sv,
        "METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013 BECMG \xC0\xAF"sv}) {
    SCOPED_TRACE(test::describe(report));
    const Translation once = translate(report);
    const Translation again = translate(report);
    EXPECT_EQ(once.lines(), again.lines());
    EXPECT_EQ(once.refused(), again.refused());
  }
}

}  // namespace
}  // namespace vantrel
