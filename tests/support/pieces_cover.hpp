#pragma once
// What the pieces of an explained translation must be, whatever the report: the sentences of each
// line, in the line's order, make the line (spaces between them and nothing else), and the groups
// of all the pieces are the report's groups, each at least once, none twice in one piece.

#include <string>
#include <string_view>

#include "metar/translate.hpp"

namespace vantrel::test {

// Empty when `explained` (the translation of `report` with Explain::kYes) covers it; otherwise
// what is wrong. `plain` is the same report translated without explaining: the lines must be
// the same.
std::string piecesFault(std::string_view report, const Translation& explained,
                        const Translation& plain);

}  // namespace vantrel::test
