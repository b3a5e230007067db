#pragma once
// A report cut into its groups, as the full reading and the forecast reading take it: a "=" ends
// the report, alone (it is then read, and gives no group) or glued to the last group.

#include <string_view>
#include <vector>

#include "metar/group_cursor.hpp"
#include "metar/text.hpp"
#include "metar/writer.hpp"

namespace vantrel {

// RMK (or RMKS, as some stations write it): the remarks begin.
[[gnu::always_inline]] inline bool isRemarks(const Group& g) {
  return g.upperIs("RMK") || g.upperIs("RMKS");
}

// The groups of `report` into `groups`; `onGroup` sees each one as it is added.
template <class OnGroup>
[[gnu::always_inline]] inline void splitGroups(std::string_view report, bool asciiReport,
                                               Writer& writer, std::vector<Group>& groups,
                                               OnGroup onGroup) {
  groups.clear();
  const char* p = report.data();
  const char* const end = p + report.size();
  while (p != end) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    const char* const start = p;
    p = nextSpace(p, end);
    const std::string_view group(start, static_cast<std::size_t>(p - start));
    std::string_view bytes = group;
    if (bytes.back() == '=' &&
        std::string_view(p, static_cast<std::size_t>(end - p)).find_first_not_of(' ') ==
            std::string_view::npos) {
      while (!bytes.empty() && bytes.back() == '=') bytes.remove_suffix(1);
      if (bytes.empty()) {
        writer.markRead(group);
        continue;
      }
    }
    if (asciiReport) {
      groups.emplace_back(bytes, true);
    } else {
      groups.emplace_back(bytes);
    }
    onGroup(bytes);
  }
}

}  // namespace vantrel
