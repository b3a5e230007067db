// The decoded value of each kind of group of the body, the trend sections and the supplementary
// groups (docs/json.md, "Decoded values"): made from the typed values, in the report's units.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "metar/codes/chars.hpp"
#include "metar/codes/cloud.hpp"
#include "metar/codes/colour.hpp"
#include "metar/describe.hpp"
#include "metar/describe_parts.hpp"

namespace vantrel {
namespace {

using namespace describing;  // NOLINT(google-build-using-namespace): the helpers of this file

std::string_view speedUnit(codes::SpeedUnit unit) {
  switch (unit) {
    case codes::SpeedUnit::kKnots:
      return "kt";
    case codes::SpeedUnit::kKilometresPerHour:
      return "km/h";
    case codes::SpeedUnit::kMetresPerSecond:
      return "m/s";
  }
  return {};
}

// [M]TT: "-3", "12"; empty for not reported.
std::string degrees(const values::Degrees& d) {
  if (d.digits.empty()) return {};
  std::string out(d.belowZero ? "-" : "");
  out += d.digits;
  return out;
}

// One character of a code table; '/' (not reported) gives empty.
std::string_view codeChar(const char& c) {
  return c == '/' || c == 0 ? std::string_view() : std::string_view(&c, 1);
}

std::string_view noSlashes(std::string_view s) {
  return codes::allSlashes(s) ? std::string_view() : s;
}

std::string hhmm(std::string_view hour, std::string_view minute) {
  std::string out(hour);
  out += minute;
  return out;
}

struct Describer {
  Decoded& out;

  void operator()(const values::Wind& w) const {
    out.kind = "wind";
    out.number("direction", w.direction);
    out.number("speed", w.speed.digits);
    out.number("gust", w.gust.digits);
    // ///// gives no unit, and /////KT none worth keeping: a unit only beside a value.
    const bool nothing = w.direction.empty() && !w.variable && w.speed.digits.empty();
    out.text("unit", nothing ? std::string_view() : speedUnit(w.unit));
    if (w.speed.above) out.text("speed_qualifier", "P");
    if (w.gust.above) out.text("gust_qualifier", "P");
    if (w.variable) out.boolean("variable", true);
  }

  void operator()(const values::WindVariation& v) const {
    out.kind = "wind_variation";
    out.number("from", v.from);
    out.number("to", v.to);
  }

  void operator()(const values::Visibility& v) const {
    using Kind = values::Visibility::Kind;
    switch (v.kind) {
      case Kind::kCavok:
        out.kind = "cavok";
        return;
      case Kind::kNotReported:
        out.kind = "visibility";
        out.null("distance").null("unit").null("qualifier");
        return;
      case Kind::kMetres:
        out.kind = "visibility";
        out.number("distance", v.metres).text("unit", "m");
        out.text("qualifier", v.noDirectionalVariation ? "NDV" : "");
        return;
      case Kind::kMinimum:
      case Kind::kDirectional:
        if (v.kind == Kind::kMinimum || v.afterAnother) {
          out.kind = "minimum_visibility";
          out.number("distance", v.metres).text("unit", "m");
        } else {
          out.kind = "visibility";
          out.number("distance", v.metres).text("unit", "m").null("qualifier");
        }
        out.text("direction", compassCode(v.direction));
        return;
      case Kind::kStatuteMiles:
        break;
    }
    out.kind = "visibility";
    out.number("distance", milesNumber(v.miles)).text("unit", "SM");
    out.text("qualifier", boundCode(v.miles.bound));
    if (const std::string written = milesFraction(v.miles); !written.empty()) {
      out.text("written", written);
    }
  }

  void operator()(const values::RunwayRange& r) const {
    out.kind = "runway_visual_range";
    out.text("runway", upper(r.runway));
    out.number("distance", r.low);
    out.text("qualifier", r.low.empty() ? "" : boundCode(r.lowBound));
    out.number("max_distance", r.high);
    out.text("max_qualifier", r.high.empty() ? "" : boundCode(r.highBound));
    out.text("unit", r.low.empty() ? "" : (r.feet ? "ft" : "m"));
    out.text("tendency", codeChar(r.tendency));
  }

  void operator()(const values::PresentWeather& w) const {
    using Kind = values::PresentWeather::Kind;
    switch (w.kind) {
      case Kind::kNotObserved:
        out.kind = "weather";
        out.null("intensity").null("vicinity").null("descriptor").null("phenomena");
        return;
      case Kind::kNoSignificant:
        out.kind = "no_significant_weather";
        return;
      case Kind::kNil:
        out.kind = "no_weather";
        return;
      case Kind::kCode:
        break;
    }
    out.kind = "weather";
    out.text("intensity", intensityCode(w.code)).boolean("vicinity", w.code.vicinity);
    out.text("descriptor", descriptorCode(w.code)).text("phenomena", phenomenaCodes(w.code));
  }

  static std::string_view cloudType(codes::CloudType type) {
    switch (type) {
      case codes::CloudType::kCumulonimbus:
        return "CB";
      case codes::CloudType::kToweringCumulus:
        return "TCU";
      case codes::CloudType::kNotReported:
        return "///";
      case codes::CloudType::kNone:
        break;
    }
    return {};
  }

  void operator()(const values::Cloud& c) const {
    using Kind = values::Cloud::Kind;
    switch (c.kind) {
      case Kind::kSkyClear:
        out.kind = "sky_clear";
        return;
      case Kind::kClearBelow12000:
        out.kind = "clear_below_12000_ft";
        return;
      case Kind::kNoSignificant:
        out.kind = "no_significant_cloud";
        return;
      case Kind::kNoneDetected:
        out.kind = "no_cloud_detected";
        return;
      case Kind::kTypeOfLayer:
        out.kind = "cloud_type";
        out.text("type", cloudType(c.type));
        return;
      case Kind::kVerticalVisibility:
        out.kind = "vertical_visibility";
        out.number("height_ft", feetOfHundreds(c.height));
        return;
      case Kind::kNotReported:
        out.kind = "cloud";
        out.null("amount").null("height_ft").null("type");
        return;
      case Kind::kLayer:
        break;
    }
    out.kind = "cloud";
    out.text("amount",
             c.amountGiven ? codes::kCloudCodes[static_cast<std::size_t>(c.amount)].code : "");
    out.number("height_ft", feetOfHundreds(c.height));
    out.text("type", cloudType(c.type));
  }

  void operator()(const values::Directions& d) const {
    out.kind = "directions";
    std::string subjects;
    for (std::size_t i = 0; i < d.subjectCount; ++i) {
      if (i != 0) subjects += ' ';
      const values::PlacedSubject& s = d.subjects[i];
      subjects += s.isWeather ? weatherCode(s.weather) : std::string(cloudType(s.cloud));
    }
    std::string points;
    for (std::size_t i = 0; i < d.count; ++i) {
      if (i != 0) points += ' ';
      points += compassCode(d.directions[i]);
    }
    out.text("subject", subjects).boolean("distant", d.distant);
    out.text("directions", points).boolean("over_aerodrome", d.overField);
  }

  void operator()(const values::Temperature& t) const {
    out.kind = "temperature";
    out.number("air", degrees(t.air)).number("dew_point", degrees(t.dewPoint)).text("unit", "C");
  }

  void operator()(const values::Pressure& p) const {
    out.kind = "pressure";
    if (p.missing) {
      out.null("value");
    } else if (p.altimeter) {
      out.number("value", scaled(p.value(), 2));
    } else {
      out.number("value", p.value());
    }
    out.text("unit", p.altimeter ? "inHg" : "hPa");
  }

  void operator()(const values::RecentWeather& r) const {
    out.kind = "recent_weather";
    if (r.notReported) {
      out.null("descriptor").null("phenomena");
      return;
    }
    out.text("descriptor", descriptorCode(r.code)).text("phenomena", phenomenaCodes(r.code));
  }

  void operator()(const values::WindShear& s) const {
    out.kind = "wind_shear";
    out.text("runway", upper(s.runway)).boolean("all_runways", s.runway.empty());
  }

  void operator()(const values::RunwayState& s) const {
    if (s.aerodromeClosedBySnow) {
      out.kind = "aerodrome_closed_by_snow";
      return;
    }
    out.kind = "runway_state";
    if (s.runway.rightHand != 0) {
      const std::array<char, 3> r = {static_cast<char>('0' + s.runway.rightHand / 10),
                                     static_cast<char>('0' + s.runway.rightHand % 10), 'R'};
      out.text("runway", std::string_view(r.data(), r.size()));
    } else {
      out.text("runway", upper(s.runway.designator));
    }
    out.boolean("closed_by_snow", s.closedBySnow).boolean("cleared", s.cleared);
    const bool deposit = !s.closedBySnow && !s.cleared;
    out.text("deposit", deposit ? codeChar(s.deposit) : "");
    out.text("extent", deposit ? codeChar(s.extent) : "");
    const std::string_view depth = deposit ? noSlashes(s.depth) : std::string_view();
    out.text("depth", depth);
    // WMO code table 1079: 00 less than 1 mm, 01 to 90 millimetres, 92 to 98 10 to 40 cm in
    // steps of 5; 91 is not used, 99 the runway not operational.
    if (depth.size() == 2 && codes::allDigits(depth) && depth <= "90") {
      out.number("depth_mm", depth);
    } else if (depth.size() == 2 && depth >= "92" && depth <= "98") {
      out.number("depth_mm", (depth[1] - '0') * 50LL);
    } else {
      out.null("depth_mm");
    }
    const std::string_view braking = s.closedBySnow ? std::string_view() : noSlashes(s.braking);
    out.text("braking", braking);
    // Table 0366: 01 to 90 the friction coefficient in hundredths, 91 to 95 the braking action,
    // 99 unreliable.
    if (braking.size() == 2 && codes::allDigits(braking) && braking <= "90") {
      out.number("friction", scaled(braking, 2));
    } else {
      out.null("friction");
    }
    constexpr std::array<std::string_view, 5> kActions = {"poor", "medium_to_poor", "medium",
                                                          "medium_to_good", "good"};
    if (braking.size() == 2 && braking >= "91" && braking <= "95") {
      out.text("braking_action", kActions[static_cast<std::size_t>(braking[1] - '1')]);
    } else {
      out.text("braking_action", braking == "99" ? "unreliable" : "");
    }
  }

  void operator()(const values::Sea& s) const {
    out.kind = "sea";
    out.number("temperature", degrees(s.temperature)).text("unit", "C");
    out.text("state", s.waveHeight.empty() ? codeChar(s.state) : "");
    out.number("wave_height_dm", s.waveHeight);
  }

  void operator()(const values::ColourState& c) const {
    out.kind = "colour_state";
    out.text("colour", codes::kColourCodes[c.colour]).boolean("black", c.black);
  }

  void operator()(const values::Rainfall& r) const {
    out.kind = "rainfall";
    // The point may be written as a slash: RF00/4/012/6.
    auto amount = [](std::string_view s) {
      std::string a(s);
      for (char& c : a) {
        if (c == '/') c = '.';
      }
      return a;
    };
    out.number("last_10_minutes_mm", amount(r.lastTenMinutes()));
    out.number("since_9am_mm", amount(r.since9()));
  }

  void operator()(const values::ElementNotReported& /*unused*/) const {
    out.kind = "element_not_reported";
  }
};

}  // namespace

void describe(const values::GroupValue& value, Decoded& out) {
  out.clear();
  std::visit(Describer{out}, value);
}

void describe(const values::TrendTime& time, Decoded& out) {
  using Kind = values::TrendTime::Kind;
  out.clear();
  out.kind = "trend_time";
  const std::string at = hhmm(time.hour, time.minute);
  out.text("from", time.kind == Kind::kFrom || time.kind == Kind::kPeriod ? at : "");
  if (time.kind == Kind::kPeriod) {
    out.text("until", hhmm(time.untilHour, time.untilMinute));
  } else {
    out.text("until", time.kind == Kind::kUntil ? at : "");
  }
  out.text("at", time.kind == Kind::kAt ? at : "");
}

void describe(const values::Turbulence& t, Decoded& out) {
  using Level = values::Turbulence::Level;
  out.clear();
  out.kind = "turbulence";
  out.text("intensity", t.severe ? "SEV" : "MOD");
  out.number("below_ft", t.level == Level::kBelow ? t.feet : std::string_view());
  out.number("above_ft", t.level == Level::kAbove ? t.feet : std::string_view());
  out.text("from", hhmm(t.fromHour, t.fromMinute));
  out.text("until", hhmm(t.untilHour, t.untilMinute));
}

}  // namespace vantrel
