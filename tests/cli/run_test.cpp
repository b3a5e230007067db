#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "cli/cli.hpp"
#include "cli/command_line.hpp"
#include "metar/json_text.hpp"
#include "metar/translate.hpp"
#include "support/files.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"
#include "support/runs.hpp"

namespace vantrel::cli {
namespace {

using namespace std::string_literals;

// The sentences themselves belong to the library; these build what the program must print
// around them from the library's own translation of the same report.
std::string textLines(std::string_view report, Reading reading = Reading::kClassic) {
  std::string out;
  for (const std::string& line : vantrel::translate(report, reading).lines()) out += line + "\n";
  return out;
}

std::string block(std::string_view report) {
  return "==> " + std::string(report) + " <==\n" + textLines(report);
}

std::string jsonRecord(std::string_view report, Reading reading = Reading::kClassic) {
  TextBuffer out;
  out += "{\"report\": ";
  appendJsonString(out, report);
  out += ", \"lines\": [";
  const Translation translation = vantrel::translate(report, reading);
  for (std::size_t i = 0; i < translation.size(); ++i) {
    if (i != 0) out += ", ";
    appendJsonString(out, translation.line(i));
  }
  out += "], \"unread\": [";
  bool first = true;
  for (const std::string_view group : translation.unread()) {
    if (!first) out += ", ";
    first = false;
    appendJsonString(out, group);
  }
  out += "]}\n";
  return std::string(out.view());
}

std::string refusedRecord(std::string_view report) {
  TextBuffer out;
  out += "{\"report\": ";
  appendJsonString(out, report);
  out += ", \"error\": \"It is not a valid METAR.\"}\n";
  return std::string(out.view());
}

constexpr std::string_view kParis =
    "METAR LFPG 121230Z 27010KT 240V300 9999 R27L/1200 RA BKN020 18/12 Q1013 NOSIG";
constexpr std::string_view kSpaced = "METAR LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013   ";
constexpr std::string_view kLower = "metar lfpg 121230z 24010kt 9999 ra bkn020 18/12 q1013 nosig";
constexpr std::string_view kSpeci = "SPECI LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013";
constexpr std::string_view kStation = "EGLL 121220Z 24008KT CAVOK 21/09 Q1021";

using test::Outcome;
using Args = std::vector<std::string_view>;

struct RunCase {
  std::string_view name;
  std::vector<std::string_view> args;
  std::string input;
  std::string out;
  std::string err;
  int status;
};

std::vector<RunCase> translationCases() {
  const std::string s = std::string(kSpaced);
  return {
      {"one argument: exactly its lines", {kParis}, "", textLines(kParis), "", 0},
      {"trailing spaces kept", {kSpaced}, "", textLines(kSpaced), "", 0},
      {"arguments are not read from input", {kParis}, "EGLL\n", textLines(kParis), "", 0},
      {"several arguments: headed blocks",
       {kParis, kLower, kSpaced},
       "",
       block(kParis) + "\n" + block(kLower) + "\n" + block(kSpaced),
       "",
       0},
      {"refused arguments are named and skipped",
       {"", kParis, kSpeci},
       "",
       block(kParis),
       "vantrel-translate: argument 1: It is not a valid METAR.\n"
       "vantrel-translate: argument 3: It is not a valid METAR.\n",
       1},
      {"a lone refused argument",
       {kSpeci},
       "",
       "",
       "vantrel-translate: argument 1: It is not a valid METAR.\n",
       1},
      {"argument that is not UTF-8",
       {"METAR \xC3(", kStation},
       "",
       block(kStation),
       "vantrel-translate: argument 1: invalid UTF-8 at byte 7\n",
       1},
      {"after --, a report may begin with a dash",
       {"--", "-METAR"},
       "",
       "",
       "vantrel-translate: argument 1: It is not a valid METAR.\n",
       1},
      {"no input at all", {}, "", "", "", 0},
      {"one line: exactly its lines", {}, std::string(kParis) + "\n", textLines(kParis), "", 0},
      {"last line without newline", {}, std::string(kParis), textLines(kParis), "", 0},
      {"CRLF line end", {}, std::string(kParis) + "\r\n", textLines(kParis), "", 0},
      {"byte-order mark before the first line",
       {},
       "\xEF\xBB\xBF" + std::string(kParis) + "\r\n" + s,
       block(kParis) + "\n" + block(kSpaced),
       "",
       0},
      {"trailing spaces of a line kept", {}, s + "\r\n", textLines(kSpaced), "", 0},
      {"several lines: headed blocks",
       {},
       std::string(kParis) + "\r\n" + s + "\n" + std::string(kStation),
       block(kParis) + "\n" + block(kSpaced) + "\n" + block(kStation),
       "",
       0},
      {"empty line is a refused report",
       {},
       "\n" + std::string(kStation) + "\n\n",
       block(kStation),
       "vantrel-translate: line 1: It is not a valid METAR.\n"
       "vantrel-translate: line 3: It is not a valid METAR.\n",
       1},
      {"one refused line",
       {},
       std::string(kSpeci) + "\n",
       "",
       "vantrel-translate: line 1: It is not a valid METAR.\n",
       1},
      {"undecodable line in the middle",
       {},
       std::string(kParis) + "\nMETAR \xFF\xFE\n" + std::string(kLower) + "\n",
       block(kParis) + "\n" + block(kLower),
       "vantrel-translate: line 2: invalid UTF-8 at byte 7\n",
       1},
      {"json: arguments",
       {"--json", kParis, ""},
       "",
       jsonRecord(kParis) + refusedRecord(""),
       "vantrel-translate: argument 2: It is not a valid METAR.\n",
       1},
      {"json: a single argument is a record too",
       {kSpaced, "--json"},
       "",
       jsonRecord(kSpaced),
       "",
       0},
      {"json: lines with every kind of record",
       {"--json"},
       std::string(kParis) + "\r\n\n" + s + "\n\xE2\x82\n" + std::string(kSpeci),
       jsonRecord(kParis) + refusedRecord("") + jsonRecord(kSpaced) +
           "{\"line\": 4, \"error\": \"invalid UTF-8 at byte 1\"}\n" + refusedRecord(kSpeci),
       "vantrel-translate: line 2: It is not a valid METAR.\n"
       "vantrel-translate: line 4: invalid UTF-8 at byte 1\n"
       "vantrel-translate: line 5: It is not a valid METAR.\n",
       1},
      {"full reading", {"--full", kLower}, "", textLines(kLower, Reading::kFull), "", 0},
      {"json: full reading",
       {"--json", "--full"},
       std::string(kParis) + "\n" + s + "\n",
       jsonRecord(kParis, Reading::kFull) + jsonRecord(kSpaced, Reading::kFull),
       "",
       0},
      {"json: undecodable argument",
       {"--json", kStation, "\x80"},
       "",
       jsonRecord(kStation) + "{\"argument\": 2, \"error\": \"invalid UTF-8 at byte 1\"}\n",
       "vantrel-translate: argument 2: invalid UTF-8 at byte 1\n",
       1},
      {"json: quotes, backslashes and control characters in a report",
       {"--json"},
       "METAR \"LF\\G\" 121230Z\t27010KT \x01°\n",
       jsonRecord("METAR \"LF\\G\" 121230Z\t27010KT \x01°"),
       "",
       0},
  };
}

// Every case is run with blocks small enough that lines and records cross block boundaries, and
// with the usual sizes.
TEST(RunTest, TranslatesArgumentsAndLines) {
  const RunSettings sizes[] = {
      {}, {1, 1, false, false}, {3, 7, false, false}, {5, 64, true, false}};
  for (const RunCase& c : translationCases()) {
    for (const RunSettings& settings : sizes) {
      SCOPED_TRACE(::testing::Message() << c.name << " (read " << settings.readBlockSize
                                        << ", write " << settings.writeBlockSize << ")");
      const Outcome got = test::runOnStreams(c.args, c.input, settings);
      EXPECT_EQ(got.out, c.out);
      EXPECT_EQ(got.err, c.err);
      EXPECT_EQ(got.status, c.status);
    }
  }
}

TEST(RunTest, HelpVersionAndUsageErrors) {
  const RunCase cases[] = {
      {"help", {"--help"}, "", std::string(kHelpText), "", 0},
      {"help wins over later reports", {"--help", kParis}, "", std::string(kHelpText), "", 0},
      {"version", {"--version"}, "", versionText(), "", 0},
      {"unknown option",
       {kParis, "--verbose"},
       "",
       "",
       "vantrel-translate: unrecognized option '--verbose'\n" + std::string(kUsageText),
       2},
      {"short option",
       {"-x"},
       "",
       "",
       "vantrel-translate: invalid option -- 'x'\n" + std::string(kUsageText),
       2},
      {"option with a value",
       {"--json=1"},
       "",
       "",
       "vantrel-translate: option '--json' doesn't allow an argument\n" + std::string(kUsageText),
       2},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome got = test::runOnStreams(c.args, c.input);
    EXPECT_EQ(got.out, c.out);
    EXPECT_EQ(got.err, c.err);
    EXPECT_EQ(got.status, c.status);
  }
  EXPECT_NE(kHelpText.find("==> REPORT <=="), std::string_view::npos);
  EXPECT_NE(kHelpText.find("--json"), std::string_view::npos);
}

TEST(RunTest, LongLineIsTranslatedWhole) {
  // One report of a few megabytes: the driver reads its leading groups and ignores the rest.
  std::string report = std::string(kParis);
  while (report.size() < (std::size_t{3} << 20)) report += " RMK AO2 SLP132";
  const Outcome json = test::runOnStreams(Args{"--json"}, report + "\n" + std::string(kStation),
                                          {4096, 4096, false, false});
  EXPECT_EQ(json.out, jsonRecord(report) + jsonRecord(kStation));
  EXPECT_EQ(json.status, 0);
  const Outcome text = test::runOnStreams({}, report + "\r\n", {4096, 4096, false, false});
  EXPECT_EQ(text.out, textLines(report));
}

// Accepts nothing: every write fails the way a full disk does.
class FullDiskBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return fail(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return fail(); }
  int sync() override { return fail(); }

 private:
  static int fail() {
    errno = ENOSPC;
    return -1;
  }
};

TEST(RunTest, WriteFailureEndsTheRunWithStatusTwo) {
  for (const bool json : {false, true}) {
    SCOPED_TRACE(json ? "json" : "text");
    FullDiskBuffer full;
    std::ostream out(&full);
    std::istringstream in(std::string(kParis) + "\n" + std::string(kSpeci) + "\n");
    std::ostringstream err;
    std::vector<std::string_view> args;
    if (json) args.emplace_back("--json");
    EXPECT_EQ(run(args, in, out, err), 2);
    EXPECT_EQ(err.str(),
              "vantrel-translate: line 2: It is not a valid METAR.\n"
              "vantrel-translate: write error: No space left on device\n");
  }
}

// Input that arrives a line at a time and, each time the program waits for more, notes how much
// output it has been given by then.
class SlowInput : public std::streambuf {
 public:
  SlowInput(std::vector<std::string> lines, const std::ostringstream& out)
      : lines_(std::move(lines)), out_(out) {}
  std::vector<std::size_t> outputSeen;

 protected:
  std::streamsize showmanyc() override { return 0; }
  int_type underflow() override {
    outputSeen.push_back(out_.str().size());
    if (next_ == lines_.size()) return traits_type::eof();
    current_ = lines_[next_++];
    setg(current_.data(), current_.data(), current_.data() + current_.size());
    return traits_type::to_int_type(current_[0]);
  }

 private:
  std::vector<std::string> lines_;
  const std::ostringstream& out_;
  std::string current_;
  std::size_t next_ = 0;
};

// JSON Lines, and text when the reports are typed at a terminal (then without headers).
TEST(RunTest, OutputIsPassedOnBeforeWaitingForInput) {
  for (const bool json : {true, false}) {
    SCOPED_TRACE(json ? "json" : "text at a terminal");
    std::ostringstream out;
    std::ostringstream err;
    SlowInput slow({std::string(kParis) + "\n", std::string(kStation) + "\n"}, out);
    std::istream in(&slow);
    const Args args = json ? Args{"--json", "-j", "2"} : Args{};
    const std::string first = json ? jsonRecord(kParis) : textLines(kParis);
    const std::string second = json ? jsonRecord(kStation) : textLines(kStation);
    EXPECT_EQ(run(args, in, out, err, {16, 16, false, !json}), 0);
    EXPECT_EQ(out.str(), first + second);
    EXPECT_EQ(slow.outputSeen,
              (std::vector<std::size_t>{0, first.size(), first.size() + second.size()}));
  }
}

// "@DATA@" in a row stands for the folder of the data files, where a row finds files to name.
std::string withDataFolder(std::string text) {
  constexpr std::string_view kMark = "@DATA@";
  for (std::size_t at = 0; (at = text.find(kMark, at)) != std::string::npos;) {
    text.replace(at, kMark.size(), VANTREL_CLI_TEST_DATA_DIR);
  }
  return text;
}

// Cases as data: every *.jsonl in tests/cli/data, one file per behaviour, holds rows
//   {"note": "...", "args": ["...", ...], "input": "...", "out": "...", "err": "...", "status": N}
// ("note" and "err" optional), each run on string streams and compared exactly.
void replayRow(std::string_view row) {
  const std::optional<test::JsonValue> value = test::JsonReader::parse(row);
  ASSERT_TRUE(value.has_value()) << "not JSON";
  const auto text = [&](const std::string& key) {
    const auto found = value->members.find(key);
    return withDataFolder(found == value->members.end() ? std::string() : found->second.text);
  };
  std::vector<std::string> owned;
  for (const test::JsonValue& arg : value->members.at("args").items) {
    owned.push_back(withDataFolder(arg.text));
  }
  const std::vector<std::string_view> args(owned.begin(), owned.end());
  const test::Outcome got = test::runOnStreams(args, text("input"));
  EXPECT_EQ(got.out, text("out"));
  EXPECT_EQ(got.err, text("err"));
  EXPECT_EQ(std::to_string(got.status), text("status"));
}

TEST(RunTest, CasesOfTheDataFiles) {
  for (const auto& entry : std::filesystem::directory_iterator(VANTREL_CLI_TEST_DATA_DIR)) {
    if (entry.path().extension() != ".jsonl") continue;
    const std::string text = test::readFile(entry.path()).value_or("");
    std::size_t number = 0;
    for (const std::string_view row : test::splitLines(text)) {
      SCOPED_TRACE(entry.path().filename().string() + ":" + std::to_string(++number));
      replayRow(row);
    }
  }
}

// Several jobs write what one writes, byte for byte, whatever the batches: every report of the
// report files as one input, an undecodable line, an empty one and a CRLF after each file.
TEST(RunTest, JobsWriteWhatOneJobWrites) {
  std::string input;
  for (const auto& entry : std::filesystem::directory_iterator(VANTREL_TEST_DATA_DIR)) {
    if (entry.path().extension() != ".jsonl") continue;
    const std::string rows = test::readFile(entry.path()).value();
    for (const std::string_view row : test::splitLines(rows)) {
      input += test::JsonReader::parse(row).value().members.at("report").text + "\n";
    }
    input += "METAR \xFF\n\n" + std::string(kStation) + "\r\n";
  }
  // -j, lines and bytes of a batch: one line each; a few (with lines that go alone); many.
  const std::tuple<std::string_view, std::size_t, std::size_t> jobs[] = {
      {"2", 1, 1 << 20}, {"3", 3, 120}, {"2", 500, 1 << 16}};
  for (const Args& options : {Args{}, Args{"--json"}, Args{"--full"}, Args{"--full", "--json"}}) {
    Args args = options;
    args.insert(args.end(), {"-j", "1"});
    const Outcome one = test::runOnStreams(args, input);
    EXPECT_EQ(one.status, 1);
    for (const auto& [count, lines, bytes] : jobs) {
      SCOPED_TRACE("args " + ::testing::PrintToString(options) + " -j " + std::string(count) +
                   ", batches of " + std::to_string(lines) + " lines, " + std::to_string(bytes) +
                   " bytes");
      args.back() = count;
      RunSettings settings;
      settings.batchLines = lines;
      settings.batchBytes = bytes;
      const Outcome many = test::runOnStreams(args, input, settings);
      EXPECT_EQ(many.out, one.out);
      EXPECT_EQ(many.err, one.err);
      EXPECT_EQ(many.status, one.status);
    }
  }
}

}  // namespace
}  // namespace vantrel::cli
