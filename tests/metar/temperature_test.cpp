// Temperature, dew point and QNH: the four temperature forms in the order they are tried, the
// pressure group, and the groups that stop both steps.

#include <gtest/gtest.h>

#include <string>

#include "expect_lines.hpp"

namespace vantrel {
namespace {

using test::Lines;

struct TemperatureCase {
  const char* groups;       // between "BKN020" and "NOSIG"
  const char* temperature;  // the temperature line
  bool nosigRead;           // the trend part meets NOSIG
};

TEST(TemperatureTest, TemperatureAndPressureForms) {
  const TemperatureCase cases[] = {
      {"12/08 Q1015", "Temperature is 12°Celsius. Dew point is 08°Celsius. QNH is 1015 millibars. ",
       true},
      {"M05/M07 Q1013",
       "Temperature is -05° Celsius. Dew point is -07° Celsius. QNH is 1013 millibars. ", true},
      {"m02/m04", "Temperature is -02° Celsius. Dew point is -04° Celsius. ", true},
      {"02/M01", "Temperature is 02°Celsius. Dew point is -01°Celsius. ", true},
      {"02/m01 q0998",
       "Temperature is 02°Celsius. Dew point is -01°Celsius. QNH is 0998 millibars. ", true},
      {"M02/04", "Temperature is -02°Celsius. Dew point is 04°Celsius. ", true},
      {"10///", "Temperature is 10°Celsius. Dew point is //°Celsius. ", true},
      {"//////", "", false},
      {"AB/CD", "Temperature is AB°Celsius. Dew point is CD°Celsius. ", true},
      {"Q0998", "QNH is 0998 millibars. ", true},
      {"q1013", "QNH is 1013 millibars. ", true},
      {"QABCD", "QNH is ABCD millibars. ", true},
      {"", "", true},
      // Each temperature sentence replaces the one before it.
      {"12/08 M05/03", "Temperature is -05°Celsius. Dew point is 03°Celsius. ", true},
      {"12/08 M05/M07 Q1013",
       "Temperature is -05° Celsius. Dew point is -07° Celsius. QNH is 1013 millibars. ", true},
      {"M05/03 02/M01", "Temperature is 02°Celsius. Dew point is -01°Celsius. ", true},
      // The second six-character test looks at the group the first left, without its length.
      {"M05/03 02/M1", "Temperature is 02°Celsius. Dew point is -1°Celsius. ", true},
      // Only the "/" and the "M" are tested, so a sign-less dew point is copied as it stands.
      {"M18/M1", "Temperature is -18°Celsius. Dew point is M1°Celsius. ", true},
      // Not read, and everything after them stays unread.
      {"18/12 A2992", "Temperature is 18°Celsius. Dew point is 12°Celsius. ", false},
      {"Q1013 12/08", "QNH is 1013 millibars. ", false},
      {"18/12 Q1013=", "Temperature is 18°Celsius. Dew point is 12°Celsius. ", false},
      {"18/12 Q101", "Temperature is 18°Celsius. Dew point is 12°Celsius. ", false},
      {"18/12 Q10133", "Temperature is 18°Celsius. Dew point is 12°Celsius. ", false},
      {"18/1", "", false},
      {"181/2", "", false},
      {"M18/M12X", "", false},
      {"X18/12", "", false},
      {"18\\12", "", false},
      {"18/12=", "", false},
  };
  for (const TemperatureCase& c : cases) {
    const std::string report =
        test::groups({"METAR LFPG 121230Z 24010KT 9999 BKN020", c.groups, "NOSIG"});
    Lines expected = {test::kHeader, test::kWind, test::kVisibility, test::kSky, c.temperature};
    if (c.nosigRead) expected.push_back(test::kNosig);
    test::expectLines(report, expected);
  }
}

TEST(TemperatureTest, DegreeSignIsUtf8) {
  const Translation result = translate("METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013");
  ASSERT_EQ(result.lines().size(), 5U);
  EXPECT_EQ(result.lines()[4],
            "Temperature is 18\xC2\xB0"
            "Celsius. Dew point is 12\xC2\xB0"
            "Celsius. QNH is 1013 millibars. ");
  const Translation below = translate("METAR LFPG 121230Z 24010KT 9999 BKN020 M05/M07");
  ASSERT_EQ(below.lines().size(), 5U);
  EXPECT_EQ(below.lines()[4],
            "Temperature is -05\xC2\xB0"
            " Celsius. Dew point is -07\xC2\xB0"
            " Celsius. ");
}

TEST(TemperatureTest, EndOfReportLeavesTheLineEmpty) {
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 BKN020",
                    {test::kHeader, test::kWind, test::kVisibility, test::kSky, ""});
}

}  // namespace
}  // namespace vantrel
