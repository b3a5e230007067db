// Report type, station and issue time: [METAR] CCCC DDHHMMZ or [METAR] CCCC HHMMZ.

#include <string_view>

#include "metar/positional/steps.hpp"
#include "metar/text.hpp"

namespace vantrel {
namespace {

constexpr std::string_view kOpening = "METAR report issued ";

bool isDigitIn(std::string_view c, char low, char high) {
  return c.size() == 1 && c[0] >= low && c[0] <= high;
}

// The English suffix of day c1 c2 (01 to 31, also 00 and 35 to 99 when they end in 0 or 4-9), or
// nothing for a day that has none.
std::string_view daySuffix(std::string_view c1, std::string_view c2) {
  if (isDigitIn(c2, '0', '0') || isDigitIn(c2, '4', '9')) return "th at ";
  if (!isDigitIn(c2, '1', '3')) return {};
  if (c1 == "1") return "th at ";  // 11th, 12th, 13th
  if (c1 == "0" || c1 == "2") {
    constexpr std::string_view kSuffixes[] = {"st at ", "nd at ", "rd at "};
    return kSuffixes[c2[0] - '1'];
  }
  if (c1 == "3" && c2 == "1") return "st at ";
  return {};
}

}  // namespace

bool readHeader(GroupCursor& cursor, std::string& headerLine) {
  headerLine.clear();
  if (cursor.group().upperIs("METAR")) {
    cursor.advance();
  } else if (cursor.group().size() != 4) {
    return false;
  }

  // CCCC, written in capitals at the end of the header line.
  const std::string_view station = cursor.group().size() == 4 ? cursor.group().bytes() : "";
  cursor.advance();

  // HHMMZ or DDHHMMZ.
  const Group& time = cursor.group();
  if (time.upperAt(time.size()) == 'Z') {
    if (time.size() == 5) {
      assignText(headerLine, kOpening, "at ", time.slice(1, 2), ".", time.slice(3, 2), " GMT ");
    } else if (time.size() == 7) {
      const std::string_view c1 = time.slice(1, 1);
      const std::string_view c2 = time.slice(2, 1);
      const std::string_view suffix = daySuffix(c1, c2);
      if (!suffix.empty()) {
        assignText(headerLine, kOpening, "on the ", c1 == "0" ? c2 : time.slice(1, 2), suffix,
                   time.slice(3, 2), ".", time.slice(5, 2), " GMT ");
      }
    }
  }
  if (!headerLine.empty() && !station.empty()) {
    appendText(headerLine, "for ");
    for (const char c : station) headerLine += asciiUpper(c);
    appendText(headerLine, ":");
  }
  cursor.advance();
  return true;
}

}  // namespace vantrel
