// The decoded value of each kind of remark (docs/json.md, "Decoded values"): made from the value
// its reader returns, numbers in the units the remark gives, with the scaling its code defines
// (SLP199 is 1019.9 hectopascals, P0016 0.16 inches), codes in capitals as the report writes them.

#include <cstddef>
#include <string>
#include <string_view>

#include "metar/codes/cloud.hpp"
#include "metar/decoded.hpp"
#include "metar/describe_parts.hpp"
#include "metar/remark_kinds.hpp"
#include "metar/remark_vocabulary.hpp"

namespace vantrel::remarks {
namespace {

using describing::upper;

// -8.9 from Tenths{true, "089"}.
std::string celsius(const Tenths& t) {
  return describing::scaled(t.digits, 1, t.negative);
}

// A point of a direction, in any spelling (NE, north), as its code.
std::string_view pointCode(string_view s) {
  codes::Compass c = codes::compassOf(s);
  if (c == codes::Compass::kNone) c = codes::compassWordOf(s);
  return describing::compassCode(c);
}

// NE, NE-SE-SW, NORTH EAST as codes: "NE", "NE-SE-SW".
std::string directionCode(const Direction& d) {
  if (d.pair != codes::Compass::kNone) return std::string(describing::compassCode(d.pair));
  std::string out;
  for (std::size_t start = 0;;) {
    const std::size_t dash = d.range.find('-', start);
    if (start > 0) out += '-';
    out += pointCode(d.range.substr(start, dash - start));
    if (dash == string_view::npos) return out;
    start = dash + 1;
  }
}

// The places as FMH-1 writes them, one space between: "DSNT NE-SE", "OHD AND NE-E", "10KM N-NE".
std::string placesCode(const Places& places) {
  std::string out;
  auto word = [&out](string_view w) {
    if (!out.empty()) out += ' ';
    out += w;
  };
  for (std::size_t i = 0; i < places.count; ++i) {
    const Place& p = places.places[i];
    if (p.afterAnd) word("AND");
    switch (p.kind) {
      case PlaceKind::kDistant:
        word("DSNT");
        break;
      case PlaceKind::kVicinity:
        word("VC");
        break;
      case PlaceKind::kOverhead:
        word("OHD");
        break;
      case PlaceKind::kAllQuadrants:
        word("ALQDS");
        break;
      case PlaceKind::kOverTheField:
        word("OVER THE FIELD");
        break;
      case PlaceKind::kOverTheRunway:
        word("OVER RWY");
        break;
      case PlaceKind::kInTheApproach:
        word("IN APCH");
        break;
      case PlaceKind::kInTheClimbOut:
        word("IN CLIMB OUT");
        break;
      case PlaceKind::kDirection:
        word(directionCode(p.direction));
        break;
      case PlaceKind::kThrough:
        word("THRU");
        word(directionCode(p.direction));
        break;
      case PlaceKind::kKilometres: {
        std::string km(p.kilometres);
        km += "KM";
        word(km);
        word(directionCode(p.direction));
        break;
      }
    }
  }
  return out;
}

// "places", "moving", "stationary".
void describePlaces(const Places& places, Decoded& out) {
  out.text("places", placesCode(places));
  out.text("moving", places.motion == Motion::kMoving ? directionCode(places.moving) : "");
  out.boolean("stationary", places.motion == Motion::kStationary);
}

string_view skyCover(std::uint8_t i) {
  return kSkyCoverCodes[i];
}

// A distance in metres or statute miles, with the fields of the body's visibility: "distance",
// then "qualifier" and, for a fraction, "written" under the names given.
void metres(Decoded& out, string_view distance, const MetresValue& m) {
  out.number(distance, m.digits);
}
void miles(Decoded& out, string_view distance, string_view qualifier, string_view written,
           const codes::Miles& m) {
  out.number(distance, describing::milesNumber(m));
  out.text(qualifier, describing::boundCode(m.bound));
  if (const std::string w = describing::milesFraction(m); !w.empty()) out.text(written, w);
}

std::string_view windUnit(WindUnit unit) {
  return unit == WindUnit::kKnots ? "kt" : "m/s";
}

std::string_view sightCode(const Sight& s, std::string& buffer) {
  if (s.own) return kSightCodes[*s.own];
  buffer = describing::weatherCode(s.weather);
  return buffer;
}

}  // namespace

// --- Numeric groups -------------------------------------------------------------------------

void describe(const SeaLevelPressure& v, Decoded& out) {
  out.clear();
  out.kind = "sea_level_pressure";
  // FMH-1: the tenths of a hectopascal without the leading 9 or 10.
  std::string value(v.below1000 ? "9" : "10");
  value += describing::scaled(v.tenths, 1);
  out.number("value", value).text("unit", "hPa");
}

void describe(const Temperature& v, Decoded& out) {
  out.clear();
  out.kind = "hourly_temperature";
  out.number("air", celsius(v.air));
  out.number("dew_point", v.dewPoint ? celsius(*v.dewPoint) : std::string());
  out.text("unit", "C");
}

void describe(const Amount& v, Decoded& out) {
  out.clear();
  bool hasTrace = true;  // all zeros are a trace
  switch (v.kind) {
    case AmountKind::kHourlyPrecipitation:
      out.kind = "hourly_precipitation";
      break;
    case AmountKind::kPeriodPrecipitation:
      out.kind = "precipitation_3_or_6h";
      break;
    case AmountKind::kDailyPrecipitation:
      out.kind = "precipitation_24h";
      hasTrace = false;
      break;
    case AmountKind::kSnowfall6h:
      out.kind = "snowfall_6h";
      break;
    case AmountKind::kSnowWater:
      out.kind = "snow_water_equivalent";
      hasTrace = false;
      break;
    case AmountKind::kIce1h:
      out.kind = "ice_accretion_1h";
      break;
    case AmountKind::kIce3h:
      out.kind = "ice_accretion_3h";
      break;
    case AmountKind::kIce6h:
      out.kind = "ice_accretion_6h";
      break;
  }
  // All zeros are a trace where the kind has one, as the wording says (remark_vocabulary.hpp:
  // not the 24-hour precipitation nor the water equivalent of the snow, where zero is zero).
  out.number("value", v.missing ? std::string() : describing::scaled(v.digits, v.decimals));
  out.text("unit", "in");
  out.boolean("trace", hasTrace && v.zero && !v.missing);
}

void describe(const Altimeter& v, Decoded& out) {
  out.clear();
  out.kind = "pressure";
  out.number("value", describing::scaled(string_view(v.hundredths.data(), 4), 2));
  out.text("unit", "inHg");
}

void describe(const Qnh& v, Decoded& out) {
  out.clear();
  out.kind = "pressure";
  out.number("value", v.hectopascals).text("unit", "hPa");
}

void describe(const CloudBase& v, Decoded& out) {
  out.clear();
  out.kind = "cloud_base";
  out.number("height_m", v.metres);
}

void describe(const Qfe& v, Decoded& out) {
  out.clear();
  out.kind = "qfe";
  out.number("value_mmhg", v.millimetres).number("value_hpa", v.hectopascals);
}

void describe(const ExtremeTemperature6h& v, Decoded& out) {
  out.clear();
  out.kind = v.maximum ? "maximum_temperature_6h" : "minimum_temperature_6h";
  out.number("value", celsius(v.value)).text("unit", "C");
}

void describe(const Extremes24h& v, Decoded& out) {
  out.clear();
  out.kind = "temperature_extremes_24h";
  out.number("maximum", celsius(v.maximum)).number("minimum", celsius(v.minimum));
  out.text("unit", "C");
}

void describe(const Tendency& v, Decoded& out) {
  out.clear();
  out.kind = "pressure_tendency";
  if (v.missing) {
    out.null("characteristic").null("change");
  } else {
    out.number("characteristic", static_cast<long long>(v.characteristic));
    // Table 0200: 5 to 8 lower than 3 hours ago, the change negative; 4 steady.
    const bool lower = v.characteristic > 4 && !codes::allZeros(v.change);
    out.number("change", describing::scaled(v.change, 1, lower));
  }
  out.text("unit", "hPa");
}

void describe(const Sunshine& v, Decoded& out) {
  out.clear();
  out.kind = "sunshine_duration";
  out.number("minutes", v.minutes);
}

void describe(const SnowDepth& v, Decoded& out) {
  out.clear();
  out.kind = "snow_depth";
  out.number("value", v.missing ? string_view() : v.inches).text("unit", "in");
}

void describe(const CloudTypes& v, Decoded& out) {
  out.clear();
  out.kind = "cloud_types";
  constexpr std::array<string_view, 3> kNames = {"low", "middle", "high"};
  for (std::size_t k = 0; k < 3; ++k) {
    const char digit = static_cast<char>('0' + v.types[k]);
    out.text(kNames[k], v.types[k] == kCloudsNotVisible ? string_view() : string_view(&digit, 1));
  }
}

void describe(const CloudLayer& v, Decoded& out) {
  out.clear();
  out.kind = "cloud_layer";
  out.number("oktas", static_cast<long long>(v.oktas)).text("type", kLayerCodes[v.genus].code);
  out.number("height_ft", describing::feetOfHundreds(v.height));
}

// --- Wind -----------------------------------------------------------------------------------

void describe(const PeakWind& v, Decoded& out) {
  out.clear();
  out.kind = "peak_wind";
  out.number("direction", v.direction).number("speed", v.speed).text("unit", "kt");
  out.text("time", v.time);
}

void describe(const WindShift& v, Decoded& out) {
  out.clear();
  out.kind = "wind_shift";
  out.text("time", v.time).boolean("frontal_passage", v.frontalPassage);
}

void describe(const PlaceWind& v, Decoded& out) {
  out.clear();
  out.kind = "local_wind";
  constexpr std::array<string_view, 6> kPlaces = {"runway",    "touchdown_zone", "runway_end",
                                                  "threshold", "height",         "harbour"};
  out.text("place", kPlaces[static_cast<std::size_t>(v.place)]);
  const bool height = v.place == WindPlace::kHeight;
  out.text("runway", height ? std::string() : upper(v.where));
  out.number("height_ft", height ? v.where : string_view());
  const WindValue& w = v.wind;
  switch (w.kind) {
    case WindValue::Kind::kNotReported:
      out.null("direction").null("speed");
      break;
    case WindValue::Kind::kCalm:
      out.number("direction", 0).number("speed", 0);
      break;
    case WindValue::Kind::kVariable:
      out.null("direction").number("speed", w.speed);
      break;
    case WindValue::Kind::kFrom:
      out.number("direction", w.direction).number("speed", w.speed);
      break;
  }
  out.number("gust", w.gust).text("unit", windUnit(w.unit));
  if (w.kind == WindValue::Kind::kVariable) out.boolean("variable", true);
  out.number("variation_from", v.variesFrom).number("variation_to", v.variesTo);
}

// --- Visibility, ceiling and sky ------------------------------------------------------------

void describe(const Visibility& v, Decoded& out) {
  out.clear();
  switch (v.subject) {
    case VisibilitySubject::kVisibility:
      out.kind = "visibility_remark";
      break;
    case VisibilitySubject::kTower:
      out.kind = "tower_visibility";
      break;
    case VisibilitySubject::kSurface:
      out.kind = "surface_visibility";
      break;
  }
  if (v.inMetres) {
    metres(out, "distance", v.lowMetres);
    out.null("qualifier");
    if (v.variable) {
      metres(out, "max_distance", v.highMetres);
    } else {
      out.null("max_distance");
    }
    out.null("max_qualifier").text("unit", "m");
  } else {
    miles(out, "distance", "qualifier", "written", v.low);
    if (v.variable) {
      miles(out, "max_distance", "max_qualifier", "max_written", v.high);
    } else {
      out.null("max_distance").null("max_qualifier");
    }
    out.text("unit", "SM");
  }
  out.text("direction", v.sector.range.empty() && v.sector.pair == codes::Compass::kNone
                            ? std::string()
                            : directionCode(v.sector));
  out.text("runway", upper(v.runway));
}

void describe(const MinimumVisibility& v, Decoded& out) {
  out.clear();
  out.kind = "minimum_visibility";
  metres(out, "distance", v.metres);
  out.text("unit", "m").null("direction");
}

void describe(const Ceiling& v, Decoded& out) {
  out.clear();
  out.kind = "ceiling";
  out.number("height_ft", describing::feetOfHundreds(v.low));
  out.number("max_height_ft", describing::feetOfHundreds(v.high));
  out.text("direction", v.sector.range.empty() && v.sector.pair == codes::Compass::kNone
                            ? std::string()
                            : directionCode(v.sector));
  out.text("runway", upper(v.runway));
}

void describe(const VariableSky& v, Decoded& out) {
  out.clear();
  out.kind = "variable_sky";
  out.text("from", skyCover(v.from)).text("to", skyCover(v.to));
  out.number("height_ft", describing::feetOfHundreds(v.height));
}

void describe(const SensorAtRunway& v, Decoded& out) {
  out.clear();
  out.kind = "sensor_not_available";
  out.text("sensor", v.visibility ? "VISNO" : "CHINO").text("runway", upper(v.runway));
}

// --- Phenomena ------------------------------------------------------------------------------

void describe(const Lightning& v, Decoded& out) {
  out.clear();
  out.kind = "lightning";
  out.text("frequency", v.frequency ? kLightningFrequencyCodes[*v.frequency] : string_view());
  std::string types;
  for (std::size_t k = 0; k < v.typeCount; ++k) {
    if (k != 0) types += ' ';
    types += kLightningTypeCodes[v.types[k]];
  }
  out.text("types", types);
  describePlaces(v.places, out);
}

void describe(const BeginEnd& v, Decoded& out) {
  out.clear();
  out.kind = "weather_begin_end";
  std::string weather, events;
  std::size_t time = 0;
  for (std::size_t e = 0; e < v.eventCount; ++e) {
    const WeatherEvent& event = v.events[e];
    const std::string code = describing::weatherCode(event.weather);
    if (e != 0) {
      weather += ' ';
      events += ", ";
    }
    weather += code;
    events += code;
    for (std::size_t k = 0; k < event.times && time < v.timeCount; ++k, ++time) {
      events += ' ';
      events += v.times[time].began ? 'B' : 'E';
      events += v.times[time].time;
    }
  }
  out.text("weather", weather).text("events", events);
}

void describe(const PlacedPhenomenon& v, Decoded& out) {
  out.clear();
  out.kind = "phenomenon_places";
  std::string first, second;
  std::string subject(sightCode(v.first, first));
  if (v.second) {
    subject += ' ';
    subject += sightCode(*v.second, second);
  }
  out.text("phenomenon", subject);
  describePlaces(v.places, out);
}

void describe(const Layers& v, Decoded& out) {
  out.clear();
  out.kind = "cloud_opacity";
  std::string layers;
  for (std::size_t i = 0; i < v.count; ++i) {
    if (i != 0) layers += ' ';
    layers += kLayerCodes[v.layers[i].type].code;
    layers += static_cast<char>('0' + v.layers[i].oktas);
  }
  out.text("layers", layers);
}

void describe(const LayerTrace& v, Decoded& out) {
  out.clear();
  out.kind = "cloud_trace";
  out.text("type", kLayerCodes[v.type].code);
}

void describe(const Obscuration& v, Decoded& out) {
  out.clear();
  out.kind = "obscuration";
  out.text("weather", describing::weatherCode(v.weather)).text("amount", skyCover(v.cover));
  out.number("height_ft", describing::feetOfHundreds(v.height));
}

void describe(const RecentWeather& v, Decoded& out) {
  out.clear();
  out.kind = "recent_weather";
  out.text("descriptor", describing::descriptorCode(v.weather));
  out.text("phenomena", describing::phenomenaCodes(v.weather));
}

// --- Other remarks --------------------------------------------------------------------------

void describe(const WholeRemark& v, Decoded& out) {
  out.clear();
  out.kind = "coded_remark";
  out.text("code", remark_words::kWholeRemarks[v.index].code);
}

void describe(const ColourState& v, Decoded& out) {
  out.clear();
  out.kind = "colour_state";
  out.text("colour", kColourCodes[v.colour]).boolean("black", v.black);
  out.text("trend", v.trend == ColourTrend::kTemporarily ? "TEMPO"
                    : v.trend == ColourTrend::kBecoming  ? "BECMG"
                                                         : "");
}

void describe(const Phrase& v, Decoded& out) {
  out.clear();
  out.kind = "coded_remark";
  std::string code;
  for (const string_view c : remark_words::kPhrases[v.index].codes) {
    if (c.empty()) continue;
    if (!code.empty()) code += ' ';
    code += c;
  }
  out.text("code", code);
}

void describe(const Nosig& /*unused*/, Decoded& out) {
  out.clear();
  out.kind = "no_significant_change";
}

void describe(const PrecipitationMillimetres& v, Decoded& out) {
  out.clear();
  out.kind = "hourly_precipitation";
  out.number("value", v.amount).text("unit", "mm").boolean("trace", false);
}

void describe(const DensityAltitude& v, Decoded& out) {
  out.clear();
  out.kind = "density_altitude";
  std::string feet(v.negative ? "-" : "");
  feet += v.feet;
  out.number("value", feet).text("unit", "ft");
}

void describe(const Correction& v, Decoded& out) {
  out.clear();
  out.kind = "correction";
  out.text("time", v.time);
}

void describe(const LastStaffed& v, Decoded& out) {
  out.clear();
  out.kind = "last_staffed_observation";
  out.text("next", v.next);
}

void describe(const SnowIncrease& v, Decoded& out) {
  out.clear();
  out.kind = "snow_increase";
  out.number("last_hour", v.lastHour).number("on_ground", v.onGround).text("unit", "in");
}

void describe(const HailSize& v, Decoded& out) {
  out.clear();
  out.kind = "hail_size";
  miles(out, "size", "qualifier", "written", v.inches);
  out.text("unit", "in");
}

void describe(const BirdHazard& v, Decoded& out) {
  out.clear();
  out.kind = "bird_hazard";
  out.text("runway", upper(v.runway));
}

}  // namespace vantrel::remarks
