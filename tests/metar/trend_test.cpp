// Trend forecasts: NOSIG, one BECMG section then one TEMPO section, the trend copies of the
// steps, the closing lines in their order, and the weather-found flag that the last weather call
// leaves behind.

#include <gtest/gtest.h>

#include <string>

#include "expect_lines.hpp"

namespace vantrel {
namespace {

using test::Lines;

// Body without weather, and the same body with one weather group.
constexpr char kBody[] = "METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013";
constexpr char kRainyBody[] = "METAR LFPG 121230Z 24010KT 9999 RA BKN020 18/12 Q1013";
const Lines kBodyLines = {test::kHeader, test::kWind, test::kVisibility, test::kSky,
                          test::kTemperature};
const Lines kRainyBodyLines = {test::kHeader,     test::kWind, test::kVisibility,
                               "It is raining. ", test::kSky,  test::kTemperature};

constexpr char kBecoming[] = "BECOMING:";
constexpr char kTemporary[] = "TEMPORARY:";

struct TrendCase {
  const char* tail;
  Lines trend;  // the lines after the body lines
};

TEST(TrendTest, SectionsAfterABodyWithoutWeather) {
  const TrendCase cases[] = {
      {"", {}},
      {"NOSIG", {test::kNosig}},
      {"nosig", {test::kNosig}},
      {"NOSIGX", {}},
      {"NOSIG NOSIG", {test::kNosig}},
      {"BECMG 24015KT 6000 RA BKN010",
       {"", kBecoming, "Wind blowing from 240 degree at 15 knots. ", "Visibility is 6000 metres. ",
        "Broken cloud cover (5/8 to 7/8) at 1000 feet. ", "It is raining. "}},
      {"TEMPO 25020G35KT 3000 SCT008",
       {"", kTemporary, "Wind blowing from 250 degree at 20 knots with gusts at 35 knots. ",
        "Visibility is 3000 metres. ", "Scattered cloud cover (3/8 to 4/8) at 800 feet. "}},
      {"BECMGX 6000", {"", kBecoming, "Visibility is 6000 metres. "}},
      {"TEMPO1 6000", {"", kTemporary, "Visibility is 6000 metres. "}},
      {"tempo 6000", {"", kTemporary, "Visibility is 6000 metres. "}},
      {"BECMG", {"", kBecoming}},
      {"BECM 6000", {}},
      // Trend wind: sentences end with a space, and a variation group is read only as the first
      // group after the keyword.
      {"BECMG 00000KT", {"", kBecoming, "Wind calm. "}},
      {"BECMG 24015kt", {"", kBecoming, "Wind blowing from 240 degree at 15 knots. "}},
      {"BECMG VRB03KT 9999",
       {"", kBecoming, "Variable direction wind blowing at 03 knots. ",
        "Visibility is 10 kilometres or more. "}},
      {"BECMG VRB05G15KT",
       {"", kBecoming, "Wind blowing from VRB degree at 05 knots with gusts at 15 knots. "}},
      {"BECMG VRB005KT", {"", kBecoming, "Variable direction wind blowing at 00 knots. "}},
      {"BECMG VRB05X15KT", {"", kBecoming, "Variable direction wind blowing at 05 knots. "}},
      {"TEMPO 09020KPH",
       {"", kTemporary, "Wind blowing from 090 degree at 20 kilometres per hour. "}},
      {"TEMPO 00000KPH", {"", kTemporary, "Wind calm. "}},
      {"TEMPO VRB05KPH",
       {"", kTemporary, "Variable direction wind blowing at 05 kilometres per hour. "}},
      {"TEMPO 27015G25KPH 0800",
       {"", kTemporary,
        "Wind blowing from 270 degree at 15 kilometres per hour with gusts at 25 kilometres per "
        "hour. ",
        "Visibility is 0800 metres. "}},
      {"TEMPO 200V280", {"", kTemporary, " Wind direction is varying from 200 to 280 degrees. "}},
      {"BECMG 24015KT 200V280", {"", kBecoming, "Wind blowing from 240 degree at 15 knots. "}},
      // Consumed without a sentence: a 7-character group, a 10-character knots group without G,
      // an 8-character group in the runway position.
      {"BECMG 200/280 6000", {"", kBecoming, "Visibility is 6000 metres. "}},
      {"BECMG 24015X25KT 6000", {"", kBecoming, "Visibility is 6000 metres. "}},
      {"TEMPO -SHRASN", {"", kTemporary}},
      {"BECMG 24005MPS SCT010",
       {"", kBecoming, "Scattered cloud cover (3/8 to 4/8) at 1000 feet. "}},
      // Trend visibility: four characters beginning with a digit, or CAVOK on this line.
      {"BECMG 0000", {"", kBecoming, "CAUTION: no visibility (less than 50 metres). "}},
      {"BECMG 10SM", {"", kBecoming, "Visibility is 10SM metres. "}},
      {"becmg cavok", {"", kBecoming, test::kCavok}},
      {"BECMG SHRA", {"", kBecoming, "There are rain showers. "}},
      {"TEMPO 3000 SHRA",
       {"", kTemporary, "Visibility is 3000 metres. ", "There are rain showers. "}},
      // One runway group of 8 or 9 characters.
      {"TEMPO 1200 R27/0600 R09L/1100",
       {"", kTemporary,
        "Visibility is 1200 metres. Runway Visual Range for runway 27 is 0600 metres. "}},
      {"TEMPO 1200 R09L/1100 R27/0600",
       {"", kTemporary,
        "Visibility is 1200 metres. Runway Visual Range for runway 09L is 1100 metres. "}},
      {"TEMPO R27/0600", {"", kTemporary, "Runway Visual Range for runway 27 is 0600 metres. "}},
      {"TEMPO 4000 BKN010CB", {"", kTemporary, "Visibility is 4000 metres. "}},
      // Temperature and pressure on the last closing line.
      {"BECMG 16/12 Q1008",
       {"", kBecoming,
        "Temperature is 16°Celsius. Dew point is 12°Celsius. QNH is 1008 millibars. "}},
      {"TEMPO 6000 M05/M07 Q1008",
       {"", kTemporary, "Visibility is 6000 metres. ",
        "Temperature is -05° Celsius. Dew point is -07° Celsius. QNH is 1008 millibars. "}},
      // Right after the keyword a 7-character temperature group is the wind step's.
      {"TEMPO M05/M07", {"", kTemporary}},
      {"BECMG Q1008", {"", kBecoming, "QNH is 1008 millibars. "}},
      // A section ends on the first group no step reads; a TEMPO group after it is not reached.
      {"BECMG FM1100 24015KT", {"", kBecoming}},
      {"BECMG 6000 NSW TEMPO 3000", {"", kBecoming, "Visibility is 6000 metres. "}},
      {"BECMG 6000 PROB30 TEMPO 3000", {"", kBecoming, "Visibility is 6000 metres. "}},
      {"BECMG NSC TEMPO 3000", {"", kBecoming}},
      {"TEMPO AT1800 3000", {"", kTemporary}},
      {"BECMG 3000 RA BKN010CB TEMPO 3000",
       {"", kBecoming, "Visibility is 3000 metres. ", "It is raining. "}},
      {"BECMG 24015KT BECMG 6000", {"", kBecoming, "Wind blowing from 240 degree at 15 knots. "}},
      {"TEMPO 3000 BECMG 6000", {"", kTemporary, "Visibility is 3000 metres. "}},
      {"TEMPO 3000 TEMPO 6000", {"", kTemporary, "Visibility is 3000 metres. "}},
      {"NOSIG BECMG 6000", {"", kBecoming, "Visibility is 6000 metres. ", test::kNosig}},
      // Closing lines: trend wind, trend visibility, NOSIG, BECMG sky, weather, TEMPO sky, trend
      // temperature.
      {"NOSIG BECMG 24015KT 6000 RA BKN010 16/12 Q1008",
       {"", kBecoming, "Wind blowing from 240 degree at 15 knots. ", "Visibility is 6000 metres. ",
        test::kNosig, "Broken cloud cover (5/8 to 7/8) at 1000 feet. ", "It is raining. ",
        "Temperature is 16°Celsius. Dew point is 12°Celsius. QNH is 1008 millibars. "}},
      {"NOSIG TEMPO 24015KT 6000 RA BKN010 16/12 Q1008",
       {"", kTemporary, "Wind blowing from 240 degree at 15 knots. ", "Visibility is 6000 metres. ",
        test::kNosig, "It is raining. ", "Broken cloud cover (5/8 to 7/8) at 1000 feet. ",
        "Temperature is 16°Celsius. Dew point is 12°Celsius. QNH is 1008 millibars. "}},
      // The weather line follows the flag: a group taken without a sentence gives an empty line.
      {"BECMG VCSH", {"", kBecoming, ""}},
      {"BECMG 24005MPS 6000", {"", kBecoming, ""}},
      // A TEMPO section after a BECMG section stands alone: the BECMG lines are written first.
      {"BECMG Q1020 TEMPO 3000",
       {"", kBecoming, "QNH is 1020 millibars. ", "", kTemporary, "Visibility is 3000 metres. "}},
      {"BECMG 16/12 Q1008 TEMPO 3000 SHRA",
       {"", kBecoming,
        "Temperature is 16°Celsius. Dew point is 12°Celsius. QNH is 1008 millibars. ", "",
        kTemporary, "Visibility is 3000 metres. ", "There are rain showers. "}},
      {"BECMG 24015KT 6000 RA BKN010 TEMPO 25020G35KT 3000 SCT008",
       {"", kBecoming, "Wind blowing from 240 degree at 15 knots. ", "Visibility is 6000 metres. ",
        "Broken cloud cover (5/8 to 7/8) at 1000 feet. ", "It is raining. ", "", kTemporary,
        "Wind blowing from 250 degree at 20 knots with gusts at 35 knots. ",
        "Visibility is 3000 metres. ", "Scattered cloud cover (3/8 to 4/8) at 800 feet. "}},
      {"BECMG 200V280 R27/0600 TEMPO 210V290",
       {"", kBecoming, " Wind direction is varying from 200 to 280 degrees. ",
        "Runway Visual Range for runway 27 is 0600 metres. ", "", kTemporary,
        " Wind direction is varying from 210 to 290 degrees. "}},
      {"NOSIG BECMG 6000 TEMPO 3000",
       {"", kBecoming, "Visibility is 6000 metres. ", test::kNosig, "", kTemporary,
        "Visibility is 3000 metres. "}},
      {"BECMG VCSH TEMPO 3000", {"", kBecoming, "", "", kTemporary, "Visibility is 3000 metres. "}},
      {"BECMG TEMPO", {"", kBecoming, "", kTemporary}},
  };
  for (const TrendCase& c : cases) {
    test::expectLines(test::groups({kBody, c.tail}), test::concat({kBodyLines, c.trend}));
  }
}

TEST(TrendTest, WeatherFlagOfTheLastCall) {
  const TrendCase cases[] = {
      // The body's flag stands when no section ran: one final empty line.
      {"", {""}},
      {"NOSIG", {test::kNosig, ""}},
      {"NOSIGX NOSIG", {""}},
      {"RERA NOSIG", {""}},
      // A section's weather call replaces it.
      {"TEMPO 25020G35KT 3000 SCT008",
       {"", kTemporary, "Wind blowing from 250 degree at 20 knots with gusts at 35 knots. ",
        "Visibility is 3000 metres. ", "Scattered cloud cover (3/8 to 4/8) at 800 feet. "}},
      {"BECMG", {"", kBecoming}},
      {"BECMG -SN", {"", kBecoming, "There is light snow. "}},
      {"BECMG 6000 TEMPO 3000",
       {"", kBecoming, "Visibility is 6000 metres. ", "", kTemporary,
        "Visibility is 3000 metres. "}},
      {"BECMG +SN TEMPO 3000",
       {"", kBecoming, "There is heavy snow. ", "", kTemporary, "Visibility is 3000 metres. "}},
      {"BECMG 6000 TEMPO -SN",
       {"", kBecoming, "Visibility is 6000 metres. ", "", kTemporary, "There is light snow. "}},
  };
  for (const TrendCase& c : cases) {
    test::expectLines(test::groups({kRainyBody, c.tail}), test::concat({kRainyBodyLines, c.trend}));
  }
}

TEST(TrendTest, TrendPartStartsOnlyWhereThePressureStepStopped) {
  // BKN020CB right after the visibility is the runway step's, so the trend part is reached; after
  // another cloud group it stops the sky step, and nothing after it is read.
  test::expectLines(
      "METAR LFPG 121230Z 24010KT 9999 BKN020CB 18/12 Q1013 NOSIG",
      {test::kHeader, test::kWind, test::kVisibility, "", test::kTemperature, test::kNosig});
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 FEW010 BKN020CB 18/12 Q1013 BECMG 6000",
                    {test::kHeader, test::kWind, test::kVisibility,
                     "Few cloud cover (1/8 to 2/8) at 1000 feet. ", ""});
  // A pressure group before the temperature group leaves the temperature group unread.
  test::expectLines(
      "METAR LFPG 121230Z 24010KT 9999 BKN020 Q1013 18/12 TEMPO 3000",
      {test::kHeader, test::kWind, test::kVisibility, test::kSky, "QNH is 1013 millibars. "});
}

}  // namespace
}  // namespace vantrel
