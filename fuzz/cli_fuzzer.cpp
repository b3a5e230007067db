// Fuzz target for the line and UTF-8 handling of vantrel-translate: the input is its standard
// input, read in --json mode through vantrel::cli::run with string streams, in the classic reading
// and with --full in the full reading.
//
// Properties checked for every input and both readings:
//   - no crash, no undefined behaviour, no leak (the sanitizers watch this);
//   - the exit status is 0 or 1, and 1 exactly when some line was refused or was not UTF-8;
//   - the output is one JSON object per input line, in order, each ending in "\n"; input lines
//     are counted by splitting at "\n", a last line without "\n" counting too, after a UTF-8
//     byte-order mark at the very start of the input, which is skipped;
//   - every output line is valid UTF-8 and a well-formed JSON object (strict RFC 8259 reader);
//   - a line that is valid UTF-8 gives {"report", "lines", "unread"} or {"report", "error"}: the
//     report decodes to the line as read (one "\r" right before its "\n" dropped), the lines and
//     the unread groups equal vantrel::translate() of it, and the error is the refusal message
//     exactly when it is refused; a line that is not valid UTF-8 gives {"line": N, "error"} with
//     its 1-based number; translate() is asked for the same reading as the program;
//   - standard error holds one "vantrel-translate: line N: " message per refused or undecodable
//     line, in order;
//   - reading and writing in tiny blocks gives the same bytes and status as the default blocks;
//   - -j 2, in batches of one to three lines and a few bytes, gives the same bytes on both
//     streams and the same status as -j 1, in --json and in text mode;
//   - text mode ends with the same exit status, and so does --stats, with no message, whose
//     first line counts the input lines.
// A violated property aborts with a message, which libFuzzer and the replay runner both report.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.hpp"
#include "fuzz_check.hpp"
#include "metar/text.hpp"
#include "metar/translate.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"
#include "support/runs.hpp"

namespace {

using vantrel::test::JsonReader;
using vantrel::test::JsonValue;
using vantrel::test::splitLines;

// Output and messages can be long; the first 2000 bytes say enough.
void require(bool ok, const char* what, std::string_view detail) {
  if (!ok) vantrel::fuzz::propertyViolated("cli_fuzzer", what, "at", detail, 2000);
}

using Run = vantrel::test::Outcome;

Run runCli(std::string_view input, std::vector<std::string_view> args,
           const vantrel::cli::RunSettings& settings = {}) {
  return vantrel::test::runOnStreams(args, input, settings);
}

bool isStringArray(const JsonValue& v) {
  if (v.kind != JsonValue::Kind::kArray) return false;
  for (const JsonValue& item : v.items) {
    if (item.kind != JsonValue::Kind::kString) return false;
  }
  return true;
}

// Checks the JSON object written for input line `number` (1-based) and returns whether the line
// was rejected (refused or not UTF-8). `ended` tells whether "\n" closed the input line.
bool checkObject(std::string_view outLine, std::string_view inLine, bool ended, std::size_t number,
                 vantrel::Reading reading) {
  require(vantrel::isValidUtf8(outLine), "an output line is not valid UTF-8", outLine);
  const std::optional<JsonValue> parsed = JsonReader::parse(outLine);
  require(parsed.has_value() && parsed->kind == JsonValue::Kind::kObject,
          "an output line is not one JSON object", outLine);
  const JsonValue& object = *parsed;
  require(object.memberCount == object.members.size(), "an object repeats a key", outLine);

  std::string_view report = inLine;
  if (ended && !report.empty() && report.back() == '\r') report.remove_suffix(1);

  if (!vantrel::isValidUtf8(report)) {
    require(object.members.size() == 2, "an object has other than two members", outLine);
    const auto line = object.members.find("line");
    const auto error = object.members.find("error");
    require(line != object.members.end() && error != object.members.end() &&
                line->second.kind == JsonValue::Kind::kNumber &&
                error->second.kind == JsonValue::Kind::kString && !error->second.text.empty(),
            "an undecodable line is not {\"line\": N, \"error\": ...}", outLine);
    require(line->second.text == std::to_string(number), "an undecodable line has the wrong number",
            outLine);
    return true;
  }

  const auto echoed = object.members.find("report");
  require(echoed != object.members.end() && echoed->second.kind == JsonValue::Kind::kString,
          "a decodable line has no \"report\" string", outLine);
  require(echoed->second.text == report, "\"report\" is not the line as read", outLine);

  const vantrel::Translation expected = vantrel::translate(report, reading);
  if (expected.refused()) {
    require(object.members.size() == 2, "an object has other than two members", outLine);
    const auto error = object.members.find("error");
    require(error != object.members.end() && error->second.kind == JsonValue::Kind::kString &&
                error->second.text == vantrel::kNotValidMetar,
            "a refused report does not carry the refusal", outLine);
    return true;
  }
  const auto lines = object.members.find("lines");
  require(lines != object.members.end() && isStringArray(lines->second),
          "a translated report has no \"lines\" array", outLine);
  require(lines->second.items.size() == expected.size(), "\"lines\" has the wrong count", outLine);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    require(lines->second.items[i].text == expected.line(i),
            "\"lines\" differs from the translation", outLine);
  }
  require(object.members.size() == 3, "a translation has other than three members", outLine);
  const auto unread = object.members.find("unread");
  require(unread != object.members.end() && isStringArray(unread->second),
          "a translated report has no \"unread\" array", outLine);
  const vantrel::UnreadGroups groups = expected.unread();
  const std::vector<std::string_view> expectedUnread(groups.begin(), groups.end());
  require(unread->second.items.size() == expectedUnread.size(), "\"unread\" has the wrong count",
          outLine);
  for (std::size_t i = 0; i < expectedUnread.size(); ++i) {
    require(unread->second.items[i].text == expectedUnread[i],
            "\"unread\" differs from the translation", outLine);
  }
  return false;
}

// Every property above, for one reading.
void checkReading(std::string_view input, vantrel::Reading reading) {
  const std::size_t size = input.size();
  // One job; "-j", "1" stay last so that the job count can be changed.
  std::vector<std::string_view> textArgs = {"-j", "1"};
  if (reading == vantrel::Reading::kFull) textArgs.insert(textArgs.begin(), "--full");
  std::vector<std::string_view> jsonArgs = textArgs;
  jsonArgs.insert(jsonArgs.begin(), "--json");
  const Run json = runCli(input, jsonArgs);
  require(json.status == 0 || json.status == 1, "exit status is neither 0 nor 1", json.err);
  require(json.out.empty() || json.out.back() == '\n', "output does not end with a line end",
          json.out);

  // A byte-order mark at the very start is no part of the first line.
  std::string_view lines = input;
  if (lines.starts_with("\xEF\xBB\xBF")) lines.remove_prefix(3);
  const std::vector<std::string_view> inLines = splitLines(lines);
  const std::vector<std::string_view> outLines = splitLines(json.out);
  require(outLines.size() == inLines.size(), "not one output line per input line", json.out);

  std::string expectedErrPrefixes;
  bool anyRejected = false;
  for (std::size_t i = 0; i < inLines.size(); ++i) {
    const bool ended = i + 1 < inLines.size() || lines.back() == '\n';
    if (checkObject(outLines[i], inLines[i], ended, i + 1, reading)) {
      anyRejected = true;
      expectedErrPrefixes += "vantrel-translate: line " + std::to_string(i + 1) + ": \n";
    }
  }
  require(json.status == (anyRejected ? 1 : 0), "exit status does not match the rejections",
          json.err);

  // Every message on standard error names its line, in order; compare "prefix" + line end.
  std::string errPrefixes;
  for (const std::string_view message : splitLines(json.err)) {
    constexpr std::string_view kProgram = "vantrel-translate: line ";
    require(message.substr(0, kProgram.size()) == kProgram, "a message is not in GNU form",
            message);
    const std::size_t colon = message.find(": ", kProgram.size());
    require(colon != std::string_view::npos, "a message has no text", message);
    errPrefixes.append(message.substr(0, colon + 2));
    errPrefixes += '\n';
  }
  require(errPrefixes == expectedErrPrefixes, "messages do not name the rejected lines", json.err);

  vantrel::cli::RunSettings tiny;
  tiny.readBlockSize = 1 + size % 7;
  tiny.writeBlockSize = 1 + size % 5;
  const Run small = runCli(input, jsonArgs, tiny);
  require(small.status == json.status && small.out == json.out && small.err == json.err,
          "tiny read and write blocks change the output", input);

  const Run text = runCli(input, textArgs);
  require(text.status == json.status, "text mode ends with another status", text.err);

  // Two jobs, in batches as small as the input makes them, some lines going alone.
  vantrel::cli::RunSettings batches;
  batches.batchLines = 1 + size % 3;
  batches.batchBytes = 1 + size % 97;
  for (const auto& [args, one] : {std::pair{jsonArgs, &json}, std::pair{textArgs, &text}}) {
    std::vector<std::string_view> twoJobs = args;
    twoJobs.back() = "2";
    const Run two = runCli(input, twoJobs, batches);
    require(two.status == one->status && two.out == one->out && two.err == one->err,
            "two jobs change the output", input);
  }

  // --stats counts every input line as a report, on its first line.
  std::vector<std::string_view> statsArgs = textArgs;
  statsArgs.emplace_back("--stats");
  const Run stats = runCli(input, statsArgs);
  require(stats.status == json.status && stats.err.empty(), "--stats ends otherwise", stats.err);
  std::string counted;
  for (const char c : stats.out.substr(0, stats.out.find('\n'))) {
    if (c >= '0' && c <= '9') counted += c;
  }
  require(counted == std::to_string(inLines.size()), "--stats counts other than the input lines",
          stats.out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  checkReading(input, vantrel::Reading::kClassic);
  checkReading(input, vantrel::Reading::kFull);
  return 0;
}
