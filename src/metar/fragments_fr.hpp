#pragma once
// The French fragments that the classic sentences (vocabulary_fr.cpp) and the full reading's own
// sentences (vocabulary_full_fr.cpp) are both built from, so that each is spelt once.

#include <array>
#include <string_view>

#include "metar/fragment.hpp"
#include "metar/section.hpp"

namespace vantrel::words::fr::fragments {

inline constexpr Fragment kWindFrom = "Vent du ";
inline constexpr Fragment kDegreeAt = "° à ";
inline constexpr Fragment kWithGustsAt = " avec rafales à ";
inline constexpr Fragment kVariableWindAt = "Vent de direction variable à ";
// In the order of SpeedUnit.
inline constexpr std::array<Fragment, 3> kSpeedUnits = {"\u00A0nœuds", "\u00A0kilomètres par heure",
                                                        "\u00A0mètres par seconde"};

inline constexpr Fragment kVisibilityIs = "Visibilité de ";
inline constexpr Fragment kMetres = "\u00A0mètres";
inline constexpr Fragment kRunwayVisualRange = "Portée visuelle de piste ";
inline constexpr Fragment kColon = "\u00A0: ";

// In the order of CloudAmount.
inline constexpr std::array<Fragment, 4> kCloudCover = {
    "Nuages peu nombreux (1 à 2\u00A0octas)",
    "Nuages épars (3 à 4\u00A0octas)",
    "Nuages fragmentés (5 à 7\u00A0octas)",
    "Ciel couvert (8\u00A0octas)",
};
inline constexpr Fragment kAt = " à ";

inline constexpr Fragment kTemperatureIs = "Température\u00A0: ";
inline constexpr Fragment kDewPointIs = "Point de rosée\u00A0: ";
inline constexpr Fragment kMinus = "-";
inline constexpr Fragment kDegreesCelsius = "\u00A0°C. ";
inline constexpr Fragment kDegrees = "\u00A0°C";

inline constexpr Fragment kHours = "\u00A0h\u00A0";
inline constexpr Fragment kUtc = "\u00A0UTC";

// Heights: "12\u00A0000 pieds" from hhh 120 (appendHundredsOfFeet).
inline constexpr Fragment kThousandsSeparator = "\u00A0";
inline constexpr Fragment kHundreds = "00";

inline constexpr Fragment kDecimalComma = ",";
inline constexpr Fragment kInchesOfMercury = "\u00A0pouces de mercure. ";

inline constexpr Fragment kStop = ". ";
inline constexpr Fragment kBodyStop = ".";

// The wind sentences of the report body end in a bare full stop, as in English.
constexpr std::string_view stopOf(Section section) {
  return section == Section::kTrend ? kStop : kBodyStop;
}

}  // namespace vantrel::words::fr::fragments
