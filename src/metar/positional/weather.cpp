// Present weather: PP -PP +PP DDPP -DDPP +DDPP, where PP is one of 21 phenomena and DD one of 7
// descriptors (RA, -SHRA, +TSRA, BR, FZFG, ...).

#include "metar/positional/weather.hpp"

#include "metar/vocabulary.hpp"

namespace vantrel::positional {
namespace {

using weather::Intensity;
using words::descriptorSentence;
using words::phenomenonSentence;

constexpr int kPasses = 2;

}  // namespace

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
    if (cursor.group().size() == 2) take(phenomenonSentence(cursor.group(), 1, Intensity::kNone));
    // B: -PP, then +PP on whatever group is current then, whatever its length.
    if (cursor.group().size() == 3) {
      if (signIs('-')) take(phenomenonSentence(cursor.group(), 2, Intensity::kLight));
      if (signIs('+')) take(phenomenonSentence(cursor.group(), 2, Intensity::kHeavy));
    }
    // C: DDPP.
    if (cursor.group().size() == 4) take(descriptorSentence(cursor.group(), 1, Intensity::kNone));
    // D: -DDPP, then +DDPP as in B.
    if (cursor.group().size() == 5) {
      if (signIs('-')) take(descriptorSentence(cursor.group(), 2, Intensity::kLight));
      if (signIs('+')) take(descriptorSentence(cursor.group(), 2, Intensity::kHeavy));
    }
  }
  result.cursor = cursor;
  return result;
}

}  // namespace vantrel::positional
