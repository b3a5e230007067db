#pragma once
// vantrel-translate: METAR reports from the command line or standard input, translated to
// standard output. Everything but the process entry lives here so tests can run it on their
// own streams.

#include <cstddef>
#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace vantrel::cli {

struct RunSettings {
  // Largest read from the input at a time.
  std::size_t readBlockSize = std::size_t{1} << 16;
  // Output is handed to the output stream in pieces of about this size.
  std::size_t writeBlockSize = std::size_t{1} << 16;
  // Push each report's output out at once, for a person watching a terminal.
  bool flushEveryReport = false;
  // Standard input is a terminal: a person types the reports and reads each answer below the
  // report, so text output comes at once, without "==> REPORT <==" headers.
  bool terminalInput = false;
  // The characters of a row of the --explain gloss: the terminal's width, or 80.
  std::size_t glossWidth = 80;
  // With more than one job, the lines of standard input are translated in batches of at most
  // this many lines, handed on once they hold this many bytes; a line of batchBytes or more is
  // translated on its own.
  std::size_t batchLines = 2048;
  std::size_t batchBytes = std::size_t{1} << 18;
};

// Runs the program on `args` (without the program name) and returns its exit status: 0 when
// every report was translated, 1 when one was refused or was not valid UTF-8, 2 for a usage
// error or a failed read or write. Never ends the process itself.
int run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err, const RunSettings& settings = {});

// Threads for translating standard input when -j is not given: the processors this process may
// run on, at most 8.
unsigned defaultJobs();

// The process entry: unsyncs the standard streams from C stdio, then runs on them.
int runProcess(int argc, char** argv);

}  // namespace vantrel::cli
