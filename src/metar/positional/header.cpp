// Report type, station and issue time: [METAR] CCCC DDHHMMZ or [METAR] CCCC HHMMZ.

#include "metar/positional/steps.hpp"

namespace vantrel::positional {

template <class W>
bool readHeader(GroupCursor& cursor, LineText& headerLine) {
  headerLine.clear();
  Group type;
  if (cursor.group().upperIs("METAR")) {
    type = cursor.group();
    cursor.advance();
  } else if (cursor.group().size() != 4) {
    return false;
  }

  // CCCC, written in capitals at the end of the header line.
  const Group station = cursor.group().size() == 4 ? cursor.group() : Group();
  cursor.advance();

  // HHMMZ or DDHHMMZ.
  const Group& time = cursor.group();
  if (time.upperAt(time.size()) == 'Z') {
    if (time.size() == 5) {
      W::appendIssueTime(headerLine.replace(time), time.slice(1, 2), time.slice(3, 2));
    } else if (time.size() == 7) {
      const std::string_view d1 = time.slice(1, 1);
      const std::string_view d2 = time.slice(2, 1);
      const std::string_view suffix = W::daySuffix(d1, d2);
      if (!suffix.empty()) {
        W::appendIssueDayAndTime(headerLine.replace(time), d1 == "0" ? d2 : time.slice(1, 2),
                                 suffix, time.slice(3, 2), time.slice(5, 2));
      }
    }
  }
  if (!headerLine.empty()) {
    headerLine.credit(type.bytes());
    if (!station.empty()) W::appendStation(headerLine.add(station), station.bytes());
  }
  cursor.advance();
  return true;
}

template bool readHeader<EnglishWording>(GroupCursor&, LineText&);
template bool readHeader<FrenchWording>(GroupCursor&, LineText&);

}  // namespace vantrel::positional
