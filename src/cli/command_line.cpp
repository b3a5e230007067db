#include "cli/command_line.hpp"

#include <charconv>
#include <utility>

#ifndef VANTREL_VERSION
#error "VANTREL_VERSION must be defined by the build"
#endif

namespace vantrel::cli {

const std::string_view kUsageText =
    "Usage: vantrel-translate [--json] [--full] [--lang=LANG] [--explain] [-j N] [REPORT]...\n"
    "  or:  vantrel-translate --stats [--full] [FILE]...\n"
    "Try 'vantrel-translate --help' for more information.\n";

const std::string_view kHelpText =
    R"help(Usage: vantrel-translate [--json] [--full] [--lang=LANG] [--explain] [-j N] [REPORT]...
  or:  vantrel-translate --stats [--full] [FILE]...
Translate METAR aviation weather reports into plain English (or French), line
by line.

Each REPORT argument is one report: quote it so that the shell keeps it in one
piece and keeps its spaces. With no REPORT, reports are read from standard
input, one a line. A line ends at a newline; one carriage return right before
it is dropped; nothing else is trimmed; a last line without a newline counts.
A byte-order mark at the very start of the input (or of a FILE) is skipped.
A REPORT that names a file is read as a report all the same, then a note on
standard error shows how to translate the reports in the file instead.

The output of a report is its lines, each followed by a newline, trailing
spaces kept. With several reports, each report's lines are headed by a line
  ==> REPORT <==
and an empty line separates one report's lines from the next report's header.
A refused report and a line that is not valid UTF-8 print nothing there.
Reports typed at a terminal are answered as soon as each line is entered,
without the header: the report stands just above its lines.

  --json     write JSON Lines instead, one object per report, in order:
               {"report": "...", "lines": ["...", "..."], "unread": ["..."]}
               {"report": "...", "error": "It is not a valid METAR."}
             where "unread" lists the groups of the report that gave no
             text, in report order and as typed (empty when all were read);
             and, for a line that is not valid UTF-8 (the Nth line, or the
             Nth REPORT argument):
               {"line": N, "error": "invalid UTF-8 at byte B"}
               {"argument": N, "error": "invalid UTF-8 at byte B"}
  --full     the full reading: every group recognised by its form wherever
             it stands (body, trend sections, remarks), with the supplementary
             groups and the common remarks, and a last line naming what could
             not be read; without it, the classic reading: each group looked
             for at its usual place in the usual order. A forecast (TAF, or
             a validity ddhh/ddhh after the issue time) is read by the
             forecast reader whichever reading is chosen, in either language
  --lang=LANG
             the language of the sentences: "en", English, the default, or
             "fr", French; both readings read the same groups in either.
             The JSON keys and the messages stay in English
  --explain  instead of a report's lines, a gloss: one row for each sentence,
             in report order, its group or groups on the left and the
             sentence on the right; a group that gave no text reads
             "(not translated)", a closing "=" reads "(end of report)". Rows
             are wrapped to the width of the terminal, or to 80 characters.
             With --json, a list after "unread", one object a row:
               "groups": [{"groups": "...", "at": N, "line": L, "text": "..."}]
             the group or groups as typed, the byte of the report where the
             first begins (from 0), the line of "lines" that holds the
             sentence (from 0), and the sentence; "line" and "text" are null
             for an unread group and a closing "=". With --full, and for a
             forecast, also "value", the decoded value, or null
  --stats    print, instead of the translations, how much of the reports the
             reading read: reports read whole, the share of groups read, and
             the 20 most frequent unread groups with each digit shown as 9.
             With --full also the unread share of the body and trend groups
             and of the remark groups (those after RMK). Forecasts, when there
             are any, are also counted apart. The reports are the
             lines of each FILE, or of standard input for "-" or no FILE
  -j, --jobs=N
             translate standard input in N threads at once (1 to 64); the
             output is the same, in the same order. The default is the number
             of processors, at most 8. Reports given as arguments, --stats,
             and a terminal as standard input or output take one thread, so
             that each answer comes at once
  -h, --help display this help and exit
  --version  output version information and exit
  --         end the options: every later argument is a REPORT, even one
             that begins with '-'

A long option may be shortened to any beginning that no other option shares:
--ful for --full, --js for --json.

A refused report or an undecodable line is also named on standard error,
as "line N" or "argument N", and the other reports go on (with --stats they
are only counted). These messages are gathered and written each time the
output is, in large pieces: where both streams show together, a message may
come after the lines of later reports. When standard output is a terminal,
each comes at once.

Exit status: 0 if every report was translated, 1 if any report was refused or
was not valid UTF-8, 2 for a usage error or when a FILE could not be read or
reading or writing failed.

!!!NOT SUITED TO REAL AVIATION!!!
)help";

std::string versionText() {
  std::string text(kProgramName);
  text += " (Vantrel) ";
  text += VANTREL_VERSION;
  text +=
      "\nCopyright (C) 2026 The Vantrel developers.\n"
      "License MIT: <https://opensource.org/licenses/MIT>.\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n";
  return text;
}

namespace {

struct LongOption {
  std::string_view name;  // without "--"
  bool takesValue;
};

// In the order a list of candidates names them.
constexpr LongOption kLongOptions[] = {{"json", false},    {"full", false},   {"lang", true},
                                       {"explain", false}, {"stats", false},  {"jobs", true},
                                       {"help", false},    {"version", false}};

CommandLine usageError(std::string message) {
  CommandLine line;
  line.action = Action::kUsageError;
  line.error = std::move(message);
  return line;
}

// The value of -j: a whole number from 1 to kMaxJobs, in digits only.
bool readJobs(std::string_view text, unsigned& jobs) {
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, jobs);
  return error == std::errc() && stop == end && jobs >= 1 && jobs <= kMaxJobs;
}

// The long option that `name` (without "--" and "=value") names: itself, or the only option that
// begins with it, as getopt_long takes abbreviations. Null when none or several do; `error` then
// says so about `arg`, the whole argument.
const LongOption* findLongOption(std::string_view name, std::string_view arg, std::string& error) {
  std::vector<const LongOption*> candidates;
  for (const LongOption& option : kLongOptions) {
    if (option.name == name) return &option;
    if (option.name.starts_with(name)) candidates.push_back(&option);
  }
  if (candidates.size() == 1) return candidates.front();
  if (candidates.empty()) {
    error = "unrecognized option '" + std::string(arg) + "'";
  } else {
    error = "option '" + std::string(arg) + "' is ambiguous; possibilities:";
    for (const LongOption* option : candidates) error += " '--" + std::string(option->name) + "'";
  }
  return nullptr;
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> args) {
  CommandLine line;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
      line.reports.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    // The option's name and, when one is given, its value.
    std::string_view name;
    std::string_view value;
    bool hasValue = false;
    if (arg[1] == '-') {
      const std::size_t equals = arg.find('=');
      std::string error;
      const LongOption* option = findLongOption(arg.substr(2, equals - 2), arg, error);
      if (option == nullptr) return usageError(std::move(error));
      name = option->name;
      hasValue = equals != std::string_view::npos;
      if (hasValue && !option->takesValue) {
        return usageError("option '--" + std::string(name) + "' doesn't allow an argument");
      }
      if (hasValue) value = arg.substr(equals + 1);
    } else if (arg[1] == 'h') {
      name = "help";
    } else if (arg[1] == 'j') {
      name = "jobs";
      hasValue = arg.size() > 2;
      value = arg.substr(2);
    } else {
      return usageError("invalid option -- '" + std::string(arg.substr(1, 1)) + "'");
    }

    if (name == "json") {
      line.json = true;
    } else if (name == "full") {
      line.full = true;
    } else if (name == "lang") {
      if (!hasValue) {
        if (i + 1 == args.size()) return usageError("option '--lang' requires an argument");
        value = args[++i];
      }
      if (value != "en" && value != "fr") {
        return usageError("invalid language '" + std::string(value) + "' (en or fr)");
      }
      line.french = value == "fr";
    } else if (name == "explain") {
      line.explain = true;
    } else if (name == "stats") {
      line.action = Action::kStats;
    } else if (name == "help") {
      line.action = Action::kHelp;
      return line;
    } else if (name == "version") {
      line.action = Action::kVersion;
      return line;
    } else {  // jobs
      if (!hasValue) {
        if (i + 1 == args.size()) {
          return usageError(arg[1] == 'j' ? "option requires an argument -- 'j'"
                                          : "option '--jobs' requires an argument");
        }
        value = args[++i];
      }
      if (!readJobs(value, line.jobs)) {
        return usageError("invalid number of jobs '" + std::string(value) + "' (1 to " +
                          std::to_string(kMaxJobs) + ")");
      }
    }
  }
  if (line.action == Action::kStats && line.json) {
    return usageError("options '--stats' and '--json' cannot be used together");
  }
  return line;
}

}  // namespace vantrel::cli
