#pragma once
// The classic reading's present-weather sentences in French, for the same groups as the English
// tables of weather_vocabulary.hpp (PP, -PP, +PP and DDPP, -DDPP, +DDPP), made when compiling
// from the phrases of weather_phrase_fr.hpp. Rain, drizzle, snow and hail alone say what the
// weather does: "Il pleut.".

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "metar/codes/weather.hpp"
#include "metar/weather_phrase_fr.hpp"

namespace vantrel::weather::fr {

using codes::Descriptor;
using codes::Intensity;
using codes::Phenomenon;

// A sentence made when compiling. A sentence longer than its room does not compile.
struct FixedSentence {
  std::array<char, 64> chars{};
  std::size_t size = 0;
  constexpr void operator+=(std::string_view part) {
    for (const char c : part) chars[size++] = c;
  }
  constexpr std::string_view view() const { return {chars.data(), size}; }
};

// The three sentences of one group: without intensity, light, heavy.
using Sentences = std::array<FixedSentence, 3>;

constexpr FixedSentence sentenceOf(Descriptor d, Phenomenon p, Intensity intensity) {
  FixedSentence s;
  // Rain, drizzle, snow and hail alone: what the weather does.
  constexpr std::array<std::pair<Phenomenon, std::string_view>, 4> kVerbs = {{
      {Phenomenon::kRA, "Il pleut. "},
      {Phenomenon::kDZ, "Il bruine. "},
      {Phenomenon::kSN, "Il neige. "},
      {Phenomenon::kGR, "Il grêle. "},
  }};
  if (d == Descriptor::kNone && intensity == Intensity::kNone) {
    for (const auto& [code, verb] : kVerbs) {
      if (code == p) {
        s += verb;
        return s;
      }
    }
  }
  const std::array<Phenomenon, 1> one = {p};
  words::fr::appendWeatherPhrase(s, d, one, intensity);
  s.chars[0] = static_cast<char>(s.chars[0] - 'a' + 'A');  // every phrase begins with a-z
  s += ". ";
  return s;
}

constexpr Sentences sentencesOf(Descriptor d, Phenomenon p) {
  return {sentenceOf(d, p, Intensity::kNone), sentenceOf(d, p, Intensity::kLight),
          sentenceOf(d, p, Intensity::kHeavy)};
}

using PhenomenonTable = std::array<Sentences, codes::kClassicPhenomena>;
using DescriptorTable = std::array<PhenomenonTable, codes::kClassicDescriptors>;

constexpr PhenomenonTable makePhenomenonTable(Descriptor d) {
  PhenomenonTable table{};
  const std::size_t count =
      d == Descriptor::kSH ? codes::kShowerPhenomena : codes::kClassicPhenomena;
  for (std::size_t j = 0; j < count; ++j) table[j] = sentencesOf(d, static_cast<Phenomenon>(j));
  return table;
}

constexpr DescriptorTable makeDescriptorTable() {
  DescriptorTable table{};
  for (std::size_t i = 0; i < codes::kClassicDescriptors; ++i) {
    table[i] = makePhenomenonTable(static_cast<Descriptor>(i));
  }
  return table;
}

inline constexpr PhenomenonTable kPhenomena = makePhenomenonTable(Descriptor::kNone);
inline constexpr DescriptorTable kDescriptors = makeDescriptorTable();

// The shape of the tables, checked when they are compiled.
namespace check {

constexpr bool isSentence(const FixedSentence& s) {
  const std::string_view v = s.view();
  return v.size() >= 3 && v.ends_with(". ") && v[v.size() - 3] != ' ';
}

constexpr std::size_t countSentences() {
  std::size_t n = 0;
  for (const Sentences& s : kPhenomena) {
    for (const FixedSentence& f : s) n += std::size_t{isSentence(f)};
  }
  for (const PhenomenonTable& t : kDescriptors) {
    for (const Sentences& s : t) {
      for (const FixedSentence& f : s) n += std::size_t{isSentence(f)};
    }
  }
  return n;
}

static_assert(countSentences() == 63 + 3 * 135, "468 sentences, each ending in a full stop");
static_assert(kPhenomena[0][0].view() == "Il pleut. ");
static_assert(kPhenomena[0][1].view() == "Faible pluie. ");
static_assert(kDescriptors[2][2][1].view() == "Faibles averses de neige. ");
static_assert(kDescriptors[0][7][2].view() == "Orage avec forte grêle. ");
static_assert(kDescriptors[3][10][0].view() == "Brouillard givrant. ");
static_assert(kDescriptors[3][0][1].view() == "Faible pluie verglaçante. ");

}  // namespace check

}  // namespace vantrel::weather::fr
