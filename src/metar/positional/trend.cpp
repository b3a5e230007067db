// Trend forecasts: NOSIG, then at most one BECMG section, then at most one TEMPO section.
//
// A section reads, in this order and each at most once: a wind or variation group, a
// visibility or CAVOK group, one runway visual range group, the weather groups, the sky groups,
// a temperature group and a pressure group. A group that no step reads ends the section. Its
// sentences wait in the trend buffers and are written as the closing lines.

#include "metar/group_cursor.hpp"
#include "metar/positional/reader.hpp"
#include "metar/positional/steps.hpp"
#include "metar/text.hpp"

namespace vantrel {

void PositionalReader::readTrend(GroupCursor& cursor, bool& weatherFound) {
  if (cursor.group().upperIs("NOSIG")) {
    appendText(buf_.temperature, "No significant changes in weather within the next two hours. ");
    cursor.advance();
  }
  const bool becoming = cursor.group().upperSliceIs(1, "BECMG");
  if (becoming) readTrendSection(cursor, TrendKind::kBecoming, weatherFound);
  if (cursor.group().upperSliceIs(1, "TEMPO")) {
    if (becoming) {
      // The BECMG section is closed before the TEMPO section opens, so that each section's lines
      // stand under its own heading.
      writeClosingLines(weatherFound);
      for (std::string* b : {&buf_.trendWind, &buf_.trendVisibility, &buf_.temperature, &buf_.sky,
                             &buf_.weather, &buf_.trendSky, &buf_.trendTemperature}) {
        b->clear();
      }
      weatherFound = false;
    }
    readTrendSection(cursor, TrendKind::kTemporary, weatherFound);
  }
  writeClosingLines(weatherFound);
}

void PositionalReader::readTrendSection(GroupCursor& cursor, TrendKind kind, bool& weatherFound) {
  writeLine("");
  cursor.advance();  // the keyword
  writeLine(kind == TrendKind::kBecoming ? "BECOMING:" : "TEMPORARY:");

  // Wind: a wind group, or a variation group (dddVddd) in the same place.
  const Group& wind = cursor.group();
  bool consumed = readWind(wind, buf_.trendWind, Section::kTrend);
  if (wind.size() == 7) {
    appendVariation(wind, buf_.trendWind, Section::kTrend);
    consumed = true;
  }
  if (consumed) cursor.advance();

  if (readVisibility(cursor.group(), buf_.trendVisibility, buf_.trendVisibility, Section::kTrend)) {
    cursor.advance();
  }
  if (appendRunway(cursor.group(), buf_.trendVisibility)) cursor.advance();

  readWeather(cursor, weatherFound);

  // A BECMG section's sky goes to the sky buffer, a TEMPO section's to the trend sky buffer.
  std::string& sky = kind == TrendKind::kBecoming ? buf_.sky : buf_.trendSky;
  sky.clear();
  readSky(cursor, sky);

  readTemperature(cursor, buf_.trendTemperature);
  readPressure(cursor, buf_.trendTemperature);
}

void PositionalReader::writeClosingLines(bool weatherFound) {
  for (const std::string* b :
       {&buf_.trendWind, &buf_.trendVisibility, &buf_.temperature, &buf_.sky}) {
    if (!b->empty()) writeLine(*b);
  }
  if (weatherFound) writeLine(buf_.weather);
  for (const std::string* b : {&buf_.trendSky, &buf_.trendTemperature}) {
    if (!b->empty()) writeLine(*b);
  }
}

}  // namespace vantrel
