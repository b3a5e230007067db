#pragma once
// The fragments that the classic sentences (vocabulary.cpp) and the full reading's own sentences
// (vocabulary_full.cpp) are both built from, so that each is spelt once.

#include <array>
#include <string_view>

#include "metar/section.hpp"
#include "metar/text.hpp"

namespace vantrel::words::fragments {

inline constexpr std::string_view kWindFrom = "Wind blowing from ";
inline constexpr std::string_view kDegreeAt = " degree at ";
inline constexpr std::string_view kWithGustsAt = " with gusts at ";
inline constexpr std::string_view kVariableWindAt = "Variable direction wind blowing at ";
// In the order of SpeedUnit.
inline constexpr std::array<std::string_view, 3> kSpeedUnits = {" knots", " kilometres per hour",
                                                                " metres per second"};

inline constexpr std::string_view kVisibilityIs = "Visibility is ";
inline constexpr std::string_view kMetres = " metres";
inline constexpr std::string_view kRunwayVisualRange = "Runway Visual Range for runway ";
inline constexpr std::string_view kIs = " is ";

// In the order of CloudAmount.
inline constexpr std::array<std::string_view, 4> kCloudCover = {
    "Few cloud cover (1/8 to 2/8)",
    "Scattered cloud cover (3/8 to 4/8)",
    "Broken cloud cover (5/8 to 7/8)",
    "Overcast cloud cover (8/8)",
};
inline constexpr std::string_view kAt = " at ";

inline constexpr std::string_view kTemperatureIs = "Temperature is ";
inline constexpr std::string_view kDewPointIs = "Dew point is ";
inline constexpr std::string_view kMinus = "-";
inline constexpr std::string_view kDegreesCelsius = "\u00B0Celsius. ";

// The end of a sentence, and the end of a wind sentence of the report body.
inline constexpr std::string_view kStop = ". ";
inline constexpr std::string_view kBodyStop = ".";

// The wind sentences of the report body end in a bare full stop, those of a trend section in a
// full stop and a space.
constexpr std::string_view stopOf(Section section) {
  return section == Section::kTrend ? kStop : kBodyStop;
}

static_assert(allJsonSafe(kSpeedUnits) && allJsonSafe(kCloudCover) &&
              allJsonSafe({kWindFrom, kDegreeAt, kWithGustsAt, kVariableWindAt, kVisibilityIs,
                           kMetres, kRunwayVisualRange, kIs, kAt, kTemperatureIs, kDewPointIs,
                           kMinus, kDegreesCelsius, kStop, kBodyStop}));

}  // namespace vantrel::words::fragments
