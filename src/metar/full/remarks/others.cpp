// The word remarks: single groups that are a whole remark (AO2, $, PRESRR), NATO colour states,
// phrases of two or three groups (WND DATA ESTMD), NOSIG, and the remarks of a few words and a
// value: PCPN, DENSITY ALT, COR, LAST STFD, SNINCR, GR, BIRD HAZARD.

#include <array>
#include <bit>
#include <cstdint>
#include <tuple>

#include "metar/full/remarks/remark.hpp"
#include "metar/remark_vocabulary.hpp"

namespace vantrel::remarks {
namespace {

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
using remark_words::kPhrases;
using remark_words::kWholeRemarks;
constexpr FirstCharIndex kWholeIndex =
    indexByFirstChar(kWholeRemarks, [](const remark_words::WholeRemarkWords& w) { return w.code; });
constexpr FirstCharIndex kPhraseIndex =
    indexByFirstChar(kPhrases, [](const remark_words::PhraseWords& w) { return w.codes[0]; });
std::uint64_t candidates(const FirstCharIndex& index, string_view s) {
  const auto c = static_cast<unsigned char>(asciiUpper(s.empty() ? '\0' : s[0]));
  return c < index.size() ? index[c] : 0;
}
std::size_t lowest(std::uint64_t bits) {
  return static_cast<std::size_t>(std::countr_zero(bits));
}

}  // namespace

// AO2, $, PRESRR, ...: a whole remark in one group.
Reading<WholeRemark> readWholeRemark(Groups gs) {
  const string_view s = at(gs, 0);
  for (std::uint64_t m = candidates(kWholeIndex, s); m != 0; m &= m - 1) {
    if (is(s, kWholeRemarks[lowest(m)].code)) {
      return Found<WholeRemark>{{static_cast<std::uint8_t>(lowest(m))}};
    }
  }
  return std::nullopt;
}

// BLU, WHT, ...; TEMPO WHT and BECMG GRN (the colour of the trend); BLACKBLU (and closed).
Reading<ColourState> readColourState(Groups gs) {
  const string_view s = at(gs, 0);
  if (const auto colour = indexOf(kColourCodes, s)) {
    return Found<ColourState>{{*colour, ColourTrend::kNone, false}};
  }
  if (is(s, "TEMPO") || is(s, "BECMG")) {
    if (const auto colour = indexOf(kColourCodes, at(gs, 1))) {
      const ColourTrend trend = is(s, "TEMPO") ? ColourTrend::kTemporarily : ColourTrend::kBecoming;
      return Found<ColourState>{{*colour, trend, false}, 2};
    }
  }
  if (startsWith(s, "BLACK")) {
    if (const auto colour = indexOf(kColourCodes, s.substr(5))) {
      return Found<ColourState>{{*colour, ColourTrend::kNone, true}};
    }
  }
  return std::nullopt;
}

// WND DATA ESTMD, MON LIB NC, ...: two or three groups that are one remark.
Reading<Phrase> readPhrase(Groups gs) {
  const string_view s = at(gs, 0);
  for (std::uint64_t m = gs.size() < 2 ? 0 : candidates(kPhraseIndex, s); m != 0; m &= m - 1) {
    const std::array<string_view, 3>& codes = kPhrases[lowest(m)].codes;
    std::size_t n = 0;
    while (n < codes.size() && !codes[n].empty() && is(at(gs, n), codes[n])) ++n;
    if (n == codes.size() || (n > 0 && codes[n].empty())) {
      return Found<Phrase>{{static_cast<std::uint8_t>(lowest(m))}, n};
    }
  }
  return std::nullopt;
}

Reading<Nosig> readNosig(Groups gs) {
  if (!is(at(gs, 0), "NOSIG")) return std::nullopt;
  return Found<Nosig>{};
}

// PCPN n.nMM PAST HR: precipitation of the last hour in millimetres.
Reading<PrecipitationMillimetres> readPrecipitationMillimetres(Groups gs) {
  if (!is(at(gs, 0), "PCPN") || !is(at(gs, 2), "PAST") || !is(at(gs, 3), "HR")) {
    return std::nullopt;
  }
  string_view v = at(gs, 1);
  if (!endsWith(v, "MM")) return std::nullopt;
  v.remove_suffix(2);
  const std::size_t point = v.find('.');
  const bool ok = point == string_view::npos
                      ? allDigits(v)
                      : allDigits(v.substr(0, point)) && allDigits(v.substr(point + 1));
  if (!ok) return std::nullopt;
  return Found<PrecipitationMillimetres>{{v}, 4};
}

// DENSITY ALT [-]nnnnFT.
Reading<DensityAltitude> readDensityAltitude(Groups gs) {
  if (!is(at(gs, 0), "DENSITY") || !is(at(gs, 1), "ALT")) return std::nullopt;
  string_view v = at(gs, 2);
  if (!endsWith(v, "FT")) return std::nullopt;
  v.remove_suffix(2);
  const bool negative = !v.empty() && v[0] == '-';
  if (negative) v.remove_prefix(1);
  if (!allDigits(v)) return std::nullopt;
  return Found<DensityAltitude>{{negative, v}, 3};
}

// COR hhmm: the time of a correction.
Reading<Correction> readCorrection(Groups gs) {
  if (!is(at(gs, 0), "COR") || at(gs, 1).size() != 4 || !isTime(at(gs, 1))) return std::nullopt;
  return Found<Correction>{{at(gs, 1)}, 2};
}

// LAST STFD OBS/NXT ddhhmmZ and its spellings.
Reading<LastStaffed> readLastStaffed(Groups gs) {
  if (!is(at(gs, 0), "LAST") || !is(at(gs, 1), "STFD")) return std::nullopt;
  const string_view next = at(gs, 2);
  if (is(next, "OBS") || is(next, "OBS/NXT") || is(next, "OBS/NEXT") || is(next, "OB/NEXT") ||
      is(next, "OB/NXT")) {
    const string_view t = at(gs, 3);
    if (t.size() == 7 && digitsAt(t, 0, 6) && asciiUpper(t[6]) == 'Z') {
      return Found<LastStaffed>{{t.substr(0, 6)}, 4};
    }
  }
  return Found<LastStaffed>{{}, 2};
}

// SNINCR i/ddd: snow increasing rapidly.
Reading<SnowIncrease> readSnowIncrease(Groups gs) {
  if (!is(at(gs, 0), "SNINCR")) return std::nullopt;
  const string_view s = at(gs, 1);
  const std::size_t slash = s.find('/');
  if (slash == string_view::npos || !allDigits(s.substr(0, slash)) ||
      !allDigits(s.substr(slash + 1))) {
    return std::nullopt;
  }
  return Found<SnowIncrease>{{s.substr(0, slash), s.substr(slash + 1)}, 2};
}

// GR s: the largest hailstones, in inches ("GR 1 3/4").
Reading<HailSize> readHailSize(Groups gs) {
  if (!is(at(gs, 0), "GR")) return std::nullopt;
  if (codes::isWholeMiles(at(gs, 1)) && codes::isFraction(at(gs, 2))) {
    return Found<HailSize>{{{codes::Bound::kExact, at(gs, 1), at(gs, 2)}}, 3};
  }
  const std::optional<codes::Miles> size = codes::milesOf(at(gs, 1));
  if (!size || size->bound != codes::Bound::kExact) return std::nullopt;
  return Found<HailSize>{{*size}, 2};
}

// BIRD HAZARD RWY nn[/nn].
Reading<BirdHazard> readBirdHazard(Groups gs) {
  if (!is(at(gs, 0), "BIRD") || !is(at(gs, 1), "HAZARD") || !is(at(gs, 2), "RWY")) {
    return std::nullopt;
  }
  const string_view r = at(gs, 3);
  const std::size_t slash = r.find('/');
  const bool pair = slash != string_view::npos && codes::isDesignator(r.substr(0, slash)) &&
                    codes::isDesignator(r.substr(slash + 1));
  if (!pair && !codes::isDesignator(r)) return std::nullopt;
  return Found<BirdHazard>{{r}, 4};
}

}  // namespace vantrel::remarks
