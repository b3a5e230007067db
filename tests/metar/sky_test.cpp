// Sky condition: sky clear, the four layer passes in FEW, SCT, BKN, OVC, VV order, the cloud
// height wording, and the unread forms that stop the sky step and everything after it.

#include <gtest/gtest.h>

#include <string>

#include "expect_lines.hpp"

namespace vantrel {
namespace {

using test::Lines;

constexpr char kClear[] = "The sky is clear of clouds below 5000 feet AGL. ";
constexpr char kDenseFog[] =
    "CAUTION: Vertical Visibility can not be mesured because of too dense fog.";

struct SkyCase {
  const char* groups;  // between "9999" and "18/12 Q1013 NOSIG"
  std::string sky;     // the sky line
  bool restRead;       // temperature, pressure and NOSIG read after the sky groups
};

TEST(SkyTest, SkyGroups) {
  const SkyCase cases[] = {
      {"", "", true},
      {"SKC", kClear, true},
      {"CLR", kClear, true},
      {"skc", kClear, true},
      {"clr", kClear, true},
      {"FEW005", "Few cloud cover (1/8 to 2/8) at 500 feet. ", true},
      {"few020", "Few cloud cover (1/8 to 2/8) at 2000 feet. ", true},
      {"SCT025", "Scattered cloud cover (3/8 to 4/8) at 2500 feet. ", true},
      {"BKN100", "Broken cloud cover (5/8 to 7/8) at 10,000 feet. ", true},
      {"BKN250", "Broken cloud cover (5/8 to 7/8) at 25,000 feet. ", true},
      {"BKN010", "Broken cloud cover (5/8 to 7/8) at 1000 feet. ", true},
      {"OVC000", "Overcast cloud cover (8/8) at 000 feet. ", true},
      {"OVC001", "Overcast cloud cover (8/8) at 100 feet. ", true},
      {"FEW///", "Few cloud cover (1/8 to 2/8) at //,/00 feet. ", true},
      {"SCT0/5", "Scattered cloud cover (3/8 to 4/8) at /500 feet. ", true},
      {"BKNO10", "Broken cloud cover (5/8 to 7/8) at O1,000 feet. ", true},
      {"VV002", "Vertical Visibility is 200 feet. ", true},
      {"vv002", "Vertical Visibility is 200 feet. ", true},
      {"VV105", "Vertical Visibility is 10,500 feet. ", true},
      {"VV///", kDenseFog, true},
      // One pass reads FEW, SCT, BKN, OVC, VV in this order; a step back starts the next pass.
      {"FEW010 SCT020 BKN030 OVC040",
       "Few cloud cover (1/8 to 2/8) at 1000 feet. Scattered cloud cover (3/8 to 4/8) at 2000 "
       "feet. Broken cloud cover (5/8 to 7/8) at 3000 feet. Overcast cloud cover (8/8) at 4000 "
       "feet. ",
       true},
      {"BKN010 FEW020",
       "Broken cloud cover (5/8 to 7/8) at 1000 feet. Few cloud cover (1/8 to 2/8) at 2000 feet. ",
       true},
      {"VV/// BKN010", std::string(kDenseFog) + "Broken cloud cover (5/8 to 7/8) at 1000 feet. ",
       true},
      {"OVC040 BKN030 SCT020 FEW010 VV001",
       "Overcast cloud cover (8/8) at 4000 feet. Broken cloud cover (5/8 to 7/8) at 3000 feet. "
       "Scattered cloud cover (3/8 to 4/8) at 2000 feet. Few cloud cover (1/8 to 2/8) at 1000 "
       "feet. Vertical Visibility is 100 feet. ",
       true},
      {"SKC FEW010", std::string(kClear) + "Few cloud cover (1/8 to 2/8) at 1000 feet. ", true},
      // Four passes, then the sky step ends on the group left over.
      {"BKN010 BKN020 BKN030 BKN040 BKN050",
       "Broken cloud cover (5/8 to 7/8) at 1000 feet. Broken cloud cover (5/8 to 7/8) at 2000 "
       "feet. Broken cloud cover (5/8 to 7/8) at 3000 feet. Broken cloud cover (5/8 to 7/8) at "
       "4000 feet. ",
       false},
      {"OVC010 OVC020 OVC030 OVC040 FEW050",
       "Overcast cloud cover (8/8) at 1000 feet. Overcast cloud cover (8/8) at 2000 feet. "
       "Overcast cloud cover (8/8) at 3000 feet. Overcast cloud cover (8/8) at 4000 feet. ",
       false},
      // Sky clear: SKC once, then the CLR test on whatever group is current.
      {"SKC CLR", std::string(kClear) + kClear, true},
      {"SKC CLRX", std::string(kClear) + kClear, true},
      {"CLR SKC", kClear, false},
      {"SKC SKC", kClear, false},
      // Unread forms stop the sky step where they stand. (Right after the visibility, an 8- or
      // 9-character group would be the runway step's, so those stand after another group here.)
      {"SKC BKN020CB", kClear, false},
      {"SKC SCT030TCU", kClear, false},
      {"NSC", "", false},
      {"NCD", "", false},
      {"BKN20", "", false},
      {"BKN0200", "", false},
      {"VV0020", "", false},
      {"FEW020 BKN020CB", "Few cloud cover (1/8 to 2/8) at 2000 feet. ", false},
      {"FEW020 NSC BKN030", "Few cloud cover (1/8 to 2/8) at 2000 feet. ", false},
  };
  for (const SkyCase& c : cases) {
    const std::string report =
        test::groups({"METAR LFPG 121230Z 24010KT 9999", c.groups, "18/12 Q1013 NOSIG"});
    Lines expected = {test::kHeader, test::kWind, test::kVisibility, c.sky};
    if (c.restRead) {
      expected.insert(expected.end(), {test::kTemperature, test::kNosig});
    } else {
      expected.push_back("");
    }
    test::expectLines(report, expected);
  }
}

TEST(SkyTest, CavokThenClouds) {
  test::expectLines(
      "METAR LFPG 121230Z 24010KT CAVOK SCT025 VV/// 18/12 Q1013",
      {test::kHeader, test::kWind, "",
       std::string(test::kCavok) + "Scattered cloud cover (3/8 to 4/8) at 2500 feet. " + kDenseFog,
       test::kTemperature});
}

}  // namespace
}  // namespace vantrel
