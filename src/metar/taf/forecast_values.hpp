#pragma once
// The values of the groups only a forecast (TAF) has: its validity, the change groups that open
// its sections, the temperatures forecast, wind shear, the lowest altimeter setting, icing and
// turbulence layers, and its remarks. Views of the groups as typed, codes as enums; no English.

#include <cstdint>
#include <string_view>

#include "metar/values.hpp"

namespace vantrel::taf {

// ddhh: a day 01 to 31 and an hour 00 to 24, as typed.
struct DayHour {
  std::string_view day, hour;
};

// ddhh/ddhh, or the old ddhhhh (one day, two hours: `to.day` is that day again), or the old
// hhhh of a change group (no day: both days empty).
struct Period {
  DayHour from, to;
  bool sameDay = false;  // the old form: the end is given by its hour only
};

// How a section of the forecast begins.
enum class ChangeKind : std::uint8_t {
  kFrom,          // FMddhhmm, FMhhmm: from then on, these conditions
  kBecoming,      // BECMG ddhh/ddhh: a change at some time in the period, lasting
  kTemporary,     // TEMPO ddhh/ddhh: temporary fluctuations
  kIntermittent,  // INTER ddhh/ddhh: frequent changes, each less than 30 minutes
  kProbability,   // PROBnn ddhh/ddhh
};

// The keyword of a section and the times that come with it.
struct Change {
  ChangeKind kind = ChangeKind::kFrom;
  std::string_view probability;                         // nn of PROBnn; empty: none
  ChangeKind probabilityOf = ChangeKind::kProbability;  // TEMPO or INTER after PROBnn
  DayHour from;                                         // FM: its day (empty for FMhhmm) and hour
  std::string_view minute;                              // FM: its minute
  bool hasPeriod = false;                               // a period follows the keyword
  Period period;
};

// TXtt/ddhhZ, TNtt/ddhhZ, with M for below zero.
struct ForecastTemperature {
  bool maximum = true;
  bool belowZero = false;
  std::string_view degrees;  // tt as typed, without the M
  DayHour at;
};

// WShhh/dddffKT: non-convective wind shear, the wind at hhh hundreds of feet.
struct WindShear {
  std::string_view height;  // hhh
  values::Wind wind;
};

// QNHnnnnINS: the lowest altimeter setting forecast, in hundredths of an inch.
struct LowestAltimeter {
  std::string_view hundredths;
};

// 6IhhhT (icing) or 5BhhhT (turbulence): a layer from hhh hundreds of feet, T thousand feet
// thick.
struct Layer {
  bool icing = true;
  std::uint8_t code = 0;       // I or B, 0 to 9; turbulence 10 for X (extreme)
  std::string_view base;       // hhh
  std::string_view thickness;  // T, 1 to 9
};

// The forecast's own phrases, in the remarks or at its end.
enum class Phrase : std::uint8_t {
  kAmendmentsNotScheduled,  // AMD NOT SKED, AMD NOT SCHED
  kAmendmentsLimited,       // AMD LTD TO CLD VIS AND WIND
  kBasedOnAutomated,        // FCST BASED ON AUTO OBS[.]
  kNotAvailable,            // FCST NOT AVBL DUE NO OBS
  kNextBy,                  // NXT FCST BY ddhhmmZ
  kNextIssued,              // NXT FCST WILL BE ISSUED AT ddhhmmZ
};

struct Statement {
  Phrase phrase = Phrase::kAmendmentsNotScheduled;
  DayHour at;               // kNextBy, kNextIssued
  std::string_view minute;  // kNextBy, kNextIssued
};

}  // namespace vantrel::taf
