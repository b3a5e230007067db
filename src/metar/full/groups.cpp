#include "metar/full/groups.hpp"

#include <utility>
#include <variant>

#include "metar/describe.hpp"
#include "metar/wording.hpp"

namespace vantrel::full {
namespace {

// Where each value goes, worded, and what the section learns from it.
template <class W>
struct Placer {
  Section section;
  SectionText& text;
  LineText& supplementary;
  std::span<const Group> groups;     // the groups the value came from
  std::size_t end;                   // the index of the group after the value's last
  mutable LineText* used = nullptr;  // the line the sentence went to

  // The line's text, for the value's sentence; the line holds the value's groups. Out of
  // line: inlined in each of the sixteen placements, it would crowd the cache.
  [[gnu::noinline]] TextBuffer& on(LineText& line) const {
    used = &line;
    TextBuffer& sentence = line.add(groups.front());
    for (const Group& g : groups.subspan(1)) line.credit(g.bytes());
    return sentence;
  }

  void operator()(const values::Wind& v) const {
    W::appendWind(on(text.wind), v, section);
    text.facts.windFound = true;
  }
  void operator()(const values::WindVariation& v) const {
    W::appendWindVariation(on(text.wind), v, section);
  }
  void operator()(const values::Visibility& v) const {
    SectionFacts& facts = text.facts;
    if (v.kind == values::Visibility::Kind::kCavok) {
      // On the sky line of the body, on the visibility line of a trend section.
      W::appendVisibility(on(section == Section::kBody ? text.sky : text.visibility), v);
    } else {
      W::appendVisibility(on(text.visibility), v);
    }
    if (v.kind == values::Visibility::Kind::kMetres) facts.visibilityMetres = v.metres;
    facts.visibilityFound = true;
    facts.visibilityEnd = end;
  }
  void operator()(const values::RunwayRange& v) const {
    W::appendRunwayRange(on(text.visibility), v);
  }
  void operator()(const values::PresentWeather& v) const {
    W::appendPresentWeather(on(text.weather), v);
    text.weatherFound = text.facts.weatherFound = true;
  }
  void operator()(const values::Cloud& v) const {
    W::appendCloud(on(text.sky), v);
    if (v.kind == values::Cloud::Kind::kLayer) text.facts.cloudFound = true;
  }
  void operator()(const values::Directions& v) const { W::appendDirections(on(text.sky), v); }
  void operator()(const values::Temperature& v) const {
    W::appendTemperature(on(text.temperature), v);
    text.facts.temperatureFound = true;
  }
  void operator()(const values::Pressure& v) const { W::appendPressure(on(text.temperature), v); }
  void operator()(const values::RecentWeather& v) const {
    W::appendRecentWeather(on(supplementary), v);
  }
  void operator()(const values::WindShear& v) const { W::appendWindShear(on(supplementary), v); }
  void operator()(const values::RunwayState& v) const {
    W::appendRunwayState(on(supplementary), v);
  }
  void operator()(const values::Sea& v) const { W::appendSea(on(supplementary), v); }
  // A colour state of a trend section is forecast with the section's visibility.
  void operator()(const values::ColourState& v) const {
    W::appendColourState(on(section == Section::kBody ? supplementary : text.visibility), v);
    text.facts.colourStateFound = true;
  }
  void operator()(const values::Rainfall& v) const { W::appendRainfall(on(supplementary), v); }
  void operator()(const values::ElementNotReported&) const {
    on(supplementary) += W::kElementNotReported;
  }
};

bool isObservation(const values::GroupValue& value) {
  return !std::holds_alternative<values::RecentWeather>(value) &&
         !std::holds_alternative<values::WindShear>(value) &&
         !std::holds_alternative<values::RunwayState>(value) &&
         !std::holds_alternative<values::Sea>(value) &&
         !std::holds_alternative<values::ColourState>(value) &&
         !std::holds_alternative<values::Rainfall>(value) &&
         !std::holds_alternative<values::ElementNotReported>(value);
}

// The report's order where it settles what a group means: in the body, one wind, and no
// observation after the current colour state (the wind, visibility or sky after it are a
// forecast, as Dutch military reports write their trend).
bool inPlace(const values::GroupValue& value, Section section, const SectionFacts& facts) {
  if (section != Section::kBody) return true;
  if (facts.windFound && std::holds_alternative<values::Wind>(value)) return false;
  return !facts.colourStateFound || !isObservation(value);
}

// std::visit through a chain of tests the compiler keeps inline: its table of functions, or a
// jump table, costs a jump the processor seldom foresees for every group.
#if defined(__clang__)
#define VANTREL_NO_JUMP_TABLES
#else
#define VANTREL_NO_JUMP_TABLES [[gnu::optimize("no-jump-tables")]]
#endif
template <class W, std::size_t... I>
VANTREL_NO_JUMP_TABLES void place(const Placer<W>& placer, const values::GroupValue& value,
                                  std::index_sequence<I...>) {
  (void)((value.index() == I && (placer(*std::get_if<I>(&value)), true)) || ...);
}

// Explaining: the value's decoded form, on the sentence just begun on `line`. Out of the way of
// the common path.
template <class Value>
[[gnu::cold, gnu::noinline]] void explain(LineText* line, const Value& value) {
  if (line == nullptr) return;
  Decoded decoded;
  describe(value, decoded);
  line->describe(std::move(decoded));
}

// Recognises the group at groups[i], and places its value when `accepted` takes it.
template <class W, class Accepted>
[[gnu::always_inline]] inline std::size_t readPlaced(std::span<const Group> groups, std::size_t i,
                                                     Section section, SectionText& text,
                                                     LineText& supplementary, Accepted accepted) {
  const std::optional<Upper> u = upper(groups[i]);
  if (!u) return 0;
  values::GroupValue value;
  const Context context{groups, i, u->view(), section, text.facts};
  const std::size_t n = recognise(context, value);
  if (n == 0 || !accepted(value)) return 0;
  const Placer<W> placer{section, text, supplementary, groups.subspan(i, n), i + n};
  place(placer, value, std::make_index_sequence<std::variant_size_v<values::GroupValue>>());
  if (text.explain) [[unlikely]]
    explain(placer.used, value);
  text.facts.anyRead = true;
  return n;
}

// The conditions a forecast's sections give: one wind, one visibility (not a minimum or a
// direction's), weather and cloud. The observation's other forms do not occur in a forecast. A
// fraction of a mile glued to its whole miles (11/2SM) is split; another fraction above one
// mile is no visibility a forecast gives.
bool inForecast(values::GroupValue& value, const SectionFacts& facts) {
  if (std::holds_alternative<values::Wind>(value)) return !facts.windFound;
  if (auto* v = std::get_if<values::Visibility>(&value)) {
    using Kind = values::Visibility::Kind;
    if (v->kind == Kind::kStatuteMiles && v->miles.whole.empty() &&
        !codes::splitGluedFraction(v->miles) && !codes::isProperFraction(v->miles.fraction)) {
      return false;
    }
    return !facts.visibilityFound && v->kind != Kind::kMinimum && v->kind != Kind::kDirectional;
  }
  return std::holds_alternative<values::PresentWeather>(value) ||
         std::holds_alternative<values::Cloud>(value);
}

}  // namespace

template <class W>
std::size_t readGroup(std::span<const Group> groups, std::size_t i, Section section,
                      SectionText& text, LineText& supplementary) {
  return readPlaced<W>(
      groups, i, section, text, supplementary,
      [&](const values::GroupValue& value) { return inPlace(value, section, text.facts); });
}

template <class W>
std::size_t readForecastGroup(std::span<const Group> groups, std::size_t i, SectionText& text) {
  return readPlaced<W>(groups, i, Section::kTrend, text, text.temperature,
                       [&](values::GroupValue& value) { return inForecast(value, text.facts); });
}

template <class W>
std::size_t readTrendTime(std::span<const Group> groups, std::size_t i, bool becoming,
                          SectionText& text) {
  values::Turbulence turbulence;
  if (const std::size_t n = readTurbulence(groups, i, turbulence)) {
    W::appendTurbulence(text.weather.add(groups[i]), turbulence);
    for (std::size_t k = 1; k < n; ++k) text.weather.credit(groups[i + k].bytes());
    if (text.explain) [[unlikely]]
      explain(&text.weather, turbulence);
    text.weatherFound = true;
    return n;
  }
  values::TrendTime time;
  const std::size_t n = readTrendTime(groups, i, time);
  if (n == 0) return 0;
  W::appendTrendTime(text.time.add(groups[i]), time, becoming);
  if (n == 2) text.time.credit(groups[i + 1].bytes());
  if (text.explain) [[unlikely]]
    explain(&text.time, time);
  return n;
}

template std::size_t readGroup<EnglishWording>(std::span<const Group>, std::size_t, Section,
                                               SectionText&, LineText&);
template std::size_t readGroup<FrenchWording>(std::span<const Group>, std::size_t, Section,
                                              SectionText&, LineText&);
template std::size_t readForecastGroup<EnglishWording>(std::span<const Group>, std::size_t,
                                                       SectionText&);
template std::size_t readForecastGroup<FrenchWording>(std::span<const Group>, std::size_t,
                                                      SectionText&);
template std::size_t readTrendTime<EnglishWording>(std::span<const Group>, std::size_t, bool,
                                                   SectionText&);
template std::size_t readTrendTime<FrenchWording>(std::span<const Group>, std::size_t, bool,
                                                  SectionText&);

}  // namespace vantrel::full
