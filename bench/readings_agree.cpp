// Both readings over a corpus: for every report that both read whole and that holds no group the
// two read differently on purpose (docs/full-reading.md), the lines that say something must be
// the same.
//   vantrel_readings_agree DOC CORPUS
// Prints the counts and the first reports that differ; exits 1 when any does.

#include <cstdio>
#include <string>
#include <string_view>

#include "metar/translate.hpp"
#include "support/files.hpp"
#include "support/lines.hpp"
#include "support/readings_doc.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: vantrel_readings_agree DOC CORPUS\n", stderr);
    return 2;
  }
  const auto doc = vantrel::test::readReadingsDoc(argv[1]);
  const auto corpus = vantrel::test::readFile(argv[2]);
  if (!doc || !corpus) {
    std::fputs("vantrel_readings_agree: cannot read the document or the corpus\n", stderr);
    return 2;
  }
  vantrel::Translator classic, full;
  long compared = 0, skipped = 0, differ = 0;
  for (std::string_view report : vantrel::test::splitLines(*corpus)) {
    if (report.ends_with('\r')) report.remove_suffix(1);
    const vantrel::Translation& c = classic.translate(report);
    if (c.refused() || !c.unread().empty()) continue;
    const vantrel::Translation& f = full.translate(report, vantrel::Reading::kFull);
    bool lettersAsVisibility = false;
    for (std::size_t i = 0; i < c.size(); ++i) {
      const std::string_view line = c.line(i);
      if (!line.starts_with("Visibility is ")) continue;
      const std::string_view value = line.substr(14, line.find(' ', 14) - 14);
      lettersAsVisibility =
          lettersAsVisibility || (value.find_first_not_of("0123456789") != std::string_view::npos &&
                                  line.find(" metres. ") == 14 + value.size());
    }
    if (!f.unread().empty() || lettersAsVisibility ||
        vantrel::test::holdsAnyOf(report, doc->differences)) {
      ++skipped;
      continue;
    }
    ++compared;
    if (vantrel::test::saidLines(f) != vantrel::test::saidLines(c) && ++differ <= 10) {
      std::printf("differ: %.*s\n", static_cast<int>(report.size()), report.data());
    }
  }
  std::printf(
      "both readings, reports read whole by both: %ld compared, %ld differ; %ld left out "
      "(groups read differently on purpose, or a group the full reading cannot read)\n",
      compared, differ, skipped);
  return differ == 0 ? 0 : 1;
}
