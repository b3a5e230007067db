// Surface wind: dddffKT dddffGggKT VRBffKT 00000KT, the same in KPH, and the variation dddVddd.
// Body sentences end in a full stop; trend sentences end in a full stop and a space.

#include <string_view>

#include "metar/positional/steps.hpp"

namespace vantrel::positional {
namespace {

// The sentences of one unit: `size` is the length of dddff + unit, the gust form is 3 longer.
// `vrbAnyLength`: VRB is read whatever the group's length (a trend group in knots); otherwise only
// at `size`. Returns true when the group has a length that a trend section consumes.
template <class W>
bool readWindIn(const Group& g, std::string_view code, codes::SpeedUnit unit, std::size_t size,
                bool vrbAnyLength, Section section, LineText& wind) {
  if (!g.upperEndsWith(code)) return false;
  bool consumed = false;
  const bool calm = g.size() == size && g.sliceIs(1, "00000");
  const bool variable = g.upperSliceIs(1, "VRB") && (g.size() == size || vrbAnyLength);
  if (calm) wind.replace(g) += W::kCalm;
  if (variable) W::appendVariableWind(wind.replace(g), g.slice(4, 2), unit, section);
  if (g.size() == size) {
    if (!calm && !g.upperSliceIs(1, "VRB")) {
      W::appendWind(wind.replace(g), g.slice(1, 3), g.slice(4, 2), std::string_view(), unit,
                    section);
    }
    consumed = true;
  }
  if (g.size() == size + 3) {
    if (g.upperAt(6) == 'G') {
      W::appendWind(wind.replace(g), g.slice(1, 3), g.slice(4, 2), g.slice(7, 2), unit, section);
    }
    consumed = true;
  }
  return consumed || variable;
}

}  // namespace

template <class W>
bool readWind(const Group& group, LineText& wind, Section section) {
  // A trend section reads VRB...KT at any length, VRB...KPH only at its own length.
  const bool trend = section == Section::kTrend;
  return readWindIn<W>(group, "KT", codes::SpeedUnit::kKnots, 7, trend, section, wind) ||
         readWindIn<W>(group, "KPH", codes::SpeedUnit::kKilometresPerHour, 8, false, section, wind);
}

template <class W>
void appendVariation(const Group& group, LineText& wind, Section section) {
  if (group.upperAt(4) == 'V') {
    W::appendVariation(wind.add(group), group.slice(1, 3), group.slice(5, 3), section);
  }
}

template bool readWind<EnglishWording>(const Group&, LineText&, Section);
template bool readWind<FrenchWording>(const Group&, LineText&, Section);
template void appendVariation<EnglishWording>(const Group&, LineText&, Section);
template void appendVariation<FrenchWording>(const Group&, LineText&, Section);

}  // namespace vantrel::positional
