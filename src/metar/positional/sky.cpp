// Sky condition: SKC CLR, cloud layers FEWhhh SCThhh BKNhhh OVChhh, vertical visibility VVhhh
// and VV///. hhh is a height in hundreds of feet.

#include "metar/positional/steps.hpp"

namespace vantrel::positional {
namespace {

constexpr int kLayerPasses = 4;

}  // namespace

template <class W>
void readSky(GroupCursor& cursor, LineText& sky) {
  if (cursor.group().size() == 3) {
    if (cursor.group().upperIs("SKC")) {
      sky.add(cursor.group()) += W::kSkyClear;
      cursor.advance();
    }
    // CLR is tested on whatever group SKC left current, by its first three characters.
    if (cursor.group().upperSliceIs(1, "CLR")) {
      sky.add(cursor.group()) += W::kSkyClear;
      cursor.advance();
    }
  }
  for (int pass = 0; pass < kLayerPasses; ++pass) {
    for (const codes::CloudCode& layer : codes::kCloudCodes) {
      if (const Group& g = cursor.group(); g.size() == 6 && g.upperSliceIs(1, layer.code)) {
        W::appendCloudLayer(sky.add(g), layer.amount, g.slice(4, 3));
        cursor.advance();
      }
    }
    if (const Group& g = cursor.group(); g.size() == 5 && g.upperSliceIs(1, "VV")) {
      if (g.sliceIs(3, "///")) {
        sky.add(g) += W::kVerticalVisibilityUnknown;
      } else {
        W::appendVerticalVisibility(sky.add(g), g.slice(3, 3));
      }
      cursor.advance();
    }
  }
}

template void readSky<EnglishWording>(GroupCursor&, LineText&);
template void readSky<FrenchWording>(GroupCursor&, LineText&);

}  // namespace vantrel::positional
