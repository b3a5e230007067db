// The recognisers of the groups only a forecast has, and their sentences, replayed from
// tests/data/forecast_groups.tsv: a row holds the kind of group, the groups, how many of them the
// recogniser takes (0 for a near miss it must leave) and the sentence they give.

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "metar/forecast_vocabulary.hpp"
#include "metar/taf/recognise_forecast.hpp"
#include "support/lines.hpp"

namespace vantrel::taf {
namespace {

// How many groups the recogniser of `kind` takes from `groups`, and their sentence into `text`.
std::size_t readAndWord(std::string_view kind, const std::vector<Group>& groups, TextBuffer& text) {
  if (kind == "period") {
    Period v;
    if (!readPeriod(groups[0].bytes(), v)) return 0;
    words::appendValidity(text, v);
    return 1;
  }
  if (kind == "change") {
    Change v;
    const std::size_t n = readChange(groups, 0, v);
    if (n != 0) words::appendChangeHeading(text, v);
    return n;
  }
  if (kind == "statement") {
    Statement v;
    const std::size_t n = readStatement(groups, 0, v);
    if (n != 0) words::appendStatement(text, v);
    return n;
  }
  if (ForecastTemperature v; kind == "temperature" && readForecastTemperature(groups[0], v)) {
    words::appendForecastTemperature(text, v);
  } else if (WindShear s; kind == "windshear" && readWindShear(groups[0], s)) {
    words::appendForecastWindShear(text, s);
  } else if (LowestAltimeter a; kind == "altimeter" && readLowestAltimeter(groups[0], a)) {
    words::appendLowestAltimeter(text, a);
  } else if (Layer l; kind == "layer" && readLayer(groups[0], l)) {
    words::appendLayer(text, l);
  } else {
    return 0;
  }
  return 1;
}

TEST(ForecastGroupsTest, EveryRowTakesItsGroupsAndGivesItsSentence) {
  std::ifstream in(VANTREL_TEST_DATA_DIR "/forecast_groups.tsv", std::ios::binary);
  ASSERT_TRUE(in) << "cannot read forecast_groups.tsv";
  std::size_t rows = 0;
  for (std::string row; std::getline(in, row);) {
    if (row.empty() || row.front() == '#') continue;
    SCOPED_TRACE(row);
    const std::vector<std::string_view> columns = test::splitFields(row, '\t');
    ASSERT_EQ(columns.size(), 4U);
    std::vector<Group> groups;
    for (const std::string_view g : test::splitFields(columns[1], ' ')) groups.emplace_back(g);
    TextBuffer text;
    EXPECT_EQ(std::to_string(readAndWord(columns[0], groups, text)), columns[2]);
    EXPECT_EQ(text.view(), columns[3]);
    ++rows;
  }
  EXPECT_GT(rows, 50U);
}

}  // namespace
}  // namespace vantrel::taf
