// The golden corpus: every report of the JSON Lines files in tests/data, translated by the
// library and by the vantrel-translate program, compared exactly with its expected lines or
// refusal. A failure names the file, the line number and the report.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "expect_lines.hpp"
#include "metar/text.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"

extern char** environ;

namespace vantrel {
namespace {

// One object of the corpus or of the program's --json output: "report" with either "lines" or
// "error".
struct Record {
  std::string report;
  std::optional<std::vector<std::string>> lines;
  std::optional<std::string> error;
};

// The record `text` holds: one JSON object with a "report" string and either a "lines" array of
// strings or an "error" string, each key once. Anything else is not a record.
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
    if (key == "lines" && member.kind == JsonValue::Kind::kArray) {
      std::vector<std::string> lines;
      for (const JsonValue& item : member.items) {
        if (item.kind != JsonValue::Kind::kString) return std::nullopt;
        lines.push_back(item.text);
      }
      record.lines = std::move(lines);
    } else if (member.kind != JsonValue::Kind::kString) {
      return std::nullopt;
    } else if (key == "report") {
      record.report = member.text;
      hasReport = true;
    } else if (key == "error") {
      record.error = member.text;
    } else {
      return std::nullopt;
    }
  }
  if (!hasReport || record.lines.has_value() == record.error.has_value()) return std::nullopt;
  return record;
}

TEST(RecordTest, FromJson) {
  const std::optional<Record> record = readRecord(R"({"report": "METAR", "lines": ["", "a\"b"]})");
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->report, "METAR");
  EXPECT_EQ(record->lines, (std::vector<std::string>{"", "a\"b"}));
  EXPECT_FALSE(record->error.has_value());
  const std::optional<Record> refused = readRecord(R"({"report": "x", "error": "e"})");
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->error, std::optional<std::string>("e"));
  EXPECT_FALSE(refused->lines.has_value());
  for (const std::string_view bad :
       {R"({"report": "x", "lines": [], "error": "e"})", R"({"lines": []})", R"({"report": "x"})",
        R"({"report": "x", "lines": [1]})", R"({"report": "x", "lines": "a"})",
        R"({"report": ["x"], "error": "e"})", R"({"report": "x", "error": "e", "other": "o"})",
        R"({"report": 1, "report": "x", "error": "e"})", R"(["x"])",
        R"({"report": "x", "error": "e"} x)"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(readRecord(bad).has_value());
  }
}

struct GoldenCase {
  std::size_t lineNumber;
  Record record;
};

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<GoldenCase> loadCases(const std::string& file) {
  const std::filesystem::path path = std::filesystem::path(VANTREL_TEST_DATA_DIR) / file;
  const std::string text = readFile(path);
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

  void check(const GoldenCase& c, const Record& actual) {
    const Record& expected = c.record;
    if (actual.report == expected.report && actual.lines == expected.lines &&
        actual.error == expected.error) {
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
    return out.str();
  }

  std::string file_;
  int count_ = 0;
};

Record translated(const std::string& report) {
  const Translation result = translate(report);
  Record record{report, std::nullopt, std::nullopt};
  if (result.refused()) {
    record.error = std::string(kNotValidMetar);
  } else {
    record.lines = result.lines();
  }
  return record;
}

class GoldenFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenFileTest, Library) {
  const std::vector<GoldenCase> cases = loadCases(GetParam());
  FailureLog log(GetParam());
  for (const GoldenCase& c : cases) log.check(c, translated(c.record.report));
}

// A temporary file removed when the test ends.
class TempFile {
 public:
  TempFile() {
    std::string name = (std::filesystem::temp_directory_path() / "vantrel-golden-XXXXXX").string();
    const int fd = mkstemp(name.data());
    if (fd >= 0) {
      close(fd);
      path_ = name;
    }
  }
  ~TempFile() {
    if (!path_.empty()) std::filesystem::remove(path_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Runs `program --json` with `input` on standard input; returns the exit status and standard
// output. Standard error (one message per refused report) is discarded.
[[maybe_unused]] std::optional<std::pair<int, std::string>> runJson(const char* program,
                                                                    const std::string& input) {
  TempFile in;
  TempFile out;
  if (in.path().empty() || out.path().empty()) return std::nullopt;
  std::ofstream(in.path(), std::ios::binary) << input;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.path().c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.path().c_str(), O_WRONLY | O_TRUNC, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::string programArg = program;
  std::string jsonArg = "--json";
  char* argv[] = {programArg.data(), jsonArg.data(), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return std::nullopt;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return std::nullopt;
  return std::make_pair(WEXITSTATUS(status), readFile(out.path()));
}

TEST_P(GoldenFileTest, Program) {
#ifndef VANTREL_TRANSLATE_BIN
  GTEST_SKIP() << "vantrel-translate is not part of this build";
#else
  const std::vector<GoldenCase> cases = loadCases(GetParam());
  // Every report is one input line; a report holding a line end could not be one.
  std::vector<const GoldenCase*> sent;
  std::string input;
  for (const GoldenCase& c : cases) {
    const std::string& report = c.record.report;
    if (report.find('\n') != std::string::npos || report.ends_with('\r')) continue;
    sent.push_back(&c);
    input += report;
    input += '\n';
  }
  const auto run = runJson(VANTREL_TRANSLATE_BIN, input);
  ASSERT_TRUE(run.has_value()) << "could not run " << VANTREL_TRANSLATE_BIN;
  const auto& [status, output] = *run;

  bool anyRefused = false;
  for (const GoldenCase* c : sent) anyRefused = anyRefused || c->record.error.has_value();
  EXPECT_EQ(status, anyRefused ? 1 : 0);

  const std::vector<std::string_view> objects = test::splitLines(output);
  EXPECT_EQ(objects.size(), sent.size()) << "one JSON object per report";
  FailureLog log(GetParam());
  for (std::size_t i = 0; i < sent.size(); ++i) {
    Record actual{"", std::nullopt, std::nullopt};
    if (i < objects.size()) {
      if (std::optional<Record> parsed = readRecord(objects[i])) {
        actual = std::move(*parsed);
      } else {
        ADD_FAILURE() << GetParam() << ":" << sent[i]->lineNumber
                      << ": output is not a report record: " << objects[i];
        continue;
      }
    }
    log.check(*sent[i], actual);
  }
#endif
}

INSTANTIATE_TEST_SUITE_P(Corpus, GoldenFileTest,
                         ::testing::Values("examples.jsonl", "real_sample.jsonl",
                                           "synthetic_sample.jsonl"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                           std::string name;
                           bool upper = true;
                           for (const char* p = param.param; *p != '\0' && *p != '.'; ++p) {
                             if (*p == '_') {
                               upper = true;
                               continue;
                             }
                             name += upper ? asciiUpper(*p) : *p;
                             upper = false;
                           }
                           return name;
                         });

}  // namespace
}  // namespace vantrel
