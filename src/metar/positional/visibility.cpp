// Visibility: 0000 9999 vvvv CAVOK. Runway visual range: Rrr/vvvv Rrrr/vvvv.

#include "metar/positional/steps.hpp"

namespace vantrel::positional {

template <class W>
bool readVisibility(const Group& group, LineText& visibility, LineText& cavok, Section section) {
  if (group.size() == 4) {
    // A trend section reads only a visibility that begins with a digit.
    const char first = group.upperAt(1);
    if (section == Section::kTrend && (first < '0' || first > '9')) return false;
    if (group.sliceIs(1, "0000")) {
      visibility.replace(group) += W::kNoVisibility;
    } else if (group.sliceIs(1, "9999")) {
      visibility.replace(group) += W::kVisibilityTenKilometres;
    } else {
      W::appendVisibilityMetres(visibility.replace(group), group.bytes());
    }
    return true;
  }
  if (group.upperIs("CAVOK")) {
    // On the sky line of the body, on the visibility line of a trend section.
    cavok.replace(group) += W::kCavok;
    return true;
  }
  return false;
}

template <class W>
bool appendRunway(const Group& group, LineText& visibility) {
  // The runway designator ends right before the "/": 2 characters in an 8-character group, 3 in
  // a 9-character one. The first character, normally R, is not examined.
  const std::size_t size = group.size();
  if (size != 8 && size != 9) return false;
  const std::size_t slash = size - 4;
  if (group.upperAt(slash) == '/') {
    W::appendRunwayVisualRange(visibility.add(group), group.slice(2, slash - 2),
                               group.slice(slash + 1, 4));
  }
  return true;
}

template bool readVisibility<EnglishWording>(const Group&, LineText&, LineText&, Section);
template bool readVisibility<FrenchWording>(const Group&, LineText&, LineText&, Section);
template bool appendRunway<EnglishWording>(const Group&, LineText&);
template bool appendRunway<FrenchWording>(const Group&, LineText&);

}  // namespace vantrel::positional
