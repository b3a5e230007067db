#include "support/runs.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <sstream>

namespace vantrel::test {
namespace {

// An unnamed temporary file, gone once closed.
using TempFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Everything written to `file`, from its start.
std::string contents(std::FILE* file) {
  std::string text;
  std::rewind(file);
  char block[1 << 16];
  for (std::size_t got = 0; (got = std::fread(block, 1, sizeof block, file)) > 0;) {
    text.append(block, got);
  }
  return text;
}

}  // namespace

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
                   std::string_view input, const ProgramFiles& files) {
  const TempFile in(std::tmpfile(), std::fclose);
  const TempFile out(std::tmpfile(), std::fclose);
  const TempFile err(std::tmpfile(), std::fclose);
  Outcome outcome;
  if (!in || !out || !err) return outcome;
  std::fwrite(input.data(), 1, input.size(), in.get());
  std::fflush(in.get());
  std::rewind(in.get());

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (files.input.empty()) {
    posix_spawn_file_actions_adddup2(&actions, fileno(in.get()), STDIN_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, files.input.c_str(), O_RDONLY, 0);
  }
  if (files.output.empty()) {
    posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), STDOUT_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, files.output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), STDERR_FILENO);
  std::vector<std::string> argvText = {program};
  argvText.insert(argvText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(argvText.size() + 1);
  for (std::string& arg : argvText) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int wstatus = 0;
  if (spawned != 0 || waitpid(pid, &wstatus, 0) != pid || !WIFEXITED(wstatus)) return outcome;
  outcome.status = WEXITSTATUS(wstatus);
  outcome.out = contents(out.get());
  outcome.err = contents(err.get());
  return outcome;
}

}  // namespace vantrel::test
