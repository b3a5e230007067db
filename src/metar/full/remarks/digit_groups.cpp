// The numeric remarks: SLPppp, TsTTTsDDD, the groups of digits of FMH-1 12.7 (1snnn 2snnn
// 4snnnsnnn 4/sss 5appp 6RRRR 7RRRR 8/CLCMCH 98mmm 931sss 933RRR), Pnnnn and Innnn, the
// altimeter Apppp, the Russian Q groups and the Japanese cloud layer NTThhh.

#include "metar/full/remarks/remark.hpp"

namespace vantrel::remarks {
namespace {

bool isSignedTenths(string_view s) {
  return s.size() == 4 && (s[0] == '0' || s[0] == '1') && allDigits(s);
}
// Tenths with a sign digit (1 below zero): "1089" is -8.9.
Tenths tenthsOf(string_view signedTenths) {
  const string_view digits = signedTenths.substr(1);
  return Tenths{signedTenths[0] == '1' && !allZeros(digits), digits};
}

bool isAmount(string_view s) {
  return allDigits(s) || allSlashes(s);
}
Found<Amount> amountOf(AmountKind kind, string_view digits, std::uint8_t decimals) {
  return {Amount{kind, digits, decimals, allSlashes(digits), allZeros(digits)}, 1};
}

// A group of five digits.
bool isFiveDigits(string_view s) {
  return s.size() == 5 && allDigits(s);
}

}  // namespace

Reading<SeaLevelPressure> readSeaLevelPressure(Groups gs) {
  const string_view s = at(gs, 0);
  if (!(s.size() == 6 && startsWith(s, "SLP") && digitsAt(s, 3, 3))) return std::nullopt;
  return Found<SeaLevelPressure>{{s.substr(3), s[3] >= '5'}};
}

// TsTTTsDDD, TsTTT, and TsTTT//// (dew point missing).
Reading<Temperature> readTemperature(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() != 5 && s.size() != 9) return std::nullopt;
  if (asciiUpper(s[0]) != 'T' || !isSignedTenths(s.substr(1, 4))) return std::nullopt;
  Temperature t{tenthsOf(s.substr(1, 4)), std::nullopt, false};
  if (s.size() == 9 && isSignedTenths(s.substr(5, 4))) {
    t.dewPoint = tenthsOf(s.substr(5, 4));
  } else if (s.size() == 9) {
    if (!allSlashes(s.substr(5))) return std::nullopt;
    t.dewPointMissing = true;
  }
  return Found<Temperature>{t};
}

// Precipitation and ice in hundredths of an inch (Pnnnn, Innnn, 6RRRR, 7RRRR), snow in tenths
// (931sss, 933RRR); all zeros a trace, slashes not reported. Mexican stations (MM..) write a
// 6-group of their own (61805 with light rain), which is not 6RRRR: it stays unread there.
Reading<Amount> readAmount(Groups gs, const Context& context) {
  const string_view s = at(gs, 0);
  const char c = asciiUpper(s[0]);
  if (s.size() == 5 && c == 'P' && isAmount(s.substr(1))) {
    return amountOf(AmountKind::kHourlyPrecipitation, s.substr(1), 2);
  }
  if (s.size() == 5 && c == 'I' && (s[1] == '1' || s[1] == '3' || s[1] == '6') &&
      isAmount(s.substr(2))) {
    const AmountKind kind = s[1] == '1'   ? AmountKind::kIce1h
                            : s[1] == '3' ? AmountKind::kIce3h
                                          : AmountKind::kIce6h;
    return amountOf(kind, s.substr(2), 2);
  }
  if (s.size() == 5 && (c == '6' || c == '7') && isAmount(s.substr(1)) &&
      !(c == '6' && startsWith(context.station(), "MM"))) {
    return amountOf(c == '6' ? AmountKind::kPeriodPrecipitation : AmountKind::kDailyPrecipitation,
                    s.substr(1), 2);
  }
  if (s.size() == 6 && startsWith(s, "93") && (s[2] == '1' || s[2] == '3') &&
      isAmount(s.substr(3))) {
    return amountOf(s[2] == '1' ? AmountKind::kSnowfall6h : AmountKind::kSnowWater, s.substr(3), 1);
  }
  return std::nullopt;
}

// Apppp and App.pp: altimeter setting in inches of mercury.
Reading<Altimeter> readAltimeter(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() == 5 && asciiUpper(s[0]) == 'A' && digitsAt(s, 1, 4)) {
    return Found<Altimeter>{{{s[1], s[2], s[3], s[4]}}};
  }
  if (s.size() == 6 && asciiUpper(s[0]) == 'A' && digitsAt(s, 1, 2) && s[3] == '.' &&
      digitsAt(s, 4, 2)) {
    return Found<Altimeter>{{{s[1], s[2], s[4], s[5]}}};
  }
  return std::nullopt;
}

// Qpppp: QNH in hectopascals.
Reading<Qnh> readQnh(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() != 5 || asciiUpper(s[0]) != 'Q' || !digitsAt(s, 1, 4)) return std::nullopt;
  return Found<Qnh>{{s.substr(1)}};
}

// QBBhhh: the cloud base in metres.
Reading<CloudBase> readCloudBase(Groups gs) {
  const string_view s = at(gs, 0);
  if (!(startsWith(s, "QBB") && s.size() == 6 && digitsAt(s, 3, 3))) return std::nullopt;
  return Found<CloudBase>{{s.substr(3)}};
}

// QFEppp[.p][/pppp]: QFE in millimetres of mercury, then hectopascals; QFEppp of 800 and more
// and QFEpppp are hectopascals alone (QFE989 at Lahore, QFE1000): no aerodrome has a QFE of
// 800 millimetres of mercury (1067 hectopascals).
Reading<Qfe> readQfe(Groups gs) {
  const string_view s = at(gs, 0);
  if (!startsWith(s, "QFE") || !digitsAt(s, 3, 3)) return std::nullopt;
  if ((s.size() == 6 && s[3] >= '8') || (s.size() == 7 && digitsAt(s, 6, 1))) {
    return Found<Qfe>{{{}, s.substr(3)}};
  }
  string_view rest = s.substr(6);
  Qfe q{s.substr(3, 3), {}};
  if (rest.size() >= 2 && rest[0] == '.' && isDigit(rest[1])) {
    q.millimetres = s.substr(3, 5);
    rest.remove_prefix(2);
  }
  if (q.millimetres[0] >= '8') return std::nullopt;
  if (rest.size() == 5 && rest[0] == '/' && digitsAt(rest, 1, 4)) {
    q.hectopascals = rest.substr(1);
  } else if (!rest.empty()) {
    return std::nullopt;
  }
  return Found<Qfe>{q};
}

// 1snnn, 2snnn: the highest and lowest temperature of the last 6 hours.
Reading<ExtremeTemperature6h> readExtremeTemperature6h(Groups gs) {
  const string_view s = at(gs, 0);
  if (!isFiveDigits(s) || (s[0] != '1' && s[0] != '2') || !isSignedTenths(s.substr(1))) {
    return std::nullopt;
  }
  return Found<ExtremeTemperature6h>{{s[0] == '1', tenthsOf(s.substr(1))}};
}

// 4snnnsnnn: the highest and lowest temperature of the last 24 hours.
Reading<Extremes24h> readExtremes24h(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() != 9 || s[0] != '4' || !isSignedTenths(s.substr(1, 4)) ||
      !isSignedTenths(s.substr(5, 4))) {
    return std::nullopt;
  }
  return Found<Extremes24h>{{tenthsOf(s.substr(1, 4)), tenthsOf(s.substr(5, 4))}};
}

// 5appp: the characteristic of the pressure tendency and the change; 5//// not reported. A
// steady pressure (4) with a change contradicts itself and is left unread.
Reading<Tendency> readTendency(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() == 5 && s[0] == '5' && allSlashes(s.substr(1))) {
    return Found<Tendency>{{0, {}, true}};
  }
  if (!isFiveDigits(s) || s[0] != '5' || s[1] > '8') return std::nullopt;
  if (s[1] == '4' && !allZeros(s.substr(2))) return std::nullopt;
  return Found<Tendency>{{static_cast<std::uint8_t>(s[1] - '0'), s.substr(2), false}};
}

// 98mmm: minutes of sunshine on the day before.
Reading<Sunshine> readSunshine(Groups gs) {
  const string_view s = at(gs, 0);
  if (!isFiveDigits(s) || s[0] != '9' || s[1] != '8') return std::nullopt;
  return Found<Sunshine>{{s.substr(2), allZeros(s.substr(2))}};
}

// 4/sss: snow depth in inches.
Reading<SnowDepth> readSnowDepth(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() != 5 || s[0] != '4' || s[1] != '/' || !isAmount(s.substr(2))) return std::nullopt;
  return Found<SnowDepth>{{s.substr(2), allSlashes(s.substr(2))}};
}

// 8/CLCMCH: the types of low, middle and high clouds; "/" for clouds not visible.
Reading<CloudTypes> readCloudTypes(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() != 5 || s[0] != '8' || s[1] != '/') return std::nullopt;
  CloudTypes c;
  for (std::size_t k = 0; k < 3; ++k) {
    const char t = s[2 + k];
    if (t == '/') {
      c.types[k] = kCloudsNotVisible;
    } else if (isDigit(t)) {
      c.types[k] = static_cast<std::uint8_t>(t - '0');
    } else {
      return std::nullopt;
    }
  }
  return Found<CloudTypes>{c};
}

// NTThhh: oktas, cloud genus, base in hundreds of feet (1CU020).
Reading<CloudLayer> readCloudLayer(Groups gs) {
  const string_view s = at(gs, 0);
  if (s.size() < 6 || s[0] < '1' || s[0] > '8' || !digitsAt(s, s.size() - 3, 3)) {
    return std::nullopt;
  }
  const string_view genus = s.substr(1, s.size() - 4);
  for (std::size_t i = 0; i < kLayerCodes.size(); ++i) {
    if (kLayerCodes[i].genus && is(genus, kLayerCodes[i].code)) {
      return Found<CloudLayer>{{static_cast<std::uint8_t>(s[0] - '0'), static_cast<std::uint8_t>(i),
                                s.substr(s.size() - 3)}};
    }
  }
  return std::nullopt;
}

}  // namespace vantrel::remarks
