#include "metar/sentence_shapes.hpp"

#include "metar/codes/chars.hpp"

namespace vantrel::words {

std::string_view BoundWords::of(codes::Bound bound) const {
  switch (bound) {
    case codes::Bound::kLessThan:
      return lessThan;
    case codes::Bound::kMoreThan:
      return moreThan;
    case codes::Bound::kExact:
      break;
  }
  return {};
}

void appendRunwayRange(TextBuffer& out, const values::RunwayRange& range,
                       const RunwayRangeWords& w) {
  if (!range.low.empty() && range.lowBound == codes::Bound::kExact && range.high.empty() &&
      !range.feet && range.tendency == 0) {
    w.classic(out, range.runway, range.low);
    return;
  }
  appendText(out, w.visualRange, range.runway);
  if (range.low.empty()) {
    appendText(out, w.is, w.notReported, w.stop);
    return;
  }
  if (range.high.empty()) {
    appendText(out, w.is, w.bounds.of(range.lowBound), range.low);
  } else {
    appendText(out, w.variesFrom, w.bounds.of(range.lowBound), range.low, w.to,
               w.bounds.of(range.highBound), range.high);
  }
  out += range.feet ? w.feet : w.metres;
  if (range.tendency == 'U') out += w.increasing;
  if (range.tendency == 'D') out += w.decreasing;
  if (range.tendency == 'N') out += w.noDistinctChange;
  out += w.stop;
}

namespace {

// "Runway 27L", "All runways", "Runway of the last report", and the right-hand runway of the
// old eight figures (82: "Runway 32R").
void appendRunwayName(TextBuffer& out, const codes::Runway& runway, const RunwayStateWords& w) {
  switch (runway.kind) {
    case codes::Runway::Kind::kAll:
      out += w.allRunways;
      return;
    case codes::Runway::Kind::kRepeated:
      out += w.runwayOfLastReport;
      return;
    case codes::Runway::Kind::kOne:
      break;
  }
  out += w.runway;
  if (runway.rightHand == 0) {
    out += runway.designator;
    return;
  }
  const char digits[2] = {static_cast<char>('0' + runway.rightHand / 10),
                          static_cast<char>('0' + runway.rightHand % 10)};
  appendText(out, std::string_view(digits, 2), w.rightHandSide);
}

void appendDepth(TextBuffer& out, std::string_view d, const RunwayStateWords& w) {
  if (d == "00") {
    out += w.depthLessThan1;
  } else if (d == "99") {
    out += w.runwayNotOperational;
  } else if (d == "//") {
    out += w.depthNotMeasurable;
  } else if (d >= "92" && d <= "98") {
    // 92 to 98 stand for 10 to 40 cm in steps of 5 cm.
    constexpr std::array<Fragment, 7> kCentimetres = {"10", "15", "20", "25", "30", "35", "40"};
    appendText(out, w.depthIs, kCentimetres[static_cast<std::size_t>(d[1] - '2')], w.centimetres);
  } else if (d != "91") {
    appendText(out, w.depthIs, d, w.millimetres);
  }
}

}  // namespace

void appendRunwayState(TextBuffer& out, const values::RunwayState& state,
                       const RunwayStateWords& w) {
  if (state.aerodromeClosedBySnow) {
    out += w.aerodromeClosedBySnow;
    return;
  }
  appendRunwayName(out, state.runway, w);
  out += w.colon;
  if (state.closedBySnow) {
    appendText(out, w.closedBySnow, w.stop);
    return;
  }
  if (state.cleared) {
    out += w.cleared;
  } else {
    if (state.deposit >= '0' && state.deposit <= '9') {
      out += w.deposits[static_cast<std::size_t>(state.deposit - '0')];
    } else {
      out += w.depositNotReported;
    }
    constexpr std::string_view kExtents = "1259";
    if (const std::size_t e = kExtents.find(state.extent); e != std::string_view::npos) {
      appendText(out, w.extents[e], w.covered);
    }
    appendDepth(out, state.depth, w);
  }
  const std::string_view b = state.braking;
  if (b == "//") {
    out += w.brakingNotReported;
  } else if (b == "99") {
    out += w.brakingUnreliable;
  } else if (b >= "91" && b <= "95") {
    out += w.braking[static_cast<std::size_t>(b[1] - '1')];
  } else {
    appendText(out, w.friction, b);
  }
  out += w.stop;
}

void appendSea(TextBuffer& out, const values::Sea& sea, const SeaWords& w) {
  if (sea.temperature.digits.empty()) {
    out += w.temperatureNotReported;
  } else {
    appendText(out, w.temperatureIs, sea.temperature.belowZero ? w.minus : Fragment(),
               sea.temperature.digits, w.degrees);
  }
  if (!sea.waveHeight.empty()) {
    appendText(out, w.waveHeight, sea.waveHeight, w.decimetres);
  } else if (sea.state >= '0' && sea.state <= '9') {
    appendText(out, w.stateOfTheSea, w.states[static_cast<std::size_t>(sea.state - '0')]);
  } else {
    out += w.stateNotReported;
  }
  out += w.stop;
}

void appendDirections(TextBuffer& out, const values::Directions& d, const DirectionsWords& w) {
  const std::size_t start = out.size();
  for (std::size_t i = 0; i < d.subjectCount; ++i) {
    if (i != 0) out += w.andWord;
    if (d.subjects[i].isWeather) {
      w.weather(out, d.subjects[i].weather);
    } else {
      out += w.clouds[static_cast<std::size_t>(d.subjects[i].cloud)];
    }
  }
  out[start] = asciiUpper(out[start]);
  if (d.count == 0 && d.overField) {
    appendText(out, w.overAerodrome, w.stop);
    return;
  }
  if (d.distant) out += w.inTheDistance;
  out += w.toThe;
  for (std::size_t i = 0; i < d.count; ++i) {
    if (i != 0) out += i + 1 == d.count ? w.andWord : w.comma;
    out += w.direction(d.directions[i]);
  }
  out += w.stop;
}

void appendForecastStation(TextBuffer& out, std::string_view station, bool issued,
                           const ForecastWords& w) {
  out += issued ? w.stationFor : w.forecastFor;
  const std::size_t at = out.size();
  out += station;
  for (std::size_t i = at; i < out.size(); ++i) out[i] = asciiUpper(out[i]);
}

void appendChangeHeading(TextBuffer& out, const taf::Change& change, const ForecastWords& w) {
  out += w.headings[static_cast<std::size_t>(change.kind)];
  if (change.kind == taf::ChangeKind::kFrom) {
    w.fromTime(out, change);
    out += w.headingEnd;
    return;
  }
  if (change.kind == taf::ChangeKind::kProbability) {
    appendText(out, change.probability, w.percent);
    // PROB30 TEMPO, PROB30 INTER.
    if (change.probabilityOf != taf::ChangeKind::kProbability) {
      appendText(out, w.then, w.headings[static_cast<std::size_t>(change.probabilityOf)]);
    }
  }
  if (change.hasPeriod) w.changePeriod(out, change.period);
  out += w.headingEnd;
}

void appendForecastWindShear(TextBuffer& out, const taf::WindShear& shear, const ForecastWords& w) {
  const std::string_view unit = w.speedUnits[static_cast<std::size_t>(shear.wind.unit)];
  out += w.windShearAt;
  appendHundredsOfFeet(out, shear.height, w.thousands, w.hundreds);
  appendText(out, w.feetWindFrom, shear.wind.direction, w.degreesAt,
             shear.wind.speed.above ? w.moreThan.view() : "", shear.wind.speed.digits, unit);
  if (!shear.wind.gust.digits.empty()) {
    appendText(out, w.gustsAt, shear.wind.gust.above ? w.moreThan.view() : "",
               shear.wind.gust.digits, unit);
  }
  out += w.stop;
}

void appendLayer(TextBuffer& out, const taf::Layer& layer, const ForecastWords& w) {
  out += layer.icing ? w.icing[layer.code] : w.turbulence[layer.code];
  if (codes::allZeros(layer.base)) {
    out += w.fromTheSurface;
  } else {
    out += w.fromHeight;
    appendHundredsOfFeet(out, layer.base, w.thousands, w.hundreds);
    out += w.feet;
  }
  appendText(out, w.inALayer, layer.thickness, w.thousandFeetThick);
}

void appendStatement(TextBuffer& out, const taf::Statement& statement, const ForecastWords& w) {
  switch (statement.phrase) {
    case taf::Phrase::kNextBy:
    case taf::Phrase::kNextIssued:
      out += statement.phrase == taf::Phrase::kNextBy ? w.nextBy : w.nextIssued;
      w.dayTime(out, statement.at, statement.minute);
      out += w.stop;
      return;
    case taf::Phrase::kAmendmentsNotScheduled:
    case taf::Phrase::kAmendmentsLimited:
    case taf::Phrase::kBasedOnAutomated:
    case taf::Phrase::kNotAvailable:
      out += w.phrases[static_cast<std::size_t>(statement.phrase)];
      return;
  }
}

}  // namespace vantrel::words
