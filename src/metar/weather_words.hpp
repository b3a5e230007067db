#pragma once
// What each code of the present-weather code is called in English, for the sentences the full
// reading builds from the parts of a code, in the body and in the remarks alike. The classic
// reading's 468 sentences stay as they are, in weather_vocabulary.hpp.

#include <array>
#include <cstddef>

#include "metar/codes/weather.hpp"
#include "metar/fragment.hpp"

namespace vantrel::words {

struct PhenomenonWords {
  Fragment noun;
  bool plural = false;     // "There are ice pellets"
  bool countable = false;  // "There is a funnel cloud"
};
// In the order of codes::Phenomenon (WMO code table 4678).
inline constexpr std::array<PhenomenonWords, 23> kPhenomenonWords{{
    {"rain"},
    {"drizzle"},
    {"snow"},
    {"ice pellets", true},
    {"snow grains", true},
    {"ice crystals", true},
    {"unknown precipitation"},
    {"hail"},
    {"small hail"},
    {"squalls", true},
    {"fog"},
    {"mist"},
    {"smoke"},
    {"widespread dust"},
    {"sand"},
    {"haze"},
    {"spray"},
    {"volcanic ash"},
    {"sandstorm", false, true},
    {"duststorm", false, true},
    {"funnel cloud", false, true},
    {"ice pellets", true},
    {"dust or sand whirls", true},
}};

struct DescriptorWords {
  Fragment before;  // before the phenomena: "showers of ", "freezing "
  Fragment alone;   // the descriptor without phenomena (TS, SH), or empty
  bool plural = false;
};
// In the order of codes::Descriptor.
inline constexpr std::array<DescriptorWords, 8> kDescriptorWords{{
    {"thunderstorm with ", "thunderstorm"},
    {"low drifting ", ""},
    {"showers of ", "showers", true},
    {"freezing ", ""},
    {"shallow ", ""},
    {"patches of ", "", true},
    {"blowing ", ""},
    {"partial ", ""},
}};

constexpr const PhenomenonWords& wordsOf(codes::Phenomenon p) {
  return kPhenomenonWords[static_cast<std::size_t>(p)];
}
constexpr const DescriptorWords& wordsOf(codes::Descriptor d) {
  return kDescriptorWords[static_cast<std::size_t>(d)];
}

}  // namespace vantrel::words
