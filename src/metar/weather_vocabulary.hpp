#pragma once
// The present-weather vocabulary: phenomenon codes, descriptors and their sentences, as data.
//
// Groups read by the weather decoder: PP, -PP, +PP (phenomenon alone) and DDPP, -DDPP, +DDPP
// (descriptor and phenomenon). Codes are listed in the order they are compared. The sentences for
// PP, -PP and +PP are written out; for the descriptor groups only the DDPP sentence is written,
// and the light and heavy sentences are made from it at compile time by inserting "light " or
// "heavy " before the descriptor word (freezing, shallow, blowing) or the phenomenon's noun,
// whichever comes first, with a short table of sentences that read otherwise.

#include <array>
#include <cstddef>
#include <string_view>

#include "metar/codes/weather.hpp"
#include "metar/fragment.hpp"

namespace vantrel::weather {

using Intensity = codes::Intensity;

struct Phenomenon {
  Fragment code;
  Fragment noun;  // where "light " or "heavy " goes in a descriptor sentence
  Sentence plain, light, heavy;
};

// clang-format off
inline constexpr std::array<Phenomenon, 21> kPhenomena{{
    {"RA", "rain",
     "It is raining. ", "There is light rain. ", "There is heavy rain. "},
    {"DZ", "drizzle",
     "It is drizzling. ", "There is light drizzle. ", "There is heavy drizzle. "},
    {"SN", "snow",
     "It is snowing. ", "There is light snow. ", "There is heavy snow. "},
    {"PE", "ice pellets",
     "There are ice pellets. ", "There are light ice pellets. ", "There are heavy ice pellets. "},
    {"SG", "snow grains",
     "There are snow grains. ", "There are light snow grains. ", "There are heavy snow grains. "},
    {"IC", "ice crystals",
     "There are ice crystals. ", "There are light ice crystals. ", "There are heavy ice crystals. "},
    {"UP", "precipitation",
     "Unknown precipitation. ", "Unknown light precipitation. ", "Unknown heavy precipitation. "},
    {"GR", "hail",
     "It is hailing. ", "There is light hail. ", "There is heavy hail. "},
    {"GS", "hail",
     "There is a small hail. ", "There is a small light hail. ", "There is a small heavy hail. "},
    {"SQ", "squalls",
     "There are squalls. ", "There are light squalls. ", "There are heavy squalls. "},
    {"FG", "fog",
     "There is fog (visibility inferior or equal to 1/2 Miles). ", "There is light fog (visibility inferior or equal to 1/2 Miles). ", "There is heavy fog (visibility inferior or equal to 1/2 Miles). "},
    {"BR", "mist",
     "There is mist (visibility superior to 1/2 miles). ", "There is light mist (visibility superior to 1/2 miles). ", "There is heavy mist (visibility superior to 1/2 miles). "},
    {"FU", "smoke",
     "There is smoke. ", "There is light smoke. ", "There is heavy smoke. "},
    {"DU", "dust",
     "There is dust. ", "There is light dust. ", "There is heavy dust. "},
    {"SA", "sand",
     "There is sand. ", "There is light sand. ", "There is heavy sand. "},
    {"HZ", "haze",
     "There is haze. ", "There is light haze. ", "There is heavy haze. "},
    {"PY", "spray",
     "There is spray. ", "There is light spray. ", "There is heavy spray. "},
    {"VA", "volcanic",
     "Watch out the volcanic ashes!!! ", "Watch out the light volcanic ashes!!! ", "Watch out the heavy volcanic ashes!!! "},
    {"SS", "sandstorm",
     "There is a sandstorm!!! ", "There is a light sandstorm!!! ", "There is a heavy sandstorm!!! "},
    {"DS", "duststorm",
     "There is a duststorm!!! ", "There is a light duststorm!!! ", "There is a heavy duststorm!!! "},
    {"FC", "funnel cloud",
     "There is a funnel cloud. ", "There is a light funnel cloud. ", "There is a heavy funnel cloud. "},
}};
// clang-format on

inline constexpr std::size_t kPhenomenonCount = kPhenomena.size();

struct Descriptor {
  Fragment code;
  Fragment word;      // freezing, shallow, blowing: an intensity goes before it; else empty
  std::size_t count;  // how many phenomena, from the first, combine with it
  std::array<Sentence, kPhenomenonCount> sentences;  // in the order of kPhenomena
};

// clang-format off
inline constexpr std::array<Descriptor, 7> kDescriptors{{
    {"TS", "", 21, {
        "There is rain with thunderstorms. ",  // RA
        "There is drizzle with thunderstorms. ",  // DZ
        "There is snow with thunderstorms. ",  // SN
        "There are ice pellets with thunderstorms. ",  // PE
        "There are snow grains with thunderstorms. ",  // SG
        "There are ice crystals with thunderstorms. ",  // IC
        "Unknown precipitation with thunderstorms. ",  // UP
        "There is hail with thunderstorms. ",  // GR
        "There is a small hail with thunderstorms. ",  // GS
        "There are squalls with thunderstorms. ",  // SQ
        "There is fog (visibility inferior or equal to 1/2 Miles) with thunderstorms. ",  // FG
        "There is mist (visibility superior to 1/2 miles) with thunderstorms. ",  // BR
        "There is smoke with thunderstorms. ",  // FU
        "There is dust with thunderstorms. ",  // DU
        "There is sand with thunderstorms. ",  // SA
        "There is haze with thunderstorms. ",  // HZ
        "There is spray with thunderstorms. ",  // PY
        "Watch out the volcanic ashes with thunderstorms!!! ",  // VA
        "There is a sandstorm with thunderstorms!!! ",  // SS
        "There is a duststorm with thunderstorms!!! ",  // DS
        "There is a funnel cloud with thunderstorms. ",  // FC
    }},
    {"DR", "", 21, {
        "There is rain with low drifting. ",  // RA
        "There is drizzle with low drifting. ",  // DZ
        "There is snow with low drifting. ",  // SN
        "There are ice pellets with low drifting. ",  // PE
        "There are snow grains with low drifting. ",  // SG
        "There are ice crystals with low drifting. ",  // IC
        "Unknown precipitation with low drifting. ",  // UP
        "There is hail with low drifting. ",  // GR
        "There is a small hail with low drifting. ",  // GS
        "There are squalls with low drifting. ",  // SQ
        "There is fog (visibility inferior or equal to 1/2 Miles) with low drifting. ",  // FG
        "There is mist (visibility superior to 1/2 miles) with low drifting. ",  // BR
        "There is smoke with low drifting. ",  // FU
        "There is dust with low drifting. ",  // DU
        "There is sand with low drifting. ",  // SA
        "There is haze with low drifting. ",  // HZ
        "There is spray with low drifting. ",  // PY
        "Watch out the volcanic ashes with low drifting!!! ",  // VA
        "There is a sandstorm with low drifting!!! ",  // SS
        "There is a duststorm with low drifting!!! ",  // DS
        "There is a funnel cloud with low drifting. ",  // FC
    }},
    {"SH", "", 9, {
        "There are rain showers. ",  // RA
        "There are drizzle showers. ",  // DZ
        "There are snow showers. ",  // SN
        "There are ice pellets showers. ",  // PE
        "There are snow grains showers. ",  // SG
        "There are ice crystals showers. ",  // IC
        "Unknown precipitation showers. ",  // UP
        "There are hail showers. ",  // GR
        "There are small hail showers. ",  // GS
    }},
    {"FZ", "freezing", 21, {
        "There is a freezing rain. ",  // RA
        "There is a freezing drizzle. ",  // DZ
        "There is a freezing snow. ",  // SN
        "There are freezing ice pellets. ",  // PE
        "There are freezing snow grains. ",  // SG
        "There are freezing ice crystals. ",  // IC
        "Unknown freezing precipitation. ",  // UP
        "There is a freezing hail. ",  // GR
        "There is a small freezing hail. ",  // GS
        "There are freezing squalls. ",  // SQ
        "There is a freezing fog (visibility inferior or equal to 1/2 Miles). ",  // FG
        "There is a freezing mist (visibility superior to 1/2 miles). ",  // BR
        "There is a freezing smoke. ",  // FU
        "There is freezing dust. ",  // DU
        "There is freezing sand. ",  // SA
        "There is freezing haze. ",  // HZ
        "There is freezing spray. ",  // PY
        "Watch out the freezing volcanic ashes???" "!!! ",  // VA
        "There is a freezing sandstorm!!! ",  // SS
        "There is a freezing duststorm!!! ",  // DS
        "There is a freezing funnel cloud. ",  // FC
    }},
    {"MI", "shallow", 21, {
        "There is a shallow rain. ",  // RA
        "There is a shallow drizzle. ",  // DZ
        "There is a shallow snow. ",  // SN
        "There are shallow ice pellets. ",  // PE
        "There are shallow snow grains. ",  // SG
        "There are shallow ice crystals. ",  // IC
        "Unknown shallow precipitation. ",  // UP
        "There is a shallow hail. ",  // GR
        "There is a small shallow hail. ",  // GS
        "There are shallow squalls. ",  // SQ
        "There is a shallow fog (visibility inferior or equal to 1/2 Miles). ",  // FG
        "There is a shallow mist (visibility superior to 1/2 miles). ",  // BR
        "There is a shallow smoke. ",  // FU
        "There is shallow dust. ",  // DU
        "There is shallow sand. ",  // SA
        "There is shallow haze. ",  // HZ
        "There is shallow spray. ",  // PY
        "Watch out the shallow volcanic ashes!!! ",  // VA
        "There is a shallow sandstorm!!! ",  // SS
        "There is a shallow duststorm!!! ",  // DS
        "There is a shallow funnel cloud. ",  // FC
    }},
    {"BC", "", 21, {
        "There are rain patches. ",  // RA
        "There are drizzle patches. ",  // DZ
        "There are snow patches. ",  // SN
        "There are ice pellets patches. ",  // PE
        "There are snow grains patches. ",  // SG
        "There are ice crystals patches. ",  // IC
        "Unknown precipitation patches. ",  // UP
        "There are hail patches. ",  // GR
        "There are small hail patches. ",  // GS
        "There are squalls patches. ",  // SQ
        "There are fog (visibility inferior or equal to 1/2 Miles) patches. ",  // FG
        "There are mist (visibility superior to 1/2 miles) patches. ",  // BR
        "There are smoke patches. ",  // FU
        "There are dust patches. ",  // DU
        "There are sand patches. ",  // SA
        "There are haze patches. ",  // HZ
        "There are spray patches. ",  // PY
        "Watch out the volcanic ashes patches!!! ",  // VA
        "There are sandstorm patches!!! ",  // SS
        "There are duststorm patches!!! ",  // DS
        "There are funnel cloud patches. ",  // FC
    }},
    {"BL", "blowing", 21, {
        "There is a blowing rain. ",  // RA
        "There is a blowing drizzle. ",  // DZ
        "There is a blowing snow. ",  // SN
        "There are blowing ice pellets. ",  // PE
        "There are blowing snow grains. ",  // SG
        "There are blowing ice crystals. ",  // IC
        "Unknown blowing precipitation. ",  // UP
        "There are blowing hail. ",  // GR
        "There are small blowing hail. ",  // GS
        "There are blowing squalls. ",  // SQ
        "There is a blowing fog (visibility inferior or equal to 1/2 Miles). ",  // FG
        "There is a blowing mist (visibility superior to 1/2 miles). ",  // BR
        "There is  blowing smoke. ",  // FU
        "There is  blowing dust. ",  // DU
        "There is blowing sand. ",  // SA
        "There is blowing haze. ",  // HZ
        "There is blowing spray. ",  // PY
        "Watch out the volcanic blowing ashes!!! ",  // VA
        "There is a blowing sandstorm!!! ",  // SS
        "There is a blowing duststorm!!! ",  // DS
        "There is a blowing funnel cloud. ",  // FC
    }},
}};
// clang-format on

// Light and heavy descriptor sentences that do not follow the insertion rule.
struct IntensityException {
  Fragment group;     // -DDPP or +DDPP
  Fragment sentence;  // not always a sentence: "... unlucky :o) "
};

inline constexpr std::array<IntensityException, 7> kIntensityExceptions{{
    {"-FZFU", "There is light freezing smoke. "},
    {"+FZFU", "There is heavy freezing smoke. "},
    {"+FZVA",
     "Watch out the heavy freezing volcanic ashes???"
     "!!! (some guys down here are really really "
     "unlucky :o) "},
    {"-BLFU", "There is light blowing smoke. "},
    {"+BLFU", "There is heavy blowing smoke. "},
    {"-BLDU", "There is light blowing dust. "},
    {"+BLDU", "There is heavy blowing dust. "},
}};
// A sentence made at compile time.
struct FixedSentence {
  std::array<char, 128> chars{};
  std::size_t size = 0;
  constexpr std::string_view view() const { return {chars.data(), size}; }
};

// The insertion rule: `word` ("light" or "heavy") and one space go before the descriptor word or
// the phenomenon's noun, whichever comes first in the DDPP sentence.
constexpr FixedSentence insertIntensity(const Descriptor& d, const Phenomenon& p,
                                        std::string_view word) {
  const std::string_view base = d.sentences[static_cast<std::size_t>(&p - kPhenomena.data())];
  std::size_t at = base.find(p.noun);
  if (!d.word.empty() && base.find(d.word) < at) at = base.find(d.word);
  FixedSentence s;
  auto put = [&s](std::string_view part) {
    for (const char c : part) s.chars[s.size++] = c;
  };
  put(base.substr(0, at));
  put(word);
  put(" ");
  put(base.substr(at));
  return s;
}

constexpr FixedSentence fixed(std::string_view text) {
  FixedSentence s;
  for (const char c : text) s.chars[s.size++] = c;
  return s;
}

using IntensityTable = std::array<std::array<FixedSentence, kPhenomenonCount>, kDescriptors.size()>;

constexpr IntensityTable makeIntensityTable(char sign, std::string_view word) {
  IntensityTable table{};
  for (std::size_t i = 0; i < kDescriptors.size(); ++i) {
    const Descriptor& d = kDescriptors[i];
    for (std::size_t j = 0; j < d.count; ++j) {
      table[i][j] = insertIntensity(d, kPhenomena[j], word);
      for (const IntensityException& e : kIntensityExceptions) {
        if (e.group.view()[0] == sign && e.group.view().substr(1, 2) == d.code &&
            e.group.view().substr(3, 2) == kPhenomena[j].code) {
          table[i][j] = fixed(e.sentence);
        }
      }
    }
  }
  return table;
}

inline constexpr IntensityTable kLightSentences = makeIntensityTable('-', "light");
inline constexpr IntensityTable kHeavySentences = makeIntensityTable('+', "heavy");

// The shape of the vocabulary, checked when it is compiled.
namespace check {

constexpr bool endsInOneSpace(std::string_view s) {
  return s.size() >= 2 && s.back() == ' ' && s[s.size() - 2] != ' ';
}

constexpr std::size_t countWellFormed(std::string_view a, std::string_view b, std::string_view c) {
  return std::size_t{endsInOneSpace(a)} + std::size_t{endsInOneSpace(b)} +
         std::size_t{endsInOneSpace(c)};
}

constexpr std::size_t countSentences() {
  std::size_t n = 0;
  for (const Phenomenon& p : kPhenomena) {
    n += countWellFormed(p.plain, p.light, p.heavy);
  }
  for (std::size_t i = 0; i < kDescriptors.size(); ++i) {
    for (std::size_t j = 0; j < kDescriptors[i].count; ++j) {
      n += countWellFormed(kDescriptors[i].sentences[j], kLightSentences[i][j].view(),
                           kHeavySentences[i][j].view());
    }
  }
  return n;
}

constexpr bool everyNounIsFound() {
  for (const Descriptor& d : kDescriptors) {
    for (std::size_t j = 0; j < d.count; ++j) {
      if (d.sentences[j].view().find(kPhenomena[j].noun) == std::string_view::npos) return false;
      if (!d.word.empty() && d.sentences[j].view().find(d.word) == std::string_view::npos)
        return false;
    }
  }
  return true;
}

constexpr std::size_t countDescriptorSentences() {
  std::size_t n = 0;
  for (const Descriptor& d : kDescriptors) n += d.count;
  return n;
}

static_assert(countDescriptorSentences() == 6 * 21 + 9);
static_assert(countSentences() == 63 + 3 * 135, "468 sentences, each ending in exactly one space");
static_assert(everyNounIsFound());
static_assert(kLightSentences[3][0].view() == "There is a light freezing rain. ");
static_assert(kHeavySentences[0][8].view() == "There is a small heavy hail with thunderstorms. ");
static_assert(kHeavySentences[4][7].view() == "There is a heavy shallow hail. ");

}  // namespace check

}  // namespace vantrel::weather
