#pragma once
// A language's wording as a type. The readers are instantiated once per language with one of
// these and call `W::appendWind(...)`, `W::kNosig` and the rest: no reader knows which language
// it writes, and English pays nothing for French being there (the calls are direct and inline).
//
// The lists below are every sentence a reader asks for; each language's namespace has them all,
// or its wording does not compile.

#include <cstddef>
#include <span>
#include <utility>

#include "metar/forecast_vocabulary.hpp"
#include "metar/forecast_vocabulary_fr.hpp"
#include "metar/full/remarks.hpp"
#include "metar/vocabulary.hpp"
#include "metar/vocabulary_fr.hpp"

// The wording functions, then the constant texts, that the readers use, each as X(ns, name).
// clang-format off
#define VANTREL_WORDING_FUNCTIONS(X, ns) \
  X(ns, appendIssueTime) \
  X(ns, appendIssueDayAndTime) \
  X(ns, daySuffix) \
  X(ns, appendStation) \
  X(ns, appendWind) \
  X(ns, appendVariableWind) \
  X(ns, appendVariation) \
  X(ns, appendVisibilityMetres) \
  X(ns, appendRunwayVisualRange) \
  X(ns, appendCloudLayer) \
  X(ns, appendVerticalVisibility) \
  X(ns, appendTemperature) \
  X(ns, appendQnh) \
  X(ns, classicWeatherSentence) \
  X(ns, appendHeaderWithoutTime) \
  X(ns, appendHeaderNote) \
  X(ns, appendWindVariation) \
  X(ns, appendVisibility) \
  X(ns, appendRunwayRange) \
  X(ns, appendPresentWeather) \
  X(ns, appendCloud) \
  X(ns, appendDirections) \
  X(ns, appendPressure) \
  X(ns, appendRecentWeather) \
  X(ns, appendWindShear) \
  X(ns, appendRunwayState) \
  X(ns, appendSea) \
  X(ns, appendColourState) \
  X(ns, appendRainfall) \
  X(ns, appendTrendTime) \
  X(ns, appendTurbulence) \
  X(ns, appendProbabilityHeading) \
  X(ns, appendFromHeading) \
  X(ns, appendNotTranslated) \
  X(ns, appendForecastIssued) \
  X(ns, appendForecastStation) \
  X(ns, appendValidity) \
  X(ns, appendForecastNote) \
  X(ns, appendChangeHeading) \
  X(ns, appendForecastTemperature) \
  X(ns, appendForecastWindShear) \
  X(ns, appendLowestAltimeter) \
  X(ns, appendLayer) \
  X(ns, appendStatement)
#define VANTREL_WORDING_TEXTS(X, ns) \
  X(ns, kCalm) \
  X(ns, kNoVisibility) \
  X(ns, kVisibilityTenKilometres) \
  X(ns, kCavok) \
  X(ns, kSkyClear) \
  X(ns, kVerticalVisibilityUnknown) \
  X(ns, kNosig) \
  X(ns, kBecomingHeading) \
  X(ns, kTemporaryHeading) \
  X(ns, kIntermittentHeading) \
  X(ns, kNoRemarks) \
  X(ns, kElementNotReported) \
  X(ns, kRemarks) \
  X(ns, kNotTranslatedEnd) \
  X(ns, kForecastHeaderEnd)
// clang-format on

#define VANTREL_WORDING_FORWARD(ns, name)                             \
  template <class... Args>                                            \
  [[gnu::always_inline]] static decltype(auto) name(Args&&... args) { \
    return ns::name(std::forward<Args>(args)...);                     \
  }
#define VANTREL_WORDING_TEXT(ns, name) static constexpr const auto& name = ns::name;
#define VANTREL_WORDING_OF(ns)                           \
  VANTREL_WORDING_FUNCTIONS(VANTREL_WORDING_FORWARD, ns) \
  VANTREL_WORDING_TEXTS(VANTREL_WORDING_TEXT, ns)

namespace vantrel {

struct EnglishWording {
  VANTREL_WORDING_OF(words)
  static std::size_t readRemark(std::span<const Group> groups, std::size_t first, TextBuffer& out) {
    return full::readRemark(groups, first, out);
  }
};

struct FrenchWording {
  VANTREL_WORDING_OF(words::fr)
  static std::size_t readRemark(std::span<const Group> groups, std::size_t first, TextBuffer& out) {
    return full::readRemarkInFrench(groups, first, out);
  }
};

#undef VANTREL_WORDING_OF
#undef VANTREL_WORDING_TEXT
#undef VANTREL_WORDING_FORWARD
#undef VANTREL_WORDING_TEXTS
#undef VANTREL_WORDING_FUNCTIONS

}  // namespace vantrel
