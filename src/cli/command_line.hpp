#pragma once
// The command line of vantrel-translate: options, reports, and the texts of --help and --version.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {

inline constexpr std::string_view kProgramName = "vantrel-translate";
// The most threads -j takes.
inline constexpr unsigned kMaxJobs = 64;

// Full --help text, ending in a newline.
extern const std::string_view kHelpText;
// The synopsis printed with a usage error, ending in a newline.
extern const std::string_view kUsageText;
// --version text: the program, its version, the copyright and the licence; ends in a newline.
std::string versionText();

enum class Action { kTranslate, kStats, kHelp, kVersion, kUsageError };

struct CommandLine {
  Action action = Action::kTranslate;
  bool json = false;
  // --full: the full reading instead of the classic one.
  bool full = false;
  // --lang=fr: the sentences in French; --lang=en, the default, in English.
  bool french = false;
  // --explain: each sentence with the group or groups it came from.
  bool explain = false;
  // -j N / --jobs=N: threads translating standard input; 0 when not given.
  unsigned jobs = 0;
  // The REPORT arguments, or for kStats the FILE arguments, in order. Empty means: read reports
  // from standard input.
  std::vector<std::string_view> reports;
  // For kUsageError: what was wrong, without the program name (getopt's wording).
  std::string error;
};

// Reads the arguments (without the program name) the GNU way: options may come before, between
// or after reports, "--" ends the options, a lone "-" is a report, an option's value is the next
// argument or joined to it ("-j4", "--jobs=4"), a long option may be shortened to a beginning no
// other shares ("--ful"), "-h" is "--help", and --help or --version take effect where they stand.
// The views point into `args`.
CommandLine parseCommandLine(std::span<const std::string_view> args);

}  // namespace vantrel::cli
