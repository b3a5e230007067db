#include "metar/vocabulary.hpp"

#include "metar/fragments.hpp"
#include "metar/sentence_shapes.hpp"
#include "metar/text.hpp"

namespace vantrel::words {
namespace {

using namespace fragments;

// The fragments the wording functions put together.
constexpr std::array<Fragment, 2> kIssued = {"METAR report issued ", "SPECI report issued "};
constexpr Fragment kIssuedAt = "at ";
constexpr Fragment kIssuedOnThe = "on the ";
constexpr Fragment kTimeSeparator = ".";
constexpr Fragment kGmt = " GMT ";
constexpr Fragment kFor = "for ";
constexpr Fragment kStationEnd = ":";
constexpr std::array<Fragment, 4> kDaySuffixes = {"st at ", "nd at ", "rd at ", "th at "};

constexpr Fragment kVaryingFrom = " Wind direction is varying from ";
constexpr Fragment kVaryingTo = " to ";
constexpr Fragment kDegrees = " degrees";

constexpr Fragment kVerticalVisibilityIs = "Vertical Visibility is ";
constexpr Fragment kThousands = ",";
constexpr Fragment kHundredsOfFeet = "00 feet. ";

constexpr Fragment kDegreesCelsiusSpaced = "\u00B0 Celsius. ";
constexpr Fragment kQnhIs = "QNH is ";
constexpr Fragment kMillibars = " millibars. ";

std::string_view unitWords(SpeedUnit unit) {
  return kSpeedUnits[static_cast<std::size_t>(unit)];
}

bool isDigitIn(std::string_view c, char low, char high) {
  return c.size() == 1 && c[0] >= low && c[0] <= high;
}

}  // namespace

void appendIssueTime(TextBuffer& out, std::string_view hour, std::string_view minute,
                     ReportType type) {
  appendText(out, kIssued[static_cast<std::size_t>(type)], kIssuedAt, hour, kTimeSeparator, minute,
             kGmt);
}

void appendIssueDayAndTime(TextBuffer& out, std::string_view day, std::string_view suffix,
                           std::string_view hour, std::string_view minute, ReportType type) {
  appendText(out, kIssued[static_cast<std::size_t>(type)], kIssuedOnThe, day, suffix, hour,
             kTimeSeparator, minute, kGmt);
}

std::string_view daySuffix(std::string_view d1, std::string_view d2) {
  if (isDigitIn(d2, '0', '0') || isDigitIn(d2, '4', '9')) return kDaySuffixes[3];
  if (!isDigitIn(d2, '1', '3')) return {};
  if (d1 == "1") return kDaySuffixes[3];  // 11th, 12th, 13th
  if (d1 == "0" || d1 == "2") return kDaySuffixes[static_cast<std::size_t>(d2[0] - '1')];
  if (d1 == "3" && d2 == "1") return kDaySuffixes[0];
  return {};
}

void appendStation(TextBuffer& out, std::string_view station) {
  const std::size_t at = out.size() + kFor.size();
  appendText(out, kFor, station, kStationEnd);
  for (std::size_t i = at; i < at + station.size(); ++i) out[i] = asciiUpper(out[i]);
}

void appendWind(TextBuffer& out, std::string_view direction, std::string_view speed,
                std::string_view gust, SpeedUnit unit, Section section) {
  const std::string_view words = unitWords(unit);
  appendText(out, kWindFrom, direction, kDegreeAt, speed, words);
  if (!gust.empty()) appendText(out, kWithGustsAt, gust, words);
  out += stopOf(section);
}

void appendVariableWind(TextBuffer& out, std::string_view speed, SpeedUnit unit, Section section) {
  appendText(out, kVariableWindAt, speed, unitWords(unit), stopOf(section));
}

void appendVariation(TextBuffer& out, std::string_view from, std::string_view to, Section section) {
  appendText(out, kVaryingFrom, from, kVaryingTo, to, kDegrees, stopOf(section));
}

void appendVisibilityMetres(TextBuffer& out, std::string_view metres) {
  appendText(out, kVisibilityIs, metres, kMetres, kStop);
}

void appendRunwayVisualRange(TextBuffer& out, std::string_view runway, std::string_view value) {
  appendText(out, kRunwayVisualRange, runway, kIs, value, kMetres, kStop);
}

void appendCloudLayer(TextBuffer& out, CloudAmount amount, std::string_view height) {
  appendText(out, kCloudCover[static_cast<std::size_t>(amount)], kAt);
  appendHeight(out, height);
}

void appendVerticalVisibility(TextBuffer& out, std::string_view height) {
  out += kVerticalVisibilityIs;
  appendHeight(out, height);
}

void appendHeight(TextBuffer& out, std::string_view hhh) {
  appendHundredsOfFeet(out, hhh, kThousands, kHundredsOfFeet);
}

void appendTemperature(TextBuffer& out, bool temperatureBelowZero, std::string_view temperature,
                       bool dewPointBelowZero, std::string_view dewPoint, DegreeStyle style) {
  const std::string_view degrees =
      style == DegreeStyle::kSpaced ? kDegreesCelsiusSpaced : kDegreesCelsius;
  appendText(out, kTemperatureIs, temperatureBelowZero ? kMinus : "", temperature, degrees,
             kDewPointIs, dewPointBelowZero ? kMinus : "", dewPoint, degrees);
}

void appendQnh(TextBuffer& out, std::string_view hectopascals) {
  appendText(out, kQnhIs, hectopascals, kMillibars);
}

std::string_view classicWeatherSentence(codes::Phenomenon p, codes::Intensity intensity) {
  const weather::Phenomenon& sentences = weather::kPhenomena[static_cast<std::size_t>(p)];
  switch (intensity) {
    case codes::Intensity::kLight:
      return sentences.light;
    case codes::Intensity::kHeavy:
      return sentences.heavy;
    case codes::Intensity::kNone:
      break;
  }
  return sentences.plain;
}

std::string_view classicWeatherSentence(codes::Descriptor d, codes::Phenomenon p,
                                        codes::Intensity intensity) {
  const auto i = static_cast<std::size_t>(d);
  const auto j = static_cast<std::size_t>(p);
  switch (intensity) {
    case codes::Intensity::kLight:
      return weather::kLightSentences[i][j].view();
    case codes::Intensity::kHeavy:
      return weather::kHeavySentences[i][j].view();
    case codes::Intensity::kNone:
      break;
  }
  return weather::kDescriptors[i].sentences[j];
}

}  // namespace vantrel::words
