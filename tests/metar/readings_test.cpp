// The full reading against docs/full-reading.md, and the two readings against each other.

#include <gtest/gtest.h>

#include <filesystem>

#include "metar/translate.hpp"
#include "support/files.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"
#include "support/readings_doc.hpp"

namespace vantrel {
namespace {

const std::optional<test::ReadingsDoc>& doc() {
  static const std::optional<test::ReadingsDoc> d =
      test::readReadingsDoc(VANTREL_SOURCE_DIR "/docs/full-reading.md");
  return d;
}

TEST(FullReadingDoc, EveryFormGivesItsSentence) {
  ASSERT_TRUE(doc());
  Translator translator;
  for (const test::FormExample& form : doc()->forms) {
    SCOPED_TRACE(form.report);
    const Translation& t = translator.translate(form.report, Reading::kFull);
    bool found = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
      found = found || t.line(i).find(form.sentence) != std::string_view::npos;
    }
    EXPECT_TRUE(found) << form.sentence;
  }
}

// Every form of docs/taf.md, in both readings: a forecast has one reader whichever is asked for.
TEST(ForecastDoc, EveryFormGivesItsSentence) {
  const std::optional<test::ReadingsDoc> taf =
      test::readFormsDoc(VANTREL_SOURCE_DIR "/docs/taf.md");
  ASSERT_TRUE(taf);
  Translator translator;
  for (const test::FormExample& form : taf->forms) {
    for (const Reading reading : {Reading::kClassic, Reading::kFull}) {
      SCOPED_TRACE(form.report);
      const Translation& t = translator.translate(form.report, reading);
      EXPECT_EQ(t.kind(), ReportKind::kForecast);
      bool found = false;
      for (std::size_t i = 0; i < t.size(); ++i) {
        found = found || t.line(i).find(form.sentence) != std::string_view::npos;
      }
      EXPECT_TRUE(found) << form.sentence;
    }
  }
}

// True when the classic reading put a group that is no visibility into its visibility sentence.
bool visibilityOfLetters(const Translation& t) {
  for (std::size_t i = 0; i < t.size(); ++i) {
    const std::string_view line = t.line(i);
    if (!line.starts_with("Visibility is ")) continue;
    const std::string_view value = line.substr(14, line.find(' ', 14) - 14);
    if (value.find_first_not_of("0123456789") != std::string_view::npos &&
        line.find(" metres. ") == 14 + value.size()) {
      return true;
    }
  }
  return false;
}

// Where both readings read a report whole, they write the same lines, apart from the groups
// the document lists as read differently on purpose.
TEST(Readings, AgreeWhereBothReadEveryGroup) {
  ASSERT_TRUE(doc());
  Translator classic, full;
  std::size_t compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VANTREL_SOURCE_DIR "/tests/data")) {
    if (entry.path().extension() != ".jsonl") continue;
    const std::string text = test::readFile(entry.path()).value_or("");
    for (const std::string_view row : test::splitLines(text)) {
      const std::optional<test::JsonValue> record = test::JsonReader::parse(row);
      // The French rows repeat reports of the English ones, and the document's examples.
      if (!record || !record->members.contains("report") || record->members.contains("lang")) {
        continue;
      }
      const std::string& report = record->members.at("report").text;
      const Translation& c = classic.translate(report);
      const Translation& f = full.translate(report, Reading::kFull);
      if (c.refused() || !c.unread().empty() || !f.unread().empty() ||
          test::holdsAnyOf(report, doc()->differences) || visibilityOfLetters(c)) {
        continue;
      }
      SCOPED_TRACE(report);
      EXPECT_EQ(test::saidLines(f), test::saidLines(c));
      ++compared;
    }
  }
  EXPECT_GT(compared, 1000U);
}

}  // namespace
}  // namespace vantrel
