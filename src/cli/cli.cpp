#include "cli/cli.hpp"

#include <sched.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "cli/batch_translator.hpp"
#include "cli/command_line.hpp"
#include "cli/line_reader.hpp"
#include "cli/report_writer.hpp"
#include "cli/stats.hpp"

namespace vantrel::cli {
namespace {

void writeAll(std::ostream& stream, std::string_view text) {
  stream.write(text.data(), static_cast<std::streamsize>(text.size()));
  stream.flush();
}

void complain(std::ostream& err, std::string_view what) {
  std::string message(kProgramName);
  message += ": ";
  message += what;
  message += '\n';
  writeAll(err, message);
}

// Names a failed write, with its cause when the system gave one.
void complainOfWriteError(std::ostream& err, int error) {
  std::string message = "write error";
  if (error != 0) message += ": " + std::generic_category().message(error);
  complain(err, message);
}

// --help and --version: the text, then 0, or 2 when it could not be written.
int writeText(std::ostream& out, std::ostream& err, std::string_view text) {
  errno = 0;
  writeAll(out, text);
  if (out) return 0;
  complainOfWriteError(err, errno);
  return 2;
}

// Text output needs to know whether more than one report comes before it writes the first, so
// the first line is held until the second one shows up or the input ends. Reports typed at a
// terminal get no headers, so each is answered as soon as its line is read. `Writer` is a
// ReportWriter or a BatchTranslator.
template <class Writer>
void translateLines(LineReader& reader, Writer& writer, const OutputSink& sink, OutputFormat format,
                    bool terminalInput) {
  std::string_view line;
  if (!reader.next(line)) return;
  if (format == OutputFormat::kText && !terminalInput) {
    std::string first;
    reader.take(first);
    const bool several = reader.next(line);
    writer.setHeaders(several);
    writer.write(Origin::kLine, 1, first);
    if (!several) return;
  }
  do {
    writer.write(Origin::kLine, reader.lineNumber(), line);
  } while (!sink.failed() && reader.next(line));
}

// The lines of standard input, translated in the caller's thread or, with more than one job, in
// worker threads; returns the status of the translations. Where answers must come at once (a
// terminal on either side) one thread does it all.
int translateInput(std::istream& in, OutputSink& sink, const WriterSettings& writerSettings,
                   unsigned jobs, const RunSettings& settings, std::error_code& readError) {
  if (jobs > 1 && !settings.flushEveryReport && !settings.terminalInput) {
    BatchTranslator batches(sink, writerSettings, {jobs, settings.batchLines, settings.batchBytes});
    if (batches.start()) {
      // Before waiting for input, everything read so far goes out, as with one thread.
      LineReader reader(in, settings.readBlockSize, [&] {
        batches.drain();
        sink.sync();
      });
      translateLines(reader, batches, sink, writerSettings.format, false);
      batches.finish();
      readError = reader.error();
      return batches.status();
    }
  }
  ReportWriter writer(sink, writerSettings);
  LineReader reader(in, settings.readBlockSize, [&sink] { sink.sync(); });
  translateLines(reader, writer, sink, writerSettings.format, settings.terminalInput);
  readError = reader.error();
  return writer.status();
}

// Pushes the output and the messages out and returns `status`, or 2 after a failed read or
// write.
int finish(OutputSink& sink, std::ostream& err, int status, const std::error_code& readError = {}) {
  sink.sync();
  if (readError) {
    complain(err, "standard input: " + readError.message());
    status = 2;
  }
  if (!sink.failed()) return status;
  complainOfWriteError(err, sink.failureErrno());
  return 2;
}

// --stats: every line of each FILE ("-" or no FILE: standard input) counted as a report, then the
// summary. A FILE that cannot be opened, or is a directory, is named and skipped; the summary
// covers the others, and is left out when there are none.
int runStats(const CommandLine& command, std::istream& in, std::ostream& out, std::ostream& err,
             const RunSettings& settings) {
  ReadingStats stats(command.full ? Reading::kFull : Reading::kClassic);
  bool readFailed = false;
  bool anyRead = false;
  const auto count = [&](std::istream& stream, std::string_view name) {
    anyRead = true;
    LineReader reader(stream, settings.readBlockSize);
    std::string_view line;
    while (reader.next(line)) stats.add(line);
    if (reader.error()) {
      complain(err, std::string(name) + ": " + reader.error().message());
      readFailed = true;
    }
  };
  if (command.reports.empty()) count(in, "standard input");
  for (const std::string_view file : command.reports) {
    if (file == "-") {
      count(in, "standard input");
      continue;
    }
    // A directory opens, and only fails when read.
    std::error_code statusError;
    if (std::filesystem::is_directory(file, statusError)) {
      complain(err, std::string(file) + ": " + std::generic_category().message(EISDIR));
      readFailed = true;
      continue;
    }
    errno = 0;
    std::ifstream stream(std::string(file), std::ios::binary);
    if (!stream) {
      const int error = errno;
      complain(err, std::string(file) + ": " +
                        (error != 0 ? std::generic_category().message(error) : "cannot open"));
      readFailed = true;
      continue;
    }
    count(stream, file);
  }
  std::string summary;
  if (anyRead) stats.write(summary);
  OutputSink sink(out, err, settings.writeBlockSize);
  sink.appendLong(summary);
  return finish(sink, err, readFailed ? 2 : stats.anyRejected() ? 1 : 0);
}

// A word the shell reads back as `text`: as it is when it holds only characters the shell takes
// literally, else in single quotes.
std::string shellWord(std::string_view text) {
  const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
           std::string_view("%+,-./:=@_").find(c) != std::string_view::npos;
  });
  if (plain) return std::string(text);
  std::string word = "'";
  for (const char c : text) {
    if (c == '\'') {
      word += "'\\''";
    } else {
      word += c;
    }
  }
  return word + "'";
}

// A REPORT argument that names a regular file was most likely meant as a file of reports: it is
// translated as the report it is, and then the commands that read the file are shown, with the
// reading and the format asked for. Only the first such argument is named; "-" is never taken
// for a file.
void hintAtFileArgument(const CommandLine& command, std::ostream& err) {
  std::uint64_t number = 0;
  for (const std::string_view report : command.reports) {
    ++number;
    std::error_code statusError;
    if (report == "-" || !std::filesystem::is_regular_file(report, statusError)) continue;
    const std::string file = shellWord(report);
    const std::string reading = command.full ? " --full" : "";
    complain(err, "argument " + std::to_string(number) +
                      " names a file; it was read as a report, as every argument is");
    complain(err, "to translate the reports in the file: " + std::string(kProgramName) + reading +
                      (command.json ? " --json" : "") + " < " + file);
    complain(err, "for a summary of them: " + std::string(kProgramName) + " --stats" + reading +
                      (report.front() == '-' ? " -- " : " ") + file);
    return;
  }
}

// The columns of the terminal on standard output, or COLUMNS when it does not say, or 80.
std::size_t terminalWidth() {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col != 0) return size.ws_col;
  if (const char* columns = std::getenv("COLUMNS"); columns != nullptr) {
    std::size_t n = 0;
    const std::string_view text(columns);
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error == std::errc() && stop == text.data() + text.size() && n != 0) return n;
  }
  return 80;
}

}  // namespace

int run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err, const RunSettings& settings) {
  const CommandLine command = parseCommandLine(args);
  switch (command.action) {
    case Action::kHelp:
      return writeText(out, err, kHelpText);
    case Action::kVersion:
      return writeText(out, err, versionText());
    case Action::kUsageError:
      complain(err, command.error);
      writeAll(err, kUsageText);
      return 2;
    case Action::kStats:
      return runStats(command, in, out, err, settings);
    case Action::kTranslate:
      break;
  }

  const WriterSettings writerSettings = {command.json ? OutputFormat::kJson : OutputFormat::kText,
                                         command.full ? Reading::kFull : Reading::kClassic,
                                         command.french ? Language::kFrench : Language::kEnglish,
                                         settings.flushEveryReport,
                                         command.explain,
                                         settings.glossWidth};
  OutputSink sink(out, err, settings.writeBlockSize);
  if (command.reports.empty()) {
    std::error_code readError;
    const int status =
        translateInput(in, sink, writerSettings, command.jobs != 0 ? command.jobs : defaultJobs(),
                       settings, readError);
    return finish(sink, err, status, readError);
  }
  ReportWriter writer(sink, writerSettings);
  writer.setHeaders(command.reports.size() > 1);
  std::uint64_t number = 0;
  for (const std::string_view report : command.reports) {
    writer.write(Origin::kArgument, ++number, report);
    if (sink.failed()) break;
  }
  const int status = finish(sink, err, writer.status());
  hintAtFileArgument(command, err);
  return status;
}

unsigned defaultJobs() {
  unsigned count = std::thread::hardware_concurrency();
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) {
    count = static_cast<unsigned>(CPU_COUNT(&allowed));
  }
  return std::clamp(count, 1U, 8U);
}

int runProcess(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  std::cerr.tie(nullptr);
  std::vector<std::string_view> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  RunSettings settings;
  settings.flushEveryReport = isatty(STDOUT_FILENO) == 1;
  settings.terminalInput = isatty(STDIN_FILENO) == 1;
  if (settings.flushEveryReport) settings.glossWidth = terminalWidth();
  return run(args, std::cin, std::cout, std::cerr, settings);
}

}  // namespace vantrel::cli
