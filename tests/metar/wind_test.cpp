// Surface wind and its direction variation: every wind form with its near misses, and where the
// wind line is written.

#include <gtest/gtest.h>

#include <string>

#include "expect_lines.hpp"

namespace vantrel {
namespace {

using test::Lines;

struct WindCase {
  const char* groups;  // the wind group, and a variation group when there is one
  const char* line;    // the wind line
};

// Each case stands before "9999 BKN020 18/12 Q1013", so the wind line is always written.
TEST(WindTest, WindAndVariationForms) {
  const WindCase cases[] = {
      {"24010KT", "Wind blowing from 240 degree at 10 knots."},
      {"24010kt", "Wind blowing from 240 degree at 10 knots."},
      {"00000KT", "Wind calm. "},
      {"00000kt", "Wind calm. "},
      {"VRB03KT", "Variable direction wind blowing at 03 knots."},
      {"vrb03kt", "Variable direction wind blowing at 03 knots."},
      {"27015G25KT", "Wind blowing from 270 degree at 15 knots with gusts at 25 knots."},
      {"27015g25kt", "Wind blowing from 270 degree at 15 knots with gusts at 25 knots."},
      {"VRB05G15KT", "Wind blowing from VRB degree at 05 knots with gusts at 15 knots."},
      {"00000G15KT", "Wind blowing from 000 degree at 00 knots with gusts at 15 knots."},
      {"09020KPH", "Wind blowing from 090 degree at 20 kilometres per hour."},
      {"09020kph", "Wind blowing from 090 degree at 20 kilometres per hour."},
      {"00000KPH", "Wind calm. "},
      {"VRB05KPH", "Variable direction wind blowing at 05 kilometres per hour."},
      {"27015G25KPH",
       "Wind blowing from 270 degree at 15 kilometres per hour with gusts at 25 kilometres per "
       "hour."},
      {"VRB05G15KPH",
       "Wind blowing from VRB degree at 05 kilometres per hour with gusts at 15 kilometres per "
       "hour."},
      // Characters are copied as typed, with no digit test.
      {"2401XKT", "Wind blowing from 240 degree at 1X knots."},
      {"ab123kt", "Wind blowing from ab1 degree at 23 knots."},
      {"O0000KT", "Wind blowing from O00 degree at 00 knots."},
      {"É4010KT", "Wind blowing from É40 degree at 10 knots."},
      // Near misses: consumed without a sentence.
      {"270120KT", ""},
      {"27015G105KT", ""},
      {"27005MPS", ""},
      {"24010KTS", ""},
      {"0000KT", ""},
      {"VRB005KT", ""},
      {"27015X25KT", ""},
      {"27015X25KPH", ""},
      {"2701525KPH", ""},
      {"KT", ""},
      {"9999", ""},
      {"", ""},
      // Variation groups: any 7-character group writes the wind line and is consumed.
      {"24010KT 200V280",
       "Wind blowing from 240 degree at 10 knots. Wind direction is varying from 200 to 280 "
       "degrees."},
      {"24010KT 200v280",
       "Wind blowing from 240 degree at 10 knots. Wind direction is varying from 200 to 280 "
       "degrees."},
      {"00000KT 200V280", "Wind calm.  Wind direction is varying from 200 to 280 degrees."},
      {"27005MPS 200V280", " Wind direction is varying from 200 to 280 degrees."},
      {"27015G25KT 2A0VxyZ",
       "Wind blowing from 270 degree at 15 knots with gusts at 25 knots. Wind direction is varying "
       "from 2A0 to xyZ degrees."},
      {"24010KT 240/300", "Wind blowing from 240 degree at 10 knots."},
      {"24010KT +SHRASN", "Wind blowing from 240 degree at 10 knots."},
      {"24010KT 24010KT", "Wind blowing from 240 degree at 10 knots."},
  };
  for (const WindCase& c : cases) {
    const std::string report = test::groups({"METAR LFPG 121230Z", c.groups}) +
                               (std::string(c.groups).empty() ? "  " : " ") +
                               "9999 BKN020 18/12 Q1013";
    test::expectLines(report,
                      {test::kHeader, c.line, test::kVisibility, test::kSky, test::kTemperature});
  }
}

TEST(WindTest, NoWindLineWithoutVariationOrVisibilityGroup) {
  // Only a variation group, a four-character group or CAVOK writes an empty wind line.
  test::expectLines("METAR LFPG 121230Z 27005MPS 1/2SM BKN020 18/12 Q1013",
                    {test::kHeader, "", test::kSky, test::kTemperature});
  test::expectLines("METAR LFPG 121230Z 27005MPS CAVOK 18/12 Q1013",
                    {test::kHeader, "", "", test::kCavok, test::kTemperature});
}

TEST(WindTest, WindGroupMissing) {
  // 9999 is consumed by the wind step, and BKN020 by the visibility step, without text.
  test::expectLines("METAR LFPG 121230Z 9999 BKN020 18/12 Q1013",
                    {test::kHeader, "", "", test::kTemperature});
  test::expectLines(
      "METAR LFPG 121230Z 9999 BKN020 SCT040 18/12 Q1013",
      {test::kHeader, "", "Scattered cloud cover (3/8 to 4/8) at 4000 feet. ", test::kTemperature});
}

TEST(WindTest, SixCharacterGroupAfterTheWindIsNotAVariation) {
  // 20V280 has 6 characters: it stands in the visibility position (the wind line is kept), and
  // 9999 becomes a four-letter weather group taken without a sentence.
  test::expectLines("METAR LFPG 121230Z 24010KT 20V280 9999 BKN020 18/12 Q1013",
                    {test::kHeader, test::kWind, "", "", test::kSky, test::kTemperature, ""});
}

}  // namespace
}  // namespace vantrel
