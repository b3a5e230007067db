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
constexpr std::array<Fragment, 4> kDaySuffixes = {"st at ", "nd at ", "rd at ", "th at "};

constexpr Fragment kDegreesCelsiusSpaced = "\u00B0 Celsius. ";
constexpr Fragment kQnhIs = "QNH is ";
constexpr Fragment kMillibars = " millibars. ";

constexpr ClassicWords kClassicWords = {
    .stationFor = "for ",
    .stationEnd = ":",
    .windFrom = kWindFrom,
    .degreeAt = kDegreeAt,
    .withGustsAt = kWithGustsAt,
    .variableWindAt = kVariableWindAt,
    .speedUnits = kSpeedUnits,
    .varyingFrom = " Wind direction is varying from ",
    .varyingTo = " to ",
    .variationDegrees = " degrees",
    .visibilityIs = kVisibilityIs,
    .metres = kMetres,
    .runwayVisualRange = kRunwayVisualRange,
    .rangeIs = kIs,
    .cloudCover = kCloudCover,
    .at = kAt,
    .verticalVisibilityIs = "Vertical Visibility is ",
    .thousands = ",",
    .hundredsOfFeet = "00 feet. ",
    .stop = kStop,
    .bodyStop = kBodyStop,
};

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
  appendStation(out, station, kClassicWords);
}

void appendWind(TextBuffer& out, std::string_view direction, std::string_view speed,
                std::string_view gust, SpeedUnit unit, Section section) {
  appendWind(out, direction, speed, gust, unit, section, kClassicWords);
}

void appendVariableWind(TextBuffer& out, std::string_view speed, SpeedUnit unit, Section section) {
  appendVariableWind(out, speed, unit, section, kClassicWords);
}

void appendVariation(TextBuffer& out, std::string_view from, std::string_view to, Section section) {
  appendVariation(out, from, to, section, kClassicWords);
}

void appendVisibilityMetres(TextBuffer& out, std::string_view metres) {
  appendVisibilityMetres(out, metres, kClassicWords);
}

void appendRunwayVisualRange(TextBuffer& out, std::string_view runway, std::string_view value) {
  appendRunwayVisualRange(out, runway, value, kClassicWords);
}

void appendCloudLayer(TextBuffer& out, CloudAmount amount, std::string_view height) {
  appendCloudLayer(out, amount, height, kClassicWords);
}

void appendVerticalVisibility(TextBuffer& out, std::string_view height) {
  appendVerticalVisibility(out, height, kClassicWords);
}

void appendHeight(TextBuffer& out, std::string_view hhh) {
  appendHeight(out, hhh, kClassicWords);
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
