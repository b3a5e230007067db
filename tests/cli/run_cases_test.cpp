// vantrel-translate cases as data: every *.jsonl under tests/cli/data, one file per behaviour,
// holds rows
//   {"note": "...", "args": ["...", ...], "input": "...", "out": "...", "err": "...", "status": N}
// ("note" and "err" optional), each run through run() on string streams and compared exactly.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/files.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"
#include "support/runs.hpp"

namespace vantrel::cli {
namespace {

using test::JsonValue;

void replayRow(std::string_view row) {
  const std::optional<JsonValue> value = test::JsonReader::parse(row);
  ASSERT_TRUE(value && value->kind == JsonValue::Kind::kObject) << "not an object";
  std::vector<std::string_view> args;
  std::string_view input;
  test::Outcome expected{"", "", -1};
  for (const auto& [key, member] : value->members) {
    if (key == "args" && member.kind == JsonValue::Kind::kArray) {
      for (const JsonValue& arg : member.items) args.emplace_back(arg.text);
    } else if (key == "status" && member.kind == JsonValue::Kind::kNumber) {
      expected.status = std::stoi(member.text);
    } else if (key == "input") {
      input = member.text;
    } else if (key == "out") {
      expected.out = member.text;
    } else if (key == "err") {
      expected.err = member.text;
    } else if (key != "note") {
      FAIL() << "unknown key " << key;
    }
  }
  const test::Outcome got = test::runOnStreams(args, input);
  EXPECT_EQ(got.out, expected.out);
  EXPECT_EQ(got.err, expected.err);
  EXPECT_EQ(got.status, expected.status);
}

TEST(RunCasesTest, EveryRowOfEveryFile) {
  const std::filesystem::path root(VANTREL_CLI_TEST_DATA_DIR);
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(root)) {
    if (entry.path().extension() == ".jsonl") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty()) << "no cases in " << root;
  for (const std::filesystem::path& file : files) {
    const std::string text = test::readFile(file).value_or("");
    std::size_t number = 0;
    for (const std::string_view row : test::splitLines(text)) {
      SCOPED_TRACE(file.filename().string() + ":" + std::to_string(++number));
      replayRow(row);
    }
  }
}

}  // namespace
}  // namespace vantrel::cli
