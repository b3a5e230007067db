// The groups only a forecast has: times, section keywords, TX/TN, WS, QNH...INS, icing and
// turbulence layers, and the forecast's phrases.

#include "metar/taf/recognise_forecast.hpp"

#include <algorithm>

#include "metar/codes/chars.hpp"
#include "metar/full/recognisers.hpp"

namespace vantrel::taf {
namespace {

using codes::allDigits;

int twoDigits(std::string_view s) {
  return (s[0] - '0') * 10 + (s[1] - '0');
}

// A period ddhh/ddhh right after a section keyword, when there is one (the old ddhhhh is a
// validity only).
std::size_t withPeriod(std::span<const Group> groups, std::size_t i, Change& out) {
  out.hasPeriod = i + 1 < groups.size() && groups[i + 1].bytes().size() == 9 &&
                  readPeriod(groups[i + 1].bytes(), out.period);
  return out.hasPeriod ? 2 : 1;
}

std::size_t keyword(std::span<const Group> groups, std::size_t i, std::string_view word,
                    ChangeKind kind, Change& out) {
  if (!groups[i].upperIs(word)) return 0;
  out = {};
  out.kind = kind;
  return withPeriod(groups, i, out);
}

// The words of a phrase, each a whole group.
struct PhraseForm {
  std::array<std::string_view, 7> words;
  std::size_t size;
  Phrase phrase;
};
inline constexpr std::array<PhraseForm, 7> kPhrases{{
    {{"AMD", "NOT", "SKED"}, 3, Phrase::kAmendmentsNotScheduled},
    {{"AMD", "NOT", "SCHED"}, 3, Phrase::kAmendmentsNotScheduled},
    {{"AMD", "LTD", "TO", "CLD", "VIS", "AND", "WIND"}, 7, Phrase::kAmendmentsLimited},
    {{"FCST", "BASED", "ON", "AUTO", "OBS."}, 5, Phrase::kBasedOnAutomated},
    {{"FCST", "BASED", "ON", "AUTO", "OBS"}, 5, Phrase::kBasedOnAutomated},
    {{"FCST", "NOT", "AVBL", "DUE", "NO", "OBS"}, 6, Phrase::kNotAvailable},
    {{"NXT", "FCST", "BY"}, 3, Phrase::kNextBy},
}};

}  // namespace

bool readDayHour(std::string_view s, DayHour& out) {
  if (s.size() != 4) return false;
  // Each figure's value, one test for all four: a byte below '0' wraps past 9.
  const auto figure = [s](std::size_t k) { return static_cast<unsigned>(s[k]) - '0'; };
  if (std::max({figure(0), figure(1), figure(2), figure(3)}) > 9) return false;
  const unsigned day = figure(0) * 10 + figure(1);
  if (day < 1 || day > 31 || figure(2) * 10 + figure(3) > 24) return false;
  out = {s.substr(0, 2), s.substr(2, 2)};
  return true;
}

bool readDayTime(std::string_view s, DayHour& at, std::string_view& minute) {
  if (s.size() != 7 || (s[6] != 'Z' && s[6] != 'z') || !readDayHour(s.substr(0, 4), at) ||
      !allDigits(s.substr(4, 2)) || twoDigits(s.substr(4, 2)) > 59) {
    return false;
  }
  minute = s.substr(4, 2);
  return true;
}

bool readPeriod(std::string_view b, Period& out) {
  if (b.size() == 9 && b[4] == '/') {
    out.sameDay = false;
    return readDayHour(b.substr(0, 4), out.from) && readDayHour(b.substr(5), out.to);
  }
  // ddhhhh: a day, the hour it begins and the hour it ends.
  if (b.size() == 6 && readDayHour(b.substr(0, 4), out.from) && allDigits(b.substr(4)) &&
      twoDigits(b.substr(4)) <= 24) {
    out.to = {out.from.day, b.substr(4)};
    out.sameDay = true;
    return true;
  }
  return false;
}

bool readHours(std::string_view s, Period& out) {
  if (s.size() != 4 || !allDigits(s) || twoDigits(s) > 24 || twoDigits(s.substr(2)) > 24) {
    return false;
  }
  out = {};
  out.from.hour = s.substr(0, 2);
  out.to.hour = s.substr(2, 2);
  return true;
}

std::size_t readFromDayTime(std::span<const Group> groups, std::size_t i, Change& out) {
  const Group& g = groups[i];
  const std::string_view b = g.bytes();
  if (b.size() != 8 || !g.upperSliceIs(1, "FM")) return 0;
  DayHour at;
  if (!readDayHour(b.substr(2, 4), at) || !allDigits(b.substr(6)) || twoDigits(b.substr(6)) > 59) {
    return 0;
  }
  out = {};
  out.kind = ChangeKind::kFrom;
  out.from = at;
  out.minute = b.substr(6);
  return 1;
}

std::size_t readFromTime(std::span<const Group> groups, std::size_t i, Change& out) {
  const Group& g = groups[i];
  const std::string_view b = g.bytes();
  if (b.size() != 6 || !g.upperSliceIs(1, "FM") || !allDigits(b.substr(2)) ||
      twoDigits(b.substr(2)) > 24 || twoDigits(b.substr(4)) > 59) {
    return 0;
  }
  out = {};
  out.kind = ChangeKind::kFrom;
  out.from = {{}, b.substr(2, 2)};
  out.minute = b.substr(4);
  return 1;
}

std::size_t readBecoming(std::span<const Group> groups, std::size_t i, Change& out) {
  return keyword(groups, i, "BECMG", ChangeKind::kBecoming, out);
}

std::size_t readTemporary(std::span<const Group> groups, std::size_t i, Change& out) {
  return keyword(groups, i, "TEMPO", ChangeKind::kTemporary, out);
}

std::size_t readIntermittent(std::span<const Group> groups, std::size_t i, Change& out) {
  return keyword(groups, i, "INTER", ChangeKind::kIntermittent, out);
}

std::size_t readProbability(std::span<const Group> groups, std::size_t i, Change& out) {
  const Group& g = groups[i];
  if (!g.upperIs("PROB30") && !g.upperIs("PROB40")) return 0;
  out = {};
  out.kind = ChangeKind::kProbability;
  out.probability = g.bytes().substr(4);
  std::size_t n = 1;
  if (i + 1 < groups.size()) {
    if (groups[i + 1].upperIs("TEMPO")) {
      out.probabilityOf = ChangeKind::kTemporary;
      ++n;
    } else if (groups[i + 1].upperIs("INTER")) {
      out.probabilityOf = ChangeKind::kIntermittent;
      ++n;
    }
  }
  return n - 1 + withPeriod(groups, i + n - 1, out);
}

std::size_t readChange(std::span<const Group> groups, std::size_t i, Change& out) {
  const Group& g = groups[i];
  const std::size_t size = g.size();
  const char first = g.upperAt(1);
  const char second = g.upperAt(2);
  for (const ChangeEntry& entry : kChanges) {
    if (entry.first != first || entry.second != second || entry.size != size) continue;
    if (const std::size_t n = entry.read(groups, i, out)) return n;
  }
  return 0;
}

bool readForecastTemperature(const Group& g, ForecastTemperature& out) {
  std::string_view b = g.bytes();
  if (b.size() < 10 || !g.upperSliceIs(1, "T") ||
      (!g.upperSliceIs(2, "X") && !g.upperSliceIs(2, "N")) || !g.upperEndsWith("Z")) {
    return false;
  }
  out.maximum = g.upperSliceIs(2, "X");
  b = b.substr(2, b.size() - 3);  // [M]tt/ddhh
  out.belowZero = !b.empty() && (b[0] == 'M' || b[0] == 'm');
  if (out.belowZero) b.remove_prefix(1);
  if (b.size() != 7 || b[2] != '/' || !allDigits(b.substr(0, 2))) return false;
  out.degrees = b.substr(0, 2);
  return readDayHour(b.substr(3), out.at);
}

bool readWindShear(const Group& g, WindShear& out) {
  const std::string_view b = g.bytes();
  if (b.size() < 12 || !g.upperSliceIs(1, "WS") || b[5] != '/' || !allDigits(b.substr(2, 3)) ||
      codes::allZeros(b.substr(2, 3)) || !g.upperEndsWith("KT")) {
    return false;
  }
  // The wind after the slash, read by the wind's own recogniser.
  const Group wind(b.substr(6));
  const std::optional<full::Upper> u = full::upper(wind);
  if (!u) return false;
  const full::SectionFacts facts;
  const full::Context context{std::span<const Group>(&wind, 1), 0, u->view(), Section::kTrend,
                              facts};
  values::GroupValue value;
  if (full::readWind(context, value) != 1) return false;
  const auto* read = std::get_if<values::Wind>(&value);
  // A direction and a speed: a wind not reported or variable says nothing of the shear.
  if (read == nullptr || read->direction.empty() || read->speed.digits.empty()) return false;
  out.height = b.substr(2, 3);
  out.wind = *read;
  return true;
}

bool readLowestAltimeter(const Group& g, LowestAltimeter& out) {
  const std::string_view b = g.bytes();
  if (b.size() != 10 || !g.upperSliceIs(1, "QNH") || !g.upperEndsWith("INS") ||
      !allDigits(b.substr(3, 4))) {
    return false;
  }
  out.hundredths = b.substr(3, 4);
  return true;
}

bool readLayer(const Group& g, Layer& out) {
  const std::string_view b = g.bytes();
  if (b.size() != 6 || (b[0] != '5' && b[0] != '6') || !allDigits(b.substr(2)) || b[5] == '0') {
    return false;
  }
  out.icing = b[0] == '6';
  if (codes::isDigit(b[1])) {
    out.code = static_cast<std::uint8_t>(b[1] - '0');
  } else if (!out.icing && (b[1] == 'X' || b[1] == 'x')) {
    out.code = 10;
  } else {
    return false;
  }
  out.base = b.substr(2, 3);
  out.thickness = b.substr(5);
  return true;
}

std::size_t readStatement(std::span<const Group> groups, std::size_t i, Statement& out) {
  for (const PhraseForm& form : kPhrases) {
    if (i + form.size > groups.size()) continue;
    std::size_t k = 0;
    while (k < form.size && groups[i + k].upperIs(form.words[k])) ++k;
    if (k != form.size) continue;
    out = {};
    out.phrase = form.phrase;
    if (form.phrase != Phrase::kNextBy) return k;
    // NXT FCST BY ddhhmmZ, or NXT FCST WILL BE ISSUED AT ddhhmmZ.
    if (i + k < groups.size() && readDayTime(groups[i + k].bytes(), out.at, out.minute)) {
      return k + 1;
    }
    return 0;
  }
  // NXT FCST WILL BE ISSUED AT ddhhmmZ.
  constexpr std::array<std::string_view, 6> kIssued = {"NXT", "FCST", "WILL", "BE", "ISSUED", "AT"};
  if (i + kIssued.size() >= groups.size()) return 0;
  for (std::size_t k = 0; k < kIssued.size(); ++k) {
    if (!groups[i + k].upperIs(kIssued[k])) return 0;
  }
  out = {};
  out.phrase = Phrase::kNextIssued;
  if (!readDayTime(groups[i + kIssued.size()].bytes(), out.at, out.minute)) return 0;
  return kIssued.size() + 1;
}

}  // namespace vantrel::taf
