// The driver of the forecast reading.
//
// Lines, in order: the header line; the lines of the conditions forecast for the whole period
// (wind, visibility, weather, sky, then wind shear, icing, turbulence and the lowest altimeter
// setting); each further section as an empty line, its heading and its lines in the same order;
// then, only when present, the temperatures forecast, the forecast's own phrases, the remarks,
// and the groups not translated.

#include "metar/taf/reader.hpp"

#include <array>
#include <cstdint>

#include "metar/codes/chars.hpp"
#include "metar/layout.hpp"
#include "metar/report_groups.hpp"
#include "metar/taf/describe_forecast.hpp"
#include "metar/taf/recognise_forecast.hpp"
#include "metar/wording.hpp"

namespace vantrel::taf {
namespace {

// TAF, METAR or SPECI: most groups are told apart by their first letter.
bool isReportType(const Group& g) {
  switch (g.upperAt(1)) {
    case 'T':
      return g.upperIs("TAF");
    case 'M':
      return g.upperIs("METAR");
    case 'S':
      return g.upperIs("SPECI");
    default:
      return false;
  }
}

// FM or PROB and figures that make no change group (FM256300, PROB50): a section begins there
// whose time or probability is unknown, so none of its groups is read.
bool isBrokenChange(const Group& g) {
  const std::string_view b = g.bytes();
  const std::size_t letters = g.upperSliceIs(1, "FM") ? 2 : g.upperSliceIs(1, "PROB") ? 4 : 0;
  return letters != 0 && b.size() > letters && codes::allDigits(b.substr(letters));
}

// The lengths of group that may stop a section, as bits, by the group's first two bytes (each
// folded to 0 to 31, which makes a letter's two cases one): RMK and RMKS, each section keyword's
// own length, and any length past FM and PROB (a broken time or probability). A length of 31 and
// more is bit 31. Most groups are not in it, and are passed with one look.
using LengthBits = std::array<std::array<std::uint32_t, 32>, 32>;
constexpr LengthBits kStopLengths = [] {
  LengthBits bits{};
  const auto at = [&bits](char first, char second) -> std::uint32_t& {
    return bits[static_cast<unsigned char>(first) & 31U][static_cast<unsigned char>(second) & 31U];
  };
  for (const ChangeEntry& entry : kChanges) at(entry.first, entry.second) |= 1U << entry.size;
  at('R', 'M') |= 1U << 3 | 1U << 4;
  at('F', 'M') |= ~0U << 3;
  at('P', 'R') |= ~0U << 5;
  return bits;
}();

bool mayStopSection(const Group& g) {
  const std::string_view b = g.bytes();
  if (b.size() < 3) return false;
  const std::size_t length = g.size() < 31 ? g.size() : 31;
  return ((kStopLengths[static_cast<unsigned char>(b[0]) & 31U]
                       [static_cast<unsigned char>(b[1]) & 31U] >>
           length) &
          1U) != 0;
}

// A group that may stop a section, looked at closely: why it does, if it does.
[[gnu::noinline]] SectionEnd closeSectionEndAt(std::span<const Group> groups, std::size_t i,
                                               Change& change) {
  const Group& g = groups[i];
  switch (g.upperAt(1)) {
    case 'R':
      return {isRemarks(g) ? SectionEnd::kRemarks : SectionEnd::kNone, 0};
    case 'B':
    case 'F':
    case 'I':
    case 'P':
    case 'T': {
      if (mayBeChange(g)) {
        if (const std::size_t n = readChange(groups, i, change)) return {SectionEnd::kChange, n};
      }
      const char second = g.upperAt(2);
      const bool broken = (second == 'M' || second == 'R') && isBrokenChange(g);
      return {broken ? SectionEnd::kBrokenChange : SectionEnd::kNone, 0};
    }
    default:
      return {};
  }
}

// Whether a section stops at groups[i], and why; a keyword is read once, here, into `change`.
// Inline: it is asked of every group, and most are passed with one look.
[[gnu::always_inline]] inline SectionEnd sectionEndAt(std::span<const Group> groups, std::size_t i,
                                                      Change& change) {
  if (!mayStopSection(groups[i])) [[likely]]
    return {};
  return closeSectionEndAt(groups, i, change);
}

// Explaining: the value's decoded form, on the sentence just begun on `line`.
template <class Value>
[[gnu::cold, gnu::noinline]] void explain(LineText& line, const Value& value) {
  Decoded decoded;
  describe(value, decoded);
  line.describe(std::move(decoded));
}

// Adds the sentence of `value`, worded by `word`, for the `n` groups from groups[i] on.
template <class Value, class Word>
void put(LineText& line, std::span<const Group> groups, std::size_t i, std::size_t n,
         const Value& value, Word word, bool explaining) {
  word(line.add(groups[i]), value);
  for (std::size_t k = 1; k < n; ++k) line.credit(groups[i + k].bytes());
  if (explaining) [[unlikely]]
    explain(line, value);
}

}  // namespace

template <class W>
void TafReader::notRead(const Group& g) {
  W::appendNotTranslated(notTranslated_, g.bytes(), notTranslated_.empty());
}

template <class W>
void TafReader::read(std::string_view report, bool asciiReport, Writer& writer) {
  explain_ = writer.explaining();
  writer.markForecast();
  bool typeAgain = false;  // TAF, METAR or SPECI after the first group: another report begins
  splitGroups(report, asciiReport, writer, groups_, [&](std::string_view bytes) {
    typeAgain = typeAgain || (groups_.size() > 1 && (bytes.size() == 3 || bytes.size() == 5) &&
                              isReportType(groups_.back()));
  });
  notTranslated_.clear();
  // Another report on the same line ends the forecast: its groups are not this forecast's, and
  // are named as not read.
  otherReport_.clear();
  if (typeAgain) {
    std::size_t end = 1;
    while (end < groups_.size() && !isReportType(groups_[end])) ++end;
    otherReport_.assign(groups_.begin() + static_cast<std::ptrdiff_t>(end), groups_.end());
    groups_.resize(end);
  }

  std::size_t i = 0;
  if (!readHeader<W>(writer, i)) {
    writer.refuse();
    return;
  }
  if (missing_) {
    for (; i < groups_.size(); ++i) notRead<W>(groups_[i]);
    writeNotTranslated<W>(writer);
    return;
  }

  temperatures_.clear();
  statements_.clear();
  section_.clear();
  readSection<W>(i);
  writeSection(writer);

  const std::span<const Group> all(groups_);
  while (end_.kind == SectionEnd::kChange || end_.kind == SectionEnd::kBrokenChange) {
    if (end_.kind == SectionEnd::kBrokenChange) {  // its section is not read
      notRead<W>(groups_[i++]);
      end_ = {};
      while (i < groups_.size() && (end_ = sectionEndAt(all, i, next_)).kind == SectionEnd::kNone) {
        notRead<W>(groups_[i++]);
      }
      continue;
    }
    Change& change = next_;
    std::size_t n = end_.n;
    // Four figures where the period should be: in a forecast of the old form, the hhhh period;
    // otherwise the old period or a visibility, which their place does not tell, so they are not
    // read.
    const bool fourFigures = !change.hasPeriod && change.kind != ChangeKind::kFrom &&
                             i + n < groups_.size() && groups_[i + n].size() == 4 &&
                             codes::allDigits(groups_[i + n].bytes());
    if (fourFigures && oldForm_ && readHours(groups_[i + n].bytes(), change.period)) {
      change.hasPeriod = true;
      ++n;
    }
    heading_.clear();
    put(
        heading_, all, i, n, change,
        [](TextBuffer& o, const auto& v) { W::appendChangeHeading(o, v); }, explain_);
    writer.write("");
    writer.writeLine(heading_);
    i += n;
    if (fourFigures && !change.hasPeriod) notRead<W>(groups_[i++]);
    section_.clear();
    readSection<W>(i);
    writeSection(writer);
  }

  if (!temperatures_.empty()) writer.writeLine(temperatures_);
  if (!statements_.empty()) writer.writeLine(statements_);
  if (i < groups_.size()) readRemarks<W>(i, writer);
  writeNotTranslated<W>(writer);
}

template <class W>
bool TafReader::readHeader(Writer& writer, std::size_t& i) {
  header_.clear();
  notes_.clear();
  missing_ = false;
  auto note = [&](const Group& g) {
    words::ForecastNote kind{};
    if (g.upperIs("AMD")) {
      kind = words::ForecastNote::kAmended;
    } else if (g.upperIs("COR")) {
      kind = words::ForecastNote::kCorrected;
    } else if (g.upperIs("RTD")) {
      kind = words::ForecastNote::kDelayed;
    } else if (g.upperIs("NIL")) {
      kind = words::ForecastNote::kMissing;
      missing_ = true;
    } else if (g.upperIs("CNL")) {
      kind = words::ForecastNote::kCancelled;
      missing_ = true;
    } else {
      return false;
    }
    W::appendForecastNote(notes_.add(g), kind);
    if (explain_) [[unlikely]]
      explainForecastNote(notes_, g.bytes());
    return true;
  };

  for (; i < groups_.size(); ++i) {
    const Group& g = groups_[i];
    if (i == 0 && g.upperIs("TAF")) {
      header_.credit(g.bytes());
    } else if (missing_ || !note(g)) {
      break;
    }
  }
  if (i >= groups_.size() || groups_[i].size() != 4) return false;
  const Group& station = groups_[i++];

  DayHour issued;
  std::string_view minute;
  const bool timeRead = i < groups_.size() && readDayTime(groups_[i].bytes(), issued, minute);
  if (timeRead) {
    W::appendForecastIssued(header_.add(groups_[i]), issued, minute);
    if (explain_) [[unlikely]]
      explainIssued(header_, groups_[i].bytes());
    ++i;
  }
  W::appendForecastStation(header_.add(station), station.bytes(), timeRead);
  if (explain_) [[unlikely]]
    explainStation(header_, station.bytes());
  oldForm_ = false;
  if (Period validity; i < groups_.size() && readPeriod(groups_[i].bytes(), validity)) {
    oldForm_ = validity.sameDay;
    W::appendValidity(header_.add(groups_[i]), validity);
    if (explain_) [[unlikely]]
      explain(header_, validity);
    ++i;
  }
  header_.text() += W::kForecastHeaderEnd;
  while (i < groups_.size() && !missing_ && note(groups_[i])) ++i;
  header_.append(notes_);
  writer.writeLine(header_);
  return true;
}

template <class W>
void TafReader::readSection(std::size_t& i) {
  section_.explain = explain_;
  end_ = {};
  const std::span<const Group> all(groups_);
  while (i < groups_.size()) {
    if ((end_ = sectionEndAt(all, i, next_)).kind != SectionEnd::kNone) return;
    const Group& g = groups_[i];
    // VC apart from its weather (VC TSRA): the weather read alone would be at the aerodrome, so
    // neither is read.
    if (g.upperIs("VC")) {
      notRead<W>(g);
      ++i;
      if (i < groups_.size() && sectionEndAt(all, i, next_).kind == SectionEnd::kNone &&
          groups_[i].bytes().find_first_of("0123456789") == std::string_view::npos) {
        notRead<W>(groups_[i++]);
      }
      continue;
    }
    if (const std::size_t n = full::readForecastGroup<W>(all, i, section_)) {
      i += n;
      continue;
    }
    if (ForecastTemperature t; readForecastTemperature(g, t)) {
      put(
          temperatures_, all, i, 1, t,
          [](TextBuffer& o, const auto& v) { W::appendForecastTemperature(o, v); }, explain_);
    } else if (WindShear shear; readWindShear(g, shear)) {
      put(
          section_.temperature, all, i, 1, shear,
          [](TextBuffer& o, const auto& v) { W::appendForecastWindShear(o, v); }, explain_);
    } else if (Layer layer; readLayer(g, layer)) {
      put(
          section_.temperature, all, i, 1, layer,
          [](TextBuffer& o, const auto& v) { W::appendLayer(o, v); }, explain_);
    } else if (LowestAltimeter altimeter; readLowestAltimeter(g, altimeter)) {
      put(
          section_.temperature, all, i, 1, altimeter,
          [](TextBuffer& o, const auto& v) { W::appendLowestAltimeter(o, v); }, explain_);
    } else if (Statement statement; const std::size_t n = readStatement(all, i, statement)) {
      put(
          statements_, all, i, n, statement,
          [](TextBuffer& o, const auto& v) { W::appendStatement(o, v); }, explain_);
      i += n;
      continue;
    } else {
      notRead<W>(g);
    }
    ++i;
  }
}

void TafReader::writeSection(Writer& writer) {
  writeSectionLines(writer, section_);
}

template <class W>
void TafReader::readRemarks(std::size_t& i, Writer& writer) {
  remarks_.clear();
  remarks_.add(groups_[i]) += W::kRemarks;
  if (explain_) [[unlikely]]
    explainRemarksMarker(remarks_);
  ++i;
  const std::span<const Group> all(groups_);
  while (i < groups_.size()) {
    if (Statement statement; const std::size_t n = readStatement(all, i, statement)) {
      put(
          remarks_, all, i, n, statement,
          [](TextBuffer& o, const auto& v) { W::appendStatement(o, v); }, explain_);
      i += n;
    } else {
      notRead<W>(groups_[i++]);
    }
  }
  writer.writeLine(remarks_);
}

template <class W>
void TafReader::writeNotTranslated(Writer& writer) {
  for (const Group& g : otherReport_) notRead<W>(g);
  if (notTranslated_.empty()) return;
  notTranslated_ += W::kNotTranslatedEnd;
  writer.write(notTranslated_);
}

template void TafReader::read<EnglishWording>(std::string_view, bool, Writer&);
template void TafReader::read<FrenchWording>(std::string_view, bool, Writer&);

}  // namespace vantrel::taf
