// Group forms of the full reading, in the order they are tried:
//   wind         dddff[f][Gff[f]]KT|MPS|KMH|KPH, VRB, P speeds, ///ff, ddd//, /////
//   variation    dddVddd
//   visibility   vvvv, vvvvNDV, vvvvD (D a compass point), ////, CAVOK,
//                [M|P]n[n]SM, [M]n/nSM, n n/nSM (two groups)
//   runway range Rdd[LCR]/[P|M]vvvv[V[P|M]vvvv][FT][/][U|D|N], Rdd/////
//   weather      [-|+|VC]{MI PR BC DR BL SH TS FZ}{RA DZ SN ...}, //, NSW
//   sky          FEW|SCT|BKN|OVC|///hhh|///[CB|TCU|///], VVhhh, VV///, SKC CLR NSC NCD, lone CB TCU
//   temperature  [M]TT/[M]DD, [M]TT/, [M]TT///, /////
//   pressure     Qpppp, Q////, Apppp, A////
//   supplementary RE..., WS Rdd, WS RWYdd, WS ALL RWY, Rdd/EeddBB, Rdd/CLRDBB, R/SNOCLO,
//                8-digit runway state, W[M]TT/Sn, W[M]TT/Hhhh

#include "metar/full/groups.hpp"

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "metar/codes/weather.hpp"
#include "metar/text.hpp"

namespace vantrel::full {
namespace {

using words::Bound;
using words::Speed;
using words::SpeedUnit;

constexpr bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool allDigits(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s) {
    if (!isDigit(c)) return false;
  }
  return true;
}

bool allSlashes(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s) {
    if (c != '/') return false;
  }
  return true;
}

// A group's bytes upper-cased into a small buffer: the recognisers compare codes on it. Only
// plain ASCII groups of at most 32 bytes have a known form.
struct Upper {
  std::array<char, 32> chars{};
  std::size_t size = 0;
  std::string_view view() const { return {chars.data(), size}; }
};

std::optional<Upper> upper(const Group& g) {
  const std::string_view b = g.bytes();
  if (b.size() > 32 || b.size() != g.size()) return std::nullopt;
  Upper u;
  for (const char c : b) {
    if (static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) >= 0x7F) {
      return std::nullopt;
    }
    u.chars[u.size++] = asciiUpper(c);
  }
  return u;
}

constexpr bool startsWith(std::string_view s, std::string_view p) {
  return startsWithCode(s, p);
}
constexpr bool endsWith(std::string_view s, std::string_view p) {
  return endsWithCode(s, p);
}

// ---- wind -------------------------------------------------------------------------------

// A speed of 2 or 3 digits, or P and 2 or 3 digits.
std::optional<Speed> speedOf(std::string_view s) {
  Speed speed;
  if (startsWith(s, "P")) {
    speed.above = true;
    s.remove_prefix(1);
  }
  if ((s.size() != 2 && s.size() != 3) || !allDigits(s)) return std::nullopt;
  speed.digits = s;
  return speed;
}

bool readWind(const Group& g, std::string_view u, Section section, LineText& wind) {
  SpeedUnit unit{};
  std::string_view body;
  if (endsWith(u, "KT")) {
    unit = SpeedUnit::kKnots;
    body = u.substr(0, u.size() - 2);
  } else if (endsWith(u, "MPS")) {
    unit = SpeedUnit::kMetresPerSecond;
    body = u.substr(0, u.size() - 3);
  } else if (endsWith(u, "KMH") || endsWith(u, "KPH")) {
    unit = SpeedUnit::kKilometresPerHour;
    body = u.substr(0, u.size() - 3);
  } else {
    return false;
  }
  if (body.size() < 5) return false;
  // The typed slices, so the words keep the report's characters.
  const std::string_view typed = g.bytes();
  const std::string_view direction = body.substr(0, 3);
  const std::string_view speedAndGust = body.substr(3);
  const std::string_view typedDirection = typed.substr(0, 3);
  const std::size_t gustAt = speedAndGust.find('G');
  const std::string_view speedText = speedAndGust.substr(0, gustAt);
  const std::string_view gustText =
      gustAt == std::string_view::npos ? std::string_view() : speedAndGust.substr(gustAt + 1);
  const bool directionMissing = direction == "///";
  const bool variable = direction == "VRB";
  if (!directionMissing && !variable && !allDigits(direction)) return false;

  if (speedText == "//" && gustAt == std::string_view::npos) {
    if (variable) return false;
    words::appendWindNotReported(wind.add(g), directionMissing ? "" : typedDirection, {}, unit,
                                 section);
    return true;
  }
  const std::optional<Speed> speed = speedOf(speedText);
  if (!speed) return false;
  std::optional<Speed> gust;
  if (gustAt != std::string_view::npos) {
    gust = speedOf(gustText);
    if (!gust) return false;
  }
  const std::string_view typedSpeed =
      typed.substr(3 + (speed->above ? 1 : 0), speed->digits.size());
  const Speed typedSpeedOf{typedSpeed, speed->above};
  if (directionMissing) {
    if (gust) return false;
    words::appendWindNotReported(wind.add(g), "", typedSpeedOf, unit, section);
    return true;
  }
  TextBuffer& out = wind.add(g);
  const bool classicUnit = unit != SpeedUnit::kMetresPerSecond;
  const bool plainSpeeds = !speed->above && (!gust || !gust->above);
  if (!gust && body == "00000") {
    out += words::kCalm;
  } else if (variable && !gust && plainSpeeds) {
    words::appendVariableWind(out, typedSpeed, unit, section);
  } else if (!variable && plainSpeeds && classicUnit) {
    const std::string_view typedGust =
        gust ? typed.substr(3 + speed->digits.size() + 1, gust->digits.size()) : std::string_view();
    words::appendWind(out, typedDirection, typedSpeed, typedGust, unit, section);
  } else {
    Speed typedGust;
    if (gust) {
      const std::size_t at = 3 + speedText.size() + 1 + (gust->above ? 1 : 0);
      typedGust = {typed.substr(at, gust->digits.size()), gust->above};
    }
    words::appendWindFull(out, variable ? "" : typedDirection, typedSpeedOf, typedGust, unit,
                          section);
  }
  return true;
}

bool readVariation(const Group& g, std::string_view u, Section section, LineText& wind) {
  if (u == "///V///") {
    wind.add(g) += words::kVariationNotReported;
    return true;
  }
  if (u.size() != 7 || u[3] != 'V' || !allDigits(u.substr(0, 3)) || !allDigits(u.substr(4))) {
    return false;
  }
  words::appendVariation(wind.add(g), g.slice(1, 3), g.slice(5, 3), section);
  return true;
}

// ---- visibility ---------------------------------------------------------------------------

words::Compass compassOf(std::string_view s) {
  using words::Compass;
  constexpr std::array<std::string_view, 9> kPoints = {"",  "N",  "NE", "E", "SE",
                                                       "S", "SW", "W",  "NW"};
  for (std::size_t i = 1; i < kPoints.size(); ++i) {
    if (sameCode(s, kPoints[i])) return static_cast<Compass>(i);
  }
  return Compass::kNone;
}

// [M|P]n[n]SM, [M|P]n/n[n]SM; `whole` may come from the group before (1 1/2SM).
bool isFraction(std::string_view s) {
  const std::size_t slash = s.find('/');
  return slash != std::string_view::npos && slash > 0 && allDigits(s.substr(0, slash)) &&
         allDigits(s.substr(slash + 1));
}

std::size_t readVisibility(std::span<const Group> groups, std::size_t i, std::string_view u,
                           Section section, SectionText& text) {
  const Group& g = groups[i];
  if (u == "CAVOK") {
    // On the sky line of the body, on the visibility line of a trend section.
    // In the body the weather line, when there is one, opens with it too, as in the classic
    // reading.
    LineText& line = section == Section::kBody ? text.sky : text.visibility;
    line.add(g) += words::kCavok;
    if (section == Section::kBody) text.weather.add(g) += words::kCavok;
    text.visibilityFound = true;
    return 1;
  }
  if (u == "////" || u == "////SM" || u == "////NDV") {
    text.visibility.add(g) += words::kVisibilityNotReported;
    text.visibilityFound = true;
    return 1;
  }
  if (u.size() >= 4 && allDigits(u.substr(0, 4))) {
    const std::string_view metres = g.bytes().substr(0, 4);
    std::string_view rest = u.substr(4);
    if (rest == "M") rest = {};  // 4000M: metres written out
    if (rest.empty() && text.visibilityFound) {
      // A second value without a direction, below the first: the minimum visibility.
      if (text.visibilityMetres.size() != 4 || metres >= text.visibilityMetres) return 0;
      words::appendMinimumVisibility(text.visibility.add(g), metres);
      return 1;
    }
    if (rest.empty() || rest == "NDV") {
      if (text.visibilityFound) return 0;
      text.visibilityMetres = metres;
      TextBuffer& out = text.visibility.add(g);
      if (metres == "0000") {
        out += words::kNoVisibility;
      } else if (metres == "9999") {
        out += words::kVisibilityTenKilometres;
      } else {
        words::appendVisibilityMetres(out, metres);
      }
      if (!rest.empty()) out += words::kNoDirectionalVariation;
    } else {
      const words::Compass direction = compassOf(rest);
      if (direction == words::Compass::kNone) return 0;
      words::appendDirectionalVisibility(text.visibility.add(g), text.visibilityFound, metres,
                                         direction);
    }
    text.visibilityFound = true;
    return 1;
  }
  // Statute miles.
  if (!endsWith(u, "SM") || text.visibilityFound) return 0;
  std::string_view value = g.bytes().substr(0, u.size() - 2);
  Bound bound = Bound::kExact;
  if (u[0] == 'M' || u[0] == 'P') {
    bound = u[0] == 'M' ? Bound::kLessThan : Bound::kMoreThan;
    value.remove_prefix(1);
  }
  if (allDigits(value) && value.size() <= 2) {
    words::appendVisibilityMiles(text.visibility.add(g), bound, value, "");
  } else if (isFraction(value)) {
    words::appendVisibilityMiles(text.visibility.add(g), bound, "", value);
  } else {
    return 0;
  }
  text.visibilityFound = true;
  return 1;
}

// n n/nSM: a whole number of miles, then the fraction.
std::size_t readMilesPair(std::span<const Group> groups, std::size_t i, std::string_view u,
                          SectionText& text) {
  if (text.visibilityFound || u.size() != 1 || !isDigit(u[0]) || i + 1 >= groups.size()) return 0;
  const Group& next = groups[i + 1];
  const std::string_view n = next.bytes();
  if (n.size() < 5 || !endsWith(n, "SM") || !isFraction(n.substr(0, n.size() - 2))) return 0;
  TextBuffer& out = text.visibility.add(groups[i]);
  text.visibility.credit(n);
  words::appendVisibilityMiles(out, Bound::kExact, groups[i].bytes(), n.substr(0, n.size() - 2));
  text.visibilityFound = true;
  return 2;
}

// ---- runway visual range ------------------------------------------------------------------

bool readRunwayRange(const Group& g, std::string_view u, LineText& visibility) {
  if (u.size() < 8 || u[0] != 'R' || !isDigit(u[1]) || !isDigit(u[2])) return false;
  std::size_t slash = 3;
  if (u[3] == 'L' || u[3] == 'C' || u[3] == 'R') slash = 4;
  if (u[slash] != '/') return false;
  const std::string_view typed = g.bytes();
  words::RunwayRange range;
  range.runway = typed.substr(1, slash - 1);
  std::string_view rest = u.substr(slash + 1);
  std::string_view typedRest = typed.substr(slash + 1);
  // Tendency at the end, with or without a slash before it.
  if (!rest.empty() && (rest.back() == 'U' || rest.back() == 'D' || rest.back() == 'N')) {
    range.tendency = rest.back();
    rest.remove_suffix(1);
    typedRest.remove_suffix(1);
    if (!rest.empty() && rest.back() == '/' && rest.size() > 4) {
      rest.remove_suffix(1);
      typedRest.remove_suffix(1);
    }
  }
  if (allSlashes(rest) && rest.size() == 4) {
    words::appendRunwayRange(visibility.add(g), range);
    return true;
  }
  if (endsWith(rest, "FT")) {
    range.feet = true;
    rest.remove_suffix(2);
    typedRest.remove_suffix(2);
  }
  auto value = [](std::string_view& r, std::string_view& t, Bound& bound, std::string_view& out) {
    bound = Bound::kExact;
    if (!r.empty() && (r[0] == 'P' || r[0] == 'M')) {
      bound = r[0] == 'P' ? Bound::kMoreThan : Bound::kLessThan;
      r.remove_prefix(1);
      t.remove_prefix(1);
    }
    if (r.size() < 4 || !allDigits(r.substr(0, 4))) return false;
    out = t.substr(0, 4);
    r.remove_prefix(4);
    t.remove_prefix(4);
    return true;
  };
  if (!value(rest, typedRest, range.lowBound, range.low)) return false;
  if (!rest.empty()) {
    if (rest[0] != 'V') return false;
    rest.remove_prefix(1);
    typedRest.remove_prefix(1);
    if (!value(rest, typedRest, range.highBound, range.high) || !rest.empty()) return false;
  }
  // The form the classic reading words: one value in metres, nothing else.
  if (range.lowBound == Bound::kExact && range.high.empty() && !range.feet && range.tendency == 0) {
    words::appendRunwayVisualRange(visibility.add(g), range.runway, range.low);
  } else {
    words::appendRunwayRange(visibility.add(g), range);
  }
  return true;
}

// ---- present weather ----------------------------------------------------------------------

bool readWeather(const Group& g, std::string_view u, SectionText& text) {
  if (u == "//" || u == "NSW") {
    text.weather.add(g) += u == "//" ? words::kWeatherNotObserved : words::kNoSignificantWeather;
    text.weatherFound = true;
    return true;
  }
  const std::optional<codes::WeatherCode> code = codes::weatherCodeOf(u, true);
  if (!code) return false;
  TextBuffer& out = text.weather.add(g);
  // The forms the classic tables hold keep their sentences.
  std::string_view classic;
  if (!code->vicinity && code->count == 1 &&
      !(code->intensity == codes::Intensity::kHeavy &&
        code->descriptor == codes::Descriptor::kNone &&
        code->phenomena[0] == codes::Phenomenon::kFC)) {
    const auto p = static_cast<std::size_t>(code->phenomena[0]);
    const auto d = static_cast<std::size_t>(code->descriptor);
    if (code->descriptor == codes::Descriptor::kNone) {
      if (p < codes::kClassicPhenomena) {
        classic = words::classicWeatherSentence(code->phenomena[0], code->intensity);
      }
    } else if (d < codes::kClassicDescriptors &&
               p < (code->has(codes::Descriptor::kSH) ? codes::kShowerPhenomena
                                                      : codes::kClassicPhenomena)) {
      classic =
          words::classicWeatherSentence(code->descriptor, code->phenomena[0], code->intensity);
    }
  }
  if (!classic.empty()) {
    out += classic;
  } else {
    words::appendWeather(out, *code);
  }
  text.weatherFound = true;
  return true;
}

// ---- sky ----------------------------------------------------------------------------------

bool readSky(const Group& g, std::string_view u, SectionText& text) {
  LineText& sky = text.sky;
  if (u == "SKC") {
    sky.add(g) += words::kSkyClear;
    return true;
  }
  if (u == "CLR" || u == "NSC" || u == "NCD") {
    sky.add(g) += u == "CLR"   ? words::kClearBelow12000
                  : u == "NSC" ? words::kNoSignificantCloud
                               : words::kNoCloudDetected;
    return true;
  }
  if ((u == "CB" || u == "TCU") && text.cloudFound) {
    words::appendCloudTypeOfLayer(sky.add(g), u == "CB" ? words::CloudType::kCumulonimbus
                                                        : words::CloudType::kToweringCumulus);
    return true;
  }
  if (u.size() == 5 && startsWith(u, "VV")) {
    const std::string_view h = g.bytes().substr(2);
    if (h == "///") {
      sky.add(g) += words::kVerticalVisibilityUnknown;
    } else if (allDigits(h)) {
      words::appendVerticalVisibility(sky.add(g), h);
    } else {
      return false;
    }
    return true;
  }
  if (u == "//////" || u == "/////////") {
    sky.add(g) += words::kCloudNotReported;
    return true;
  }
  if (u == "///CB" || u == "///TCU") {
    words::appendCloudLayerFull(
        sky.add(g), nullptr, "",
        u == "///CB" ? words::CloudType::kCumulonimbus : words::CloudType::kToweringCumulus);
    return true;
  }
  // FEWCB010: the type written before the height.
  if (u.size() == 8 && u.substr(3, 2) == "CB" && allDigits(u.substr(5))) {
    for (const words::CloudCode& c : words::kCloudCodes) {
      if (startsWith(u, c.code)) {
        words::appendCloudLayerFull(sky.add(g), &c.amount, g.bytes().substr(5),
                                    words::CloudType::kCumulonimbus);
        text.cloudFound = true;
        return true;
      }
    }
  }
  if (u.size() < 6) return false;
  const words::CloudAmount* amount = nullptr;
  for (const words::CloudCode& c : words::kCloudCodes) {
    if (startsWith(u, c.code)) amount = &c.amount;
  }
  if (amount == nullptr && !startsWith(u, "///")) return false;
  const std::string_view height = g.bytes().substr(3, 3);
  const bool heightMissing = height == "///";
  if (!heightMissing && !allDigits(height)) return false;
  const std::string_view type = u.substr(6);
  words::CloudType cloudType = words::CloudType::kNone;
  if (type == "CB") {
    cloudType = words::CloudType::kCumulonimbus;
  } else if (type == "TCU") {
    cloudType = words::CloudType::kToweringCumulus;
  } else if (type == "///") {
    cloudType = words::CloudType::kNotReported;
  } else if (!type.empty()) {
    return false;
  }
  if (amount == nullptr && heightMissing && cloudType != words::CloudType::kCumulonimbus &&
      cloudType != words::CloudType::kToweringCumulus) {
    return false;
  }
  TextBuffer& out = sky.add(g);
  if (amount != nullptr && !heightMissing && cloudType == words::CloudType::kNone) {
    words::appendCloudLayer(out, *amount, height);
  } else {
    words::appendCloudLayerFull(out, amount, heightMissing ? "" : height, cloudType);
  }
  text.cloudFound = true;
  return true;
}

// ---- temperature and pressure ------------------------------------------------------------

struct Degrees {
  bool belowZero = false;
  std::string_view digits;  // empty: not reported
};

std::optional<Degrees> degreesOf(std::string_view u, std::string_view typed) {
  if (u.empty() || u == "//" || u == "///") return Degrees{};
  Degrees d;
  if (u[0] == 'M') {
    d.belowZero = true;
    u.remove_prefix(1);
    typed.remove_prefix(1);
  } else if (u[0] == '-' && u.size() == 2 && isDigit(u[1])) {
    // -1 for M01, as some stations write it.
    d.belowZero = true;
    d.digits = typed.substr(1);
    return d;
  }
  if (u.size() != 2 || !allDigits(u)) return std::nullopt;
  d.digits = typed;
  return d;
}

bool readTemperature(const Group& g, std::string_view u, LineText& temperature) {
  const std::size_t slash = u.find('/');
  if (slash == std::string_view::npos || u.size() < 3) return false;
  const std::string_view typed = g.bytes();
  if (u == "/////") {
    words::appendTemperatureFull(temperature.add(g), false, "", false, "");
    return true;
  }
  const std::optional<Degrees> t = degreesOf(u.substr(0, slash), typed.substr(0, slash));
  const std::optional<Degrees> d = degreesOf(u.substr(slash + 1), typed.substr(slash + 1));
  if (!t || !d || t->digits.empty()) return false;
  TextBuffer& out = temperature.add(g);
  if (d->digits.empty()) {
    words::appendTemperatureFull(out, t->belowZero, t->digits, false, "");
  } else {
    const bool bothBelow = t->belowZero && d->belowZero;
    words::appendTemperature(out, t->belowZero, t->digits, d->belowZero, d->digits,
                             bothBelow ? words::DegreeStyle::kSpaced : words::DegreeStyle::kJoined);
  }
  return true;
}

bool readPressure(const Group& g, std::string_view u, LineText& temperature) {
  if (u.size() != 5 || (u[0] != 'Q' && u[0] != 'A')) return false;
  const std::string_view value = g.bytes().substr(1);
  const bool missing = value == "////";
  if (!missing && !allDigits(value)) return false;
  TextBuffer& out = temperature.add(g);
  if (u[0] == 'Q') {
    if (missing) {
      out += words::kQnhNotReported;
    } else {
      words::appendQnh(out, value);
    }
  } else if (missing) {
    out += words::kAltimeterNotReported;
  } else {
    words::appendAltimeter(out, value);
  }
  return true;
}

// ---- supplementary ------------------------------------------------------------------------

bool readRecentWeather(const Group& g, std::string_view u, LineText& supplementary) {
  if (u == "RE//") {
    supplementary.add(g) += words::kRecentWeatherNotReported;
    return true;
  }
  if (u.size() < 4 || !startsWith(u, "RE")) return false;
  const std::optional<codes::WeatherCode> code = codes::weatherCodeOf(u.substr(2), false);
  if (!code) return false;
  words::appendRecentWeather(supplementary.add(g), *code);
  return true;
}

// WS Rdd[LCR], WS RWYdd[LCR], WS ALL RWY, and the older WS TKOF|LDG RWYdd.
std::size_t readWindShear(std::span<const Group> groups, std::size_t i, std::string_view u,
                          LineText& supplementary) {
  if (u != "WS" || i + 1 >= groups.size()) return 0;
  std::size_t n = 1;
  auto next = [&]() -> std::optional<Upper> {
    return i + n < groups.size() ? upper(groups[i + n]) : std::nullopt;
  };
  std::optional<Upper> a = next();
  if (!a) return 0;
  if (a->view() == "TKOF" || a->view() == "LDG") {
    ++n;
    a = next();
    if (!a) return 0;
  }
  const std::string_view v = a->view();
  std::string_view runway;
  if (v == "ALL") {
    const std::optional<Upper> b =
        i + n + 1 < groups.size() ? upper(groups[i + n + 1]) : std::nullopt;
    if (!b || b->view() != "RWY") return 0;
    n += 2;
  } else if (v == "RWY" && i + n + 1 < groups.size() && groups[i + n + 1].size() >= 2 &&
             groups[i + n + 1].size() <= 3 && allDigits(groups[i + n + 1].bytes().substr(0, 2))) {
    runway = groups[i + n + 1].bytes();  // WS RWY 06: the runway written apart
    n += 2;
  } else {
    const std::size_t digitsAt = startsWith(v, "RWY") ? 3 : startsWith(v, "R") ? 1 : 0;
    const std::string_view r = v.substr(digitsAt);
    if (digitsAt == 0 || r.size() < 2 || r.size() > 3 || !allDigits(r.substr(0, 2)) ||
        (r.size() == 3 && r[2] != 'L' && r[2] != 'C' && r[2] != 'R')) {
      return 0;
    }
    runway = groups[i + n].bytes().substr(digitsAt);
    ++n;
  }
  TextBuffer& out = supplementary.add(groups[i]);
  for (std::size_t k = 1; k < n; ++k) supplementary.credit(groups[i + k].bytes());
  words::appendWindShear(out, runway);
  return n;
}

bool depositDigit(char c) {
  return isDigit(c) || c == '/';
}
bool pairOf(std::string_view s) {
  return s.size() == 2 && ((isDigit(s[0]) && isDigit(s[1])) || s == "//");
}

// Rdd[LCR]/EeddBB, Rdd[LCR]/CLRDBB, R/SNOCLO, and the older eight digits ddEeddBB.
bool readRunwayState(const Group& g, std::string_view u, LineText& supplementary) {
  if (u == "R/SNOCLO" || u == "SNOCLO") {
    supplementary.add(g) += words::kAerodromeClosedBySnow;
    return true;
  }
  const std::string_view typed = g.bytes();
  words::RunwayState state;
  std::string_view rest;
  if (u.size() == 8 && (allDigits(u) || (allDigits(u.substr(0, 2)) && u.substr(2, 4) == "CLRD" &&
                                         allDigits(u.substr(6))))) {
    state.runway = typed.substr(0, 2);
    rest = u.substr(2);
  } else {
    if (u.size() < 9 || u[0] != 'R' || !isDigit(u[1]) || !isDigit(u[2])) return false;
    std::size_t slash = 3;
    if (u[3] == 'L' || u[3] == 'C' || u[3] == 'R') slash = 4;
    if (u[slash] != '/') return false;
    state.runway = typed.substr(1, slash - 1);
    rest = u.substr(slash + 1);
  }
  if (state.runway == "88") state.runway = {};
  if (rest.size() != 6) return false;
  if (startsWith(rest, "CLRD")) {
    state.cleared = true;
  } else {
    if (!depositDigit(rest[0]) || !depositDigit(rest[1]) || !pairOf(rest.substr(2, 2))) {
      return false;
    }
    state.deposit = rest[0];
    state.extent = rest[1];
    state.depth = rest.substr(2, 2);
  }
  state.braking = rest.substr(4, 2);
  if (!pairOf(state.braking)) return false;
  words::appendRunwayState(supplementary.add(g), state);
  return true;
}

// W[M]TT/Sn or W[M]TT/Hhhh: sea surface temperature and state of the sea or wave height.
bool readSea(const Group& g, std::string_view u, LineText& supplementary) {
  if (u.size() < 6 || u[0] != 'W') return false;
  // The state or the wave height follows the last "/" before its letter.
  const std::size_t letter = u.find_first_of("SH", 1);
  if (letter == std::string_view::npos || letter < 2 || u[letter - 1] != '/') return false;
  const std::size_t slash = letter - 1;
  const std::string_view typed = g.bytes();
  const std::optional<Degrees> t = degreesOf(u.substr(1, slash - 1), typed.substr(1, slash - 1));
  if (!t) return false;
  const std::string_view rest = u.substr(slash + 1);
  if (rest.size() == 2 && rest[0] == 'S' && depositDigit(rest[1])) {
    words::appendSea(supplementary.add(g), t->belowZero, t->digits, rest[1], "");
    return true;
  }
  if (rest == "H///" || rest == "H//") {
    words::appendSea(supplementary.add(g), t->belowZero, t->digits, '/', "");
    return true;
  }
  if (rest.size() >= 2 && rest.size() <= 4 && rest[0] == 'H' && allDigits(rest.substr(1))) {
    words::appendSea(supplementary.add(g), t->belowZero, t->digits, 0, typed.substr(slash + 2));
    return true;
  }
  return false;
}

bool readColourState(const Group& g, std::string_view u, LineText& line) {
  const bool black = startsWith(u, "BLACK");
  const std::string_view code = black ? u.substr(5) : u;
  if (code.size() < 3 || code.size() > 4) return false;
  // appendColourState writes nothing for a code of no colour: the group is credited after.
  if (!words::appendColourState(line.text(), code, black)) return false;
  line.credit(g.bytes());
  return true;
}

// RFmm.m/mmm.m (Australia), also written RFmm/m/mmm/m with a slash for each decimal point.
bool readRainfall(const Group& g, std::string_view u, LineText& supplementary) {
  if (u.size() != 12 || !startsWith(u, "RF") || (u[4] != '.' && u[4] != '/') || u[6] != '/' ||
      (u[10] != '.' && u[10] != '/') || !allDigits(u.substr(2, 2)) || !isDigit(u[5]) ||
      !allDigits(u.substr(7, 3)) || !isDigit(u[11])) {
    return false;
  }
  std::array<char, 12> value{};
  std::memcpy(value.data(), g.bytes().data(), value.size());
  value[4] = value[10] = '.';
  words::appendRainfall(supplementary.add(g), std::string_view(value.data() + 2, 4),
                        std::string_view(value.data() + 7, 5));
  return true;
}

// SUBJECT [AND SUBJECT] [TO|DSNT] D [D ...] [AND|+ D] [AREA], a subject being CB, TCU or a
// weather code without intensity (RA TO N, CB AND RA TO S + SW): where they stand.
std::size_t readDirections(std::span<const Group> groups, std::size_t i, LineText& sky) {
  // Most groups are no subject: look at the word after them first, which must place them.
  if (i + 1 >= groups.size()) return 0;
  if (groups[i + 1].size() > 4) return 0;
  const std::optional<Upper> after = upper(groups[i + 1]);
  if (!after) return 0;
  const std::string_view a = after->view();
  if (!(sameCode(a, "TO") || sameCode(a, "DSNT") || sameCode(a, "AND") || sameCode(a, "OTF") ||
        sameCode(a, "OVER") || compassOf(a) != words::Compass::kNone)) {
    return 0;
  }
  std::array<words::PlaceSubject, 2> subjects{};
  std::array<codes::WeatherCode, 2> weatherCodes{};
  std::array<words::Compass, 8> directions{};
  std::size_t subjectCount = 0, count = 0, n = 0, lastDirection = 0;
  bool distant = false, overField = false;
  for (; i + n < groups.size(); ++n) {
    const std::optional<Upper> next = upper(groups[i + n]);
    if (!next) break;
    const std::string_view v = next->view();
    if (count == 0) {
      if (subjectCount != 0 && (v == "TO" || v == "DSNT" || v == "AND")) {
        distant = distant || v == "DSNT";
        continue;
      }
      if (subjectCount < subjects.size() && (v == "CB" || v == "TCU")) {
        subjects[subjectCount++].cloud =
            v == "CB" ? words::CloudType::kCumulonimbus : words::CloudType::kToweringCumulus;
        continue;
      }
      if (subjectCount < subjects.size()) {
        if (const std::optional<codes::WeatherCode> code = codes::weatherCodeOf(v, false)) {
          weatherCodes[subjectCount] = *code;
          subjects[subjectCount].weather = &weatherCodes[subjectCount];
          ++subjectCount;
          continue;
        }
      }
    }
    if (count != 0 && (v == "AND" || v == "+")) continue;
    if (count != 0 && v == "AREA") {
      lastDirection = n + 1;
      break;
    }
    // OTF, or OVER THE FIELD: over the aerodrome.
    if (subjectCount != 0 && count == 0 && v == "OTF") {
      overField = true;
      lastDirection = n + 1;
      break;
    }
    if (subjectCount != 0 && count == 0 && v == "OVER" && i + n + 2 < groups.size() &&
        groups[i + n + 1].upperIs("THE") && groups[i + n + 2].upperIs("FIELD")) {
      overField = true;
      lastDirection = n + 3;
      break;
    }
    const words::Compass c = compassOf(v);
    if (subjectCount == 0 || c == words::Compass::kNone || count == directions.size()) break;
    directions[count++] = c;
    lastDirection = n + 1;
  }
  if (count == 0 && !overField) return 0;
  // A closing AND after the last direction stays with the next group.
  n = lastDirection;
  TextBuffer& out = sky.add(groups[i]);
  for (std::size_t k = 1; k < n; ++k) sky.credit(groups[i + k].bytes());
  words::appendDirections(out, std::span<const words::PlaceSubject>(subjects.data(), subjectCount),
                          distant, std::span<const words::Compass>(directions.data(), count),
                          overField);
  return n;
}

// FEW 019, Q 1009: a code and its value written apart.
std::size_t readSplitGroup(std::span<const Group> groups, std::size_t i, std::string_view u,
                           SectionText& text) {
  if (i + 1 >= groups.size()) return 0;
  const std::string_view next = groups[i + 1].bytes();
  const words::CloudAmount* amount = nullptr;
  for (const words::CloudCode& c : words::kCloudCodes) {
    if (u == c.code) amount = &c.amount;
  }
  if (amount != nullptr && next.size() == 3 && allDigits(next)) {
    TextBuffer& out = text.sky.add(groups[i]);
    text.sky.credit(next);
    words::appendCloudLayer(out, *amount, next);
    text.cloudFound = true;
    return 2;
  }
  if (u == "Q" && next.size() == 4 && allDigits(next)) {
    TextBuffer& out = text.temperature.add(groups[i]);
    text.temperature.credit(next);
    words::appendQnh(out, next);
    return 2;
  }
  // Q1 020, Q101 6: the four digits of the QNH broken by a space.
  const std::string_view head = groups[i].bytes();
  if (u.size() >= 2 && u.size() <= 4 && u[0] == 'Q' && allDigits(head.substr(1)) &&
      allDigits(next) && head.size() - 1 + next.size() == 4) {
    std::array<char, 4> digits{};
    std::memcpy(digits.data(), head.data() + 1, head.size() - 1);
    std::memcpy(digits.data() + head.size() - 1, next.data(), next.size());
    TextBuffer& out = text.temperature.add(groups[i]);
    text.temperature.credit(next);
    words::appendQnh(out, std::string_view(digits.data(), digits.size()));
    return 2;
  }
  return 0;
}

// RE SHRA: the recent weather written apart from its code.
std::size_t readSplitRecentWeather(std::span<const Group> groups, std::size_t i, std::string_view u,
                                   LineText& supplementary) {
  if (u != "RE" || i + 1 >= groups.size()) return 0;
  const std::optional<Upper> next = upper(groups[i + 1]);
  if (!next) return 0;
  const std::optional<codes::WeatherCode> code = codes::weatherCodeOf(next->view(), false);
  if (!code) return 0;
  TextBuffer& out = supplementary.add(groups[i]);
  supplementary.credit(groups[i + 1].bytes());
  words::appendRecentWeather(out, *code);
  return 2;
}

}  // namespace

std::size_t readGroup(std::span<const Group> groups, std::size_t i, Section section,
                      SectionText& text, LineText& supplementary) {
  const Group& g = groups[i];
  const std::optional<Upper> upperGroup = upper(g);
  if (!upperGroup) return 0;
  const std::string_view u = upperGroup->view();
  if (readWind(g, u, section, text.wind)) return 1;
  if (readVariation(g, u, section, text.wind)) return 1;
  if (const std::size_t n = readMilesPair(groups, i, u, text)) return n;
  if (const std::size_t n = readVisibility(groups, i, u, section, text)) return n;
  if (readRunwayRange(g, u, text.visibility)) return 1;
  if (readWeather(g, u, text)) return 1;
  if (const std::size_t n = readDirections(groups, i, text.sky)) return n;
  if (readSky(g, u, text)) return 1;
  if (const std::size_t n = readSplitGroup(groups, i, u, text)) return n;
  if (readTemperature(g, u, text.temperature)) return 1;
  if (readPressure(g, u, text.temperature)) return 1;
  if (readRecentWeather(g, u, supplementary)) return 1;
  if (const std::size_t n = readSplitRecentWeather(groups, i, u, supplementary)) return n;
  if (const std::size_t n = readWindShear(groups, i, u, supplementary)) return n;
  if (readRunwayState(g, u, supplementary)) return 1;
  if (readSea(g, u, supplementary)) return 1;
  // A colour state of a trend section is forecast with the section's visibility.
  if (readColourState(g, u, section == Section::kBody ? supplementary : text.visibility)) return 1;
  if (readRainfall(g, u, supplementary)) return 1;
  if (u == "NIL" && section == Section::kBody && !text.weatherFound && !text.cloudFound) {
    // NIL where the present weather stands, after the visibility.
    text.weather.add(g) += words::kNoWeatherToReport;
    text.weatherFound = true;
    return 1;
  }
  if (u == "M" || u == "/" || u == "///") {
    supplementary.add(g) += words::kElementNotReported;
    return 1;
  }
  return 0;
}

bool readTrendTime(const Group& g, LineText& time) {
  const std::optional<Upper> upperGroup = upper(g);
  if (!upperGroup) return false;
  const std::string_view u = upperGroup->view();
  if (u.size() != 6 || !allDigits(u.substr(2))) return false;
  words::TrendTime kind{};
  if (startsWith(u, "FM")) {
    kind = words::TrendTime::kFrom;
  } else if (startsWith(u, "TL")) {
    kind = words::TrendTime::kUntil;
  } else if (startsWith(u, "AT")) {
    kind = words::TrendTime::kAt;
  } else {
    return false;
  }
  words::appendTrendTime(time.add(g), kind, g.bytes().substr(2, 2), g.bytes().substr(4, 2));
  return true;
}

}  // namespace vantrel::full
