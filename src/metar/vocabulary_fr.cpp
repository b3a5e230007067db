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
constexpr Fragment kFor = "pour ";
constexpr Fragment kStationEnd = "\u00A0:";

constexpr Fragment kVaryingFrom = " Direction du vent variable entre ";
constexpr Fragment kVaryingTo = "° et ";
constexpr Fragment kDegreeSign = "°";

constexpr Fragment kVerticalVisibilityIs = "Visibilité verticale de ";
constexpr Fragment kThousands = "\u00A0";
constexpr Fragment kHundredsOfFeet = "00\u00A0pieds. ";

constexpr Fragment kQnhIs = "QNH\u00A0: ";
constexpr Fragment kHectopascals = "\u00A0hPa. ";

std::string_view unitWords(SpeedUnit unit) {
  return kSpeedUnits[static_cast<std::size_t>(unit)];
}

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
  appendText(out, kVaryingFrom, from, kVaryingTo, to, kDegreeSign, stopOf(section));
}

void appendVisibilityMetres(TextBuffer& out, std::string_view metres) {
  appendText(out, kVisibilityIs, metres, kMetres, kStop);
}

void appendRunwayVisualRange(TextBuffer& out, std::string_view runway, std::string_view value) {
  appendText(out, kRunwayVisualRange, runway, kColon, value, kMetres, kStop);
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
