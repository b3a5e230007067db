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
constexpr Fragment kForecastFor = "Forecast for ";
constexpr Fragment kFor = "for ";
constexpr Fragment kValidFrom = ", valid from ";
constexpr Fragment kTo = " to ";
constexpr Fragment kUntilTheNext = " until the next ";
constexpr Fragment kTheNext = "the next ";
constexpr Fragment kMoreThan = "more than ";
constexpr Fragment kHundreds = "00";
constexpr Fragment kThousands = ",";
constexpr Fragment kThe = "the ";
constexpr Fragment kPoint = ".";
constexpr Fragment kMinutesGmt = ".00 GMT";
constexpr Fragment kGmt = " GMT";
constexpr Fragment kSpace = " ";
constexpr std::array<Fragment, 5> kNotes = {" Amended forecast.", " Corrected forecast.",
                                            " Delayed forecast.", " The forecast is missing.",
                                            " The forecast for this period is cancelled."};

// In the order of taf::ChangeKind.
constexpr std::array<Fragment, 5> kHeadings = {"FROM ", "BECOMING", "TEMPORARY",
                                               "INTERMITTENT (each time for less than 30 minutes)",
                                               "PROBABILITY "};
constexpr Fragment kPercent = " %";
constexpr Fragment kThen = ", ";
constexpr Fragment kBetween = " between ";
constexpr Fragment kAnd = " and ";
constexpr Fragment kHeadingEnd = ":";

constexpr Fragment kMaximum = "Maximum temperature ";
constexpr Fragment kMinimum = "Minimum temperature ";
constexpr Fragment kDegreesOn = "\u00B0Celsius on ";

constexpr Fragment kWindShearAt = "Wind shear: at ";
constexpr Fragment kFeetTheWindIsFrom = " feet the wind is from ";
constexpr Fragment kDegreesAt = " degrees at ";
constexpr Fragment kGustsAt = ", with gusts at ";

constexpr Fragment kLowestAltimeter = "Lowest altimeter setting ";
constexpr Fragment kInchesOfMercury = " inches of mercury. ";

// WMO code table 1738 (icing) and 0300 (turbulence, with X for extreme).
constexpr std::array<Fragment, 10> kIcing = {"No icing",
                                             "Light icing",
                                             "Light icing in cloud",
                                             "Light icing in precipitation",
                                             "Moderate icing",
                                             "Moderate icing in cloud",
                                             "Moderate icing in precipitation",
                                             "Severe icing",
                                             "Severe icing in cloud",
                                             "Severe icing in precipitation"};
constexpr std::array<Fragment, 11> kTurbulence = {"No turbulence",
                                                  "Light turbulence",
                                                  "Occasional moderate turbulence in clear air",
                                                  "Frequent moderate turbulence in clear air",
                                                  "Occasional moderate turbulence in cloud",
                                                  "Frequent moderate turbulence in cloud",
                                                  "Occasional severe turbulence in clear air",
                                                  "Frequent severe turbulence in clear air",
                                                  "Occasional severe turbulence in cloud",
                                                  "Frequent severe turbulence in cloud",
                                                  "Extreme turbulence"};
constexpr Fragment kFromTheSurface = " from the surface";
constexpr Fragment kFromHeight = " from ";
constexpr Fragment kFeet = " feet";
constexpr Fragment kInALayer = ", in a layer ";
constexpr Fragment kThousandFeetThick = "000 feet thick. ";

constexpr std::array<Sentence, 4> kPhraseSentences = {
    "Amendments are not scheduled. ", "Amendments are limited to cloud, visibility and wind. ",
    "The forecast is based on automated observations. ",
    "The forecast is not available because there are no observations. "};
constexpr Fragment kNextBy = "Next forecast by ";
constexpr Fragment kNextIssued = "Next forecast will be issued on ";

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

// "the 7th at 18", the day without its leading zero; the caller adds the minutes.
void appendDayAt(TextBuffer& out, const taf::DayHour& at) {
  if (at.day.size() == 2 && codes::allDigits(at.day)) {
    const auto day = static_cast<std::size_t>((at.day[0] - '0') * 10 + (at.day[1] - '0'));
    if (day >= 1 && day < kTheDays.size()) {
      appendText(out, kTheDays[day], at.hour);
      return;
    }
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
    .forecastFor = kForecastFor,
    .stationFor = kFor,
    .headings = kHeadings,
    .percent = kPercent,
    .then = kThen,
    .headingEnd = kHeadingEnd,
    .windShearAt = kWindShearAt,
    .feetWindFrom = kFeetTheWindIsFrom,
    .degreesAt = kDegreesAt,
    .moreThan = kMoreThan,
    .gustsAt = kGustsAt,
    .speedUnits = kSpeedUnits,
    .thousands = kThousands,
    .hundreds = kHundreds,
    .stop = kStop,
    .icing = kIcing,
    .turbulence = kTurbulence,
    .fromTheSurface = kFromTheSurface,
    .fromHeight = kFromHeight,
    .feet = kFeet,
    .inALayer = kInALayer,
    .thousandFeetThick = kThousandFeetThick,
    .phrases = kPhraseSentences,
    .nextBy = kNextBy,
    .nextIssued = kNextIssued,
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
