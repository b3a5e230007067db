// Visibility: 0000 9999 vvvv CAVOK. Runway visual range: Rrr/vvvv Rrrr/vvvv.

#include <string_view>

#include "metar/positional/steps.hpp"
#include "metar/text.hpp"

namespace vantrel {
namespace {

// On the sky line of the body, on the visibility line of a trend section.
constexpr std::string_view kCavokSentence =
    "The visibility is more than 10 Km, no fog and no clouds below 5000 ft AGL. ";

}  // namespace

bool readVisibility(const Group& group, std::string& visibility, std::string& cavok,
                    Section section) {
  if (group.size() == 4) {
    // A trend section reads only a visibility that begins with a digit.
    const char first = group.upperAt(1);
    if (section == Section::kTrend && (first < '0' || first > '9')) return false;
    if (group.sliceIs(1, "0000")) {
      assignText(visibility, "CAUTION: no visibility (less than 50 metres). ");
    } else if (group.sliceIs(1, "9999")) {
      assignText(visibility, "Visibility is 10 kilometres or more. ");
    } else {
      assignText(visibility, "Visibility is ", group.bytes(), " metres. ");
    }
    return true;
  }
  if (group.upperIs("CAVOK")) {
    assignText(cavok, kCavokSentence);
    return true;
  }
  return false;
}

bool appendRunway(const Group& group, std::string& buffer) {
  // The runway designator ends right before the "/": 2 characters in an 8-character group, 3 in
  // a 9-character one. The first character, normally R, is not examined.
  const std::size_t size = group.size();
  if (size != 8 && size != 9) return false;
  const std::size_t slash = size - 4;
  if (group.upperAt(slash) == '/') {
    appendText(buffer, "Runway Visual Range for runway ", group.slice(2, slash - 2), " is ",
               group.slice(slash + 1, 4), " metres. ");
  }
  return true;
}

}  // namespace vantrel
