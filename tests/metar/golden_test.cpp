// The golden corpus: every report of the JSON Lines files under tests/data, translated by the
// library and by the vantrel-translate program (--json), compared exactly with its expected lines
// or refusal, and with its unread groups when the row names them. A row is
//   {"report": "...", "lines": ["...", ...], "unread": ["...", ...]}  or  {"report": "...",
//   "error": "..."}, "unread" optional, with an optional "note", "reading": "full" for the
// full reading and "lang": "fr" for French. A failure names the file, the line number and the
// report.

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "expect_lines.hpp"
#include "metar/text.hpp"
#include "support/files.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"
#include "support/runs.hpp"

namespace vantrel {
namespace {

using Strings = std::vector<std::string>;

// One row of a golden file or one object of the program's --json output.
struct Record {
  std::string report;
  std::optional<Strings> lines;
  std::optional<std::string> error;
  std::optional<Strings> unread;
  Reading reading = Reading::kClassic;
  Language language = Language::kEnglish;
};

std::optional<Strings> stringArray(const test::JsonValue& value) {
  if (value.kind != test::JsonValue::Kind::kArray) return std::nullopt;
  Strings strings;
  for (const test::JsonValue& item : value.items) {
    if (item.kind != test::JsonValue::Kind::kString) return std::nullopt;
    strings.push_back(item.text);
  }
  return strings;
}

// The record `text` holds: one JSON object with a "report" string and either a "lines" array of
// strings or an "error" string, optionally "unread" (an array of strings, beside "lines"),
// "note" (a string), "reading" ("full") and "lang" ("fr"), each key once. Anything else is not a
// record.
std::optional<Record> readRecord(std::string_view text) {
  using test::JsonValue;
  const std::optional<JsonValue> value = test::JsonReader::parse(text);
  if (!value || value->kind != JsonValue::Kind::kObject ||
      value->memberCount != value->members.size()) {
    return std::nullopt;
  }
  Record record;
  bool hasReport = false;
  for (const auto& [key, member] : value->members) {
    if (key == "lines" || key == "unread") {
      std::optional<Strings>& strings = key == "lines" ? record.lines : record.unread;
      strings = stringArray(member);
      if (!strings) return std::nullopt;
    } else if (member.kind != JsonValue::Kind::kString) {
      return std::nullopt;
    } else if (key == "report") {
      record.report = member.text;
      hasReport = true;
    } else if (key == "error") {
      record.error = member.text;
    } else if (key == "reading" && member.text == "full") {
      record.reading = Reading::kFull;
    } else if (key == "lang" && member.text == "fr") {
      record.language = Language::kFrench;
    } else if (key != "note") {
      return std::nullopt;
    }
  }
  if (!hasReport || record.lines.has_value() == record.error.has_value() ||
      (record.unread && !record.lines)) {
    return std::nullopt;
  }
  return record;
}

TEST(RecordTest, FromJson) {
  const std::optional<Record> record =
      readRecord(R"({"report": "METAR", "lines": ["", "a\"b"], "unread": ["X"], "note": "n"})");
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->report, "METAR");
  EXPECT_EQ(record->lines, (Strings{"", "a\"b"}));
  EXPECT_EQ(record->unread, Strings{"X"});
  EXPECT_FALSE(record->error.has_value());
  EXPECT_EQ(record->reading, Reading::kClassic);
  const std::optional<Record> refused =
      readRecord(R"({"report": "x", "error": "e", "reading": "full"})");
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->error, std::optional<std::string>("e"));
  EXPECT_FALSE(refused->lines.has_value());
  EXPECT_EQ(refused->reading, Reading::kFull);
  for (const std::string_view bad :
       {R"({"report": "x", "lines": [], "error": "e"})", R"({"lines": []})", R"({"report": "x"})",
        R"({"report": "x", "lines": [1]})", R"({"report": "x", "lines": "a"})",
        R"({"report": ["x"], "error": "e"})", R"({"report": "x", "error": "e", "other": "o"})",
        R"({"report": 1, "report": "x", "error": "e"})", R"(["x"])",
        R"({"report": "x", "error": "e"} x)", R"({"report": "x", "error": "e", "unread": []})",
        R"({"report": "x", "lines": [], "unread": [2]})",
        R"({"report": "x", "lines": [], "reading": "fast"})"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(readRecord(bad).has_value());
  }
}

struct GoldenCase {
  std::size_t lineNumber;
  Record record;
};

std::vector<GoldenCase> loadCases(const std::string& file) {
  const std::filesystem::path path = std::filesystem::path(VANTREL_TEST_DATA_DIR) / file;
  const std::string text = test::readFile(path).value_or("");
  std::vector<GoldenCase> cases;
  std::size_t number = 0;
  for (const std::string_view line : test::splitLines(text)) {
    ++number;
    std::optional<Record> record = readRecord(line);
    if (!record) {
      ADD_FAILURE() << file << ":" << number << ": not a report record: " << line;
      continue;
    }
    cases.push_back({number, std::move(*record)});
  }
  EXPECT_FALSE(cases.empty()) << "no reports in " << path;
  return cases;
}

// Reports failures in full up to a limit, then only counts them, so that a broken step does not
// bury the log under thousands of reports.
class FailureLog {
 public:
  explicit FailureLog(std::string file) : file_(std::move(file)) {}
  ~FailureLog() {
    if (count_ > kShown) {
      ADD_FAILURE() << file_ << ": " << count_ << " reports differ (" << kShown << " shown)";
    }
  }
  FailureLog(const FailureLog&) = delete;
  FailureLog& operator=(const FailureLog&) = delete;

  // The unread groups are compared only when the row names them.
  void check(const GoldenCase& c, const Record& actual) {
    const Record& expected = c.record;
    if (actual.report == expected.report && actual.lines == expected.lines &&
        actual.error == expected.error && (!expected.unread || actual.unread == expected.unread)) {
      return;
    }
    if (++count_ > kShown) return;
    ADD_FAILURE() << file_ << ":" << c.lineNumber << ": " << test::describe(expected.report)
                  << "\n  expected: " << show(expected) << "\n  actual:   " << show(actual);
  }

 private:
  static constexpr int kShown = 20;

  static std::string show(const Record& record) {
    std::ostringstream out;
    if (record.report.empty() && !record.lines && !record.error) return "(nothing)";
    if (record.error) out << "error \"" << *record.error << "\"";
    if (record.lines) {
      out << record.lines->size() << " lines [";
      for (const std::string& line : *record.lines) out << "\n    \"" << line << "\"";
      out << "]";
    }
    if (record.unread) {
      out << "\n  unread [";
      for (const std::string& group : *record.unread) out << " \"" << group << "\"";
      out << " ]";
    }
    return out.str();
  }

  std::string file_;
  int count_ = 0;
};

Record translated(const Record& row) {
  const Translation result = translate(row.report, row.reading, Explain::kNo, row.language);
  Record record{row.report, std::nullopt, std::nullopt, std::nullopt, row.reading, row.language};
  if (result.refused()) {
    record.error = std::string(kNotValidMetar);
  } else {
    record.lines = result.lines();
    record.unread.emplace(result.unread().begin(), result.unread().end());
  }
  return record;
}

class GoldenFileTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenFileTest, Library) {
  const std::vector<GoldenCase> cases = loadCases(GetParam());
  FailureLog log(GetParam());
  for (const GoldenCase& c : cases) log.check(c, translated(c.record));
}

// The rows of one reading and language, sent to `vantrel-translate --json` (with --full for the
// full reading, --lang=fr for French) as one input line each, and its objects compared with them.
[[maybe_unused]] void checkProgram(const std::string& file, const std::vector<GoldenCase>& cases,
                                   Reading reading, Language language) {
  // Every report is one input line; a report holding a line end could not be one.
  std::vector<const GoldenCase*> sent;
  std::string input;
  for (const GoldenCase& c : cases) {
    const std::string& report = c.record.report;
    if (c.record.reading != reading || c.record.language != language ||
        report.find('\n') != std::string::npos || report.ends_with('\r')) {
      continue;
    }
    sent.push_back(&c);
    input += report;
    input += '\n';
  }
  if (sent.empty()) return;
  std::vector<std::string> args = {"--json"};
  if (reading == Reading::kFull) args.emplace_back("--full");
  if (language == Language::kFrench) args.emplace_back("--lang=fr");
  const test::Outcome got = test::runProgram(VANTREL_TRANSLATE_BIN, args, input);
  ASSERT_NE(got.status, -1) << "could not run " << VANTREL_TRANSLATE_BIN;

  const bool anyRefused = std::any_of(
      sent.begin(), sent.end(), [](const GoldenCase* c) { return c->record.error.has_value(); });
  EXPECT_EQ(got.status, anyRefused ? 1 : 0);

  const std::vector<std::string_view> objects = test::splitLines(got.out);
  EXPECT_EQ(objects.size(), sent.size()) << "one JSON object per report";
  FailureLog log(file);
  for (std::size_t i = 0; i < sent.size(); ++i) {
    Record actual;
    if (i < objects.size()) {
      std::optional<Record> parsed = readRecord(objects[i]);
      // Every translation carries its unread list, refusals none.
      if (!parsed || parsed->unread.has_value() != parsed->lines.has_value()) {
        ADD_FAILURE() << file << ":" << sent[i]->lineNumber
                      << ": output is not a report record: " << objects[i];
        continue;
      }
      actual = std::move(*parsed);
      actual.language = language;
    }
    log.check(*sent[i], actual);
  }
}

TEST_P(GoldenFileTest, Program) {
#ifndef VANTREL_TRANSLATE_BIN
  GTEST_SKIP() << "vantrel-translate is not part of this build";
#else
  const std::vector<GoldenCase> cases = loadCases(GetParam());
  for (const Reading reading : {Reading::kClassic, Reading::kFull}) {
    for (const Language language : {Language::kEnglish, Language::kFrench}) {
      SCOPED_TRACE(reading == Reading::kFull ? "--full" : "classic");
      SCOPED_TRACE(language == Language::kFrench ? "--lang=fr" : "English");
      checkProgram(GetParam(), cases, reading, language);
    }
  }
#endif
}

// Every *.jsonl under tests/data, as a path relative to it, in name order.
std::vector<std::string> goldenFiles() {
  const std::filesystem::path root(VANTREL_TEST_DATA_DIR);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && entry.path().extension() == ".jsonl") {
      files.push_back(entry.path().lexically_relative(root).generic_string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// "real_sample.jsonl" becomes RealSample: GoogleTest names hold letters and digits only.
std::string testName(const ::testing::TestParamInfo<std::string>& param) {
  std::string name;
  bool upper = true;
  const std::string& file = param.param;
  for (const char c : std::string_view(file).substr(0, file.rfind('.'))) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (alnum) name += upper ? asciiUpper(c) : c;
    upper = !alnum;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, GoldenFileTest, ::testing::ValuesIn(goldenFiles()), testName);

}  // namespace
}  // namespace vantrel
