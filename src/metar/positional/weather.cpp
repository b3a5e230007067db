// Present weather: PP -PP +PP DDPP -DDPP +DDPP, where PP is one of 21 phenomena and DD one of 7
// descriptors (RA, -SHRA, +TSRA, BR, FZFG, ...).

#include "metar/positional/weather.hpp"

#include "metar/weather_vocabulary.hpp"

namespace vantrel {
namespace {

using weather::Intensity;
using weather::kDescriptors;
using weather::kPhenomena;

constexpr int kPasses = 2;

// Index of the code that the two characters at `pos`, upper-cased, equal; `count` when none.
template <class Table>
std::size_t findCode(const Group& g, std::size_t pos, const Table& table, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (g.upperSliceIs(pos, table[i].code)) return i;
  }
  return count;
}

// PP at `pos`: the phenomenon's sentence, or nothing.
std::string_view phenomenonSentence(const Group& g, std::size_t pos, Intensity intensity) {
  const std::size_t p = findCode(g, pos, kPhenomena, kPhenomena.size());
  if (p == kPhenomena.size()) return {};
  switch (intensity) {
    case Intensity::kLight:
      return kPhenomena[p].light;
    case Intensity::kHeavy:
      return kPhenomena[p].heavy;
    case Intensity::kNone:
      break;
  }
  return kPhenomena[p].plain;
}

// DDPP at `pos`: the sentence of the descriptor and phenomenon, or nothing.
std::string_view descriptorSentence(const Group& g, std::size_t pos, Intensity intensity) {
  const std::size_t d = findCode(g, pos, kDescriptors, kDescriptors.size());
  if (d == kDescriptors.size()) return {};
  const std::size_t count = kDescriptors[d].count;
  const std::size_t p = findCode(g, pos + 2, kPhenomena, count);
  if (p == count) return {};
  switch (intensity) {
    case Intensity::kLight:
      return weather::kLightSentences[d][p].view();
    case Intensity::kHeavy:
      return weather::kHeavySentences[d][p].view();
    case Intensity::kNone:
      break;
  }
  return kDescriptors[d].sentences[p];
}

}  // namespace

void WeatherResult::assignTextTo(std::string& buffer) const {
  buffer.assign(initialText);
  for (std::size_t i = 0; i < sentenceCount; ++i) buffer.append(sentences[i]);
}

WeatherResult TranslateWeather(GroupCursor cursor, std::string_view initialText) {
  WeatherResult result;
  result.initialText = initialText;
  // Taking a group consumes it, with or without a sentence.
  auto take = [&](std::string_view sentence) {
    if (!sentence.empty()) result.sentences[result.sentenceCount++] = sentence;
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

}  // namespace vantrel
