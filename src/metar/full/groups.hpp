#pragma once
// The groups of the report body and of the trend sections in the full reading: each recognised
// by the table of recognisers, worded, and put on its line.

#include <cstddef>
#include <span>

#include "metar/full/recognisers.hpp"
#include "metar/group_cursor.hpp"
#include "metar/layout.hpp"

namespace vantrel::full {

// The lines of the report body or of one trend section, and what the recognisers have met in it.
struct SectionText : SectionLines {
  SectionFacts facts;
  bool explain = false;  // each sentence also keeps its decoded value

  void clear() {
    SectionLines::clear();
    facts = {};
    explain = false;
  }
};

// Reads the group at groups[i] (and the groups that belong with it) onto the lines of `text`, or
// onto `supplementary` for recent weather, wind shear, runway state, sea and rainfall. Returns how
// many groups it took, 0 for a group of no known form. `W` is the wording of a language
// (wording.hpp).
template <class W>
[[gnu::hot]] std::size_t readGroup(std::span<const Group> groups, std::size_t i, Section section,
                                   SectionText& text, LineText& supplementary);

// Reads the group at groups[i] of a forecast's section onto the lines of `text`, when it is one
// of the conditions a forecast gives (wind, visibility, weather, cloud). Returns how many groups
// it took, 0 for any other.
template <class W>
std::size_t readForecastGroup(std::span<const Group> groups, std::size_t i, SectionText& text);

// The times of a trend section onto `time`, and its turbulence onto its weather line; in a
// BECMG section TL is when the change is complete. Returns how many groups it took.
template <class W>
std::size_t readTrendTime(std::span<const Group> groups, std::size_t i, bool becoming,
                          SectionText& text);

}  // namespace vantrel::full
