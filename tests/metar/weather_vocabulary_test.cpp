// Every weather form the decoder knows, in a full report, in upper and lower case: the weather
// line must be the form's sentence, and the light and heavy descriptor sentences must read as
// the insertion rule and its exceptions say.

#include "metar/weather_vocabulary.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "metar/translate.hpp"

namespace vantrel {
namespace {

using weather::kDescriptors;
using weather::kPhenomena;

struct Form {
  std::string group;
  std::string_view sentence;
};

std::vector<Form> allForms() {
  std::vector<Form> forms;
  for (const weather::Phenomenon& p : kPhenomena) {
    const std::string code(p.code);
    forms.push_back({code, p.plain});
    forms.push_back({"-" + code, p.light});
    forms.push_back({"+" + code, p.heavy});
  }
  for (std::size_t d = 0; d < kDescriptors.size(); ++d) {
    for (std::size_t i = 0; i < kDescriptors[d].count; ++i) {
      const std::string code = std::string(kDescriptors[d].code) + std::string(kPhenomena[i].code);
      forms.push_back({code, kDescriptors[d].sentences[i]});
      forms.push_back({"-" + code, weather::kLightSentences[d][i].view()});
      forms.push_back({"+" + code, weather::kHeavySentences[d][i].view()});
    }
  }
  return forms;
}

std::string lowered(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

TEST(WeatherVocabulary, EveryFormGivesItsSentenceInAFullReport) {
  const std::vector<Form> forms = allForms();
  ASSERT_EQ(forms.size(), 468U);
  std::set<std::string_view> distinct;
  for (const Form& form : forms) distinct.insert(form.sentence);
  EXPECT_EQ(distinct.size(), 468U) << "two forms share a sentence";

  for (const Form& form : forms) {
    for (const std::string& group : {form.group, lowered(form.group)}) {
      const std::string report =
          "METAR LFPG 121230Z 24010KT 9999 " + group + " BKN020 18/12 Q1013 NOSIG";
      SCOPED_TRACE(report);
      const std::vector<std::string> expected = {
          "METAR report issued on the 12th at 12.30 GMT for LFPG:",
          "Wind blowing from 240 degree at 10 knots.",
          "Visibility is 10 kilometres or more. ",
          std::string(form.sentence),
          "Broken cloud cover (5/8 to 7/8) at 2000 feet. ",
          "Temperature is 18\u00B0Celsius. Dew point is 12\u00B0Celsius. QNH is 1013 millibars. ",
          "No significant changes in weather within the next two hours. ",
          "",
      };
      EXPECT_EQ(translate(report).lines(), expected);
    }
  }
}

// Light and heavy sentences of the descriptor groups, from the rule and from its exceptions.
TEST(WeatherVocabulary, IntensitySentencesReadAsDocumented) {
  const struct {
    std::string_view group;
    std::string_view sentence;
  } kCases[] = {
      // The intensity word goes before the descriptor word or the noun, whichever comes first.
      {"-FZRA", "There is a light freezing rain. "},
      {"+SHRA", "There are heavy rain showers. "},
      {"-BCGS", "There are small light hail patches. "},
      {"-BLVA", "Watch out the light volcanic blowing ashes!!! "},
      {"-TSRA", "There is light rain with thunderstorms. "},
      {"+SHGS", "There are small heavy hail showers. "},
      {"-MIFG", "There is a light shallow fog (visibility inferior or equal to 1/2 Miles). "},
      {"+BCSS", "There are heavy sandstorm patches!!! "},
      {"-DRUP", "Unknown light precipitation with low drifting. "},
      {"-FZVA",
       "Watch out the light freezing volcanic ashes???"
       "!!! "},
      // Small hail with thunderstorms and shallow hail read as the rule gives them.
      {"+TSGS", "There is a small heavy hail with thunderstorms. "},
      {"+MIGR", "There is a heavy shallow hail. "},
      // The exceptions.
      {"-FZFU", "There is light freezing smoke. "},
      {"+FZFU", "There is heavy freezing smoke. "},
      {"+FZVA",
       "Watch out the heavy freezing volcanic ashes???"
       "!!! (some guys down here are "
       "really really unlucky :o) "},
      {"-BLFU", "There is light blowing smoke. "},
      {"+BLFU", "There is heavy blowing smoke. "},
      {"-BLDU", "There is light blowing dust. "},
      {"+BLDU", "There is heavy blowing dust. "},
      // Their plain forms keep two spaces.
      {"BLFU", "There is  blowing smoke. "},
      {"BLDU", "There is  blowing dust. "},
  };
  const std::vector<Form> forms = allForms();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.group);
    bool seen = false;
    for (const Form& form : forms) {
      if (form.group == c.group) {
        EXPECT_EQ(form.sentence, c.sentence);
        seen = true;
      }
    }
    EXPECT_TRUE(seen);
  }
}

// Showers combine only with the precipitation codes RA to GS.
TEST(WeatherVocabulary, ShowersOnlyWithPrecipitation) {
  for (const std::string_view report : {"METAR LFPG 121230Z 24010KT 9999 SHFG BKN020",
                                        "METAR LFPG 121230Z 24010KT 9999 +SHSQ BKN020"}) {
    SCOPED_TRACE(report);
    const std::vector<std::string> lines = translate(report).lines();
    // Taken without a sentence: the weather line and the closing weather line are empty.
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Broken cloud cover (5/8 to 7/8) at 2000 feet. ");
    EXPECT_EQ(lines[6], "");
  }
}

}  // namespace
}  // namespace vantrel
