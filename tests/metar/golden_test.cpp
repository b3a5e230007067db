// The golden corpus: every report of the JSON Lines files in tests/data, translated by the
// library and by the vantrel-translate program, compared exactly with its expected lines or
// refusal. A failure names the file, the line number and the report.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
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

// Just enough JSON for these records: one object of string members and string arrays, with every
// string escape of RFC 8259.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}

  std::optional<Record> read() {
    Record record;
    bool hasReport = false;
    if (!consume('{')) return std::nullopt;
    if (!consume('}')) {
      do {
        std::optional<std::string> key = string();
        if (!key || !consume(':')) return std::nullopt;
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == '[') {
          std::optional<std::vector<std::string>> items = array();
          if (!items || *key != "lines") return std::nullopt;
          record.lines = std::move(items);
        } else {
          std::optional<std::string> value = string();
          if (!value) return std::nullopt;
          if (*key == "report") {
            record.report = std::move(*value);
            hasReport = true;
          } else if (*key == "error") {
            record.error = std::move(value);
          } else {
            return std::nullopt;
          }
        }
      } while (consume(','));
      if (!consume('}')) return std::nullopt;
    }
    skipSpace();
    if (pos_ != text_.size() || !hasReport ||
        record.lines.has_value() == record.error.has_value()) {
      return std::nullopt;
    }
    return record;
  }

  // A single JSON string and nothing else, for the reader's own test.
  std::optional<std::string> onlyString() {
    std::optional<std::string> value = string();
    skipSpace();
    if (pos_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  void skipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r')) {
      ++pos_;
    }
  }

  bool consume(char c) {
    skipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  std::optional<std::vector<std::string>> array() {
    std::vector<std::string> items;
    if (!consume('[')) return std::nullopt;
    if (consume(']')) return items;
    do {
      std::optional<std::string> item = string();
      if (!item) return std::nullopt;
      items.push_back(std::move(*item));
    } while (consume(','));
    if (!consume(']')) return std::nullopt;
    return items;
  }

  std::optional<std::uint32_t> hex4() {
    std::uint32_t value = 0;
    const char* begin = text_.data() + pos_;
    if (text_.size() - pos_ < 4 || *begin == '-' || *begin == '+') return std::nullopt;
    const auto [end, error] = std::from_chars(begin, begin + 4, value, 16);
    if (error != std::errc() || end != begin + 4) return std::nullopt;
    pos_ += 4;
    return value;
  }

  static void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
      return;
    }
    const int continuation = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
    const std::uint32_t lead = continuation == 1 ? 0xC0U : continuation == 2 ? 0xE0U : 0xF0U;
    out += static_cast<char>(lead | (cp >> (6 * continuation)));
    for (int i = continuation - 1; i >= 0; --i) {
      out += static_cast<char>(0x80U | ((cp >> (6 * i)) & 0x3FU));
    }
  }

  std::optional<std::string> string() {
    if (!consume('"')) return std::nullopt;
    std::string out;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ == text_.size()) return std::nullopt;
      switch (text_[pos_++]) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          std::optional<std::uint32_t> cp = hex4();
          if (!cp || (*cp >= 0xDC00 && *cp <= 0xDFFF)) return std::nullopt;
          if (*cp >= 0xD800 && *cp <= 0xDBFF) {
            if (text_.substr(pos_, 2) != "\\u") return std::nullopt;
            pos_ += 2;
            const std::optional<std::uint32_t> low = hex4();
            if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
            cp = 0x10000 + ((*cp - 0xD800) << 10U) + (*low - 0xDC00);
          }
          appendUtf8(out, *cp);
          break;
        }
        default:
          return std::nullopt;
      }
    }
    return std::nullopt;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

TEST(RecordReaderTest, StringEscapes) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {R"("")", ""},
      {R"("18°C \"Q1013\" a\\b\/c")", "18°C \"Q1013\" a\\b/c"},
      {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
      {R"("\u0041\u00b0\u00B0\u20AC")", "A°°€"},
      {R"("\u0000")", std::string_view("\0", 1)},
      {R"("\ud83d\ude00!")", "😀!"},
      {R"("\uDBFF\uDFFF")", "\xF4\x8F\xBF\xBF"},
  };
  for (const auto& [json, text] : cases) {
    SCOPED_TRACE(json);
    EXPECT_EQ(RecordReader(json).onlyString(), std::optional<std::string>(text));
  }
  for (const std::string_view bad : {R"(")", R"("\x")", R"("\u00G0")", R"("\ud83d")",
                                     R"("\ud83d\u0041")", R"("\ude00")", "\"a\tb\"", R"("a" x)"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(RecordReader(bad).onlyString().has_value());
  }
  const std::optional<Record> record =
      RecordReader(R"({"report": "METAR", "lines": ["", "a\"b"]})").read();
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->report, "METAR");
  EXPECT_EQ(record->lines, (std::vector<std::string>{"", "a\"b"}));
  EXPECT_FALSE(RecordReader(R"({"report": "x", "lines": [], "error": "e"})").read().has_value());
  EXPECT_FALSE(RecordReader(R"({"lines": []})").read().has_value());
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

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<GoldenCase> loadCases(const std::string& file) {
  const std::filesystem::path path = std::filesystem::path(VANTREL_TEST_DATA_DIR) / file;
  const std::string text = readFile(path);
  std::vector<GoldenCase> cases;
  std::size_t number = 0;
  for (const std::string_view line : splitLines(text)) {
    ++number;
    std::optional<Record> record = RecordReader(line).read();
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

  const std::vector<std::string_view> objects = splitLines(output);
  EXPECT_EQ(objects.size(), sent.size()) << "one JSON object per report";
  FailureLog log(GetParam());
  for (std::size_t i = 0; i < sent.size(); ++i) {
    Record actual{"", std::nullopt, std::nullopt};
    if (i < objects.size()) {
      if (std::optional<Record> parsed = RecordReader(objects[i]).read()) {
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
