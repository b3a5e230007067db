#pragma once
// The French phrase of a present-weather code, built the same way for the classic reading's
// sentence tables (when compiling) and for the full reading (when translating): "faible pluie",
// "orage avec forte grêle", "fortes averses de neige", "brouillard givrant", "bancs de
// brouillard". The intensity agrees with the noun it qualifies: the leading descriptor's
// ("averses", "bancs", "chasse"), else the first phenomenon's; with a thunderstorm it qualifies
// the precipitation, as the code means.

#include <cstddef>
#include <span>
#include <string_view>

#include "metar/codes/weather.hpp"
#include "metar/weather_words_fr.hpp"

namespace vantrel::words::fr {

constexpr bool startsWithVowel(std::string_view noun) {
  return !noun.empty() && std::string_view("aeiou").find(noun[0]) != std::string_view::npos;
}

// `Out` is anything that `+=` a std::string_view.
template <class Out>
constexpr void appendWeatherPhrase(Out& out, codes::Descriptor d,
                                   std::span<const codes::Phenomenon> phenomena,
                                   codes::Intensity intensity) {
  // No pointer to the forms: comparing a constant's address with null is no constant
  // expression where the sanitizer checks it.
  const bool qualified = intensity != codes::Intensity::kNone;
  const Adjective& forms = intensity == codes::Intensity::kHeavy ? kHeavyForms : kLightForms;
  auto qualify = [&](Agreement a) {
    if (qualified) {
      out += forms.of(a).view();
      out += std::string_view(" ");
    }
  };
  const bool described = d != codes::Descriptor::kNone;
  if (described && phenomena.empty()) {
    qualify(wordsOf(d).agreement);
    out += wordsOf(d).alone.view();
    return;
  }
  const Agreement first = wordsOf(phenomena[0]).agreement;
  const bool drifting = d == codes::Descriptor::kDR || d == codes::Descriptor::kBL;
  if (drifting && phenomena.size() == 1 && !driftingNoun(phenomena[0]).empty()) {
    qualify(Agreement::kFeminine);
    out += driftingNoun(phenomena[0]).view();
    out += std::string_view(d == codes::Descriptor::kDR ? " basse" : " élevée");
    return;
  }
  const bool leading = described && !wordsOf(d).before.empty();
  std::string_view before = leading ? wordsOf(d).before.view() : std::string_view();
  // "bancs d'embruns": "de" elided before a vowel.
  const bool elided = before.ends_with("de ") && startsWithVowel(wordsOf(phenomena[0]).noun);
  if (elided) before.remove_suffix(3);
  if (d == codes::Descriptor::kTS) {
    out += before;
    qualify(first);
  } else if (leading) {
    qualify(wordsOf(d).agreement);
    out += before;
    if (elided) out += std::string_view("d'");
  } else {
    qualify(first);
  }
  for (std::size_t i = 0; i < phenomena.size(); ++i) {
    if (i != 0) out += std::string_view(i + 1 == phenomena.size() ? " et " : ", ");
    out += wordsOf(phenomena[i]).noun.view();
    // A descriptor that is an adjective follows the first phenomenon, which it qualifies:
    // "bruine verglaçante et neige".
    if (i == 0 && described && !leading) {
      out += std::string_view(" ");
      out += d == codes::Descriptor::kFZ ? freezingWord(phenomena[0], first).view()
                                         : wordsOf(d).after.of(first).view();
    }
  }
}

}  // namespace vantrel::words::fr
