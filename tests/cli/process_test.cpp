// The built program, run as a process: its real standard streams, exit status and failures that
// only a real file descriptor can show.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.hpp"
#include "cli/command_line.hpp"

extern char** environ;

namespace vantrel::cli {
namespace {

struct Outcome {
  std::string out;
  std::string err;
  int status;
};

std::string tempPath(std::string_view name) {
  return ::testing::TempDir() + "vantrel_cli_" + std::to_string(getpid()) + "_" + std::string(name);
}

void writeFile(const std::string& path, std::string_view text) {
  std::ofstream file(path, std::ios::binary);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs vantrel-translate with `args`, standard input from `inputPath` and standard output to
// `outputPath` (a temporary file when empty). Returns -1 as status when it did not exit normally.
Outcome runProgram(const std::vector<std::string>& args, const std::string& inputPath,
                   std::string outputPath = {}) {
  const bool captureOut = outputPath.empty();
  if (captureOut) outputPath = tempPath("stdout");
  const std::string errPath = tempPath("stderr");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> argvText = {VANTREL_TRANSLATE_BIN};
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argvText) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, argvText[0].c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(spawned, 0) << "cannot start " << argvText[0];
  int wstatus = 0;
  if (spawned == 0) waitpid(pid, &wstatus, 0);
  Outcome outcome{captureOut ? readFile(outputPath) : "", readFile(errPath),
                  spawned == 0 && WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1};
  if (captureOut) unlink(outputPath.c_str());
  unlink(errPath.c_str());
  return outcome;
}

Outcome runInProcess(const std::vector<std::string>& args, const std::string& input) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = run(views, in, out, err);
  return {out.str(), err.str(), status};
}

// What the program prints through its real streams is what run() prints on string streams.
TEST(ProcessTest, PrintsWhatRunPrints) {
  const std::string input =
      "METAR LFPG 121230Z 27010KT 240V300 9999 R27L/1200 RA BKN020 18/12 Q1013 NOSIG\r\n"
      "\n"
      "metar lfpg 121230z 24010kt 9999 ra bkn020 18/12 q1013 nosig\n"
      "EGLL 121220Z 24008KT CAVOK 21/09 Q1021 BECMG 4000 RA\n"
      "METAR \xFF\n"
      "SPECI LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013";
  const std::string inputPath = tempPath("input");
  writeFile(inputPath, input);
  const std::vector<std::vector<std::string>> argLists = {
      {},
      {"--json"},
      {"METAR LFPG 121230Z 27010KT 240V300 9999 BKN020 18/12 Q1013   "},
      {"--json", "LFPG 121230Z", "", "--", "-"},
      {"--help"},
      {"--version"},
      {"--nope"},
  };
  for (const std::vector<std::string>& args : argLists) {
    std::string shown;
    for (const std::string& arg : args) shown += "[" + arg + "]";
    SCOPED_TRACE("args " + shown);
    const Outcome expected = runInProcess(args, input);
    const Outcome got = runProgram(args, inputPath);
    EXPECT_EQ(got.out, expected.out);
    EXPECT_EQ(got.err, expected.err);
    EXPECT_EQ(got.status, expected.status);
  }
  unlink(inputPath.c_str());
}

TEST(ProcessTest, FullDiskIsAWriteError) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full here";
  for (const std::string_view format : {"", "--json"}) {
    SCOPED_TRACE(format.empty() ? "text" : "json");
    std::vector<std::string> args = {"EGLL 121220Z 24008KT CAVOK 21/09 Q1021"};
    if (!format.empty()) args.emplace_back(format);
    const Outcome got = runProgram(args, "/dev/null", "/dev/full");
    EXPECT_EQ(got.err, "vantrel-translate: write error: No space left on device\n");
    EXPECT_EQ(got.status, 2);
  }
}

TEST(ProcessTest, UnreadableInputIsAReadError) {
  const Outcome got = runProgram({"--json"}, ::testing::TempDir());
  EXPECT_EQ(got.out, "");
  EXPECT_EQ(got.err, "vantrel-translate: standard input: Is a directory\n");
  EXPECT_EQ(got.status, 2);
}

}  // namespace
}  // namespace vantrel::cli
