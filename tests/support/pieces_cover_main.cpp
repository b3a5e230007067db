// The pieces of both readings over files of reports: for every report, the explained lines are the
// plain ones, every group is in a piece, and each line is its sentences (tests/support/
// pieces_cover.hpp).
//   vantrel_pieces_cover FILE...
// A file holds a report a line, or JSON Lines with a "report" member (the golden files). Prints
// the counts and the first faults; exits 1 when there is any.

#include <cstdio>
#include <string>
#include <string_view>

#include "metar/translate.hpp"
#include "support/files.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"
#include "support/pieces_cover.hpp"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: vantrel_pieces_cover FILE...\n", stderr);
    return 2;
  }
  vantrel::Translator plain, explained;
  long reports = 0, faults = 0;
  for (int a = 1; a < argc; ++a) {
    const auto file = vantrel::test::readFile(argv[a]);
    if (!file) {
      std::fprintf(stderr, "vantrel_pieces_cover: cannot read %s\n", argv[a]);
      return 2;
    }
    for (std::string_view line : vantrel::test::splitLines(*file)) {
      if (line.ends_with('\r')) line.remove_suffix(1);
      std::string report(line);
      if (line.starts_with('{')) {
        const auto json = vantrel::test::JsonReader::parse(line);
        if (!json || !json->members.contains("report")) continue;
        report = json->members.at("report").text;
      }
      for (const vantrel::Reading reading : {vantrel::Reading::kClassic, vantrel::Reading::kFull}) {
        ++reports;
        const std::string fault = vantrel::test::piecesFault(
            report, explained.translate(report, reading, vantrel::Explain::kYes),
            plain.translate(report, reading));
        if (fault.empty()) continue;
        if (++faults <= 20) {
          std::printf("%s (%s): %s\n  %s\n", argv[a],
                      reading == vantrel::Reading::kFull ? "full" : "classic", fault.c_str(),
                      report.c_str());
        }
      }
    }
  }
  std::printf("pieces: %ld translations, %ld faults\n", reports, faults);
  return faults == 0 ? 0 : 1;
}
