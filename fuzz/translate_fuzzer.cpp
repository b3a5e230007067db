// Fuzz target for vantrel::translate: any bytes are a report someone could type or paste.
//
// Properties checked for every input, on the bytes as given and again on a copy whose
// ill-formed UTF-8 bytes are replaced by 2-, 3- and 4-byte characters (so both invalid and valid
// UTF-8 with multi-byte characters are exercised by every input):
//   - no crash, no undefined behaviour, no leak (the sanitizers watch this);
//   - the same input always gives the same lines: translate() twice, and a reused
//     vantrel::Translator that has just translated another report, give identical results, and
//     the other report still translates as before afterwards;
//   - no output line contains a line break ('\n' or '\r');
//   - a report is refused exactly when its first group (the text up to the first space) is
//     neither "METAR" (ASCII letters in any case) nor exactly 4 characters long, counting
//     characters as the library does for any bytes: the group's first byte and every byte that
//     is not a UTF-8 continuation byte (10xxxxxx) after it;
//   - a refused report has no lines; an accepted one has at least the three body lines that
//     are always written (visibility, sky, temperature);
//   - when the report is valid UTF-8, every output line is valid UTF-8 too (slices never cut a
//     character in two);
//   - the unread groups are groups of the report (never empty, never holding a space), in
//     report order;
// and for the full reading:
//   - the same properties of determinism, line breaks and UTF-8;
//   - the last line names exactly the unread groups ("Not translated: A B."), a closing "="
//     left off, and there is no such line when every group was read: no group is both unread
//     and the source of a sentence;
// and for both readings, explained: the same lines, and pieces that cover the report (every
// group in a piece, each line made of its sentences; tests/support/pieces_cover.hpp);
// and for a forecast (a report whose first group is TAF in any case is one; others may be), in
// place of the classic reading's refusal and body lines: the same lines in both readings, and
// the full reading's properties above, its last line naming exactly the unread groups;
// and in French, for both readings: the same refusal, as many lines and the same unread groups
// as in English, no line break, and pieces that cover the report.
// A violated property aborts with a message, which libFuzzer and the replay runner both report.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"
#include "metar/text.hpp"
#include "metar/translate.hpp"
#include "support/pieces_cover.hpp"

namespace {

void require(bool ok, const char* what, std::string_view report) {
  if (!ok) vantrel::fuzz::propertyViolated("translate_fuzzer", what, "report", report);
}

// A report whose translation fills every buffer: wind, variation, visibility, runway, weather,
// sky, temperature, pressure and both trend sections.
constexpr std::string_view kFullReport =
    "METAR LFPG 121230Z 27010G25KT 240V300 4000 R27L/1200 -RA BKN020 OVC040 18/12 Q1013 "
    "BECMG 29015KT 9999 NSW SCT030 TEMPO 3000 TSRA BKN010CB";

// Whether the first group lets the report through: "METAR" in any ASCII case, or any group of
// exactly four characters. Written apart from the library on purpose.
bool firstGroupAccepted(std::string_view report) {
  const std::string_view first = report.substr(0, report.find(' '));
  std::size_t characters = first.empty() ? 0 : 1;
  for (std::size_t i = 1; i < first.size(); ++i) {
    if ((static_cast<unsigned char>(first[i]) & 0xC0U) != 0x80U) ++characters;
  }
  if (characters == 4) return true;
  constexpr std::string_view kMetar = "METAR";
  if (first.size() != kMetar.size()) return false;
  for (std::size_t i = 0; i < first.size(); ++i) {
    char c = first[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kMetar[i]) return false;
  }
  return true;
}

// Whether the first group is TAF, in any ASCII case.
bool firstGroupIsTaf(std::string_view report) {
  const std::string_view first = report.substr(0, report.find(' '));
  constexpr std::string_view kTaf = "TAF";
  if (first.size() != kTaf.size()) return false;
  for (std::size_t i = 0; i < first.size(); ++i) {
    if ((first[i] & ~0x20) != kTaf[i]) return false;
  }
  return true;
}

std::vector<std::string> linesOf(const vantrel::Translation& t) {
  std::vector<std::string> out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size(); ++i) out.emplace_back(t.line(i));
  return out;
}

// The same report with each ill-formed byte replaced by a well-formed character, the byte value
// choosing among characters of every encoded length.
std::string repairedUtf8(std::string_view bytes) {
  static constexpr std::string_view kStandIns[] = {"\xC3\x89", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                                   "\xC2\xB0"};
  std::string out;
  out.reserve(bytes.size() * 2);
  while (!bytes.empty()) {
    const std::size_t bad = vantrel::findInvalidUtf8(bytes);
    out.append(bytes.substr(0, bad));
    if (bad == bytes.size()) break;
    out.append(kStandIns[static_cast<unsigned char>(bytes[bad]) % 4U]);
    bytes.remove_prefix(bad + 1);
  }
  return out;
}

// The unread groups are views into the report, in order, each a whole non-empty group.
void checkUnread(std::string_view report, const vantrel::Translation& t) {
  const char* last = report.data();
  for (const std::string_view group : t.unread()) {
    require(!group.empty() && group.find(' ') == std::string_view::npos && group.data() >= last &&
                group.data() + group.size() <= report.data() + report.size(),
            "an unread group is not a group of the report in order", report);
    const std::size_t at = static_cast<std::size_t>(group.data() - report.data());
    require((at == 0 || report[at - 1] == ' ') &&
                (at + group.size() == report.size() || report[at + group.size()] == ' '),
            "an unread group is part of a group", report);
    last = group.data() + group.size();
  }
}

void checkFullReading(std::string_view report) {
  vantrel::Translator translator;
  const vantrel::Translation& first = translator.translate(report, vantrel::Reading::kFull);
  const std::vector<std::string> lines = linesOf(first);
  const std::vector<std::string_view> unread(first.unread().begin(), first.unread().end());
  checkUnread(report, first);
  translator.translate(kFullReport, vantrel::Reading::kFull);
  const vantrel::Translation& again = translator.translate(report, vantrel::Reading::kFull);
  require(again.refused() == first.refused() && linesOf(again) == lines,
          "the full reading gives different lines the second time", report);
  for (const std::string& line : lines) {
    require(line.find_first_of("\r\n") == std::string::npos,
            "a line of the full reading holds a line break", report);
    if (vantrel::isValidUtf8(report)) {
      require(vantrel::isValidUtf8(line), "valid UTF-8 in, invalid UTF-8 out (full)", report);
    }
  }
  std::string named;
  for (std::string_view group : unread) {
    // A closing "=" ends the report; the last group is named without it.
    const std::size_t after = static_cast<std::size_t>(group.data() - report.data()) + group.size();
    if (report.find_first_not_of(' ', after) == std::string_view::npos) {
      while (!group.empty() && group.back() == '=') group.remove_suffix(1);
    }
    named += named.empty() ? "Not translated: " : " ";
    for (const char c : group) {
      if (c == '\n' || c == '\r') {
        named += "\uFFFD";  // as every line writes a line break typed inside a group
      } else {
        named += c;
      }
    }
  }
  if (!named.empty()) named += '.';
  const bool hasLastLine = !lines.empty() && lines.back().starts_with("Not translated: ");
  require(named.empty() ? !hasLastLine : (hasLastLine && lines.back() == named),
          "the last line does not name exactly the unread groups", report);
}

void checkPieces(std::string_view report) {
  vantrel::Translator plain, explained;
  for (const vantrel::Reading reading : {vantrel::Reading::kClassic, vantrel::Reading::kFull}) {
    const std::string fault = vantrel::test::piecesFault(
        report, explained.translate(report, reading, vantrel::Explain::kYes),
        plain.translate(report, reading));
    require(fault.empty(), fault.c_str(), report);
  }
}

void checkFrench(std::string_view report) {
  vantrel::Translator english, french, explained;
  for (const vantrel::Reading reading : {vantrel::Reading::kClassic, vantrel::Reading::kFull}) {
    const vantrel::Translation& e = english.translate(report, reading);
    const vantrel::Translation& f =
        french.translate(report, reading, vantrel::Explain::kNo, vantrel::Language::kFrench);
    const std::vector<std::string_view> unreadEnglish(e.unread().begin(), e.unread().end());
    const std::vector<std::string_view> unreadFrench(f.unread().begin(), f.unread().end());
    require(f.refused() == e.refused() && f.size() == e.size() && unreadFrench == unreadEnglish,
            "French reads other groups than English", report);
    for (const std::string& line : linesOf(f)) {
      require(line.find_first_of("\r\n") == std::string::npos,
              "a French output line holds a line break", report);
    }
    const std::string fault = vantrel::test::piecesFault(
        report,
        explained.translate(report, reading, vantrel::Explain::kYes, vantrel::Language::kFrench),
        f);
    require(fault.empty(), fault.c_str(), report);
  }
}

void checkReport(std::string_view report, const std::vector<std::string>& fullLines) {
  checkPieces(report);
  checkFrench(report);
  const vantrel::Translation first = vantrel::translate(report);
  const std::vector<std::string> lines = linesOf(first);
  checkUnread(report, first);
  checkFullReading(report);

  const vantrel::Translation second = vantrel::translate(report);
  require(second.refused() == first.refused() && linesOf(second) == lines,
          "translating twice gives different results", report);

  vantrel::Translator reused;
  reused.translate(kFullReport);
  const vantrel::Translation& afterOther = reused.translate(report);
  require(afterOther.refused() == first.refused() && linesOf(afterOther) == lines,
          "a reused Translator gives different lines", report);
  const vantrel::Translation& again = reused.translate(report);
  require(again.refused() == first.refused() && linesOf(again) == lines,
          "a Translator translating the same report again gives different lines", report);
  require(linesOf(reused.translate(kFullReport)) == fullLines,
          "a report changes how the next one is translated", report);

  for (const std::string& line : lines) {
    require(line.find_first_of("\r\n") == std::string::npos, "an output line holds a line break",
            report);
  }

  const bool forecast = first.kind() == vantrel::ReportKind::kForecast;
  require(forecast || !firstGroupIsTaf(report), "a report that begins with TAF is no forecast",
          report);
  if (forecast) {
    const vantrel::Translation full = vantrel::translate(report, vantrel::Reading::kFull);
    require(full.kind() == vantrel::ReportKind::kForecast && full.refused() == first.refused() &&
                linesOf(full) == lines,
            "a forecast reads differently in the two readings", report);
    return;
  }
  const bool accepted = firstGroupAccepted(report);
  require(first.refused() == !accepted,
          accepted ? "a report with an acceptable first group was refused"
                   : "a report with an unacceptable first group was translated",
          report);
  if (first.refused()) {
    require(lines.empty(), "a refused report has lines", report);
  } else {
    require(lines.size() >= 3, "a translated report lacks the body lines", report);
  }

  if (vantrel::isValidUtf8(report)) {
    for (const std::string& line : lines) {
      require(vantrel::isValidUtf8(line), "valid UTF-8 in, invalid UTF-8 out", report);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> fullLines = linesOf(vantrel::translate(kFullReport));
  const std::string_view report(reinterpret_cast<const char*>(data), size);
  checkReport(report, fullLines);
  if (!vantrel::isValidUtf8(report)) checkReport(repairedUtf8(report), fullLines);
  return 0;
}
