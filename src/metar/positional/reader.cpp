// The translation driver: the order of the steps, the buffers and the order of the lines.
//
// Lines, in order: the header line; the wind line (as soon as the wind is complete); the four
// body lines (visibility, weather when a weather group was taken, sky, temperature), each
// written even when empty; the trend heading lines; the closing lines.

#include "metar/positional/reader.hpp"

#include "metar/group_cursor.hpp"
#include "metar/positional/steps.hpp"
#include "metar/positional/weather.hpp"

namespace vantrel {

void PositionalReader::read(std::string_view report, Translation& out) {
  out_ = &out;
  out_->clear();
  for (std::string* b :
       {&buf_.header, &buf_.wind, &buf_.visibility, &buf_.weather, &buf_.sky, &buf_.temperature,
        &buf_.trendWind, &buf_.trendVisibility, &buf_.trendSky, &buf_.trendTemperature}) {
    b->clear();
  }

  reportHasLineBreak_ =
      report.find('\n') != std::string_view::npos || report.find('\r') != std::string_view::npos;

  GroupCursor cursor(report);
  if (!readHeader(cursor, buf_.header)) {
    out_->refuse();
    return;
  }
  if (!buf_.header.empty()) writeLine(buf_.header);

  // Set by each weather call, read for the weather line: after the body, the last call's says
  // whether the closing lines hold a weather line.
  bool weatherFound = false;
  readBody(cursor, weatherFound);
  readTrend(cursor, weatherFound);
}

void PositionalReader::writeLine(std::string_view line) {
  if (!reportHasLineBreak_) {
    out_->appendLine(line);
    return;
  }
  lineWithoutBreaks_.clear();
  for (const char c : line) {
    if (c == '\n' || c == '\r') {
      lineWithoutBreaks_ += "\uFFFD";
    } else {
      lineWithoutBreaks_ += c;
    }
  }
  out_->appendLine(lineWithoutBreaks_);
}

void PositionalReader::readBody(GroupCursor& cursor, bool& weatherFound) {
  // The wind group, then a 7-character group (the variation dddVddd) completes the wind line.
  readWind(cursor.group(), buf_.wind, Section::kBody);
  cursor.advance();
  bool windLineWritten = false;
  if (cursor.group().size() == 7) {
    appendVariation(cursor.group(), buf_.wind, Section::kBody);
    writeLine(buf_.wind);
    cursor.advance();
    windLineWritten = true;
  }

  // The visibility group writes the wind line when the variation did not. A visibility in a
  // form not read here (1/2SM, 4000NE) still lets a recognised wind through.
  const Group& visibility = cursor.group();
  if (!windLineWritten &&
      (visibility.size() == 4 || visibility.upperIs("CAVOK") || !buf_.wind.empty())) {
    writeLine(buf_.wind);
  }
  readVisibility(visibility, buf_.visibility, buf_.sky, Section::kBody);
  cursor.advance();

  // At most an 8-character runway group, then a 9-character one.
  if (cursor.group().size() == 8) {
    appendRunway(cursor.group(), buf_.visibility);
    cursor.advance();
  }
  if (cursor.group().size() == 9) {
    appendRunway(cursor.group(), buf_.visibility);
    cursor.advance();
  }

  readWeather(cursor, weatherFound);
  readSky(cursor, buf_.sky);
  readTemperature(cursor, buf_.temperature);
  readPressure(cursor, buf_.temperature);

  writeLine(buf_.visibility);
  if (weatherFound) writeLine(buf_.weather);
  writeLine(buf_.sky);
  writeLine(buf_.temperature);
  for (std::string* b :
       {&buf_.visibility, &buf_.weather, &buf_.temperature, &buf_.wind, &buf_.sky}) {
    b->clear();
  }
}

void PositionalReader::readWeather(GroupCursor& cursor, bool& weatherFound) {
  // The sky buffer (empty, or the CAVOK sentence in the body) opens the weather text.
  const WeatherResult weather = TranslateWeather(cursor, buf_.sky);
  weather.assignTextTo(buf_.weather);
  weatherFound = weather.found;
  cursor = weather.cursor;
}

}  // namespace vantrel
