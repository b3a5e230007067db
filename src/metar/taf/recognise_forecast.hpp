#pragma once
// The recognisers of the groups only a forecast has. Each returns how many groups it took (0:
// not its form) and sets its value; none writes a word.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/taf/forecast_values.hpp"

namespace vantrel::taf {

// ddhh with a day 01 to 31 and an hour 00 to 24.
bool readDayHour(std::string_view s, DayHour& out);
// ddhhmmZ with a minute 00 to 59: the issue time, and the time of the next forecast.
bool readDayTime(std::string_view s, DayHour& at, std::string_view& minute);
// ddhh/ddhh, or the old ddhhhh.
bool readPeriod(std::string_view b, Period& out);
// hhhh, the period of a change group in a forecast of the old form: two hours 00 to 24, and no
// day.
bool readHours(std::string_view s, Period& out);

// The keyword of a section at groups[i] and its period: how many groups it took.
using ChangeReader = std::size_t (*)(std::span<const Group> groups, std::size_t i, Change& out);
struct ChangeEntry {
  std::string_view form;
  char first, second;  // the letters its groups begin with
  std::size_t size;    // the length of its first group
  ChangeReader read;
};
std::size_t readFromDayTime(std::span<const Group> groups, std::size_t i, Change& out);
std::size_t readFromTime(std::span<const Group> groups, std::size_t i, Change& out);
std::size_t readBecoming(std::span<const Group> groups, std::size_t i, Change& out);
std::size_t readTemporary(std::span<const Group> groups, std::size_t i, Change& out);
std::size_t readIntermittent(std::span<const Group> groups, std::size_t i, Change& out);
std::size_t readProbability(std::span<const Group> groups, std::size_t i, Change& out);

// The order the section keywords are tried in: the first that takes the group opens a section.
// Their forms differ in their first letters or their length, so the order only saves time: the
// most frequent first. A group is offered only to the entries of its first letters and length.
inline constexpr std::array<ChangeEntry, 6> kChanges{{
    {"TEMPO [ddhh/ddhh]", 'T', 'E', 5, readTemporary},
    {"BECMG [ddhh/ddhh]", 'B', 'E', 5, readBecoming},
    {"FMddhhmm", 'F', 'M', 8, readFromDayTime},
    {"PROB30|PROB40 [TEMPO|INTER] [ddhh/ddhh]", 'P', 'R', 6, readProbability},
    {"INTER [ddhh/ddhh]", 'I', 'N', 5, readIntermittent},
    {"FMhhmm", 'F', 'M', 6, readFromTime},
}};

// Whether `g` has the first letters and the length of a section keyword: most groups have not.
inline bool mayBeChange(const Group& g) {
  const std::size_t size = g.size();
  const char first = g.upperAt(1);
  const char second = g.upperAt(2);
  for (const ChangeEntry& entry : kChanges) {
    if (entry.first == first && entry.second == second && entry.size == size) return true;
  }
  return false;
}

// The section keyword at groups[i], tried in the order of kChanges.
std::size_t readChange(std::span<const Group> groups, std::size_t i, Change& out);

// TX[M]tt/ddhhZ, TN[M]tt/ddhhZ.
bool readForecastTemperature(const Group& g, ForecastTemperature& out);
// WShhh/dddff[Gff]KT with hhh above zero.
bool readWindShear(const Group& g, WindShear& out);
// QNHnnnnINS.
bool readLowestAltimeter(const Group& g, LowestAltimeter& out);
// 6IhhhT, 5BhhhT (B also X) with T from 1 to 9.
bool readLayer(const Group& g, Layer& out);
// A phrase of the forecast at groups[i]: how many groups it took.
std::size_t readStatement(std::span<const Group> groups, std::size_t i, Statement& out);

}  // namespace vantrel::taf
