// The decoded values (docs/json.md, "Decoded values"), replayed from tests/data/decoded.tsv. A row
// holds the section (body, trend or remark), the groups as typed and the value's JSON; an empty
// JSON for groups that give no value. The groups may be written "before | value" or
// "before | value | after" when the value depends on the groups around it: in the body and the
// trend, the groups before are read first, as the section would (the minimum visibility after the
// prevailing one), and the groups after follow (///// before the pressure is the temperature); in
// the remarks, the groups before stand before RMK (the station, when the reading depends on it;
// KXYZ otherwise). A value takes exactly its groups.

#include "metar/decoded.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "metar/describe.hpp"
#include "metar/full/groups.hpp"
#include "metar/full/recognisers.hpp"
#include "metar/full/remarks.hpp"
#include "metar/wording.hpp"
#include "support/files.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"

namespace vantrel {
namespace {

// The value of the group at groups[at] as the body or a trend section reads it, and the number of
// groups it took (0: none).
std::size_t describeInSection(const std::vector<Group>& groups, std::size_t at, Section section,
                              Decoded& out) {
  full::SectionText text;
  LineText supplementary;
  for (std::size_t i = 0; i < at;) {
    const std::size_t n = full::readGroup<EnglishWording>(groups, i, section, text, supplementary);
    i += n == 0 ? 1 : n;
  }
  out.clear();
  if (section == Section::kTrend) {
    values::Turbulence turbulence;
    if (const std::size_t n = full::readTurbulence(groups, at, turbulence)) {
      describe(turbulence, out);
      return n;
    }
    values::TrendTime time;
    if (const std::size_t n = full::readTrendTime(groups, at, time)) {
      describe(time, out);
      return n;
    }
  }
  // Read as the section reads it (which may refuse a group out of its place), then described.
  full::SectionText copy = text;
  LineText ignored;
  const std::size_t read = full::readGroup<EnglishWording>(groups, at, section, copy, ignored);
  if (read == 0) return 0;
  const std::optional<full::Upper> u = full::upper(groups[at]);
  values::GroupValue value;
  const full::Context context{groups, at, u->view(), section, text.facts};
  const std::size_t n = full::recognise(context, value);
  EXPECT_EQ(n, read);
  describe(value, out);
  return n;
}

TEST(Decoded, EveryRowGivesItsValue) {
  std::ifstream in(VANTREL_TEST_DATA_DIR "/decoded.tsv", std::ios::binary);
  ASSERT_TRUE(in) << "cannot read decoded.tsv";
  std::size_t rows = 0;
  for (std::string row; std::getline(in, row);) {
    if (row.empty() || row.front() == '#') continue;
    SCOPED_TRACE(row);
    const std::vector<std::string_view> columns = test::splitFields(row, '\t');
    ASSERT_EQ(columns.size(), 3U);
    const std::string_view section = columns[0];
    ASSERT_TRUE(section == "body" || section == "trend" || section == "remark");
    // before | value | after: the groups around the value's, when there are any.
    std::vector<std::vector<std::string_view>> parts(1);
    for (const std::string_view g : test::splitFields(columns[1], ' ')) {
      if (g == "|") {
        parts.emplace_back();
      } else {
        parts.back().push_back(g);
      }
    }
    const std::vector<std::string_view> none;
    const std::vector<std::string_view>& before = parts.size() > 1 ? parts[0] : none;
    const std::vector<std::string_view>& value = parts.size() > 1 ? parts[1] : parts[0];
    const std::vector<std::string_view>& after = parts.size() > 2 ? parts[2] : none;
    std::vector<Group> groups;
    for (const std::string_view g : before) groups.emplace_back(g);
    if (section == "remark") {
      if (before.empty()) groups.emplace_back("KXYZ");
      groups.emplace_back("RMK");
    }
    const std::size_t at = groups.size();
    for (const std::string_view g : value) groups.emplace_back(g);
    const std::size_t end = groups.size();
    for (const std::string_view g : after) groups.emplace_back(g);
    Decoded decoded;
    std::size_t taken = 0;
    if (section == "remark") {
      taken = full::describeRemark(groups, at, decoded);
      // The same remark, and the same groups, as the sentence.
      TextBuffer sentence;
      EXPECT_EQ(full::readRemark(groups, at, sentence), taken);
    } else {
      taken = describeInSection(groups, at, section == "body" ? Section::kBody : Section::kTrend,
                                decoded);
    }
    TextBuffer json;
    if (!decoded.empty()) appendJson(json, decoded);
    EXPECT_EQ(json.view(), columns[2]);
    if (!columns[2].empty()) {
      // The row lists the value's groups and no more, and its JSON is a JSON object.
      EXPECT_EQ(taken, end - at);
      const std::optional<test::JsonValue> parsed = test::JsonReader::parse(columns[2]);
      ASSERT_TRUE(parsed.has_value());
      EXPECT_EQ(parsed->kind, test::JsonValue::Kind::kObject);
    } else {
      EXPECT_TRUE(decoded.empty());
    }
    ++rows;
  }
  EXPECT_GT(rows, 150U);
}

// The kind of a value's JSON: {"kind": "wind", ...} gives wind.
std::string kindOf(std::string_view json) {
  constexpr std::string_view kLead = "{\"kind\": \"";
  if (json.substr(0, kLead.size()) != kLead) return {};
  json.remove_prefix(kLead.size());
  return std::string(json.substr(0, json.find('"')));
}

// docs/json.md lists every kind of decoded.tsv, and each of its examples is a row there.
TEST(Decoded, TheDocumentListsEveryKindWithRowsOfTheTable) {
  std::set<std::pair<std::string, std::string>> examples;  // groups, JSON
  std::set<std::string> kinds;
  std::ifstream table(VANTREL_TEST_DATA_DIR "/decoded.tsv", std::ios::binary);
  ASSERT_TRUE(table) << "cannot read decoded.tsv";
  for (std::string row; std::getline(table, row);) {
    if (row.empty() || row.front() == '#') continue;
    const std::vector<std::string_view> columns = test::splitFields(row, '\t');
    if (columns.size() != 3 || columns[2].empty()) continue;
    examples.emplace(columns[1], columns[2]);
    kinds.insert(kindOf(columns[2]));
  }
  const std::optional<std::string> doc =
      test::readFile(VANTREL_TEST_DATA_DIR "/../../docs/json.md");
  ASSERT_TRUE(doc.has_value()) << "cannot read docs/json.md";
  const std::size_t start = doc->find("\n## Decoded values\n");
  ASSERT_NE(start, std::string::npos);
  const std::size_t end = doc->find("\n## ", start + 1);
  const std::string_view section = std::string_view(*doc).substr(start, end - start);
  std::set<std::string> documented;
  std::size_t shown = 0;
  // | `kind`, `kind` | fields | `groups` → `{...}` |
  const std::regex example("`([^`]+)` \u2192 `(\\{[^`]*\\})`");
  for (const std::string_view line : test::splitLines(section)) {
    if (line.substr(0, 3) != "| `") continue;
    SCOPED_TRACE(line);
    const std::string_view first = line.substr(2, line.find(" |", 2) - 2);
    for (std::string_view k : test::splitFields(first, ',')) {
      while (!k.empty() && (k.front() == ' ' || k.front() == '`')) k.remove_prefix(1);
      while (!k.empty() && k.back() == '`') k.remove_suffix(1);
      documented.emplace(k);
    }
    const std::string text(line);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, example));
    std::string groups = m[1].str();
    for (std::size_t at; (at = groups.find("\\|")) != std::string::npos;) groups.erase(at, 1);
    EXPECT_TRUE(examples.contains({groups, m[2].str()})) << groups << " " << m[2].str();
    EXPECT_TRUE(documented.contains(kindOf(m[2].str())));
    ++shown;
  }
  for (const std::string& k : kinds) EXPECT_TRUE(documented.contains(k)) << k;
  EXPECT_GT(shown, 50U);
}

}  // namespace
}  // namespace vantrel
