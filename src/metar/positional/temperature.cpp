// Temperature and dew point: TT/DD MTT/DD TT/MDD MTT/MDD. Pressure: QPPPP (hectopascals).

#include "metar/positional/steps.hpp"

namespace vantrel::positional {

using words::DegreeStyle;

template <class W>
void readTemperature(GroupCursor& cursor, LineText& temperature) {
  temperature.clear();
  // Each form is tested on the group the form before it left current.
  if (const Group& g = cursor.group(); g.size() == 5 && g.upperAt(3) == '/') {
    W::appendTemperature(temperature.replace(g), false, g.slice(1, 2), false, g.slice(4, 2),
                         DegreeStyle::kJoined);
    cursor.advance();
  }
  if (cursor.group().size() == 6) {
    if (const Group& g = cursor.group(); g.upperAt(4) == '/' && g.upperAt(1) == 'M') {
      W::appendTemperature(temperature.replace(g), true, g.slice(2, 2), false, g.slice(5, 2),
                           DegreeStyle::kJoined);
      cursor.advance();
    }
    if (const Group& g = cursor.group(); g.upperAt(3) == '/' && g.upperAt(4) == 'M') {
      W::appendTemperature(temperature.replace(g), false, g.slice(1, 2), true, g.slice(5, 2),
                           DegreeStyle::kJoined);
      cursor.advance();
    }
  }
  if (const Group& g = cursor.group();
      g.size() == 7 && g.upperAt(1) == 'M' && g.upperAt(4) == '/' && g.upperAt(5) == 'M') {
    W::appendTemperature(temperature.replace(g), true, g.slice(2, 2), true, g.slice(6, 2),
                         DegreeStyle::kSpaced);
    cursor.advance();
  }
}

template <class W>
void readPressure(GroupCursor& cursor, LineText& temperature) {
  if (const Group& g = cursor.group(); g.size() == 5 && g.upperAt(1) == 'Q') {
    W::appendQnh(temperature.add(g), g.slice(2, 4));
    cursor.advance();
  }
}

template void readTemperature<EnglishWording>(GroupCursor&, LineText&);
template void readTemperature<FrenchWording>(GroupCursor&, LineText&);
template void readPressure<EnglishWording>(GroupCursor&, LineText&);
template void readPressure<FrenchWording>(GroupCursor&, LineText&);

}  // namespace vantrel::positional
