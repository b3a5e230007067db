#include "metar/taf/describe_forecast.hpp"

#include <utility>

#include "metar/describe_parts.hpp"
#include "metar/full/structure_values.hpp"

namespace vantrel::taf {
namespace {

void times(Decoded& out, const DayHour& from, std::string_view fromMinute, const DayHour& to) {
  out.number("from_day", from.day).number("from_hour", from.hour);
  out.number("from_minute", fromMinute);
  out.number("to_day", to.day).number("to_hour", to.hour);
}

constexpr std::string_view kChangeTypes[] = {"FM", "BECMG", "TEMPO", "INTER", "PROB"};

}  // namespace

void describe(const Period& validity, Decoded& out) {
  out.kind = "validity";
  out.number("from_day", validity.from.day).number("from_hour", validity.from.hour);
  // The old ddhhhh gives no day for its end.
  out.number("to_day", validity.sameDay ? std::string_view() : validity.to.day);
  out.number("to_hour", validity.to.hour);
}

void describe(const Change& change, Decoded& out) {
  out.kind = "change";
  const bool probability = change.kind == ChangeKind::kProbability;
  out.text("type", kChangeTypes[static_cast<std::size_t>(change.kind)]);
  if (probability && change.probabilityOf != ChangeKind::kProbability) {
    out.text("with", kChangeTypes[static_cast<std::size_t>(change.probabilityOf)]);
  } else {
    out.null("with");
  }
  out.number("probability", change.probability);
  if (change.kind == ChangeKind::kFrom) {
    times(out, change.from, change.minute, {});
  } else if (change.hasPeriod) {
    // The old ddhhhh gives no day for its end.
    times(
        out, change.period.from, {},
        {change.period.sameDay ? std::string_view() : change.period.to.day, change.period.to.hour});
  } else {
    times(out, {}, {}, {});
  }
}

void describe(const ForecastTemperature& t, Decoded& out) {
  out.kind = t.maximum ? "maximum_temperature" : "minimum_temperature";
  out.number("temperature", describing::scaled(t.degrees, 0, t.belowZero)).text("unit", "C");
  out.number("day", t.at.day).number("hour", t.at.hour);
}

void describe(const WindShear& shear, Decoded& out) {
  out.kind = "wind_shear_aloft";
  out.number("height_ft", describing::feetOfHundreds(shear.height));
  out.number("direction", shear.wind.direction).number("speed", shear.wind.speed.digits);
  out.number("gust", shear.wind.gust.digits).text("unit", "kt");
}

void describe(const LowestAltimeter& altimeter, Decoded& out) {
  out.kind = "lowest_altimeter";
  out.number("pressure", describing::scaled(altimeter.hundredths, 2)).text("unit", "inHg");
}

void describe(const Layer& layer, Decoded& out) {
  out.kind = layer.icing ? "icing" : "turbulence";
  if (layer.code == 10) {
    out.text("code", "X");
  } else {
    out.number("code", static_cast<long long>(layer.code));
  }
  out.number("base_ft", describing::feetOfHundreds(layer.base));
  out.number("thickness_ft", std::string(layer.thickness) + "000");
}

void describe(const Statement& statement, Decoded& out) {
  constexpr std::string_view kPhrases[] = {
      "amendments_not_scheduled", "amendments_limited", "based_on_automated_observations",
      "forecast_not_available",   "next_forecast_by",   "next_forecast_issued"};
  out.kind = kPhrases[static_cast<std::size_t>(statement.phrase)];
  if (!statement.minute.empty()) {
    out.number("day", statement.at.day);
    out.text("time", std::string(statement.at.hour) + std::string(statement.minute));
  }
}

void explainIssued(LineText& line, std::string_view group) {
  Decoded d;
  d.kind = "issue_time";
  d.text("type", "TAF");
  d.number("day", group.substr(0, 2));
  d.text("time", group.substr(2, 4));
  line.describe(std::move(d));
}

void explainStation(LineText& line, std::string_view station) {
  full::explainStation(line, station);
}

void explainForecastNote(LineText& line, std::string_view note) {
  full::explainNote(line, note);
}

void explainRemarksMarker(LineText& line) {
  full::explainMarker(line, "remarks");
}

}  // namespace vantrel::taf
