#include "metar/vocabulary_fr.hpp"

#include "metar/fragments_fr.hpp"
#include "metar/sentence_shapes.hpp"
#include "metar/text.hpp"
#include "metar/weather_vocabulary_fr.hpp"

namespace vantrel::words::fr {
namespace {

using namespace fragments;

constexpr std::array<Fragment, 2> kIssued = {"Message METAR émis ", "Message SPECI émis "};
constexpr Fragment kIssuedAt = "à ";
constexpr Fragment kIssuedOnThe = "le ";
constexpr Fragment kFirst = "er à ";
constexpr Fragment kOtherDay = " à ";
constexpr Fragment kUtcSpace = "\u00A0UTC ";

constexpr Fragment kQnhIs = "QNH\u00A0: ";
constexpr Fragment kHectopascals = "\u00A0hPa. ";

constexpr ClassicWords kClassicWords = {
    .stationFor = "pour ",
    .stationEnd = "\u00A0:",
    .windFrom = kWindFrom,
    .degreeAt = kDegreeAt,
    .withGustsAt = kWithGustsAt,
    .variableWindAt = kVariableWindAt,
    .speedUnits = kSpeedUnits,
    .varyingFrom = " Direction du vent variable entre ",
    .varyingTo = "° et ",
    .variationDegrees = "°",
    .visibilityIs = kVisibilityIs,
    .metres = kMetres,
    .runwayVisualRange = kRunwayVisualRange,
    .rangeIs = kColon,
    .cloudCover = kCloudCover,
    .at = kAt,
    .verticalVisibilityIs = "Visibilité verticale de ",
    .thousands = "\u00A0",
    .hundredsOfFeet = "00\u00A0pieds. ",
    .stop = kStop,
    .bodyStop = kBodyStop,
};

}  // namespace

void appendIssueTime(TextBuffer& out, std::string_view hour, std::string_view minute,
                     ReportType type) {
  appendText(out, kIssued[static_cast<std::size_t>(type)], kIssuedAt, hour, kHours, minute,
             kUtcSpace);
}

void appendIssueDayAndTime(TextBuffer& out, std::string_view day, std::string_view suffix,
                           std::string_view hour, std::string_view minute, ReportType type) {
  appendText(out, kIssued[static_cast<std::size_t>(type)], kIssuedOnThe, day, suffix, hour, kHours,
             minute, kUtcSpace);
}

std::string_view daySuffix(std::string_view d1, std::string_view d2) {
  if (words::daySuffix(d1, d2).empty()) return {};
  return d1 == "0" && d2 == "1" ? kFirst : kOtherDay;
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

// Both styles read alike in French: the degree sign after a no-break space.
void appendTemperature(TextBuffer& out, bool temperatureBelowZero, std::string_view temperature,
                       bool dewPointBelowZero, std::string_view dewPoint, DegreeStyle) {
  appendText(out, kTemperatureIs, temperatureBelowZero ? kMinus : "", temperature, kDegreesCelsius,
             kDewPointIs, dewPointBelowZero ? kMinus : "", dewPoint, kDegreesCelsius);
}

void appendQnh(TextBuffer& out, std::string_view hectopascals) {
  appendText(out, kQnhIs, hectopascals, kHectopascals);
}

std::string_view classicWeatherSentence(codes::Phenomenon p, codes::Intensity intensity) {
  return weather::fr::kPhenomena[static_cast<std::size_t>(p)][static_cast<std::size_t>(intensity)]
      .view();
}

std::string_view classicWeatherSentence(codes::Descriptor d, codes::Phenomenon p,
                                        codes::Intensity intensity) {
  return weather::fr::kDescriptors[static_cast<std::size_t>(d)][static_cast<std::size_t>(p)]
                                  [static_cast<std::size_t>(intensity)]
                                      .view();
}

}  // namespace vantrel::words::fr
