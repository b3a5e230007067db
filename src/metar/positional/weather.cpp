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

void WeatherResult::assignTo(LineText& weather, const LineText& initial) const {
  weather.assign(initial);
  for (std::size_t i = 0; i < sentenceCount; ++i) weather.add(groups[i]) += sentences[i];
}

WeatherResult TranslateWeather(GroupCursor cursor) {
  WeatherResult result;
  // Taking a group consumes it, with or without a sentence.
  auto take = [&](std::string_view sentence) {
    if (!sentence.empty()) {
      result.sentences[result.sentenceCount] = sentence;
      result.groups[result.sentenceCount++] = cursor.group();
    }
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
