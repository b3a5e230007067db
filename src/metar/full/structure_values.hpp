#pragma once
// Explaining: the decoded values of the sentences the full reading's driver writes itself (the
// header, the trend headings, NOSIG and the remarks heading) and of the remarks, given to the
// sentence just begun on a line. Called only when explaining, and kept out of the driver's way.

#include <cstddef>
#include <span>
#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/writer.hpp"

namespace vantrel::full {

// METAR or SPECI issued on `day` (empty: no day given) at `time` (hhmm).
[[gnu::cold]] void explainIssueTime(LineText& line, bool speci, std::string_view day,
                                    std::string_view time);
[[gnu::cold]] void explainStation(LineText& line, std::string_view station);
// AUTO, COR, CCA, AMD, NIL, RTD, as typed.
[[gnu::cold]] void explainNote(LineText& line, std::string_view note);
// BECMG, TEMPO, INTER, FMhhmm, PROBnn (with TEMPO: `probabilityTempo`).
[[gnu::cold]] void explainHeading(LineText& line, const Group& keyword, bool probabilityTempo);
// The remark that begins at groups[first].
[[gnu::cold]] void explainRemark(LineText& line, std::span<const Group> groups, std::size_t first);
// A kind with no fields: "remarks", "no_remarks", "no_significant_change".
[[gnu::cold]] void explainMarker(LineText& line, std::string_view kind);

}  // namespace vantrel::full
