// The driver of the full reading.
//
// Lines, in order: the header line; the wind line; the body lines as the classic reading writes
// them (visibility and runway visual range, weather when there is some, sky, temperature and
// pressure); when present, the body's supplementary groups; NOSIG and the trend sections, each an
// empty line, its heading and its lines; then, only when present, supplementary groups met in a
// trend section, the remarks, and the groups not translated.

#include "metar/full/reader.hpp"

#include "metar/codes/chars.hpp"
#include "metar/full/remarks.hpp"
#include "metar/full/structure_values.hpp"
#include "metar/layout.hpp"
#include "metar/report_groups.hpp"
#include "metar/wording.hpp"

namespace vantrel::full {
namespace {

// Kept inline: each language's reader has its own copy of the loop that asks it.
[[gnu::always_inline]] inline bool isTrendKeyword(const Group& g) {
  switch (g.upperAt(1)) {
    case 'B':
      return g.upperIs("BECMG");
    case 'T':
      return g.upperIs("TEMPO");
    case 'I':
      return g.upperIs("INTER");
    case 'P':
      return g.upperIs("PROB30") || g.upperIs("PROB40");
    default:
      return false;
  }
}

// FMhhmm where a trend section may begin: the Australian form of a trend from a time on.
bool isFromTime(const Group& g) {
  return g.size() == 6 && g.upperSliceIs(1, "FM") && codes::allDigits(g.bytes().substr(2));
}

// METAR or SPECI, a station and an issue time after the first group: where a second report
// begins on the same line, or the number of groups when there is none.
std::size_t secondReportAt(const std::vector<Group>& groups) {
  for (std::size_t k = 1; k + 2 < groups.size(); ++k) {
    const Group& time = groups[k + 2];
    if ((groups[k].upperIs("METAR") || groups[k].upperIs("SPECI")) && groups[k + 1].size() == 4 &&
        time.size() == 7 && time.upperAt(7) == 'Z' && codes::allDigits(time.bytes().substr(0, 6))) {
      return k;
    }
  }
  return groups.size();
}

}  // namespace

template <class W>
void FullReader::notRead(const Group& g) {
  W::appendNotTranslated(notTranslated_, g.bytes(), notTranslated_.empty());
}

template <class W>
void FullReader::read(std::string_view report, bool asciiReport, Writer& writer) {
  explain_ = writer.explaining();
  // The groups; a "=" ends the report, alone or glued to the last group.
  bool typeAgain = false;  // a METAR or SPECI after the first group: maybe a second report
  splitGroups(report, asciiReport, writer, groups_, [&](std::string_view bytes) {
    typeAgain = typeAgain || (bytes.size() == 5 && groups_.size() > 1 &&
                              (groups_.back().upperIs("METAR") || groups_.back().upperIs("SPECI")));
  });
  notTranslated_.clear();
  // A second report on the same line ends the first: its groups are not the first station's
  // weather, and are named as not read.
  secondReport_.clear();
  if (const std::size_t second = typeAgain ? secondReportAt(groups_) : groups_.size();
      second < groups_.size()) {
    secondReport_.assign(groups_.begin() + static_cast<std::ptrdiff_t>(second), groups_.end());
    groups_.resize(second);
  }

  std::size_t i = 0;
  if (!readHeader<W>(writer, i)) {
    writer.refuse();
    return;
  }

  // A missing report (NIL) has nothing but its header; whatever follows it is not read.
  if (reportMissing_) {
    for (; i < groups_.size(); ++i) notRead<W>(groups_[i]);
    writeNotTranslated<W>(writer);
    return;
  }

  // The body: every group up to the trend or the remarks.
  body_.clear();
  supplementary_.clear();
  nosig_.clear();
  readSection<W>(i, Section::kBody);
  // Only the lines that say something: a line of nothing read would only be a gap.
  writeSectionLines(writer, body_);
  // The supplementary groups of the body belong to the observation, before any trend.
  if (!supplementary_.empty()) {
    writer.writeLine(supplementary_);
    supplementary_.clear();
  }

  // The trend: any number of sections (NOSIG was read with the body).
  bool sectionWritten = false;
  TrendKind lastKind = TrendKind::kBecoming;
  bool weatherFound = false;
  while (i < groups_.size() && !isRemarks(groups_[i])) {
    const std::optional<TrendKind> kind = readHeading<W>(i);
    if (!kind) continue;
    if (sectionWritten) {
      writeClosingLines(writer, closingLinesOf(&section_, lastKind == TrendKind::kBecoming, nosig_,
                                               section_.weatherFound && !section_.weather.empty()));
      nosig_.clear();
    }
    writer.write("");
    writer.writeLine(heading_);
    section_.clear();
    becoming_ = *kind == TrendKind::kBecoming;
    readSection<W>(i, Section::kTrend);
    weatherFound = section_.weatherFound;
    sectionWritten = true;
    lastKind = *kind;
  }
  // The body's weather is written already; a section's, only when it says something.
  writeClosingLines(
      writer, closingLinesOf(sectionWritten ? &section_ : nullptr, lastKind == TrendKind::kBecoming,
                             nosig_, weatherFound && !section_.weather.empty()));

  // Supplementary groups of the trend sections, the remarks, and what could not be read.
  if (!supplementary_.empty()) writer.writeLine(supplementary_);
  if (i < groups_.size()) readRemarks<W>(i, writer);
  writeNotTranslated<W>(writer);
}

template <class W>
std::optional<FullReader::TrendKind> FullReader::readHeading(std::size_t& i) {
  const Group& keyword = groups_[i];
  TrendKind kind = TrendKind::kTemporary;
  LineText& heading = heading_;
  heading.clear();
  bool probabilityTempo = false;
  if (keyword.upperIs("BECMG")) {
    kind = TrendKind::kBecoming;
    heading.add(keyword) += W::kBecomingHeading;
  } else if (keyword.upperIs("TEMPO")) {
    heading.add(keyword) += W::kTemporaryHeading;
  } else if (keyword.upperIs("INTER")) {
    heading.add(keyword) += W::kIntermittentHeading;
  } else if (isFromTime(keyword)) {
    W::appendFromHeading(heading.add(keyword), keyword.bytes().substr(2, 2),
                         keyword.bytes().substr(4, 2));
  } else if (keyword.upperIs("PROB30") || keyword.upperIs("PROB40")) {
    const bool temporary = i + 1 < groups_.size() && groups_[i + 1].upperIs("TEMPO");
    W::appendProbabilityHeading(heading.add(keyword), keyword.slice(5, 2), temporary);
    if (temporary) heading.credit(groups_[++i].bytes());
    probabilityTempo = temporary;
  } else {
    notRead<W>(keyword);
    ++i;
    return std::nullopt;
  }
  if (explain_) [[unlikely]]
    explainHeading(heading, keyword, probabilityTempo);
  ++i;
  return kind;
}

template <class W>
void FullReader::readRemarks(std::size_t& i, Writer& writer) {
  remarks_.clear();
  remarks_.add(groups_[i]) += W::kRemarks;
  if (explain_) [[unlikely]]
    explainMarker(remarks_, "remarks");
  ++i;
  const std::span<const Group> all(groups_);
  while (i < groups_.size()) {
    const std::size_t before = remarks_.text().size();
    const std::size_t n = W::readRemark(all, i, remarks_.text());
    if (n == 0 && groups_[i].upperIs("NIL") && i + 1 == groups_.size() &&
        remarks_.text().size() == W::kRemarks.size()) {
      remarks_.add(groups_[i++]) += W::kNoRemarks;  // RMK NIL: no remarks
      if (explain_) [[unlikely]]
        explainMarker(remarks_, "no_remarks");
      continue;
    }
    if (n == 0) {
      remarks_.text().truncate(before);
      notRead<W>(groups_[i]);
      ++i;
      continue;
    }
    // The sentence is written: it began where the text stood before it.
    remarks_.begin(groups_[i].bytes(), before);
    if (explain_) [[unlikely]]
      explainRemark(remarks_, all, i);
    ++i;
    for (std::size_t k = 1; k < n && i < groups_.size(); ++k) remarks_.credit(groups_[i++].bytes());
  }
  writer.writeLine(remarks_);
}

template <class W>
void FullReader::writeNotTranslated(Writer& writer) {
  for (const Group& g : secondReport_) notRead<W>(g);
  if (notTranslated_.empty()) return;
  notTranslated_ += W::kNotTranslatedEnd;
  writer.write(notTranslated_);
}

// [METAR|SPECI] [COR|AMD] CCCC [DDHHMMZ|HHMMZ] [AUTO] [COR] [AMD] [NIL].
template <class W>
bool FullReader::readHeader(Writer& writer, std::size_t& i) {
  header_.clear();
  reportMissing_ = false;
  words::ReportType type = words::ReportType::kMetar;
  LineText& notes = notes_;
  notes.clear();
  auto note = [&](const Group& g) {
    words::HeaderNote kind{};
    if (g.upperIs("AUTO")) {
      kind = words::HeaderNote::kAutomated;
    } else if (g.upperIs("COR") || (g.size() == 3 && g.upperSliceIs(1, "CC") &&
                                    g.upperAt(3) >= 'A' && g.upperAt(3) <= 'Z')) {
      kind = words::HeaderNote::kCorrected;  // COR, and CCA CCB ... of a bulletin heading
    } else if (g.upperIs("AMD")) {
      kind = words::HeaderNote::kAmended;
    } else if (g.upperIs("NIL")) {
      kind = words::HeaderNote::kMissing;
      reportMissing_ = true;
    } else if (g.upperIs("RTD")) {
      kind = words::HeaderNote::kDelayed;
    } else {
      return false;
    }
    W::appendHeaderNote(notes.add(g), kind);
    if (explain_) [[unlikely]]
      explainNote(notes, g.bytes());
    return true;
  };

  for (; i < groups_.size(); ++i) {
    const Group& g = groups_[i];
    if (g.upperIs("METAR") || g.upperIs("SPECI")) {
      if (g.upperIs("SPECI")) type = words::ReportType::kSpeci;
      header_.credit(g.bytes());
    } else if (!(g.upperIs("COR") || g.upperIs("AMD") || g.upperSliceIs(1, "CC")) || !note(g)) {
      break;
    }
  }
  if (i >= groups_.size() || groups_[i].size() != 4) return false;
  const Group station = groups_[i++];

  // The issue time: DDHHMMZ with a day that has an English suffix, or HHMMZ.
  bool timeRead = false;
  if (i < groups_.size()) {
    const Group& t = groups_[i];
    const std::string_view b = t.bytes();
    if (t.upperAt(t.size()) == 'Z' && codes::allDigits(b.substr(0, b.size() - 1))) {
      if (b.size() == 5) {
        W::appendIssueTime(header_.add(t), b.substr(0, 2), b.substr(2, 2), type);
        timeRead = true;
        if (explain_) [[unlikely]] {
          explainIssueTime(header_, type == words::ReportType::kSpeci, {}, b.substr(0, 4));
        }
      } else if (b.size() == 7) {
        const std::string_view d1 = b.substr(0, 1);
        const std::string_view d2 = b.substr(1, 1);
        const std::string_view suffix = W::daySuffix(d1, d2);
        if (!suffix.empty()) {
          W::appendIssueDayAndTime(header_.add(t), d1 == "0" ? d2 : b.substr(0, 2), suffix,
                                   b.substr(2, 2), b.substr(4, 2), type);
          timeRead = true;
          if (explain_) [[unlikely]] {
            explainIssueTime(header_, type == words::ReportType::kSpeci, b.substr(0, 2),
                             b.substr(2, 4));
          }
        }
      }
    }
    if (timeRead) {
      ++i;
    }
  }
  if (timeRead) {
    W::appendStation(header_.add(station), station.bytes());
  } else {
    W::appendHeaderWithoutTime(header_.add(station), type, station.bytes());
  }
  if (explain_) [[unlikely]]
    explainStation(header_, station.bytes());
  while (i < groups_.size() && note(groups_[i])) ++i;
  header_.append(notes_);
  writer.writeLine(header_);
  return true;
}

template <class W>
void FullReader::readSection(std::size_t& i, Section section) {
  SectionText& text = section == Section::kBody ? body_ : section_;
  text.explain = explain_;
  const std::span<const Group> all(groups_);
  while (i < groups_.size()) {
    const Group& g = groups_[i];
    if (isRemarks(g) || isTrendKeyword(g) || (section == Section::kBody && isFromTime(g))) return;
    if (section == Section::kTrend) {
      if (const std::size_t n = readTrendTime<W>(all, i, becoming_, text)) {
        i += n;
        continue;
      }
    }
    // NOSIG (N0SIG with a zero, NOSIC with a C), and the groups some stations write after it, are
    // read with the body.
    if (section == Section::kBody &&
        (g.upperIs("NOSIG") || g.upperIs("N0SIG") || g.upperIs("NOSIC"))) {
      nosig_.add(g) += W::kNosig;
      if (explain_) [[unlikely]]
        explainMarker(nosig_, "no_significant_change");
      ++i;
      continue;
    }
    // Q1008NOSIG: the pressure and NOSIG glued together.
    if (section == Section::kBody && g.size() == 10 && g.upperEndsWith("NOSIG")) {
      const Group pressure(g.bytes().substr(0, 5));
      if (readGroup<W>(std::span<const Group>(&pressure, 1), 0, section, text, supplementary_) ==
          1) {
        text.temperature.credit(g.bytes());
        nosig_.add(g) += W::kNosig;
        if (explain_) [[unlikely]]
          explainMarker(nosig_, "no_significant_change");
        ++i;
        continue;
      }
    }
    const std::size_t n = readGroup<W>(all, i, section, text, supplementary_);
    if (n == 0) {
      notRead<W>(g);
      ++i;
    } else {
      i += n;
    }
  }
}

template void FullReader::read<EnglishWording>(std::string_view, bool, Writer&);
template void FullReader::read<FrenchWording>(std::string_view, bool, Writer&);

}  // namespace vantrel::full
