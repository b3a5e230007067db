// The recognisers of the full reading: the near misses of tests/data/groups.tsv beside their
// positives, and, over every group of the documented forms and of the golden reports, that no
// two recognisers take the same form and that each says truly what its groups begin with.

#include "metar/full/recognisers.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "metar/full/groups.hpp"
#include "metar/wording.hpp"
#include "support/files.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"
#include "support/readings_doc.hpp"

namespace vantrel {
namespace {

TEST(Recognisers, EveryRowGivesItsTextAndTakesItsGroups) {
  std::ifstream in(VANTREL_SOURCE_DIR "/tests/data/groups.tsv", std::ios::binary);
  ASSERT_TRUE(in) << "cannot read groups.tsv";
  std::size_t rows = 0;
  for (std::string row; std::getline(in, row);) {
    if (row.empty() || row.front() == '#') continue;
    SCOPED_TRACE(row);
    const std::vector<std::string_view> columns = test::splitFields(row, '\t');
    ASSERT_EQ(columns.size(), 4U);
    std::vector<Group> groups;
    for (const std::string_view g : test::splitFields(columns[0], ' ')) groups.emplace_back(g);
    full::SectionText text;
    LineText supplementary;
    const Section section = columns[1] == "trend" ? Section::kTrend : Section::kBody;
    const std::size_t taken =
        full::readGroup<EnglishWording>(groups, 0, section, text, supplementary);
    std::string written;
    for (const LineText* line : {&text.time, &text.wind, &text.visibility, &text.weather, &text.sky,
                                 &text.temperature, &supplementary}) {
      written += line->text();
    }
    EXPECT_EQ(written, columns[2]);
    EXPECT_EQ(std::to_string(taken), columns[3]);
    ++rows;
  }
  EXPECT_GT(rows, 100U);
}

// Every report of the documented forms and of the golden files, split into its groups.
std::vector<std::vector<Group>> reports() {
  std::vector<std::string> texts;
  if (const auto doc = test::readReadingsDoc(VANTREL_SOURCE_DIR "/docs/full-reading.md")) {
    for (const test::FormExample& form : doc->forms) texts.push_back(form.report);
  }
  for (const auto& entry : std::filesystem::directory_iterator(VANTREL_SOURCE_DIR "/tests/data")) {
    if (entry.path().extension() != ".jsonl") continue;
    const std::string file = test::readFile(entry.path()).value_or("");
    for (const std::string_view row : test::splitLines(file)) {
      const std::optional<test::JsonValue> record = test::JsonReader::parse(row);
      if (record && record->members.contains("report")) {
        texts.push_back(record->members.at("report").text);
      }
    }
  }
  static std::vector<std::string> kept;
  kept = std::move(texts);
  std::vector<std::vector<Group>> all;
  for (const std::string& text : kept) {
    std::vector<Group>& groups = all.emplace_back();
    for (const std::string_view g : test::splitFields(text, ' ')) {
      if (!g.empty()) groups.emplace_back(g);
    }
  }
  return all;
}

TEST(Recognisers, NoTwoTakeTheSameFormAndEachKnowsItsFirstCharacters) {
  std::size_t tried = 0;
  for (const std::vector<Group>& groups : reports()) {
    for (std::size_t i = 0; i < groups.size(); ++i) {
      const std::optional<full::Upper> u = full::upper(groups[i]);
      if (!u || u->size == 0) continue;
      for (const Section section : {Section::kBody, Section::kTrend}) {
        const full::SectionFacts facts;
        const full::Context c{groups, i, u->view(), section, facts};
        std::vector<std::pair<std::string_view, std::size_t>> takenBy;  // name, groups taken
        for (const full::RecogniserEntry& r : full::kRecognisers) {
          values::GroupValue value;
          const std::size_t n = r.read(c, value);
          if (n == 0) continue;
          EXPECT_NE(r.starts.find(u->chars[0]), std::string_view::npos)
              << r.name << " takes " << groups[i].bytes() << ", which its first characters omit";
          for (const auto& [other, count] : takenBy) {
            EXPECT_NE(n, count) << groups[i].bytes() << " (" << n << " groups) is taken by "
                                << other << " and by " << r.name;
          }
          takenBy.emplace_back(r.name, n);
        }
        ++tried;
      }
    }
  }
  EXPECT_GT(tried, 100000U);
}

}  // namespace
}  // namespace vantrel
