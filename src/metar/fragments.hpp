#pragma once
// The fragments that the classic sentences (vocabulary.cpp) and the full reading's own sentences
// (vocabulary_full.cpp) are both built from, so that each is spelt once.

#include <array>
#include <string_view>

#include "metar/fragment.hpp"
#include "metar/section.hpp"
#include "metar/text.hpp"

namespace vantrel::words::fragments {

inline constexpr Fragment kWindFrom = "Wind blowing from ";
inline constexpr Fragment kDegreeAt = " degree at ";
inline constexpr Fragment kWithGustsAt = " with gusts at ";
inline constexpr Fragment kVariableWindAt = "Variable direction wind blowing at ";
// In the order of SpeedUnit.
inline constexpr std::array<Fragment, 3> kSpeedUnits = {" knots", " kilometres per hour",
                                                        " metres per second"};

inline constexpr Fragment kVisibilityIs = "Visibility is ";
inline constexpr Fragment kMetres = " metres";
inline constexpr Fragment kRunwayVisualRange = "Runway Visual Range for runway ";
inline constexpr Fragment kIs = " is ";

// In the order of CloudAmount.
inline constexpr std::array<Fragment, 4> kCloudCover = {
    "Few cloud cover (1/8 to 2/8)",
    "Scattered cloud cover (3/8 to 4/8)",
    "Broken cloud cover (5/8 to 7/8)",
    "Overcast cloud cover (8/8)",
};
inline constexpr Fragment kAt = " at ";

inline constexpr Fragment kTemperatureIs = "Temperature is ";
inline constexpr Fragment kDewPointIs = "Dew point is ";
inline constexpr Fragment kMinus = "-";
inline constexpr Fragment kDegreesCelsius = "\u00B0Celsius. ";

// The end of a sentence, and the end of a wind sentence of the report body.
inline constexpr Fragment kStop = ". ";
inline constexpr Fragment kBodyStop = ".";

// The wind sentences of the report body end in a bare full stop, those of a trend section in a
// full stop and a space.
constexpr std::string_view stopOf(Section section) {
  return section == Section::kTrend ? kStop : kBodyStop;
}

}  // namespace vantrel::words::fragments
