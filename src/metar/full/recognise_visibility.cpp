// Visibility: vvvv, vvvvNDV, vvvvM, vvvvD (D a compass point), ////, CAVOK, [M|P]n[n]SM,
// [M|P]n/nSM, n n/nSM (two groups). Runway visual range:
// Rdd[LCR]/[P|M]vvvv[V[P|M]vvvv][FT][/][U|D|N], Rdd/////.

#include "metar/codes/chars.hpp"
#include "metar/full/recognisers.hpp"

namespace vantrel::full {
namespace {

using codes::allDigits;
using codes::allSlashes;
using codes::Bound;
using codes::endsWith;
using values::Visibility;

}  // namespace

std::size_t readVisibility(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  const SectionFacts& facts = c.facts;
  // Made where it is kept; a group that then fails leaves it for the next recogniser to replace.
  Visibility& v = value.emplace<Visibility>();
  if (u == "CAVOK") {
    v.kind = Visibility::Kind::kCavok;
  } else if (u == "////" || u == "////SM" || u == "////NDV") {
    v.kind = Visibility::Kind::kNotReported;
  } else if (u.size() >= 4 && allDigits(u.substr(0, 4))) {
    v.metres = c.typed().substr(0, 4);
    std::string_view rest = u.substr(4);
    if (rest == "M") rest = {};  // 4000M: metres written out
    if (rest.empty() && facts.visibilityFound) {
      // A second value without a direction, below the first and right after it: the minimum
      // visibility. Four figures anywhere else may be a pressure, a temperature, a height or a
      // time, and are not read.
      if (facts.visibilityMetres.size() != 4 || v.metres >= facts.visibilityMetres ||
          c.i != facts.visibilityEnd) {
        return 0;
      }
      v.kind = Visibility::Kind::kMinimum;
    } else if (rest.empty() || rest == "NDV") {
      if (facts.visibilityFound) return 0;
      v.noDirectionalVariation = !rest.empty();
    } else {
      v.direction = codes::eightPointOf(rest);
      if (v.direction == codes::Compass::kNone) return 0;
      v.kind = Visibility::Kind::kDirectional;
      v.afterAnother = facts.visibilityFound;
    }
  } else {
    // Statute miles, once per section.
    if (!endsWith(u, "SM") || facts.visibilityFound) return 0;
    if (!codes::readMiles(c.typed().substr(0, u.size() - 2), v.miles)) return 0;
    v.kind = Visibility::Kind::kStatuteMiles;
  }
  return 1;
}

// n n/nSM: a whole number of miles, then the fraction.
std::size_t readMilesPair(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  if (c.facts.visibilityFound || u.size() != 1 || !codes::isDigit(u[0]) ||
      c.i + 1 >= c.groups.size()) {
    return 0;
  }
  const std::string_view n = c.groups[c.i + 1].bytes();
  if (n.size() < 5 || !endsWith(n, "SM") || !codes::isFraction(n.substr(0, n.size() - 2))) {
    return 0;
  }
  Visibility v;
  v.kind = Visibility::Kind::kStatuteMiles;
  v.miles.whole = c.typed();
  v.miles.fraction = n.substr(0, n.size() - 2);
  value = v;
  return 2;
}

std::size_t readRunwayRange(const Context& c, values::GroupValue& value) {
  const std::string_view u = c.u;
  const std::string_view typed = c.typed();
  const std::optional<codes::RunwayAt> at = codes::runwayPrefixOf(typed);
  if (u.size() < 8 || !at) return 0;
  const std::size_t slash = at->slash;
  values::RunwayRange range;
  range.runway = at->runway.designator;
  std::string_view rest = u.substr(slash + 1);
  std::string_view typedRest = typed.substr(slash + 1);
  auto drop = [&rest, &typedRest](std::size_t n) {
    rest.remove_suffix(n);
    typedRest.remove_suffix(n);
  };
  // Tendency at the end, with or without a slash before it.
  if (!rest.empty() && (rest.back() == 'U' || rest.back() == 'D' || rest.back() == 'N')) {
    range.tendency = rest.back();
    drop(1);
    if (!rest.empty() && rest.back() == '/' && rest.size() > 4) drop(1);
  }
  if (allSlashes(rest) && rest.size() == 4) {
    value = range;
    return 1;
  }
  if (endsWith(rest, "FT")) {
    range.feet = true;
    drop(2);
  }
  auto readValue = [&rest, &typedRest](Bound& bound, std::string_view& out) {
    bound = Bound::kExact;
    if (!rest.empty() && (rest[0] == 'P' || rest[0] == 'M')) {
      bound = rest[0] == 'P' ? Bound::kMoreThan : Bound::kLessThan;
      rest.remove_prefix(1);
      typedRest.remove_prefix(1);
    }
    if (rest.size() < 4 || !allDigits(rest.substr(0, 4))) return false;
    out = typedRest.substr(0, 4);
    rest.remove_prefix(4);
    typedRest.remove_prefix(4);
    return true;
  };
  if (!readValue(range.lowBound, range.low)) return 0;
  if (!rest.empty()) {
    if (rest[0] != 'V') return 0;
    rest.remove_prefix(1);
    typedRest.remove_prefix(1);
    if (!readValue(range.highBound, range.high) || !rest.empty()) return 0;
  }
  value = range;
  return 1;
}

}  // namespace vantrel::full
