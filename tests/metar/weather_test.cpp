// Present weather as the driver sees it: the sentences of the groups taken, the hand-overs
// between the decoder's passes and steps, the groups it never takes, and the cursor it hands
// back to the sky step.

#include <gtest/gtest.h>

#include <string>

#include "expect_lines.hpp"

namespace vantrel {
namespace {

using test::Lines;

struct WeatherCase {
  const char* groups;   // between "9999" and "BKN020 18/12 Q1013"
  const char* weather;  // the weather line; nullptr when no group was taken
  bool restRead;        // the sky step reads BKN020; otherwise it stops on the group left over
};

TEST(WeatherTest, GroupsAndHandOvers) {
  const WeatherCase cases[] = {
      {"RA", "It is raining. ", true},
      {"ra", "It is raining. ", true},
      {"-shra", "There are light rain showers. ", true},
      {"FC", "There is a funnel cloud. ", true},
      {"+FC", "There is a heavy funnel cloud. ", true},
      {"+ra", "There is heavy rain. ", true},
      {"FG", "There is fog (visibility inferior or equal to 1/2 Miles). ", true},
      {"-TSRA", "There is light rain with thunderstorms. ", true},
      {"+SHRA", "There are heavy rain showers. ", true},
      {"-FZRA", "There is a light freezing rain. ", true},
      {"+DRSN", "There is heavy snow with low drifting. ", true},
      {"BLFU", "There is  blowing smoke. ", true},
      {"-BLFU", "There is light blowing smoke. ", true},
      {"+BLDU", "There is heavy blowing dust. ", true},
      {"-FZFU", "There is light freezing smoke. ", true},
      {"+BLVA", "Watch out the heavy volcanic blowing ashes!!! ", true},
      {"BCSS", "There are sandstorm patches!!! ", true},
      {"-BCGS", "There are small light hail patches. ", true},
      {"FZVA", "Watch out the freezing volcanic ashes??\?!!! ", true},
      {"-FZVA", "Watch out the light freezing volcanic ashes??\?!!! ", true},
      {"+FZVA",
       "Watch out the heavy freezing volcanic ashes??\?!!! (some guys down here are really really "
       "unlucky :o) ",
       true},
      {"+fzva",
       "Watch out the heavy freezing volcanic ashes??\?!!! (some guys down here are really really "
       "unlucky :o) ",
       true},
      // The two corrected forms follow the insertion rule, like their light twins.
      {"+TSGS", "There is a small heavy hail with thunderstorms. ", true},
      {"-TSGS", "There is a small light hail with thunderstorms. ", true},
      {"+MIGR", "There is a heavy shallow hail. ", true},
      {"-MIGR", "There is a light shallow hail. ", true},
      {"+migr", "There is a heavy shallow hail. ", true},
      // Both orders, one group per pass.
      {"BR -SHRA",
       "There is mist (visibility superior to 1/2 miles). There are light rain showers. ", true},
      {"-SHRA BR",
       "There are light rain showers. There is mist (visibility superior to 1/2 miles). ", true},
      {"+TSRA -RA", "There is heavy rain with thunderstorms. There is light rain. ", true},
      {"RA RA", "It is raining. It is raining. ", true},
      {"-RA +RA", "There is light rain. There is heavy rain. ", true},
      {"-SHRA +SHRA", "There are light rain showers. There are heavy rain showers. ", true},
      // The second of two groups of one form waits for the second pass; a third stays unread.
      {"RA BR FG", "It is raining. There is mist (visibility superior to 1/2 miles). ", false},
      {"-RA -SN -DZ", "There is light rain. There is light snow. ", false},
      // B2 and D2 look at the group after the one B1 or D1 took, whatever its length, and take
      // it when it begins with "+".
      {"-RA +TSRA", "There is light rain. ", true},
      {"-SHRA +RA", "There are light rain showers. ", true},
      {"-RA +", "There is light rain. ", true},
      {"-SHRA +BKN020", "There are light rain showers. ", true},
      {"-RA +SHRASN", "There is light rain. ", true},
      // Taken without a sentence.
      {"VCSH", "", true},
      {"VCFG", "", true},
      {"RERA", "", true},
      {"SHFG", "", true},
      {"SHSQ", "", true},
      {"XXRA", "", true},
      {"TS", "", true},
      {"RÁ", "", true},
      {"-SH", "", true},
      {"+RAGR", "", true},
      {"-XXRA", "", true},
      {"VCSH RA", "It is raining. ", true},
      // Never taken: the flag stays clear, later weather groups are not reached, and the sky
      // step sees the group.
      {"NSC", nullptr, false},
      {"NSC RA", nullptr, false},
      {"CAVOK", nullptr, false},
      {"TSRAGR", nullptr, false},
      {"+SHRASN", nullptr, false},
      {"RAX", nullptr, false},
      {"SHRAX", nullptr, false},
      {"-", nullptr, false},
      {"R27L/1200U", nullptr, false},
  };
  for (const WeatherCase& c : cases) {
    const std::string report =
        test::groups({"METAR LFPG 121230Z 24010KT 9999", c.groups, "BKN020 18/12 Q1013"});
    Lines expected = {test::kHeader, test::kWind, test::kVisibility};
    if (c.weather != nullptr) expected.push_back(c.weather);
    expected.push_back(c.restRead ? test::kSky : "");
    expected.push_back(c.restRead ? test::kTemperature : "");
    if (c.weather != nullptr) expected.push_back("");
    test::expectLines(report, expected);
  }
}

TEST(WeatherTest, CloudGroupsAreLeftForTheSkyStep) {
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 FEW020 BKN020 18/12 Q1013",
                    {test::kHeader, test::kWind, test::kVisibility,
                     std::string("Few cloud cover (1/8 to 2/8) at 2000 feet. ") + test::kSky,
                     test::kTemperature});
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 VV002 18/12 Q1013",
                    {test::kHeader, test::kWind, test::kVisibility,
                     "Vertical Visibility is 200 feet. ", test::kTemperature});
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 SKC 18/12 Q1013",
                    {test::kHeader, test::kWind, test::kVisibility,
                     "The sky is clear of clouds below 5000 feet AGL. ", test::kTemperature});
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 -RA SKC 18/12 Q1013",
                    {test::kHeader, test::kWind, test::kVisibility, "There is light rain. ",
                     "The sky is clear of clouds below 5000 feet AGL. ", test::kTemperature, ""});
}

TEST(WeatherTest, SixGroupsPerPassTwelvePerCall) {
  // One group for each step of a pass (A, B1, B2, C, D1, D2), twice; the thirteenth is left.
  test::expectLines(
      "METAR LFPG 121230Z 24010KT 9999 RA -RA +RA SHRA -SHRA +SHRA DZ -DZ +DZ SHDZ -SHDZ +SHDZ SN "
      "BKN020 18/12 Q1013",
      {test::kHeader, test::kWind, test::kVisibility,
       "It is raining. There is light rain. There is heavy rain. There are rain showers. There are "
       "light rain showers. There are heavy rain showers. It is drizzling. There is light drizzle. "
       "There is heavy drizzle. There are drizzle showers. There are light drizzle showers. There "
       "are heavy drizzle showers. ",
       "", "", ""});
  // Out of step order a pass takes fewer groups: -RA comes after the last step that reads it.
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 +SHRA SHRA -RA RA BKN020 18/12 Q1013",
                    {test::kHeader, test::kWind, test::kVisibility,
                     "There are heavy rain showers. There are rain showers. ", "", "", ""});
}

TEST(WeatherTest, InitialTextIsTheSkyBuffer) {
  // After CAVOK a group taken without a sentence gives a weather line of the CAVOK sentence alone.
  test::expectLines(
      "METAR LFPG 121230Z 24010KT CAVOK VCSH 18/12 Q1013",
      {test::kHeader, test::kWind, "", test::kCavok, test::kCavok, test::kTemperature, ""});
  test::expectLines("METAR LFPG 121230Z 24010KT CAVOK NSC 18/12 Q1013",
                    {test::kHeader, test::kWind, "", test::kCavok, ""});
}

TEST(WeatherTest, EndOfReport) {
  test::expectLines("METAR LFPG 121230Z 24010KT 9999",
                    {test::kHeader, test::kWind, test::kVisibility, "", ""});
  test::expectLines("METAR LFPG 121230Z 24010KT 9999 RA",
                    {test::kHeader, test::kWind, test::kVisibility, "It is raining. ", "", "", ""});
}

}  // namespace
}  // namespace vantrel
