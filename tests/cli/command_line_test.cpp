#include "cli/command_line.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::cli {
namespace {

struct ParseCase {
  std::vector<std::string_view> args;
  Action action;
  bool json;
  std::vector<std::string_view> reports;
  std::string_view error;
  bool full = false;
  unsigned jobs = 0;
};

std::string joined(const std::vector<std::string_view>& args) {
  std::string text;
  for (const std::string_view arg : args) text += "[" + std::string(arg) + "]";
  return text;
}

TEST(CommandLineTest, ReadsOptionsAndReports) {
  const std::string_view kReport = "METAR LFPG 121230Z 27010KT";
  const ParseCase cases[] = {
      {{}, Action::kTranslate, false, {}, ""},
      {{"--json"}, Action::kTranslate, true, {}, ""},
      {{kReport}, Action::kTranslate, false, {kReport}, ""},
      {{kReport, "--json", "LFPG"}, Action::kTranslate, true, {kReport, "LFPG"}, ""},
      {{"", "-"}, Action::kTranslate, false, {"", "-"}, ""},
      {{"--", "--json", "-x"}, Action::kTranslate, false, {"--json", "-x"}, ""},
      {{"--json", "--", "--"}, Action::kTranslate, true, {"--"}, ""},
      {{"--help", "--bogus"}, Action::kHelp, false, {}, ""},
      {{kReport, "--version"}, Action::kVersion, false, {}, ""},
      {{"--bogus", "--help"}, Action::kUsageError, false, {}, "unrecognized option '--bogus'"},
      // A long option is known by any beginning no other option shares.
      {{"--jso"}, Action::kTranslate, true, {}, ""},
      {{"--ful", "--js", kReport}, Action::kTranslate, true, {kReport}, "", true},
      {{"--st", "--f"}, Action::kStats, false, {}, "", true},
      {{"--jo", "3", "--jo=5"}, Action::kTranslate, false, {}, "", false, 5},
      {{"--h", "--bogus"}, Action::kHelp, false, {}, ""},
      {{"-h", "--bogus"}, Action::kHelp, false, {}, ""},
      {{"--v"}, Action::kVersion, false, {}, ""},
      {{"--j"},
       Action::kUsageError,
       false,
       {},
       "option '--j' is ambiguous; possibilities: '--json' '--jobs'"},
      {{"--js=1"}, Action::kUsageError, false, {}, "option '--json' doesn't allow an argument"},
      {{"--jo"}, Action::kUsageError, false, {}, "option '--jobs' requires an argument"},
      {{"--fulll"}, Action::kUsageError, false, {}, "unrecognized option '--fulll'"},
      {{"--json=yes"}, Action::kUsageError, false, {}, "option '--json' doesn't allow an argument"},
      {{"--full", kReport}, Action::kTranslate, false, {kReport}, "", true},
      {{"--full=1"}, Action::kUsageError, false, {}, "option '--full' doesn't allow an argument"},
      {{"a.txt", "--stats", "-", "--full"}, Action::kStats, false, {"a.txt", "-"}, "", true},
      {{"-j"}, Action::kUsageError, false, {}, "option requires an argument -- 'j'"},
      {{"--jobs"}, Action::kUsageError, false, {}, "option '--jobs' requires an argument"},
      {{"-j", "3", kReport}, Action::kTranslate, false, {kReport}, "", false, 3},
      {{"-j64", "--json"}, Action::kTranslate, true, {}, "", false, 64},
      {{"--jobs", "2", "--jobs=07"}, Action::kTranslate, false, {}, "", false, 7},
      {{"--stats", "-j", "1"}, Action::kStats, false, {}, "", false, 1},
      {{"-j", "0"}, Action::kUsageError, false, {}, "invalid number of jobs '0' (1 to 64)"},
      {{"-j65"}, Action::kUsageError, false, {}, "invalid number of jobs '65' (1 to 64)"},
      {{"--jobs=", "1"}, Action::kUsageError, false, {}, "invalid number of jobs '' (1 to 64)"},
      {{"-j", "-1"}, Action::kUsageError, false, {}, "invalid number of jobs '-1' (1 to 64)"},
      {{"--jobs=2x"}, Action::kUsageError, false, {}, "invalid number of jobs '2x' (1 to 64)"},
      {{"-j4294967297"},
       Action::kUsageError,
       false,
       {},
       "invalid number of jobs '4294967297' (1 to 64)"},
      {{kReport, "-5"}, Action::kUsageError, false, {}, "invalid option -- '5'"},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE("args " + joined(c.args));
    const CommandLine line = parseCommandLine(c.args);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.error, c.error);
    if (c.action != Action::kTranslate && c.action != Action::kStats) continue;
    EXPECT_EQ(line.json, c.json);
    EXPECT_EQ(line.full, c.full);
    EXPECT_EQ(line.jobs, c.jobs);
    EXPECT_EQ(line.reports, c.reports);
  }
}

TEST(CommandLineTest, VersionNamesProgramVersionAndLicence) {
  EXPECT_EQ(versionText(), "vantrel-translate (Vantrel) " VANTREL_TEST_VERSION
                           "\n"
                           "Copyright (C) 2026 The Vantrel developers.\n"
                           "License MIT: <https://opensource.org/licenses/MIT>.\n"
                           "This is free software: you are free to change and redistribute it.\n"
                           "There is NO WARRANTY, to the extent permitted by law.\n");
}

}  // namespace
}  // namespace vantrel::cli
