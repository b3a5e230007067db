// Surface wind: dddffKT dddffGggKT VRBffKT 00000KT, the same in KPH, and the variation dddVddd.
// Body sentences end in a full stop; trend sentences end in a full stop and a space.

#include <string_view>

#include "metar/positional/steps.hpp"
#include "metar/text.hpp"

namespace vantrel {
namespace {

constexpr std::string_view kCalm = "Wind calm. ";

std::string_view stopOf(Section section) {
  return section == Section::kTrend ? ". " : ".";
}

// The sentences of one unit: `size` is the length of dddff + unit, the gust form is 3 longer.
// Returns true when the group has a length that a trend section consumes.
bool readWindIn(const Group& g, std::string_view unit, std::string_view words, std::size_t size,
                bool vrbAnyLength, std::string& buffer, std::string_view stop) {
  if (!g.upperEndsWith(unit)) return false;
  bool consumed = false;
  const bool calm = g.size() == size && g.sliceIs(1, "00000");
  const bool variable = g.upperSliceIs(1, "VRB") && (g.size() == size || vrbAnyLength);
  if (calm) assignText(buffer, kCalm);
  if (variable)
    assignText(buffer, "Variable direction wind blowing at ", g.slice(4, 2), words, stop);
  if (g.size() == size) {
    if (!calm && !g.upperSliceIs(1, "VRB")) {
      assignText(buffer, "Wind blowing from ", g.slice(1, 3), " degree at ", g.slice(4, 2), words,
                 stop);
    }
    consumed = true;
  }
  if (g.size() == size + 3) {
    if (g.upperAt(6) == 'G') {
      assignText(buffer, "Wind blowing from ", g.slice(1, 3), " degree at ", g.slice(4, 2), words,
                 " with gusts at ", g.slice(7, 2), words, stop);
    }
    consumed = true;
  }
  return consumed || variable;
}

}  // namespace

bool readWind(const Group& group, std::string& buffer, Section section) {
  const std::string_view stop = stopOf(section);
  const bool trend = section == Section::kTrend;
  return readWindIn(group, "KT", " knots", 7, trend, buffer, stop) ||
         readWindIn(group, "KPH", " kilometres per hour", 8, false, buffer, stop);
}

void appendVariation(const Group& group, std::string& buffer, Section section) {
  if (group.upperAt(4) == 'V') {
    appendText(buffer, " Wind direction is varying from ", group.slice(1, 3), " to ",
               group.slice(5, 3), " degrees", stopOf(section));
  }
}

}  // namespace vantrel
