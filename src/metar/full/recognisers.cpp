#include "metar/full/recognisers.hpp"

#include <array>
#include <cstdint>
#include <utility>

#include "metar/codes/chars.hpp"

namespace vantrel::full {

MissingGroup missingGroupAt(const Context& c) {
  if (!c.facts.anyRead) return MissingGroup::kWind;
  if (!c.facts.temperatureFound) {
    const std::optional<Upper> next =
        c.i + 1 < c.groups.size() ? upper(c.groups[c.i + 1]) : std::nullopt;
    if (c.i + 1 == c.groups.size() ||
        (next && next->size == 5 && (next->chars[0] == 'Q' || next->chars[0] == 'A'))) {
      return MissingGroup::kTemperature;
    }
  }
  return MissingGroup::kOther;
}

namespace {

// The recognisers of `Candidates` (bits in the order of the table), tried in that order as direct
// calls.
template <std::uint32_t Candidates, std::size_t... I>
std::size_t recogniseIn(const Context& c, values::GroupValue& value, std::index_sequence<I...>) {
  std::size_t n = 0;
  (void)((((Candidates >> I) & 1U) != 0 && (n = kRecognisers[I].read(c, value)) != 0) || ...);
  return n;
}

using Sequence = std::size_t (*)(const Context& c, values::GroupValue& value);

template <std::uint32_t Candidates>
std::size_t recogniseAll(const Context& c, values::GroupValue& value) {
  return recogniseIn<Candidates>(c, value, std::make_index_sequence<kRecognisers.size()>());
}

// For each first character, its own sequence of calls: each call's outcome is then foreseen
// from the groups that began with that character, not from every group.
template <std::size_t... First>
constexpr std::array<Sequence, sizeof...(First)> sequencesByFirst(std::index_sequence<First...>) {
  return {&recogniseAll<kRecognisersByFirst[First]>...};
}
constexpr auto kSequences = sequencesByFirst(std::make_index_sequence<128>());

}  // namespace

std::size_t recognise(const Context& c, values::GroupValue& value) {
  if (c.u.empty()) return 0;
  return kSequences[static_cast<unsigned char>(c.u[0]) & 0x7FU](c, value);
}

namespace {

// hh and mm of hhmm as typed, when `s` is four digits.
bool timeOf(std::string_view s, std::string_view& hour, std::string_view& minute) {
  if (s.size() != 4 || !codes::allDigits(s)) return false;
  hour = s.substr(0, 2);
  minute = s.substr(2, 2);
  return true;
}

std::string_view bytesAt(std::span<const Group> groups, std::size_t i) {
  return i < groups.size() ? groups[i].bytes() : std::string_view();
}

}  // namespace

std::size_t readTrendTime(std::span<const Group> groups, std::size_t i, values::TrendTime& time) {
  const std::string_view b = groups[i].bytes();
  // hhmm/hhmm: the period of the section.
  if (b.size() == 9 && b[4] == '/' && timeOf(b.substr(0, 4), time.hour, time.minute) &&
      timeOf(b.substr(5), time.untilHour, time.untilMinute)) {
    time.kind = values::TrendTime::Kind::kPeriod;
    return 1;
  }
  if (b.size() != 2 && b.size() != 6) return 0;
  if (codes::startsWith(b, "FM")) {
    time.kind = values::TrendTime::Kind::kFrom;
  } else if (codes::startsWith(b, "TL")) {
    time.kind = values::TrendTime::Kind::kUntil;
  } else if (codes::startsWith(b, "AT")) {
    time.kind = values::TrendTime::Kind::kAt;
  } else {
    return 0;
  }
  // FM1100, or FM 1100 with the time written apart.
  if (b.size() == 6) return timeOf(b.substr(2), time.hour, time.minute) ? 1 : 0;
  return timeOf(bytesAt(groups, i + 1), time.hour, time.minute) ? 2 : 0;
}

std::size_t readTurbulence(std::span<const Group> groups, std::size_t i, values::Turbulence& out) {
  out = {};
  std::size_t n = 0;
  values::TrendTime from;
  if (readTrendTime(groups, i, from) == 1 && from.kind == values::TrendTime::Kind::kFrom) {
    out.fromHour = from.hour;
    out.fromMinute = from.minute;
    ++n;
  }
  const std::string_view intensity = bytesAt(groups, i + n);
  if (!(codes::is(intensity, "MOD") || codes::is(intensity, "SEV")) ||
      !codes::is(bytesAt(groups, i + n + 1), "TURB")) {
    return 0;
  }
  out.severe = codes::is(intensity, "SEV");
  n += 2;
  const std::string_view level = bytesAt(groups, i + n);
  const std::string_view height = bytesAt(groups, i + n + 1);
  if ((codes::is(level, "BLW") || codes::is(level, "ABV")) && codes::endsWith(height, "FT") &&
      codes::allDigits(height.substr(0, height.size() - 2))) {
    out.level = codes::is(level, "BLW") ? values::Turbulence::Level::kBelow
                                        : values::Turbulence::Level::kAbove;
    out.feet = height.substr(0, height.size() - 2);
    n += 2;
  }
  values::TrendTime until;
  if (i + n < groups.size() && readTrendTime(groups, i + n, until) == 1 &&
      until.kind == values::TrendTime::Kind::kUntil) {
    out.untilHour = until.hour;
    out.untilMinute = until.minute;
    ++n;
  }
  return n;
}

}  // namespace vantrel::full
