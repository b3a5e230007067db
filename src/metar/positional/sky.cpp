// Sky condition: SKC CLR, cloud layers FEWhhh SCThhh BKNhhh OVChhh, vertical visibility VVhhh
// and VV///. hhh is a height in hundreds of feet.

#include "metar/positional/steps.hpp"

namespace vantrel::positional {
namespace {

constexpr int kLayerPasses = 4;

}  // namespace

void readSky(GroupCursor& cursor, LineText& sky) {
  if (cursor.group().size() == 3) {
    if (cursor.group().upperIs("SKC")) {
      sky.add(cursor.group()) += words::kSkyClear;
      cursor.advance();
    }
    // CLR is tested on whatever group SKC left current, by its first three characters.
    if (cursor.group().upperSliceIs(1, "CLR")) {
      sky.add(cursor.group()) += words::kSkyClear;
      cursor.advance();
    }
  }
  for (int pass = 0; pass < kLayerPasses; ++pass) {
    for (const codes::CloudCode& layer : codes::kCloudCodes) {
      if (const Group& g = cursor.group(); g.size() == 6 && g.upperSliceIs(1, layer.code)) {
        words::appendCloudLayer(sky.add(g), layer.amount, g.slice(4, 3));
        cursor.advance();
      }
    }
    if (const Group& g = cursor.group(); g.size() == 5 && g.upperSliceIs(1, "VV")) {
      if (g.sliceIs(3, "///")) {
        sky.add(g) += words::kVerticalVisibilityUnknown;
      } else {
        words::appendVerticalVisibility(sky.add(g), g.slice(3, 3));
      }
      cursor.advance();
    }
  }
}

}  // namespace vantrel::positional
