// Present weather: PP -PP +PP DDPP -DDPP +DDPP, where PP is one of 21 phenomena and DD one of 7
// descriptors (RA, -SHRA, +TSRA, BR, FZFG, ...).

#include "metar/positional/weather.hpp"

#include <array>
#include <optional>
#include <string_view>

#include "metar/codes/weather.hpp"
#include "metar/wording.hpp"

namespace vantrel::positional {
namespace {

using codes::Intensity;

constexpr int kPasses = 2;

// The first of the first `count` codes that the two characters at `pos`, upper-cased, equal.
template <class Code, std::size_t N>
std::optional<Code> codeAt(const Group& g, std::size_t pos,
                           const std::array<std::string_view, N>& codes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (g.upperSliceIs(pos, codes[i])) return static_cast<Code>(i);
  }
  return std::nullopt;
}

// PP at `pos`: one of the 21 phenomena of the sentence tables, or no sentence.
template <class W>
std::string_view phenomenonSentence(const Group& g, std::size_t pos, Intensity intensity) {
  const auto p =
      codeAt<codes::Phenomenon>(g, pos, codes::kPhenomenonCodes, codes::kClassicPhenomena);
  return p ? W::classicWeatherSentence(*p, intensity) : std::string_view();
}

// DDPP at `pos`: one of the 7 descriptors, and a phenomenon that goes with it.
template <class W>
std::string_view descriptorSentence(const Group& g, std::size_t pos, Intensity intensity) {
  const auto d =
      codeAt<codes::Descriptor>(g, pos, codes::kDescriptorCodes, codes::kClassicDescriptors);
  if (!d) return {};
  const std::size_t count =
      *d == codes::Descriptor::kSH ? codes::kShowerPhenomena : codes::kClassicPhenomena;
  const auto p = codeAt<codes::Phenomenon>(g, pos + 2, codes::kPhenomenonCodes, count);
  return p ? W::classicWeatherSentence(*d, *p, intensity) : std::string_view();
}

}  // namespace

template <class W>
WeatherResult TranslateWeather(GroupCursor cursor, LineText& weather, const LineText& initial) {
  WeatherResult result;
  weather.assign(initial);
  // Taking a group consumes it, with or without a sentence.
  auto take = [&](std::string_view sentence) {
    if (!sentence.empty()) weather.add(cursor.group()) += sentence;
    result.found = true;
    cursor.advance();
  };
  auto signIs = [&](char sign) { return cursor.group().upperAt(1) == sign; };

  for (int pass = 0; pass < kPasses; ++pass) {
    // A: PP.
    if (cursor.group().size() == 2)
      take(phenomenonSentence<W>(cursor.group(), 1, Intensity::kNone));
    // B: -PP, then +PP on whatever group is current then, whatever its length.
    if (cursor.group().size() == 3) {
      if (signIs('-')) take(phenomenonSentence<W>(cursor.group(), 2, Intensity::kLight));
      if (signIs('+')) take(phenomenonSentence<W>(cursor.group(), 2, Intensity::kHeavy));
    }
    // C: DDPP.
    if (cursor.group().size() == 4)
      take(descriptorSentence<W>(cursor.group(), 1, Intensity::kNone));
    // D: -DDPP, then +DDPP as in B.
    if (cursor.group().size() == 5) {
      if (signIs('-')) take(descriptorSentence<W>(cursor.group(), 2, Intensity::kLight));
      if (signIs('+')) take(descriptorSentence<W>(cursor.group(), 2, Intensity::kHeavy));
    }
  }
  result.cursor = cursor;
  return result;
}

template WeatherResult TranslateWeather<EnglishWording>(GroupCursor, LineText&, const LineText&);
template WeatherResult TranslateWeather<FrenchWording>(GroupCursor, LineText&, const LineText&);

}  // namespace vantrel::positional
