#pragma once
// vantrel-translate run two ways: run() on string streams in this process, and the built program
// as a process of its own with real standard streams.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.hpp"

namespace vantrel::test {

struct Outcome {
  std::string out;
  std::string err;
  // The exit status; -1 when the program could not be started or did not exit normally.
  int status = -1;
};

// cli::run() with `args` (without the program name) and `input` as standard input.
Outcome runOnStreams(std::span<const std::string_view> args, std::string_view input,
                     const cli::RunSettings& settings = {});

// Files opened as the program's standard streams instead of the usual ones.
struct ProgramFiles {
  std::string input;   // instead of `input`
  std::string output;  // instead of capturing standard output
};

// Runs `program` with `args` and `input` on standard input, and waits for it to end.
Outcome runProgram(const std::string& program, const std::vector<std::string>& args,
                   std::string_view input, const ProgramFiles& files = {});

}  // namespace vantrel::test
