// Prevailing visibility, CAVOK and runway visual range, and the wind line that the visibility
// step writes when the variation step did not.

#include <gtest/gtest.h>

#include <string>

#include "expect_lines.hpp"

namespace vantrel {
namespace {

using test::Lines;

struct VisibilityCase {
  const char* groups;      // the groups after the wind group 24010KT
  const char* visibility;  // body line 1
  bool restRead;           // BKN020 18/12 Q1013 read as usual; otherwise the sky step is stopped
};

TEST(VisibilityTest, VisibilityAndRunwayForms) {
  const VisibilityCase cases[] = {
      {"9999", "Visibility is 10 kilometres or more. ", true},
      {"0000", "CAUTION: no visibility (less than 50 metres). ", true},
      {"0800", "Visibility is 0800 metres. ", true},
      {"10SM", "Visibility is 10SM metres. ", true},
      {"SHRA", "Visibility is SHRA metres. ", true},
      {"ÉÉÉÉ", "Visibility is ÉÉÉÉ metres. ", true},
      {"9999 R27/0600",
       "Visibility is 10 kilometres or more. Runway Visual Range for runway 27 is 0600 metres. ",
       true},
      {"1200 R27/0600",
       "Visibility is 1200 metres. Runway Visual Range for runway 27 is 0600 metres. ", true},
      {"1200 R27/0600 R09L/1100",
       "Visibility is 1200 metres. Runway Visual Range for runway 27 is 0600 metres. Runway Visual "
       "Range for runway 09L is 1100 metres. ",
       true},
      {"1200 R09L/1100",
       "Visibility is 1200 metres. Runway Visual Range for runway 09L is 1100 metres. ", true},
      // The first character of a runway group is never examined; the value is copied as typed.
      {"1200 r27/0600",
       "Visibility is 1200 metres. Runway Visual Range for runway 27 is 0600 metres. ", true},
      {"1200 X27/M050",
       "Visibility is 1200 metres. Runway Visual Range for runway 27 is M050 metres. ", true},
      {"1200 r09l/1100",
       "Visibility is 1200 metres. Runway Visual Range for runway 09l is 1100 metres. ", true},
      {"1200 RÉÉ/0600",
       "Visibility is 1200 metres. Runway Visual Range for runway ÉÉ is 0600 metres. ", true},
      // Eight- and nine-character groups that are not runway groups are consumed without text.
      {"1200 R27/P1500", "Visibility is 1200 metres. ", true},
      {"1200 R27/1200U", "Visibility is 1200 metres. ", true},
      {"1200 BKN020CB", "Visibility is 1200 metres. ", true},
      {"1200 24005MPS R27/P1500", "Visibility is 1200 metres. ", true},
      // A nine-character group, then an eight-character one: the second is left unread and stops
      // the weather and sky steps.
      {"1200 R09L/1100 R27/0600",
       "Visibility is 1200 metres. Runway Visual Range for runway 09L is 1100 metres. ", false},
      {"1200 R27L/1200U", "Visibility is 1200 metres. ", false},
      {"1200 R27/0600 R27/0600",
       "Visibility is 1200 metres. Runway Visual Range for runway 27 is 0600 metres. ", false},
  };
  for (const VisibilityCase& c : cases) {
    const std::string report =
        test::groups({"METAR LFPG 121230Z 24010KT", c.groups, "BKN020 18/12 Q1013"});
    const Lines rest = c.restRead ? Lines{test::kSky, test::kTemperature} : Lines{"", ""};
    test::expectLines(report, test::concat({{test::kHeader, test::kWind, c.visibility}, rest}));
  }
}

TEST(VisibilityTest, Cavok) {
  // The CAVOK sentence stands in the sky line, before the cloud groups read after it.
  for (const char* cavok : {"CAVOK", "cavok", "CaVoK"}) {
    test::expectLines(test::groups({"METAR LFPG 121230Z 24010KT", cavok, "18/12 Q1013"}),
                      {test::kHeader, test::kWind, "", test::kCavok, test::kTemperature});
  }
  test::expectLines(
      "METAR LFPG 121230Z 24010KT CAVOK BKN020 18/12 Q1013",
      {test::kHeader, test::kWind, "", std::string(test::kCavok) + test::kSky, test::kTemperature});
  // The sky buffer is the weather decoder's initial text, so the weather line begins with CAVOK.
  test::expectLines("METAR LFPG 121230Z 24010KT CAVOK RA 18/12 Q1013",
                    {test::kHeader, test::kWind, "", std::string(test::kCavok) + "It is raining. ",
                     test::kCavok, test::kTemperature, ""});
  // Near misses: not a CAVOK group, consumed without text.
  for (const char* nearMiss : {"CAVOK1", "CAVO", "CAV0K"}) {
    const std::string visibility = std::string(nearMiss).size() == 4
                                       ? std::string("Visibility is ") + nearMiss + " metres. "
                                       : "";
    test::expectLines(test::groups({"METAR LFPG 121230Z 24010KT", nearMiss, "18/12 Q1013"}),
                      {test::kHeader, test::kWind, visibility, "", test::kTemperature});
  }
}

TEST(VisibilityTest, RecognisedWindIsNeverLost) {
  // A visibility group of another form still lets a recognised wind sentence out, before the
  // body lines; an empty wind buffer gives no line there.
  test::expectLines("METAR LFPG 121230Z 27010KT 1/2SM",
                    {test::kHeader, "Wind blowing from 270 degree at 10 knots.", "", "", ""});
  test::expectLines("METAR LFPG 121230Z 24010KT 4000NE BKN020 18/12 Q1013",
                    {test::kHeader, test::kWind, "", test::kSky, test::kTemperature});
  test::expectLines("METAR LFPG 121230Z 00000KT 999 BKN020 18/12 Q1013",
                    {test::kHeader, "Wind calm. ", "", test::kSky, test::kTemperature});
  // No visibility group: the first cloud group is consumed by the visibility step.
  test::expectLines("METAR LFPG 121230Z 24010KT FEW020 BKN020 18/12 Q1013",
                    {test::kHeader, test::kWind, "", test::kSky, test::kTemperature});
  // The report ends after the wind group.
  test::expectLines("METAR LFPG 121230Z 24010KT", {test::kHeader, test::kWind, "", "", ""});
  test::expectLines("METAR LFPG 121230Z 24010KT ", {test::kHeader, test::kWind, "", "", ""});
  // Nothing to write.
  test::expectLines("METAR LFPG 121230Z 27005MPS 1/2SM", {test::kHeader, "", "", ""});
  test::expectLines("METAR LFPG 121230Z 1/2SM", {test::kHeader, "", "", ""});
  // Written once only: by the variation step here.
  test::expectLines(
      "METAR LFPG 121230Z 24010KT 200V280 1/2SM",
      {test::kHeader,
       "Wind blowing from 240 degree at 10 knots. Wind direction is varying from 200 to 280 "
       "degrees.",
       "", "", ""});
  test::expectLines("METAR LFPG 121230Z 24010KT 240/300 1/2SM",
                    {test::kHeader, test::kWind, "", "", ""});
}

}  // namespace
}  // namespace vantrel
