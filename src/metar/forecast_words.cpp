// The sentences only a forecast writes.

#include <array>

#include "metar/codes/chars.hpp"
#include "metar/forecast_vocabulary.hpp"
#include "metar/fragments.hpp"
#include "metar/sentence_shapes.hpp"
#include "metar/vocabulary.hpp"

namespace vantrel::words {
namespace {

using namespace fragments;

constexpr Fragment kForecastIssuedOn = "Forecast issued on ";
constexpr Fragment kValidFrom = ", valid from ";
constexpr Fragment kTo = " to ";
constexpr Fragment kUntilTheNext = " until the next ";
constexpr Fragment kTheNext = "the next ";
constexpr Fragment kThe = "the ";
constexpr Fragment kPoint = ".";
constexpr Fragment kMinutesGmt = ".00 GMT";
constexpr Fragment kGmt = " GMT";
constexpr Fragment kSpace = " ";
constexpr std::array<Fragment, 5> kNotes = {" Amended forecast.", " Corrected forecast.",
                                            " Delayed forecast.", " The forecast is missing.",
                                            " The forecast for this period is cancelled."};

constexpr Fragment kBetween = " between ";
constexpr Fragment kAnd = " and ";

constexpr Fragment kMaximum = "Maximum temperature ";
constexpr Fragment kMinimum = "Minimum temperature ";
constexpr Fragment kDegreesOn = "\u00B0Celsius on ";

constexpr Fragment kLowestAltimeter = "Lowest altimeter setting ";
constexpr Fragment kInchesOfMercury = " inches of mercury. ";

// "the 7th at ", by the day 1 to 31.
constexpr std::array<Fragment, 32> kTheDays = {"",
                                               "the 1st at ",
                                               "the 2nd at ",
                                               "the 3rd at ",
                                               "the 4th at ",
                                               "the 5th at ",
                                               "the 6th at ",
                                               "the 7th at ",
                                               "the 8th at ",
                                               "the 9th at ",
                                               "the 10th at ",
                                               "the 11th at ",
                                               "the 12th at ",
                                               "the 13th at ",
                                               "the 14th at ",
                                               "the 15th at ",
                                               "the 16th at ",
                                               "the 17th at ",
                                               "the 18th at ",
                                               "the 19th at ",
                                               "the 20th at ",
                                               "the 21st at ",
                                               "the 22nd at ",
                                               "the 23rd at ",
                                               "the 24th at ",
                                               "the 25th at ",
                                               "the 26th at ",
                                               "the 27th at ",
                                               "the 28th at ",
                                               "the 29th at ",
                                               "the 30th at ",
                                               "the 31st at "};

// "the 7th at ", for a day dd of 01 to 31; empty for another day.
std::string_view theDayAt(std::string_view day) {
  if (day.size() != 2) return {};
  const auto figure = [day](std::size_t k) { return static_cast<unsigned>(day[k]) - '0'; };
  if (figure(0) > 9 || figure(1) > 9) return {};
  const std::size_t n = figure(0) * 10 + figure(1);
  return n < kTheDays.size() ? kTheDays[n].view() : std::string_view();
}

// "the 7th at 18", the day without its leading zero; the caller adds the minutes.
void appendDayAt(TextBuffer& out, const taf::DayHour& at) {
  if (const std::string_view day = theDayAt(at.day); !day.empty()) {
    appendText(out, day, at.hour);
    return;
  }
  const std::string_view d1 = at.day.substr(0, 1);
  const std::string_view d2 = at.day.substr(1, 1);
  appendText(out, kThe, d1 == "0" ? d2 : at.day, daySuffix(d1, d2), at.hour);
}

// "the 7th at 18.00 GMT", or "18.00 GMT" for an hour of no day.
void appendDayHour(TextBuffer& out, const taf::DayHour& at) {
  if (at.day.empty()) {
    appendText(out, at.hour, kMinutesGmt);
    return;
  }
  if (const std::string_view day = theDayAt(at.day); !day.empty()) {
    appendText(out, day, at.hour, kMinutesGmt);
    return;
  }
  appendDayAt(out, at);
  out += kMinutesGmt;
}

// "the 7th at 18.30 GMT".
void appendDayTime(TextBuffer& out, const taf::DayHour& at, std::string_view minute) {
  appendDayAt(out, at);
  appendText(out, kPoint, minute, kGmt);
}

// FM's time: "the 7th at 18.30 GMT", or "18.30 GMT" for FMhhmm.
void appendFromTime(TextBuffer& out, const taf::Change& change) {
  if (change.from.day.empty()) {
    appendText(out, change.from.hour, kPoint, change.minute, kGmt);
  } else {
    appendDayTime(out, change.from, change.minute);
  }
}

// " between the 7th at 18.00 GMT and the 8th at 02.00 GMT", " ... and the next 02.00 GMT".
void appendChangePeriod(TextBuffer& out, const taf::Period& period) {
  // Most periods: two days of the month, written at once.
  const std::string_view from = theDayAt(period.from.day);
  const std::string_view to = theDayAt(period.to.day);
  if (!period.sameDay && !from.empty() && !to.empty()) {
    appendText(out, kBetween, from, period.from.hour, kMinutesGmt, kAnd, to, period.to.hour,
               kMinutesGmt);
    return;
  }
  out += kBetween;
  appendDayHour(out, period.from);
  if (period.sameDay) {
    appendText(out, kAnd, kTheNext, period.to.hour, kMinutesGmt);
  } else {
    out += kAnd;
    appendDayHour(out, period.to);
  }
}

constexpr ForecastWords kForecastWords = {
    .dayTime = &appendDayTime,
    .fromTime = &appendFromTime,
    .changePeriod = &appendChangePeriod,
    .forecastFor = "Forecast for ",
    .stationFor = "for ",
    .headings = {"FROM ", "BECOMING", "TEMPORARY",
                 "INTERMITTENT (each time for less than 30 minutes)", "PROBABILITY "},
    .percent = " %",
    .then = ", ",
    .headingEnd = ":",
    .windShearAt = "Wind shear: at ",
    .feetWindFrom = " feet the wind is from ",
    .degreesAt = " degrees at ",
    .moreThan = "more than ",
    .gustsAt = ", with gusts at ",
    .speedUnits = kSpeedUnits,
    .thousands = ",",
    .hundreds = "00",
    .stop = kStop,
    .icing = {"No icing", "Light icing", "Light icing in cloud", "Light icing in precipitation",
              "Moderate icing", "Moderate icing in cloud", "Moderate icing in precipitation",
              "Severe icing", "Severe icing in cloud", "Severe icing in precipitation"},
    .turbulence =
        {"No turbulence", "Light turbulence", "Occasional moderate turbulence in clear air",
         "Frequent moderate turbulence in clear air", "Occasional moderate turbulence in cloud",
         "Frequent moderate turbulence in cloud", "Occasional severe turbulence in clear air",
         "Frequent severe turbulence in clear air", "Occasional severe turbulence in cloud",
         "Frequent severe turbulence in cloud", "Extreme turbulence"},
    .fromTheSurface = " from the surface",
    .fromHeight = " from ",
    .feet = " feet",
    .inALayer = ", in a layer ",
    .thousandFeetThick = "000 feet thick. ",
    .phrases = {"Amendments are not scheduled. ",
                "Amendments are limited to cloud, visibility and wind. ",
                "The forecast is based on automated observations. ",
                "The forecast is not available because there are no observations. "},
    .nextBy = "Next forecast by ",
    .nextIssued = "Next forecast will be issued on ",
};

}  // namespace

void appendForecastIssued(TextBuffer& out, const taf::DayHour& at, std::string_view minute) {
  out += kForecastIssuedOn;
  appendDayTime(out, at, minute);
  out += kSpace;
}

void appendForecastStation(TextBuffer& out, std::string_view station, bool issued) {
  appendForecastStation(out, station, issued, kForecastWords);
}

void appendValidity(TextBuffer& out, const taf::Period& period) {
  out += kValidFrom;
  appendDayHour(out, period.from);
  if (period.sameDay) {
    appendText(out, kUntilTheNext, period.to.hour, kMinutesGmt);
  } else {
    out += kTo;
    appendDayHour(out, period.to);
  }
}

void appendForecastNote(TextBuffer& out, ForecastNote note) {
  out += kNotes[static_cast<std::size_t>(note)];
}

void appendChangeHeading(TextBuffer& out, const taf::Change& change) {
  appendChangeHeading(out, change, kForecastWords);
}

void appendForecastTemperature(TextBuffer& out, const taf::ForecastTemperature& t) {
  appendText(out, t.maximum ? kMaximum : kMinimum, t.belowZero ? kMinus.view() : "", t.degrees,
             kDegreesOn);
  appendDayHour(out, t.at);
  out += kStop;
}

void appendForecastWindShear(TextBuffer& out, const taf::WindShear& shear) {
  appendForecastWindShear(out, shear, kForecastWords);
}

void appendLowestAltimeter(TextBuffer& out, const taf::LowestAltimeter& altimeter) {
  appendText(out, kLowestAltimeter, altimeter.hundredths.substr(0, 2), kPoint,
             altimeter.hundredths.substr(2), kInchesOfMercury);
}

void appendLayer(TextBuffer& out, const taf::Layer& layer) {
  appendLayer(out, layer, kForecastWords);
}

void appendStatement(TextBuffer& out, const taf::Statement& statement) {
  appendStatement(out, statement, kForecastWords);
}

}  // namespace vantrel::words
