#include "metar/full/remarks.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "metar/codes/chars.hpp"
#include "metar/codes/compass.hpp"
#include "metar/codes/miles.hpp"
#include "metar/codes/runway.hpp"
#include "metar/codes/weather.hpp"
#include "metar/remark_vocabulary.hpp"
#include "metar/text.hpp"
#include "metar/vocabulary.hpp"
#include "metar/weather_words.hpp"

namespace vantrel::full {
namespace {

namespace rw = remark_words;
using Groups = std::span<const Group>;
using std::string_view;

// --- Groups -------------------------------------------------------------------------------

using codes::allDigits;
using codes::allSlashes;
using codes::allZeros;
using codes::digitsAt;
using codes::endsWith;
using codes::is;
using codes::isDigit;
using codes::isFraction;
using codes::startsWith;

// The text of group i, or nothing past the end.
string_view at(Groups gs, std::size_t i) {
  return i < gs.size() ? gs[i].bytes() : string_view{};
}

template <class Table>
const typename Table::value_type* find(const Table& table, string_view s) {
  if (s.empty()) return nullptr;
  const char first = asciiUpper(s[0]);
  for (const auto& w : table) {
    if (w.code.size() == s.size() && w.code[0] == first && is(s, w.code)) return &w;
  }
  return nullptr;
}
// The entry of `table` whose code starts `s` at `pos`, longest codes first in the table.
template <class Table>
const typename Table::value_type* findPrefix(const Table& table, string_view s, std::size_t pos) {
  if (pos >= s.size()) return nullptr;
  for (const auto& w : table) {
    if (startsWith(s.substr(pos), w.code)) return &w;
  }
  return nullptr;
}

// For each first character of a code, the entries of a table (at most 64) whose code starts
// with it, as bits: a lookup compares only those.
using FirstCharIndex = std::array<std::uint64_t, 128>;
template <class Table, class CodeOf>
constexpr FirstCharIndex indexByFirstChar(const Table& table, CodeOf codeOf) {
  static_assert(std::tuple_size_v<Table> <= 64);
  FirstCharIndex index{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    index[static_cast<unsigned char>(codeOf(table[i])[0]) & 0x7FU] |= std::uint64_t{1} << i;
  }
  return index;
}
constexpr FirstCharIndex kWholeIndex =
    indexByFirstChar(rw::kWholeRemarks, [](const rw::SentenceWord& w) { return w.code; });
constexpr FirstCharIndex kPhraseIndex =
    indexByFirstChar(rw::kPhrases, [](const rw::Phrase& p) { return p.codes[0]; });
std::uint64_t candidates(const FirstCharIndex& index, string_view s) {
  const auto c = static_cast<unsigned char>(asciiUpper(s.empty() ? '\0' : s[0]));
  return c < index.size() ? index[c] : 0;
}

// --- Numbers and times ----------------------------------------------------------------------

void appendUpper(TextBuffer& out, string_view s) {
  for (const char c : s) out += asciiUpper(c);
}

using rw::appendCount;
using rw::appendInteger;
using rw::appendTime;

// Digits read with `decimals` of them after the point: "0016", 2 gives "0.16".
void appendScaled(TextBuffer& out, string_view digits, std::size_t decimals) {
  constexpr std::size_t kMostDigits = 14;
  if (digits.size() > kMostDigits || decimals == 0 || decimals >= digits.size()) {
    if (digits.size() <= decimals) out += '0';
    if (digits.size() > decimals) appendInteger(out, digits.substr(0, digits.size() - decimals));
    appendText(out, rw::kDecimalPoint,
               digits.substr(digits.size() - std::min(decimals, digits.size())));
    return;
  }
  // One append: the whole part without its leading zeros, the point, the decimals.
  const std::size_t whole = digits.size() - decimals;
  std::size_t i = 0;
  while (i + 1 < whole && digits[i] == '0') ++i;
  char* to = out.extend(whole - i + 1 + decimals);
  for (; i < whole; ++i) *to++ = digits[i];
  *to++ = rw::kDecimalPoint[0];
  for (; i < digits.size(); ++i) *to++ = digits[i];
}

// A height in hundreds of feet in feet: "008" gives "800", "120" gives "12,000".
void appendHundredsOfFeet(TextBuffer& out, string_view digits) {
  std::size_t i = 0;
  while (i < digits.size() && digits[i] == '0') ++i;
  const string_view value = digits.substr(i);
  if (value.empty()) {
    out += '0';
  } else if (value.size() >= 3) {
    out += value.substr(0, value.size() - 1);
    out += rw::kThousandsSeparator;
    out += value.back();
    out += rw::kHundreds;
  } else {
    appendText(out, value, rw::kHundreds);
  }
}

// A time of the remarks: hhmm, or mm within the hour of the report.
bool isTime(string_view s) {
  return (s.size() == 2 || s.size() == 4) && allDigits(s);
}

// Tenths of a degree with a sign digit (1 below zero): "1089" gives "-8.9°Celsius".
void appendCelsius(TextBuffer& out, char sign, string_view tenths) {
  if (sign == '1' && !allZeros(tenths)) out += rw::kMinus;
  appendScaled(out, tenths, 1);
  out += rw::kCelsius;
}
bool isSignedTenths(string_view s) {
  return s.size() == 4 && (s[0] == '0' || s[0] == '1') && allDigits(s);
}

void capitaliseFrom(TextBuffer& out, std::size_t pos) {
  if (pos < out.size()) out[pos] = asciiUpper(out[pos]);
}

// --- Statute miles and metres ---------------------------------------------------------------

using codes::isWholeMiles;
using codes::Miles;

void appendMilesValue(TextBuffer& out, const Miles& m) {
  if (m.bound != codes::Bound::kExact) {
    out += m.bound == codes::Bound::kLessThan ? rw::kLessThan : rw::kMoreThan;
  }
  if (!m.whole.empty()) appendInteger(out, m.whole);
  if (!m.whole.empty() && !m.fraction.empty()) out += rw::kSpace;
  out += m.fraction;
}
void appendMilesUnit(TextBuffer& out, const Miles& m) {
  const bool one = m.whole.empty() || (m.fraction.empty() && m.whole == "1");
  out += one ? rw::kStatuteMile : rw::kStatuteMiles;
}

// Metres: "1400", "9999" (10 kilometres or more), "2500M".
bool isMetres(string_view s) {
  if (endsWith(s, "M") && s.size() >= 2) s.remove_suffix(1);
  return s.size() == 4 && allDigits(s);
}
void appendMetres(TextBuffer& out, string_view s) {
  if (endsWith(s, "M")) s.remove_suffix(1);
  if (s == "9999") {
    out += rw::kTenKilometresOrMore;
  } else {
    appendInteger(out, s);
    out += rw::kMetres;
  }
}

// --- Places ---------------------------------------------------------------------------------

// One of the sixteen points, or a cardinal point written out (NORTH).
codes::Compass compassOf(string_view s) {
  const codes::Compass c = codes::compassOf(s);
  return c != codes::Compass::kNone ? c : codes::compassWordOf(s);
}
Fragment compassWords(codes::Compass c) {
  return rw::kCompass[static_cast<std::size_t>(c)];
}

// NE, or a range NE-SE-SW.
bool isDirection(string_view s) {
  if (s.empty()) return false;
  std::size_t start = 0;
  while (true) {
    const std::size_t dash = s.find('-', start);
    const string_view part =
        s.substr(start, dash == string_view::npos ? string_view::npos : dash - start);
    if (compassOf(part) == codes::Compass::kNone) return false;
    if (dash == string_view::npos) return true;
    start = dash + 1;
  }
}
void appendDirection(TextBuffer& out, string_view s, string_view lead) {
  std::size_t start = 0;
  out += lead;
  while (true) {
    const std::size_t dash = s.find('-', start);
    const string_view part =
        s.substr(start, dash == string_view::npos ? string_view::npos : dash - start);
    if (start > 0) out += rw::kThrough;
    out += compassWords(compassOf(part));
    if (dash == string_view::npos) return;
    start = dash + 1;
  }
}

bool isKilometres(string_view s) {
  return s.size() >= 3 && endsWith(s, "KM") && allDigits(s.substr(0, s.size() - 2));
}

// Directions written out in two words: NORTH EAST is the north-east.
string_view wordPair(string_view a, string_view b) {
  const codes::Compass both =
      codes::compassPairOf(codes::compassWordOf(a), codes::compassWordOf(b));
  return both != codes::Compass::kNone ? compassWords(both).view() : string_view{};
}

// The places after a phenomenon, lightning or cloud (FMH-1: DSNT, VC, OHD, ALQDS, compass points
// and ranges joined by AND or THRU, then MOV and a direction). Returns the groups read.
bool isPlaceWord(string_view s) {
  for (const string_view w : {"DSNT", "DIST", "VC", "OHD", "OVHD", "ALQDS", "ALQS"}) {
    if (is(s, w)) return true;
  }
  return false;
}

std::size_t readPlaces(Groups gs, std::size_t i, TextBuffer& out) {
  const std::size_t start = i;
  bool afterDirection = false;  // the place before was a direction
  bool afterAnd = false;        // an AND joins this place to the one before
  while (i < gs.size()) {
    const string_view s = at(gs, i);
    const string_view lead = afterDirection || afterAnd ? rw::kAndToThe : rw::kToThe;
    const string_view joint = afterAnd ? rw::kAnd.substr(0, 4) : string_view{};
    std::size_t n = 1;
    bool direction = false;
    if (is(s, "DSNT") || is(s, "DIST")) {
      appendText(out, joint, rw::kDistant);
    } else if (is(s, "VC")) {
      appendText(out, joint, rw::kInTheVicinity);
    } else if (is(s, "OHD") || is(s, "OVHD")) {
      appendText(out, joint, rw::kOverhead);
      direction = true;  // a direction after it is a second place: "overhead and to the north"
    } else if (is(s, "ALQDS") || is(s, "ALQS")) {
      appendText(out, joint, rw::kAllQuadrants);
      direction = true;
    } else if (const string_view both = wordPair(s, at(gs, i + 1)); !both.empty()) {
      appendText(out, lead, both);
      direction = true;
      n = 2;
    } else if (isDirection(s)) {
      appendDirection(out, s, lead);
      direction = true;
    } else if ((is(s, "TO") || is(s, "AT")) && !wordPair(at(gs, i + 1), at(gs, i + 2)).empty()) {
      appendText(out, lead, wordPair(at(gs, i + 1), at(gs, i + 2)));
      direction = true;
      n = 3;
    } else if ((is(s, "TO") || is(s, "AT")) && isDirection(at(gs, i + 1))) {
      appendDirection(out, at(gs, i + 1), lead);
      direction = true;
      n = 2;
    } else if (is(s, "AND") && i > start && !afterAnd &&
               (isPlaceWord(at(gs, i + 1)) || isDirection(at(gs, i + 1)) ||
                !wordPair(at(gs, i + 1), at(gs, i + 2)).empty())) {
      afterAnd = true;
      ++i;
      continue;
    } else if (is(s, "THRU") && afterDirection && isDirection(at(gs, i + 1))) {
      appendDirection(out, at(gs, i + 1), rw::kThrough);
      direction = true;
      n = 2;
    } else if (is(s, "OVER") && is(at(gs, i + 1), "THE") && is(at(gs, i + 2), "FIELD")) {
      appendText(out, joint, rw::kOverTheAerodrome);
      n = 3;
    } else if (is(s, "OVER") && (is(at(gs, i + 1), "RWY") || is(at(gs, i + 1), "RUNWAY"))) {
      appendText(out, joint, rw::kOverTheRunway);
      n = 2;
    } else if (is(s, "IN") && is(at(gs, i + 1), "APCH")) {
      appendText(out, joint, rw::kInTheApproach);
      n = 2;
    } else if (is(s, "IN") && is(at(gs, i + 1), "CLIMB") && is(at(gs, i + 2), "OUT")) {
      appendText(out, joint, rw::kInTheClimbOut);
      n = 3;
    } else if (isKilometres(s) && isDirection(at(gs, i + 1))) {
      appendText(out, joint, rw::kSpace);
      appendInteger(out, s.substr(0, s.size() - 2));
      out += rw::kKilometresAway;
      appendDirection(out, at(gs, i + 1), rw::kToThe);
      direction = true;
      n = 2;
    } else if (is(s, "MOV") && isDirection(at(gs, i + 1)) && i > start && !afterAnd) {
      appendDirection(out, at(gs, i + 1), rw::kMoving);
      return i + 2 - start;
    } else if (is(s, "STNR") && i > start && !afterAnd) {
      out += rw::kStationary;
      return i + 1 - start;
    } else {
      break;
    }
    afterDirection = direction;
    afterAnd = false;
    i += n;
  }
  return i - start;
}

// --- Weather names --------------------------------------------------------------------------

using codes::WeatherCode;

void appendWeatherName(TextBuffer& out, const WeatherCode& w) {
  if (w.intensity == codes::Intensity::kLight) out += rw::kLight;
  if (w.intensity == codes::Intensity::kHeavy) out += rw::kHeavy;
  if (w.count == 0) {
    out += words::wordsOf(w.descriptor).alone;  // TS, SH
  } else {
    const bool showers = w.has(codes::Descriptor::kSH);
    if (w.descriptor != codes::Descriptor::kNone && !showers) {
      out += words::wordsOf(w.descriptor).before;
    }
    for (std::size_t i = 0; i < w.count; ++i) {
      if (i > 0) out += rw::kAnd;
      out += words::wordsOf(w.phenomena[i]).noun;
    }
    if (showers) appendText(out, rw::kSpace, words::wordsOf(codes::Descriptor::kSH).alone);
  }
  if (w.vicinity) out += rw::kInTheVicinity;
}

// --- The readers, one per remark form -------------------------------------------------------

// A whole-sentence remark (AO2, $, PRESRR, BLU ...), or a phrase of several groups.
std::size_t readKeyword(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  for (std::uint64_t m = candidates(kWholeIndex, s); m != 0; m &= m - 1) {
    const rw::SentenceWord& w = rw::kWholeRemarks[static_cast<std::size_t>(std::countr_zero(m))];
    if (is(s, w.code)) {
      out += w.words;
      return 1;
    }
  }
  if (const rw::SentenceWord* w = find(rw::kColourStates, s)) {
    out += w->words;
    return 1;
  }
  // TEMPO WHT, BECMG GRN: the colour state of the trend.
  if (is(s, "TEMPO") || is(s, "BECMG")) {
    if (const rw::SentenceWord* w = find(rw::kColourStates, at(gs, 1))) {
      const std::size_t colour =
          out.size() + (is(s, "TEMPO") ? rw::kTemporarily : rw::kBecoming).size();
      appendText(out, is(s, "TEMPO") ? rw::kTemporarily : rw::kBecoming, w->words);
      out[colour] = static_cast<char>(out[colour] - 'A' + 'a');
      return 2;
    }
  }
  if (startsWith(s, rw::kBlackPrefix)) {
    if (const rw::SentenceWord* w = find(rw::kColourStates, s.substr(rw::kBlackPrefix.size()))) {
      appendText(out, w->words, rw::kAerodromeClosed);
      return 1;
    }
  }
  for (std::uint64_t m = gs.size() < 2 ? 0 : candidates(kPhraseIndex, s); m != 0; m &= m - 1) {
    const rw::Phrase& p = rw::kPhrases[static_cast<std::size_t>(std::countr_zero(m))];
    std::size_t n = 0;
    while (n < p.codes.size() && !p.codes[n].empty() && is(at(gs, n), p.codes[n])) ++n;
    if (n == p.codes.size() || (n > 0 && p.codes[n].empty())) {
      out += p.words;
      return n;
    }
  }
  if (is(s, "NOSIG")) {
    out += words::kNosig;
    return 1;
  }
  return 0;
}

// SLPppp: tenths of a hectopascal without the thousands and hundreds (FMH-1: 9 is put before a
// value of 500 or more, 10 before a smaller one).
std::size_t readSeaLevelPressure(string_view s, TextBuffer& out) {
  if (!(s.size() == 6 && startsWith(s, "SLP") && digitsAt(s, 3, 3))) return 0;
  out += rw::kSeaLevelPressureIs;
  out += s[3] >= '5' ? rw::kSeaLevelNine : rw::kSeaLevelTen;
  appendText(out, s.substr(3, 2), rw::kDecimalPoint, s.substr(5, 1), rw::kHectopascals, rw::kStop);
  return 1;
}

// TsTTTsDDD, TsTTT, and TsTTT//// (dew point missing).
std::size_t readTenthsTemperature(string_view s, TextBuffer& out) {
  if (s.size() != 5 && s.size() != 9) return 0;
  if (asciiUpper(s[0]) != 'T' || !isSignedTenths(s.substr(1, 4))) return 0;
  const bool dewPoint = s.size() == 9 && isSignedTenths(s.substr(5, 4));
  if (s.size() == 9 && !dewPoint && !allSlashes(s.substr(5))) return 0;
  out += rw::kTemperatureIs;
  appendCelsius(out, s[1], s.substr(2, 3));
  if (dewPoint) {
    out += rw::kDewPointIs;
    appendCelsius(out, s[5], s.substr(6, 3));
  } else if (s.size() == 9) {
    out += rw::kDewPointNotReported;
  }
  out += rw::kStop;
  return 1;
}

void appendAmount(TextBuffer& out, const rw::Amount& a, string_view digits, std::size_t decimals) {
  if (allSlashes(digits)) {
    out += a.missing;
  } else if (allZeros(digits) && !a.trace.empty()) {
    out += a.trace;
  } else {
    out += a.amount;
    appendScaled(out, digits, decimals);
    appendText(out, rw::kInches, rw::kStop);
  }
}
bool isAmount(string_view s) {
  return allDigits(s) || allSlashes(s);
}

// Pnnnn, Innnn: hourly precipitation and ice accretion, hundredths of an inch; 0000 a trace.
std::size_t readHundredths(string_view s, TextBuffer& out) {
  if (s.size() != 5) return 0;
  const char c = asciiUpper(s[0]);
  if (c == 'P' && isAmount(s.substr(1))) {
    appendAmount(out, rw::kHourlyPrecipitation, s.substr(1), 2);
    return 1;
  }
  if (c == 'I' && (s[1] == '1' || s[1] == '3' || s[1] == '6') && isAmount(s.substr(2))) {
    const std::size_t k = s[1] == '1' ? 0 : s[1] == '3' ? 1 : 2;
    appendAmount(out, rw::kIceAccretion[k], s.substr(2), 2);
    return 1;
  }
  return 0;
}

// Apppp and App.pp: altimeter setting in inches of mercury.
std::size_t readAltimeter(string_view s, TextBuffer& out) {
  if (s.size() == 5 && asciiUpper(s[0]) == 'A' && digitsAt(s, 1, 4)) {
    words::appendAltimeter(out, s.substr(1));
    return 1;
  }
  if (s.size() == 6 && asciiUpper(s[0]) == 'A' && digitsAt(s, 1, 2) && s[3] == '.' &&
      digitsAt(s, 4, 2)) {
    const std::array<char, 4> hundredths{s[1], s[2], s[4], s[5]};
    words::appendAltimeter(out, string_view(hundredths.data(), hundredths.size()));
    return 1;
  }
  return 0;
}

// Qpppp (QNH), QFEppp[.p][/pppp] (QFE in millimetres of mercury, then hectopascals), QBBhhh
// (cloud base in metres).
std::size_t readQ(string_view s, TextBuffer& out) {
  if (s.size() == 5 && digitsAt(s, 1, 4)) {
    words::appendQnh(out, s.substr(1));
    return 1;
  }
  if (startsWith(s, "QBB") && s.size() == 6 && digitsAt(s, 3, 3)) {
    out += rw::kCloudBaseIs;
    appendInteger(out, s.substr(3));
    appendText(out, rw::kMetres, rw::kStop);
    return 1;
  }
  if (!startsWith(s, "QFE") || !digitsAt(s, 3, 3)) return 0;
  string_view rest = s.substr(6);
  string_view millimetres = s.substr(3, 3);
  if (rest.size() >= 2 && rest[0] == '.' && isDigit(rest[1])) {
    millimetres = s.substr(3, 5);
    rest.remove_prefix(2);
  }
  string_view hectopascals;
  if (rest.size() == 5 && rest[0] == '/' && digitsAt(rest, 1, 4)) {
    hectopascals = rest.substr(1);
  } else if (!rest.empty()) {
    return 0;
  }
  appendText(out, rw::kQfeIs, millimetres, rw::kMillimetresOfMercury);
  if (!hectopascals.empty()) {
    out += rw::kOpenBracket;
    appendInteger(out, hectopascals);
    appendText(out, rw::kHectopascals, rw::kCloseBracket);
  }
  out += rw::kStop;
  return 1;
}

// The groups of digits: 1snnn 2snnn 4snnnsnnn 4/sss 5appp 6RRRR 7RRRR 8/CLCMCH 98mmm 931sss
// 933RRR, and the Japanese cloud layer NTThhh (1CU020: 1 okta of cumulus at 2000 feet).
std::size_t readDigits(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  const char c = s[0];
  if (s.size() == 5 && allDigits(s)) {
    if ((c == '1' || c == '2') && isSignedTenths(s.substr(1))) {
      out += c == '1' ? rw::kMaximum6h : rw::kMinimum6h;
      appendCelsius(out, s[1], s.substr(2));
      out += rw::kStop;
      return 1;
    }
    if (c == '5' && s[1] <= '8') {
      appendText(out, rw::kTendencyIntro, rw::kTendency[static_cast<std::size_t>(s[1] - '0')],
                 rw::kNetChange);
      appendScaled(out, s.substr(2), 1);
      appendText(out, rw::kHectopascals, rw::kStop);
      return 1;
    }
    if (c == '6' || c == '7') {
      appendAmount(out, c == '6' ? rw::kPeriodPrecipitation : rw::kDailyPrecipitation, s.substr(1),
                   2);
      return 1;
    }
    if (c == '9' && s[1] == '8') {
      if (allZeros(s.substr(2))) {
        out += rw::kNoSunshine;
      } else {
        out += rw::kSunshine;
        appendInteger(out, s.substr(2));
        out += rw::kMinutes;
      }
      return 1;
    }
    return 0;
  }
  if (s.size() == 5 && (c == '5' || c == '6' || c == '7') && allSlashes(s.substr(1))) {
    if (c == '5') {
      out += rw::kTendencyNotReported;
    } else {
      appendAmount(out, c == '6' ? rw::kPeriodPrecipitation : rw::kDailyPrecipitation, s.substr(1),
                   2);
    }
    return 1;
  }
  if (s.size() == 9 && c == '4' && isSignedTenths(s.substr(1, 4)) &&
      isSignedTenths(s.substr(5, 4))) {
    out += rw::kMaximum24h;
    appendCelsius(out, s[1], s.substr(2, 3));
    out += rw::kMinimum24h;
    appendCelsius(out, s[5], s.substr(6, 3));
    out += rw::kStop;
    return 1;
  }
  if (s.size() == 5 && c == '4' && s[1] == '/' && isAmount(s.substr(2))) {
    if (allSlashes(s.substr(2))) {
      out += rw::kSnowDepthNotReported;
    } else {
      out += rw::kSnowDepthIs;
      appendInteger(out, s.substr(2));
      appendText(out, s.substr(2) == "001" ? rw::kInch : rw::kInches, rw::kStop);
    }
    return 1;
  }
  if (s.size() == 5 && c == '8' && s[1] == '/') {
    std::array<std::size_t, 3> type{};
    for (std::size_t k = 0; k < 3; ++k) {
      const char t = s[2 + k];
      if (t == '/') {
        type[k] = 10;
      } else if (isDigit(t)) {
        type[k] = static_cast<std::size_t>(t - '0');
      } else {
        return 0;
      }
    }
    appendText(out, rw::kLowClouds, rw::kLowCloudTypes[type[0]], rw::kMiddleClouds,
               rw::kMiddleCloudTypes[type[1]], rw::kHighClouds, rw::kHighCloudTypes[type[2]],
               rw::kStop);
    return 1;
  }
  if (s.size() == 6 && startsWith(s, "93") && (s[2] == '1' || s[2] == '3') &&
      isAmount(s.substr(3))) {
    appendAmount(out, s[2] == '1' ? rw::kSnowfall6h : rw::kSnowWater, s.substr(3), 1);
    return 1;
  }
  // NTThhh: oktas, cloud genus, base in hundreds of feet.
  if (s.size() >= 6 && c >= '1' && c <= '8' && digitsAt(s, s.size() - 3, 3)) {
    const rw::Word* type = find(rw::kLayerTypes, s.substr(1, s.size() - 4));
    if (type == nullptr || type->words.view().find(' ') != string_view::npos ||
        type->code.size() > 3) {
      if (type == nullptr || !is(type->code, "TCU")) return 0;
    }
    out += rw::kCloudLayer;
    out += c;
    appendText(out, c == '1' ? rw::kOktaOf : rw::kOktasOf, type->words, rw::kAt);
    appendHundredsOfFeet(out, s.substr(s.size() - 3));
    appendText(out, rw::kFeet, rw::kStop);
    return 1;
  }
  return 0;
}

// PK WND dddff(f)/(hh)mm.
std::size_t readPeakWind(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "PK") || !is(at(gs, 1), "WND")) return 0;
  const string_view s = at(gs, 2);
  const std::size_t slash = s.find('/');
  if (slash != 5 && slash != 6) return 0;
  if (!allDigits(s.substr(0, slash)) || !isTime(s.substr(slash + 1))) return 0;
  appendText(out, rw::kPeakWindFrom, s.substr(0, 3), rw::kDegreesAt);
  appendCount(out, s.substr(3, slash - 3), rw::kKnot, rw::kKnots);
  out += rw::kCommaAt;
  appendTime(out, s.substr(slash + 1));
  out += rw::kStop;
  return 3;
}

// WSHFT (hh)mm [FROPA].
std::size_t readWindShift(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "WSHFT") || !isTime(at(gs, 1))) return 0;
  out += rw::kWindShiftAt;
  appendTime(out, at(gs, 1));
  const bool front = is(at(gs, 2), "FROPA");
  if (front) out += rw::kWithFrontalPassage;
  out += rw::kStop;
  return front ? 3 : 2;
}

// A wind group of a place: dddff(f)[Gff(f)]KT or MPS, VRBffKT, 00000KT, /////KT. Appends
// "from 350 degrees at 2 knots" and the like.
bool appendWindValue(TextBuffer& out, string_view s) {
  string_view unit, oneUnit;
  if (endsWith(s, "KT")) {
    unit = rw::kKnots;
    oneUnit = rw::kKnot;
    s.remove_suffix(2);
  } else if (endsWith(s, "MPS")) {
    unit = rw::kMetresPerSecond;
    oneUnit = rw::kMetrePerSecond;
    s.remove_suffix(3);
  } else {
    return false;
  }
  if (s.size() == 5 && allSlashes(s)) {
    out += rw::kNotReported;
    return true;
  }
  if (s.size() < 5) return false;
  const string_view direction = s.substr(0, 3);
  const bool variable = is(direction, "VRB");
  if (!variable && !allDigits(direction)) return false;
  const std::size_t g = s.find_first_of("Gg", 3);
  const string_view speed = s.substr(3, g == string_view::npos ? string_view::npos : g - 3);
  const string_view gust = g == string_view::npos ? string_view{} : s.substr(g + 1);
  if (speed.size() < 2 || speed.size() > 3 || !allDigits(speed)) return false;
  if (g != string_view::npos && (gust.size() < 2 || gust.size() > 3 || !allDigits(gust))) {
    return false;
  }
  if (!variable && allZeros(direction) && allZeros(speed) && gust.empty()) {
    out += rw::kWindCalm;
    return true;
  }
  if (variable) {
    out += rw::kVariableAt;
  } else {
    appendText(out, rw::kFrom, direction, rw::kDegreesAt);
  }
  appendCount(out, speed, oneUnit, unit);
  if (!gust.empty()) {
    out += rw::kGustingTo;
    appendCount(out, gust, oneUnit, unit);
  }
  return true;
}
// dddVddd after a wind group.
bool isVariation(string_view s) {
  return s.size() == 7 && digitsAt(s, 0, 3) && asciiUpper(s[3]) == 'V' && digitsAt(s, 4, 3);
}
// Ends the sentence of a place's wind, with the variation group when there is one; returns the
// groups read after the wind group.
std::size_t finishWind(Groups gs, std::size_t next, TextBuffer& out) {
  const string_view v = at(gs, next);
  if (isVariation(v)) {
    appendText(out, rw::kDirectionVaries, v.substr(0, 3), rw::kAnd, v.substr(4, 3), rw::kDegrees,
               rw::kStop);
    return 1;
  }
  out += rw::kStop;
  return 0;
}

// RWYnn dddffKT [dddVddd]; WIND THRnn dddffKT; WIND hhhhFT dddffKT; HARBOR WIND dddffKT;
// [TDZ|END] Rnn/dddffMPS.
std::size_t readPlaceWind(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  const std::size_t mark = out.size();
  if (startsWith(s, "RWY") && codes::isDesignator(s.substr(3))) {
    appendText(out, rw::kWindForRunway);
    appendUpper(out, s.substr(3));
    out += rw::kIsWord;
    if (appendWindValue(out, at(gs, 1))) return 2 + finishWind(gs, 2, out);
  } else if (is(s, "WIND") && is(at(gs, 1), "RWY") && codes::isDesignator(at(gs, 2))) {
    appendText(out, rw::kWindForRunway);
    appendUpper(out, at(gs, 2));
    out += rw::kIsWord;
    if (appendWindValue(out, at(gs, 3))) return 4 + finishWind(gs, 4, out);
  } else if (is(s, "WIND") && startsWith(at(gs, 1), "RWY") &&
             codes::isDesignator(at(gs, 1).substr(3))) {
    appendText(out, rw::kWindForRunway);
    appendUpper(out, at(gs, 1).substr(3));
    out += rw::kIsWord;
    if (appendWindValue(out, at(gs, 2))) return 3 + finishWind(gs, 3, out);
  } else if (is(s, "WIND") && startsWith(at(gs, 1), "THR") &&
             codes::isDesignator(at(gs, 1).substr(3))) {
    out += rw::kWindAtThreshold;
    appendUpper(out, at(gs, 1).substr(3));
    out += rw::kIsWord;
    if (appendWindValue(out, at(gs, 2))) return 3 + finishWind(gs, 3, out);
  } else if (is(s, "WIND") && endsWith(at(gs, 1), "FT") && at(gs, 1).size() > 2 &&
             allDigits(at(gs, 1).substr(0, at(gs, 1).size() - 2))) {
    out += rw::kWindAtHeight;
    appendInteger(out, at(gs, 1).substr(0, at(gs, 1).size() - 2));
    appendText(out, rw::kFeet, rw::kIsWord);
    if (appendWindValue(out, at(gs, 2))) return 3 + finishWind(gs, 3, out);
  } else if ((is(s, "HARBOR") || is(s, "HARBOUR")) && is(at(gs, 1), "WIND")) {
    appendText(out, rw::kWindAtHarbour, rw::kIsWord);
    if (appendWindValue(out, at(gs, 2))) return 3 + finishWind(gs, 3, out);
  } else {
    const bool zone = is(s, "TDZ") || is(s, "END");
    const string_view r = zone ? at(gs, 1) : s;
    const std::size_t slash = r.find('/');
    if (r.size() > 1 && asciiUpper(r[0]) == 'R' && slash != string_view::npos &&
        codes::isDesignator(r.substr(1, slash - 1)) && endsWith(r, "MPS")) {
      out += rw::kWindForRunway;
      appendUpper(out, r.substr(1, slash - 1));
      if (zone) out += is(s, "TDZ") ? rw::kAtTouchdownZone : rw::kAtRunwayEnd;
      out += rw::kIsWord;
      const std::size_t n = zone ? 2 : 1;
      if (appendWindValue(out, r.substr(slash + 1))) return n + finishWind(gs, n, out);
    }
  }
  out.truncate(mark);
  return 0;
}

// RWYnn or RWYnn/nn, a runway or both its ends.
bool isRunwayOrPair(string_view s) {
  const std::size_t slash = s.find('/');
  if (slash == string_view::npos) return codes::isDesignator(s);
  return codes::isDesignator(s.substr(0, slash)) && codes::isDesignator(s.substr(slash + 1));
}
bool isRunwayPlace(string_view s) {
  return startsWith(s, "RWY") && isRunwayOrPair(s.substr(3));
}

// Visibility values after VIS, TWR VIS, SFC VIS: "1/2V2", "1 1/2V4", "1400V9999", "2500M",
// "2 1/2", "NE 2 1/2" (a sector), "2 RWY11" (a second location).
std::size_t readVisibilityValue(Groups gs, std::size_t i, string_view subject, TextBuffer& out) {
  const std::size_t start = i;
  string_view sector;
  if (subject == rw::kVisibility && isDirection(at(gs, i))) sector = at(gs, i++);
  const string_view a = at(gs, i);
  const std::size_t v = a.find_first_of("Vv");
  string_view lowMetres, highMetres;
  std::optional<Miles> low, high;
  std::size_t n = 1;  // the groups of the value
  if (isMetres(a)) {
    lowMetres = a;
  } else if (v != string_view::npos && isMetres(a.substr(0, v)) && isMetres(a.substr(v + 1))) {
    lowMetres = a.substr(0, v);
    highMetres = a.substr(v + 1);
  } else {
    // Statute miles: a value, maybe "whole fraction" over two groups, then maybe V and a second
    // value that may also run into the next group.
    string_view second;
    const string_view b = at(gs, i + 1);
    const std::size_t bv = b.find_first_of("Vv");
    if (v != string_view::npos) {
      low = codes::milesOf(a.substr(0, v));
      second = a.substr(v + 1);
    } else if (isWholeMiles(a) && bv != string_view::npos && isFraction(b.substr(0, bv))) {
      low = Miles{codes::Bound::kExact, a, b.substr(0, bv)};
      second = b.substr(bv + 1);
      n = 2;
    } else if (isWholeMiles(a) && isFraction(b)) {
      low = Miles{codes::Bound::kExact, a, b};
      n = 2;
    } else {
      low = codes::milesOf(a);
    }
    if (!low) return 0;
    if (v != string_view::npos || !second.empty()) {
      high = codes::milesOf(second);
      if (!high) return 0;
      if (high->fraction.empty() && isFraction(at(gs, i + n))) {
        high->fraction = at(gs, i + n);
        ++n;
      }
    }
  }
  // A second location; a metre value for some other place (VIS 2500M IN APCH) is left unread.
  string_view runway;
  if (isRunwayPlace(at(gs, i + n))) {
    runway = at(gs, i + n).substr(3);
    ++n;
  } else if (!lowMetres.empty() && highMetres.empty() && is(at(gs, i + n), "IN")) {
    return 0;
  }
  out += subject;
  if (!sector.empty()) appendDirection(out, sector, rw::kToThe);
  if (!runway.empty()) {
    out += rw::kAtRunway;
    appendUpper(out, runway);
  }
  if (!highMetres.empty()) {
    out += rw::kIsVariableBetween;
    appendMetres(out, lowMetres);
    out += rw::kAnd;
    appendMetres(out, highMetres);
  } else if (!lowMetres.empty()) {
    out += rw::kIsWord;
    appendMetres(out, lowMetres);
  } else if (high) {
    out += rw::kIsVariableBetween;
    appendMilesValue(out, *low);
    out += rw::kAnd;
    appendMilesValue(out, *high);
    appendMilesUnit(out, *high);
  } else {
    out += rw::kIsWord;
    appendMilesValue(out, *low);
    appendMilesUnit(out, *low);
  }
  out += rw::kStop;
  return i + n - start;
}

// VIS ..., TWR VIS ..., SFC VIS ..., and VIS MIN mmmm (the minimum visibility, in metres).
std::size_t readVisibility(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  if ((is(s, "TWR") || is(s, "SFC")) && is(at(gs, 1), "VIS")) {
    const std::size_t n = readVisibilityValue(
        gs, 2, is(s, "TWR") ? rw::kTowerVisibility : rw::kSurfaceVisibility, out);
    return n == 0 ? 0 : 2 + n;
  }
  if (!is(s, "VIS")) return 0;
  if (is(at(gs, 1), "MIN") && isMetres(at(gs, 2))) {
    appendText(out, rw::kMinimumVisibility, rw::kIsWord);
    appendMetres(out, at(gs, 2));
    out += rw::kStop;
    return 3;
  }
  const std::size_t n = readVisibilityValue(gs, 1, rw::kVisibility, out);
  return n == 0 ? 0 : 1 + n;
}

// CIG hhhVhhh, CIG hhh [RWYnn], CIGhhh.
std::size_t readCeiling(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  if (s.size() == 6 && startsWith(s, "CIG") && digitsAt(s, 3, 3)) {
    appendText(out, rw::kCeiling, rw::kIsWord);
    appendHundredsOfFeet(out, s.substr(3));
    appendText(out, rw::kFeet, rw::kStop);
    return 1;
  }
  if (!is(s, "CIG")) return 0;
  const string_view h = at(gs, 1);
  if (h.size() == 7 && digitsAt(h, 0, 3) && asciiUpper(h[3]) == 'V' && digitsAt(h, 4, 3)) {
    appendText(out, rw::kCeiling, rw::kIsVariableBetween);
    appendHundredsOfFeet(out, h.substr(0, 3));
    out += rw::kAnd;
    appendHundredsOfFeet(out, h.substr(4));
    appendText(out, rw::kFeet, rw::kStop);
    return 2;
  }
  if (h.size() != 3 || !allDigits(h)) return 0;
  out += rw::kCeiling;
  const string_view r = at(gs, 2);
  const bool runway = startsWith(r, "RWY") && codes::isDesignator(r.substr(3));
  if (runway) {
    out += rw::kAtRunway;
    appendUpper(out, r.substr(3));
  }
  out += rw::kIsWord;
  appendHundredsOfFeet(out, h);
  appendText(out, rw::kFeet, rw::kStop);
  return runway ? 3 : 2;
}

// [OCNL|FRQ|CONS] LTG[IC][CC][CG][CA] [places].
std::size_t readLightning(Groups gs, TextBuffer& out) {
  std::size_t i = 0;
  const rw::Word* frequency = find(rw::kLightningFrequency, at(gs, 0));
  if (frequency != nullptr) ++i;
  const string_view s = at(gs, i);
  if (!startsWith(s, "LTG")) return 0;
  std::array<const rw::Word*, 4> types{};
  std::size_t count = 0;
  for (std::size_t p = 3; p < s.size(); p += 2) {
    const rw::Word* t = p + 2 <= s.size() ? find(rw::kLightningTypes, s.substr(p, 2)) : nullptr;
    if (t == nullptr || count == types.size()) return 0;
    types[count++] = t;
  }
  out += frequency != nullptr ? frequency->words : rw::kLightning;
  for (std::size_t k = 0; k < count; ++k) {
    out += k == 0 ? rw::kOpenBracket : (k + 1 == count ? rw::kAnd : rw::kComma);
    out += types[k]->words;
  }
  if (count > 0) out += rw::kCloseBracket;
  const std::size_t places = readPlaces(gs, i + 1, out);
  out += rw::kStop;
  return i + 1 + places;
}

// Weather begin and end times: RAB15E30, TSB1512E1530, -RAB05, RAB1159E24SNB24.
std::size_t readBeginEnd(string_view s, TextBuffer& out) {
  if (!isDigit(s.back())) return 0;
  const std::size_t mark = out.size();
  std::size_t p = 0;
  bool firstEvent = true;
  while (p < s.size()) {
    WeatherCode w;
    const std::size_t end = codes::readWeatherName(s, p, w);
    if (end == p) break;
    p = end;
    bool firstTime = true;
    while (p + 1 < s.size() && (asciiUpper(s[p]) == 'B' || asciiUpper(s[p]) == 'E') &&
           isDigit(s[p + 1])) {
      const bool began = asciiUpper(s[p]) == 'B';
      std::size_t q = p + 1;
      while (q < s.size() && isDigit(s[q])) ++q;
      const string_view time = s.substr(p + 1, q - p - 1);
      if (!isTime(time)) {
        out.truncate(mark);
        return 0;
      }
      if (firstTime) {
        if (!firstEvent) out += rw::kSemicolon;
        const std::size_t name = out.size();
        appendWeatherName(out, w);
        if (firstEvent) capitaliseFrom(out, name);
        out += began ? rw::kBegan : rw::kEnded;
      } else {
        appendText(out, rw::kComma, began ? rw::kBeganOther : rw::kEndedOther);
      }
      appendTime(out, time);
      firstTime = false;
      p = q;
    }
    if (firstTime) break;  // a name without a time
    firstEvent = false;
  }
  if (firstEvent || p != s.size()) {
    out.truncate(mark);
    return 0;
  }
  out += rw::kStop;
  return 1;
}

// The words of a phenomenon or cloud group (TS, CB, VIRGA, -SHRA); false when it is none.
bool appendPhenomenon(TextBuffer& out, string_view s) {
  if (const rw::Word* p = find(rw::kPhenomena, s)) {
    out += p->words;
    return true;
  }
  WeatherCode w;
  if (is(s, "SH")) {
    w.descriptor = codes::Descriptor::kSH;  // showers, the descriptor alone
  } else if (s.empty() || codes::readWeatherName(s, 0, w) != s.size()) {
    return false;
  }
  appendWeatherName(out, w);
  return true;
}

// A phenomenon or cloud and where it is: TS DSNT NW, CB DSNT N MOV E, VIRGA N, CB AND RA TO S.
std::size_t readPlacedPhenomenon(Groups gs, TextBuffer& out) {
  const string_view next = at(gs, 1);
  if (!is(at(gs, 0), "VIRGA") && !isPlaceWord(next) && !isDirection(next) && !is(next, "AND") &&
      !is(next, "TO") && !is(next, "AT") && !is(next, "OVER") && !is(next, "IN") &&
      !isKilometres(next) && wordPair(next, at(gs, 2)).empty()) {
    return 0;
  }
  const std::size_t mark = out.size();
  if (!appendPhenomenon(out, at(gs, 0))) return 0;
  std::size_t n = 1;
  if (is(at(gs, 1), "AND")) {
    out += rw::kAnd;
    if (!appendPhenomenon(out, at(gs, 2))) {
      out.truncate(mark);
      return 0;
    }
    n = 3;
  }
  capitaliseFrom(out, mark);
  const std::size_t places = readPlaces(gs, n, out);
  if (places == 0 && !(n == 1 && is(at(gs, 0), "VIRGA"))) {  // FMH-1: VIRGA [direction]
    out.truncate(mark);
    return 0;
  }
  out += rw::kStop;
  return n + places;
}

// Canadian layer opacities: SC6AC2, FG6ST2, CI0; and a trace of a layer: AC TR.
std::size_t readLayers(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  if (!isDigit(s.back()) && !is(at(gs, 1), "TR")) return 0;
  if (const rw::Word* t = find(rw::kLayerTypes, s); t != nullptr && is(at(gs, 1), "TR")) {
    appendText(out, rw::kTraceOf, t->words, rw::kStop);
    return 2;
  }
  const std::size_t mark = out.size();
  out += rw::kLayersIntro;
  std::size_t p = 0;
  while (p < s.size()) {
    const rw::Word* t = findPrefix(rw::kLayerTypes, s, p);
    if (t == nullptr) break;
    p += t->code.size();
    if (p >= s.size() || s[p] < '0' || s[p] > '8') break;
    if (out.size() > mark + rw::kLayersIntro.size()) out += rw::kComma;
    appendText(out, t->words, rw::kSpace, s.substr(p, 1), s[p] == '1' ? rw::kOkta : rw::kOktas);
    ++p;
  }
  if (p != s.size() || out.size() == mark + rw::kLayersIntro.size()) {
    out.truncate(mark);
    return 0;
  }
  out += rw::kStop;
  return 1;
}

// FEW/SCT/BKN/OVC[hhh] V FEW/SCT/BKN/OVC: variable sky cover.
std::size_t readVariableSky(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  if (s.size() < 3 || !is(at(gs, 1), "V")) return 0;
  const rw::Word* from = find(rw::kSkyCovers, s.substr(0, 3));
  const rw::Word* to = find(rw::kSkyCovers, at(gs, 2));
  if (from == nullptr || to == nullptr) return 0;
  if (s.size() != 3 && !(s.size() == 6 && digitsAt(s, 3, 3))) return 0;
  out += rw::kSkyCover;
  if (s.size() == 6) {
    out += rw::kAt;
    appendHundredsOfFeet(out, s.substr(3));
    out += rw::kFeet;
  }
  appendText(out, rw::kVariableSky, from->words, rw::kAnd, to->words, rw::kStop);
  return 3;
}

// VISNO RWYnn, CHINO RWYnn: the sensor at a second location.
std::size_t readSensorAtRunway(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  const string_view r = at(gs, 1);
  if (!(is(s, "VISNO") || is(s, "CHINO")) || !startsWith(r, "RWY") ||
      !codes::isDesignator(r.substr(3))) {
    return 0;
  }
  appendText(out, rw::kSensorAt,
             is(s, "VISNO") ? rw::kVisibilitySensorAt : rw::kCloudHeightSensorAt, rw::kRunway);
  appendUpper(out, r.substr(3));
  out += rw::kIsNotAvailable;
  return 2;
}

// The obscurations of the weather code (no precipitation).
bool isObscuration(string_view code) {
  for (const string_view c : {"FG", "BR", "FU", "HZ", "DU", "SA", "VA", "PY"}) {
    if (is(code, c)) return true;
  }
  return false;
}

// An obscuring layer: a weather phenomenon and its sky cover, FU BKN020, FG SCT000.
std::size_t readObscuration(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  const string_view layer = at(gs, 1);
  if (layer.size() != 6 || !digitsAt(layer, 3, 3)) return 0;
  WeatherCode w;
  if (codes::readWeatherName(s, 0, w) != s.size() || w.intensity != codes::Intensity::kNone ||
      w.vicinity || w.count == 0) {
    return 0;
  }
  for (std::size_t k = 0; k < w.count; ++k) {
    if (!isObscuration(codes::codeOf(w.phenomena[k]))) return 0;
  }
  const rw::Word* cover = find(rw::kSkyCovers, layer.substr(0, 3));
  if (cover == nullptr || is(cover->code, "SKC")) return 0;
  out += rw::kLayerOf;
  appendWeatherName(out, w);
  appendText(out, rw::kOpenBracket, cover->words, rw::kCloseBracket);
  if (allZeros(layer.substr(3))) {
    out += rw::kAtTheSurface;
  } else {
    out += rw::kAt;
    appendHundredsOfFeet(out, layer.substr(3));
    out += rw::kFeet;
  }
  out += rw::kStop;
  return 2;
}

// REw'w' in the remarks: recent weather, worded as in the supplementary line.
std::size_t readRecentWeather(Groups gs, TextBuffer& out) {
  const string_view s = at(gs, 0);
  if (s.size() < 4 || !startsWith(s, "RE")) return 0;
  codes::WeatherCode code;
  if (codes::readWeatherName(s, 2, code) != s.size() || code.intensity != codes::Intensity::kNone ||
      code.vicinity || code.count == 0) {
    return 0;
  }
  words::appendRecentWeather(out, code);
  return 1;
}

// PCPN n.nMM PAST HR: precipitation of the last hour in millimetres.
std::size_t readPrecipitationMillimetres(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "PCPN") || !is(at(gs, 2), "PAST") || !is(at(gs, 3), "HR")) return 0;
  string_view v = at(gs, 1);
  if (!endsWith(v, "MM")) return 0;
  v.remove_suffix(2);
  const std::size_t point = v.find('.');
  const bool ok = point == string_view::npos
                      ? allDigits(v)
                      : allDigits(v.substr(0, point)) && allDigits(v.substr(point + 1));
  if (!ok) return 0;
  appendText(out, rw::kPrecipitationLastHour, v, rw::kMillimetres, rw::kStop);
  return 4;
}

// DENSITY ALT [-]nnnnFT.
std::size_t readDensityAltitude(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "DENSITY") || !is(at(gs, 1), "ALT")) return 0;
  string_view v = at(gs, 2);
  if (!endsWith(v, "FT")) return 0;
  v.remove_suffix(2);
  const bool negative = !v.empty() && v[0] == '-';
  if (negative) v.remove_prefix(1);
  if (!allDigits(v)) return 0;
  out += rw::kDensityAltitudeIs;
  if (negative) out += rw::kMinus;
  appendInteger(out, v);
  appendText(out, rw::kFeet, rw::kStop);
  return 3;
}

// COR hhmm: the time of a correction.
std::size_t readCorrection(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "COR") || at(gs, 1).size() != 4 || !isTime(at(gs, 1))) return 0;
  out += rw::kCorrectedAt;
  appendTime(out, at(gs, 1));
  out += rw::kStop;
  return 2;
}

// LAST STFD OBS/NXT ddhhmmZ and its spellings.
std::size_t readLastStaffed(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "LAST") || !is(at(gs, 1), "STFD")) return 0;
  std::size_t i = 2;
  const string_view next = at(gs, i);
  if (is(next, "OBS") || is(next, "OBS/NXT") || is(next, "OBS/NEXT") || is(next, "OB/NEXT") ||
      is(next, "OB/NXT")) {
    ++i;
  }
  out += rw::kLastStaffed;
  const string_view t = at(gs, i);
  if (i == 3 && t.size() == 7 && digitsAt(t, 0, 6) && asciiUpper(t[6]) == 'Z') {
    const string_view suffix = words::daySuffix(t.substr(0, 1), t.substr(1, 1));
    if (suffix.empty()) {
      out += rw::kNextAt;
    } else {
      appendText(out, rw::kNextOnThe, t.substr(0, 2), suffix);
    }
    appendTime(out, t.substr(2, 4));
    ++i;
  } else {
    i = 2;
  }
  out += rw::kStop;
  return i;
}

// SNINCR i/ddd: snow increasing rapidly.
std::size_t readSnowIncrease(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "SNINCR")) return 0;
  const string_view s = at(gs, 1);
  const std::size_t slash = s.find('/');
  if (slash == string_view::npos || !allDigits(s.substr(0, slash)) ||
      !allDigits(s.substr(slash + 1))) {
    return 0;
  }
  out += rw::kSnowIncreasing;
  appendCount(out, s.substr(0, slash), rw::kInch, rw::kInches);
  out += rw::kInTheLastHour;
  appendCount(out, s.substr(slash + 1), rw::kInch, rw::kInches);
  out += rw::kOnTheGround;
  return 2;
}

// GR s: the largest hailstones, in inches ("GR 1 3/4").
std::size_t readHailSize(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "GR")) return 0;
  Miles m;
  std::size_t n = 2;
  if (isWholeMiles(at(gs, 1)) && isFraction(at(gs, 2))) {
    m = Miles{codes::Bound::kExact, at(gs, 1), at(gs, 2)};
    n = 3;
  } else {
    const std::optional<Miles> one = codes::milesOf(at(gs, 1));
    if (!one || one->bound != codes::Bound::kExact) return 0;
    m = *one;
  }
  out += rw::kHailstones;
  appendMilesValue(out, m);
  out += (m.whole.empty() || (m.fraction.empty() && m.whole == "1")) ? rw::kInch : rw::kInches;
  out += rw::kAcross;
  return n;
}

// BIRD HAZARD RWY nn[/nn].
std::size_t readBirdHazard(Groups gs, TextBuffer& out) {
  if (!is(at(gs, 0), "BIRD") || !is(at(gs, 1), "HAZARD") || !is(at(gs, 2), "RWY")) return 0;
  const string_view r = at(gs, 3);
  const std::size_t slash = r.find('/');
  const bool pair = slash != string_view::npos && codes::isDesignator(r.substr(0, slash)) &&
                    codes::isDesignator(r.substr(slash + 1));
  if (!pair && !codes::isDesignator(r)) return 0;
  appendText(out, rw::kBirdHazardOnRunway);
  appendUpper(out, r);
  out += rw::kStop;
  return 4;
}

}  // namespace

std::size_t readRemark(std::span<const Group> groups, std::size_t first, TextBuffer& out) {
  if (first >= groups.size()) return 0;
  const Groups gs = groups.subspan(first);
  const string_view s = gs[0].bytes();
  if (s.empty()) return 0;
  const char c = asciiUpper(s[0]);
  if (isDigit(c)) return readDigits(gs, out);
  std::size_t n = 0;
  switch (c) {
    case 'S':
      if ((n = readSeaLevelPressure(s, out)) != 0) return n;
      break;
    case 'T':
      if ((n = readTenthsTemperature(s, out)) != 0) return n;
      break;
    case 'P':
    case 'I':
      if ((n = readHundredths(s, out)) != 0) return n;
      break;
    case 'A':
      if ((n = readAltimeter(s, out)) != 0) return n;
      break;
    case 'Q':
      return readQ(s, out);
    case 'L':
      if ((n = readLastStaffed(gs, out)) != 0) return n;
      break;
    case 'C':
    case 'V':
      if ((n = readSensorAtRunway(gs, out)) != 0) return n;
      break;
    case 'B':
      if ((n = readBirdHazard(gs, out)) != 0) return n;
      break;
    default:
      break;
  }
  if ((n = readKeyword(gs, out)) != 0) return n;
  for (auto reader : {readLightning, readPeakWind, readWindShift, readPlaceWind, readVisibility,
                      readCeiling, readVariableSky, readObscuration, readDensityAltitude,
                      readCorrection, readSnowIncrease, readHailSize, readBirdHazard,
                      readRecentWeather, readPrecipitationMillimetres, readLayers}) {
    if ((n = reader(gs, out)) != 0) return n;
  }
  if ((n = readBeginEnd(s, out)) != 0) return n;
  return readPlacedPhenomenon(gs, out);
}

}  // namespace vantrel::full
