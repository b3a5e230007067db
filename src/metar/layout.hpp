#pragma once
// The lines of the report body or of one trend section, and the order in which a trend's
// closing lines are written. Both readings lay their lines out with these.

#include "metar/writer.hpp"

namespace vantrel {

// The lines of the report body or of one trend section.
struct SectionLines {
  LineText time;  // FM, TL and AT of a trend section (the full reading)
  LineText wind, visibility, weather, sky, temperature;
  bool weatherFound = false;  // the weather step took a group

  void clear() {
    for (LineText* t : {&time, &wind, &visibility, &weather, &sky, &temperature}) t->clear();
    weatherFound = false;
  }
};

// The lines of the report body or of a forecast's section that hold text, in their order: wind,
// visibility, weather, sky, temperature.
inline void writeSectionLines(Writer& writer, const SectionLines& lines) {
  writer.writeLines(
      {&lines.wind, &lines.visibility, &lines.weather, &lines.sky, &lines.temperature});
}

// The closing lines of the trend: those of the last section read, or NOSIG alone when no
// section was. Both readings write them in this one order.
struct ClosingLines {
  const LineText* time = nullptr;
  const LineText* wind = nullptr;
  const LineText* visibility = nullptr;
  const LineText* nosig = nullptr;  // with the first section only
  const LineText* sky = nullptr;
  const LineText* weather = nullptr;  // none: the body's, already written and emptied
  const LineText* temperature = nullptr;
  bool skyBeforeWeather = false;  // a BECMG section's sky comes before its weather
  bool weatherFound = false;      // the last weather step took a group
};

// The closing lines of `section`, or of no section at all.
inline ClosingLines closingLinesOf(const SectionLines* section, bool skyBeforeWeather,
                                   const LineText& nosig, bool weatherFound) {
  ClosingLines lines;
  lines.nosig = &nosig;
  lines.weatherFound = weatherFound;
  if (section != nullptr) {
    lines.time = &section->time;
    lines.wind = &section->wind;
    lines.visibility = &section->visibility;
    lines.sky = &section->sky;
    lines.weather = &section->weather;
    lines.temperature = &section->temperature;
    lines.skyBeforeWeather = skyBeforeWeather;
  }
  return lines;
}

// Each line is written only when it holds text, except the weather line, which is written
// whenever the last weather step took a group: after a body with weather and no section, that
// is an empty line.
void writeClosingLines(Writer& writer, const ClosingLines& lines);

}  // namespace vantrel
