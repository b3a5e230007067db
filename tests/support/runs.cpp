#include "support/runs.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "support/files.hpp"

extern char** environ;

namespace vantrel::test {

Outcome runOnStreams(std::span<const std::string_view> args, std::string_view input,
                     const cli::RunSettings& settings) {
  std::istringstream in{std::string(input)};
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome;
  outcome.status = cli::run(args, in, out, err, settings);
  outcome.out = std::move(out).str();
  outcome.err = std::move(err).str();
  return outcome;
}

Outcome runProgram(const std::string& program, const std::vector<std::string>& args,
                   const ProgramStreams& streams) {
  const TempFile out;
  const TempFile err;
  const std::string& outPath = streams.outputPath.empty() ? out.path() : streams.outputPath;
  const std::string errPath = streams.dropErrors ? std::string("/dev/null") : err.path();
  const std::string inPath = streams.inputPath.empty() ? "/dev/null" : streams.inputPath;
  Outcome outcome;
  if (outPath.empty() || errPath.empty()) return outcome;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> argvText = {program};
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argvText) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return outcome;
  int wstatus = 0;
  if (waitpid(pid, &wstatus, 0) != pid || !WIFEXITED(wstatus)) return outcome;
  outcome.status = WEXITSTATUS(wstatus);
  if (streams.outputPath.empty()) outcome.out = readFile(outPath).value_or("");
  if (!streams.dropErrors) outcome.err = readFile(errPath).value_or("");
  return outcome;
}

Outcome runProgram(const std::string& program, const std::vector<std::string>& args,
                   std::string_view input) {
  const TempFile in;
  if (in.path().empty() || !writeFile(in.path(), input)) return {};
  return runProgram(program, args, ProgramStreams{in.path(), {}, false});
}

}  // namespace vantrel::test
