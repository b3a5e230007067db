// Temperature and dew point: TT/DD MTT/DD TT/MDD MTT/MDD. Pressure: QPPPP (hectopascals).

#include <string_view>

#include "metar/positional/steps.hpp"
#include "metar/text.hpp"

namespace vantrel {
namespace {

constexpr std::string_view kDegrees = "\u00B0Celsius. ";
constexpr std::string_view kDegreesBelowZero = "\u00B0 Celsius. ";

}  // namespace

void readTemperature(GroupCursor& cursor, std::string& buffer) {
  buffer.clear();
  // Each form is tested on the group the form before it left current.
  if (const Group& g = cursor.group(); g.size() == 5 && g.upperAt(3) == '/') {
    assignText(buffer, "Temperature is ", g.slice(1, 2), kDegrees, "Dew point is ", g.slice(4, 2),
               kDegrees);
    cursor.advance();
  }
  if (cursor.group().size() == 6) {
    if (const Group& g = cursor.group(); g.upperAt(4) == '/' && g.upperAt(1) == 'M') {
      assignText(buffer, "Temperature is -", g.slice(2, 2), kDegrees, "Dew point is ",
                 g.slice(5, 2), kDegrees);
      cursor.advance();
    }
    if (const Group& g = cursor.group(); g.upperAt(3) == '/' && g.upperAt(4) == 'M') {
      assignText(buffer, "Temperature is ", g.slice(1, 2), kDegrees, "Dew point is -",
                 g.slice(5, 2), kDegrees);
      cursor.advance();
    }
  }
  if (const Group& g = cursor.group();
      g.size() == 7 && g.upperAt(1) == 'M' && g.upperAt(4) == '/' && g.upperAt(5) == 'M') {
    assignText(buffer, "Temperature is -", g.slice(2, 2), kDegreesBelowZero, "Dew point is -",
               g.slice(6, 2), kDegreesBelowZero);
    cursor.advance();
  }
}

void readPressure(GroupCursor& cursor, std::string& buffer) {
  if (const Group& g = cursor.group(); g.size() == 5 && g.upperAt(1) == 'Q') {
    appendText(buffer, "QNH is ", g.slice(2, 4), " millibars. ");
    cursor.advance();
  }
}

}  // namespace vantrel
