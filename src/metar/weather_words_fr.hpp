#pragma once
// What each code of the present-weather code is called in French, with the gender and number
// of its noun, so that an intensity or a qualifier agrees with it: "faible pluie", "forts
// grains", "fortes averses de neige". The terms are those of the French edition of ICAO
// Annex 3 (code table 4678).

#include <array>
#include <cstddef>

#include "metar/codes/weather.hpp"
#include "metar/fragment.hpp"

namespace vantrel::words::fr {

// The gender and number of a noun, as an index: the forms of an adjective are listed in this
// order.
enum class Agreement : unsigned char { kMasculine, kFeminine, kMasculinePlural, kFemininePlural };

struct Adjective {
  std::array<Fragment, 4> forms;  // in the order of Agreement
  constexpr Fragment of(Agreement a) const { return forms[static_cast<std::size_t>(a)]; }
};

inline constexpr Adjective kLightForms = {{"faible", "faible", "faibles", "faibles"}};
inline constexpr Adjective kHeavyForms = {{"fort", "forte", "forts", "fortes"}};
// The same, at the start of a sentence.
inline constexpr Adjective kLightFormsCapital = {{"Faible", "Faible", "Faibles", "Faibles"}};
inline constexpr Adjective kHeavyFormsCapital = {{"Fort", "Forte", "Forts", "Fortes"}};

struct PhenomenonWords {
  Fragment noun;
  Agreement agreement;
};
using enum Agreement;
// In the order of codes::Phenomenon.
inline constexpr std::array<PhenomenonWords, 23> kPhenomenonWords{{
    {"pluie", kFeminine},
    {"bruine", kFeminine},
    {"neige", kFeminine},
    {"granules de glace", kMasculinePlural},
    {"neige en grains", kFeminine},
    {"cristaux de glace", kMasculinePlural},
    {"précipitation inconnue", kFeminine},
    {"grêle", kFeminine},
    {"grésil", kMasculine},
    {"grains", kMasculinePlural},
    {"brouillard", kMasculine},
    {"brume", kFeminine},
    {"fumée", kFeminine},
    {"poussière généralisée", kFeminine},
    {"sable", kMasculine},
    {"brume sèche", kFeminine},
    {"embruns", kMasculinePlural},
    {"cendres volcaniques", kFemininePlural},
    {"tempête de sable", kFeminine},
    {"tempête de poussière", kFeminine},
    {"nuage en entonnoir", kMasculine},
    {"granules de glace", kMasculinePlural},
    {"tourbillons de poussière ou de sable", kMasculinePlural},
}};

// A descriptor either leads the phrase ("averses de neige", "orage avec pluie", "bancs de
// brouillard"), and then an intensity agrees with it, or follows the phenomena as an adjective
// that agrees with the first of them ("pluie verglaçante", "brouillard mince").
struct DescriptorWords {
  Fragment before;  // leading: "averses de ", "orage avec "; empty for an adjective
  Fragment alone;   // the descriptor without phenomena (TS, SH), or empty
  Agreement agreement = kMasculine;  // of the leading noun
  Adjective after{};                 // the adjective's forms, when it follows
};
// In the order of codes::Descriptor.
inline constexpr std::array<DescriptorWords, 8> kDescriptorWords{{
    {"orage avec ", "orage", kMasculine},
    {"chasse basse de ", "", kFeminine},
    {"averses de ", "averses", kFemininePlural},
    {"", "", kMasculine, {{"se congelant", "se congelant", "se congelant", "se congelant"}}},
    {"", "", kMasculine, {{"mince", "mince", "minces", "minces"}}},
    {"bancs de ", "", kMasculinePlural},
    {"chasse élevée de ", "", kFeminine},
    {"", "", kMasculine, {{"partiel", "partielle", "partiels", "partielles"}}},
}};

constexpr const PhenomenonWords& wordsOf(codes::Phenomenon p) {
  return kPhenomenonWords[static_cast<std::size_t>(p)];
}
constexpr const DescriptorWords& wordsOf(codes::Descriptor d) {
  return kDescriptorWords[static_cast<std::size_t>(d)];
}

// Drifting and blowing snow, sand and dust have their own nouns: "chasse-neige basse",
// "chasse-sable élevée". Empty for the other phenomena.
constexpr Fragment driftingNoun(codes::Phenomenon p) {
  if (p == codes::Phenomenon::kSN) return "chasse-neige";
  if (p == codes::Phenomenon::kSA) return "chasse-sable";
  if (p == codes::Phenomenon::kDU) return "chasse-poussière";
  return {};
}

// Freezing rain and drizzle are "verglaçantes", freezing fog "givrant": the adjective of FZ with
// these phenomena, which the general "se congelant" does not say.
constexpr Fragment freezingWord(codes::Phenomenon p, Agreement a) {
  constexpr Adjective kGlazing = {{"verglaçant", "verglaçante", "verglaçants", "verglaçantes"}};
  constexpr Adjective kRiming = {{"givrant", "givrante", "givrants", "givrantes"}};
  if (p == codes::Phenomenon::kRA || p == codes::Phenomenon::kDZ) return kGlazing.of(a);
  if (p == codes::Phenomenon::kFG) return kRiming.of(a);
  return wordsOf(codes::Descriptor::kFZ).after.of(a);
}

}  // namespace vantrel::words::fr
