// Where a remark puts a phenomenon, lightning or cloud: DSNT, VC, OHD, ALQDS, compass points and
// ranges joined by AND or THRU, distances, then MOV and a direction or STNR (FMH-1 12.7).

#include "metar/full/remarks/remark.hpp"

namespace vantrel::remarks {
namespace {

// One of the sixteen points, or a cardinal point written out (NORTH).
codes::Compass pointOf(string_view s) {
  const codes::Compass c = codes::compassOf(s);
  return c != codes::Compass::kNone ? c : codes::compassWordOf(s);
}

Direction rangeOf(string_view s) {
  return Direction{s, codes::Compass::kNone};
}

}  // namespace

bool isDirection(string_view s) {
  if (s.empty()) return false;
  std::size_t start = 0;
  while (true) {
    const std::size_t dash = s.find('-', start);
    const string_view part =
        s.substr(start, dash == string_view::npos ? string_view::npos : dash - start);
    if (pointOf(part) == codes::Compass::kNone) return false;
    if (dash == string_view::npos) return true;
    start = dash + 1;
  }
}

codes::Compass compassPair(string_view a, string_view b) {
  return codes::compassPairOf(codes::compassWordOf(a), codes::compassWordOf(b));
}

bool isKilometres(string_view s) {
  return s.size() >= 3 && endsWith(s, "KM") && allDigits(s.substr(0, s.size() - 2));
}

bool isPlaceWord(string_view s) {
  for (const string_view w : {"DSNT", "DIST", "VC", "OHD", "OVHD", "ALQDS", "ALQS"}) {
    if (is(s, w)) return true;
  }
  return false;
}

std::size_t readPlaces(Groups gs, std::size_t i, Places& places) {
  const std::size_t start = i;
  bool afterDirection = false;  // the place before was a direction
  bool afterAnd = false;        // an AND joins this place to the one before
  while (i < gs.size() && places.count < places.places.size()) {
    const string_view s = at(gs, i);
    Place p;
    p.afterAnd = afterAnd;
    p.afterDirection = afterDirection;
    std::size_t n = 1;
    bool direction = false;
    const auto toPair = [&](codes::Compass c) {
      p.kind = PlaceKind::kDirection;
      p.direction.pair = c;
      direction = true;
    };
    if (is(s, "DSNT") || is(s, "DIST")) {
      p.kind = PlaceKind::kDistant;
    } else if (is(s, "VC")) {
      p.kind = PlaceKind::kVicinity;
    } else if (is(s, "OHD") || is(s, "OVHD")) {
      p.kind = PlaceKind::kOverhead;
      direction = true;  // a direction after it is a second place: "overhead and to the north"
    } else if (is(s, "ALQDS") || is(s, "ALQS")) {
      p.kind = PlaceKind::kAllQuadrants;
      direction = true;
    } else if (const codes::Compass both = compassPair(s, at(gs, i + 1));
               both != codes::Compass::kNone) {
      toPair(both);
      n = 2;
    } else if (isDirection(s)) {
      p.kind = PlaceKind::kDirection;
      p.direction = rangeOf(s);
      direction = true;
    } else if ((is(s, "TO") || is(s, "AT")) &&
               compassPair(at(gs, i + 1), at(gs, i + 2)) != codes::Compass::kNone) {
      toPair(compassPair(at(gs, i + 1), at(gs, i + 2)));
      n = 3;
    } else if ((is(s, "TO") || is(s, "AT")) && isDirection(at(gs, i + 1))) {
      p.kind = PlaceKind::kDirection;
      p.direction = rangeOf(at(gs, i + 1));
      direction = true;
      n = 2;
    } else if (is(s, "AND") && i > start && !afterAnd &&
               (isPlaceWord(at(gs, i + 1)) || isDirection(at(gs, i + 1)) ||
                compassPair(at(gs, i + 1), at(gs, i + 2)) != codes::Compass::kNone)) {
      afterAnd = true;
      ++i;
      continue;
    } else if (is(s, "THRU") && afterDirection && isDirection(at(gs, i + 1))) {
      p.kind = PlaceKind::kThrough;
      p.direction = rangeOf(at(gs, i + 1));
      direction = true;
      n = 2;
    } else if (is(s, "OVER") && is(at(gs, i + 1), "THE") && is(at(gs, i + 2), "FIELD")) {
      p.kind = PlaceKind::kOverTheField;
      n = 3;
    } else if (is(s, "OVER") && (is(at(gs, i + 1), "RWY") || is(at(gs, i + 1), "RUNWAY"))) {
      p.kind = PlaceKind::kOverTheRunway;
      n = 2;
    } else if (is(s, "IN") && is(at(gs, i + 1), "APCH")) {
      p.kind = PlaceKind::kInTheApproach;
      n = 2;
    } else if (is(s, "IN") && is(at(gs, i + 1), "CLIMB") && is(at(gs, i + 2), "OUT")) {
      p.kind = PlaceKind::kInTheClimbOut;
      n = 3;
    } else if (isKilometres(s) && isDirection(at(gs, i + 1))) {
      p.kind = PlaceKind::kKilometres;
      p.kilometres = s.substr(0, s.size() - 2);
      p.direction = rangeOf(at(gs, i + 1));
      direction = true;
      n = 2;
    } else if (is(s, "MOV") && isDirection(at(gs, i + 1)) && i > start && !afterAnd) {
      places.motion = Motion::kMoving;
      places.moving = rangeOf(at(gs, i + 1));
      return i + 2 - start;
    } else if (is(s, "STNR") && i > start && !afterAnd) {
      places.motion = Motion::kStationary;
      return i + 1 - start;
    } else {
      break;
    }
    places.places[places.count++] = p;
    afterDirection = direction;
    afterAnd = false;
    i += n;
  }
  return i - start;
}

}  // namespace vantrel::remarks
