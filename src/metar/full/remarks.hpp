#pragma once
// The remarks of the full reading: the groups after RMK, mostly in North American practice.

#include <cstddef>
#include <span>
#include <string>

#include "metar/group_cursor.hpp"

namespace vantrel {
struct Decoded;  // metar/decoded.hpp
}  // namespace vantrel

namespace vantrel::full {

// Reads the remark that begins at groups[first] and may take the groups after it (PK WND
// 28045/1715 is one remark of three groups). Appends its sentence (ending in ". ") to `out` and
// returns the number of groups it took, or returns 0 and appends nothing when the group at
// `first` begins no remark of a known form.
[[gnu::hot]] std::size_t readRemark(std::span<const Group> groups, std::size_t first,
                                    TextBuffer& out);

// The same as readRemark, the sentence in French.
[[gnu::hot]] std::size_t readRemarkInFrench(std::span<const Group> groups, std::size_t first,
                                            TextBuffer& out);

// The same remark as readRemark reads at groups[first], its decoded value (docs/json.md) in
// `out` instead of its sentence: the number of groups it took, or 0 and `out` empty.
std::size_t describeRemark(std::span<const Group> groups, std::size_t first, Decoded& out);

}  // namespace vantrel::full
