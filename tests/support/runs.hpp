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

// Where a program's standard streams go.
struct ProgramStreams {
  // Standard input is read from this file; /dev/null when empty.
  std::string inputPath;
  // Standard output goes to this file instead of being captured, when set.
  std::string outputPath;
  // Standard error goes to /dev/null instead of being captured.
  bool dropErrors = false;
};

// Runs `program` with `args` and waits for it to end.
Outcome runProgram(const std::string& program, const std::vector<std::string>& args,
                   const ProgramStreams& streams);
// The same with `input` on standard input (through a temporary file).
Outcome runProgram(const std::string& program, const std::vector<std::string>& args,
                   std::string_view input);

}  // namespace vantrel::test
