// Sky condition: SKC CLR, cloud layers FEWhhh SCThhh BKNhhh OVChhh, vertical visibility VVhhh
// and VV///. hhh is a height in hundreds of feet.

#include <array>
#include <string_view>

#include "metar/positional/steps.hpp"
#include "metar/text.hpp"

namespace vantrel {
namespace {

constexpr std::string_view kSkyClear = "The sky is clear of clouds below 5000 feet AGL. ";

struct Layer {
  std::string_view code;
  std::string_view words;
};

// In the order one layer pass reads them.
constexpr std::array<Layer, 4> kLayers{{
    {"FEW", "Few cloud cover (1/8 to 2/8) at "},
    {"SCT", "Scattered cloud cover (3/8 to 4/8) at "},
    {"BKN", "Broken cloud cover (5/8 to 7/8) at "},
    {"OVC", "Overcast cloud cover (8/8) at "},
}};

constexpr int kLayerPasses = 4;

// hhh in feet: "025" gives "2500 feet. ", "100" gives "10,000 feet. ". Only "0" counts as zero;
// any other character is copied like a digit.
void appendHeight(std::string& buffer, const Group& g, std::size_t pos) {
  const std::string_view h1 = g.slice(pos, 1);
  const std::string_view h2 = g.slice(pos + 1, 1);
  const std::string_view h3 = g.slice(pos + 2, 1);
  if (h1 != "0") {
    appendText(buffer, h1, h2, ",", h3);
  } else if (h2 != "0") {
    appendText(buffer, h2, h3);
  } else {
    appendText(buffer, h3);
  }
  appendText(buffer, "00 feet. ");
}

}  // namespace

void readSky(GroupCursor& cursor, std::string& buffer) {
  if (cursor.group().size() == 3) {
    if (cursor.group().upperIs("SKC")) {
      appendText(buffer, kSkyClear);
      cursor.advance();
    }
    // CLR is tested on whatever group SKC left current, by its first three characters.
    if (cursor.group().upperSliceIs(1, "CLR")) {
      appendText(buffer, kSkyClear);
      cursor.advance();
    }
  }
  for (int pass = 0; pass < kLayerPasses; ++pass) {
    for (const Layer& layer : kLayers) {
      if (cursor.group().size() == 6 && cursor.group().upperSliceIs(1, layer.code)) {
        appendText(buffer, layer.words);
        appendHeight(buffer, cursor.group(), 4);
        cursor.advance();
      }
    }
    const Group& g = cursor.group();
    if (g.size() == 5 && g.upperSliceIs(1, "VV")) {
      if (g.sliceIs(3, "///")) {
        // The only sky sentence without a closing space.
        appendText(buffer,
                   "CAUTION: Vertical Visibility can not be mesured because of too dense fog.");
      } else {
        appendText(buffer, "Vertical Visibility is ");
        appendHeight(buffer, g, 3);
      }
      cursor.advance();
    }
  }
}

}  // namespace vantrel
