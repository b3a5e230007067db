#pragma once
// The recognisers of the full reading: each knows one family of group forms, wherever the group
// stands in its section, and words what it recognises with the shared vocabulary.

#include <cstddef>
#include <span>

#include "metar/group_cursor.hpp"
#include "metar/layout.hpp"
#include "metar/vocabulary.hpp"

namespace vantrel::full {

// The lines of the report body or of one trend section, and what the recognisers have met in it.
struct SectionText : SectionLines {
  bool visibilityFound = false;  // a second visibility group gives the minimum
  std::string_view visibilityMetres;
  bool cloudFound = false;  // a lone CB or TCU group follows a cloud layer

  void clear() {
    SectionLines::clear();
    visibilityFound = cloudFound = false;
    visibilityMetres = {};
  }
};

// Reads the group at groups[i] (and the groups that belong with it) into `text`, or into
// `supplementary` for recent weather, wind shear, runway state and sea. Returns how many groups
// it took, 0 for a group of no known form.
std::size_t readGroup(std::span<const Group> groups, std::size_t i, Section section,
                      SectionText& text, LineText& supplementary);

// FMhhmm TLhhmm AThhmm of a trend section.
bool readTrendTime(const Group& g, LineText& time);

}  // namespace vantrel::full
