// The driver of the classic reading: the order of the steps and the order of the lines.
//
// Lines, in order: the header line; the wind line (as soon as the wind is complete); the four
// body lines (visibility, weather when a weather group was taken, sky, temperature), each
// written even when empty; then for a trend, NOSIG and at most one BECMG section and one TEMPO
// section, each section an empty line and its heading, then its closing lines.

#include "metar/positional/reader.hpp"

#include "metar/positional/steps.hpp"
#include "metar/positional/weather.hpp"

namespace vantrel::positional {

template <class W>
void PositionalReader::read(std::string_view report, bool asciiReport, Writer& writer) {
  GroupCursor cursor(report, asciiReport);
  if (!readHeader<W>(cursor, header_)) {
    writer.refuse();
    return;
  }
  if (!header_.empty()) writer.write(header_);

  readBody<W>(cursor, writer, body_);

  // The trend: NOSIG, then at most one BECMG section, then at most one TEMPO section.
  nosig_.clear();
  if (cursor.group().upperIs("NOSIG")) {
    nosig_.replace(cursor.group()) += W::kNosig;
    cursor.advance();
  }
  const SectionLines* last = nullptr;
  TrendKind lastKind = TrendKind::kBecoming;
  // With no section, the weather line of the closing lines is the body's, already written
  // and emptied: a report with weather and no section ends in an empty line.
  bool weatherFound = body_.weatherFound;
  if (cursor.group().upperSliceIs(1, "BECMG")) {
    readSection<W>(cursor, TrendKind::kBecoming, writer, becoming_);
    last = &becoming_;
    weatherFound = becoming_.weatherFound;
  }
  if (cursor.group().upperSliceIs(1, "TEMPO")) {
    // A BECMG section is closed before the TEMPO section opens, so that each section's lines
    // stand under its own heading; NOSIG goes with the first section.
    if (last != nullptr) {
      writeClosingLines(
          writer, closingLinesOf(last, lastKind == TrendKind::kBecoming, nosig_, weatherFound));
      nosig_.clear();
    }
    readSection<W>(cursor, TrendKind::kTemporary, writer, temporary_);
    last = &temporary_;
    lastKind = TrendKind::kTemporary;
    weatherFound = temporary_.weatherFound;
  }
  writeClosingLines(writer,
                    closingLinesOf(last, lastKind == TrendKind::kBecoming, nosig_, weatherFound));
}

template <class W>
void PositionalReader::readBody(GroupCursor& cursor, Writer& writer, SectionLines& body) {
  // The wind group, then a 7-character group (the variation dddVddd) completes the wind line.
  body.wind.clear();
  readWind<W>(cursor.group(), body.wind, Section::kBody);
  cursor.advance();
  bool windLineWritten = false;
  if (cursor.group().size() == 7) {
    appendVariation<W>(cursor.group(), body.wind, Section::kBody);
    writer.write(body.wind);
    cursor.advance();
    windLineWritten = true;
  }

  // The visibility group writes the wind line when the variation did not. A visibility in a
  // form not read here (1/2SM, 4000NE) still lets a recognised wind through.
  const Group& visibility = cursor.group();
  if (!windLineWritten &&
      (visibility.size() == 4 || visibility.upperIs("CAVOK") || !body.wind.empty())) {
    writer.write(body.wind);
  }
  body.visibility.clear();
  body.sky.clear();  // CAVOK goes to the sky line
  readVisibility<W>(visibility, body.visibility, body.sky, Section::kBody);
  cursor.advance();

  // At most an 8-character runway group, then a 9-character one.
  if (cursor.group().size() == 8) {
    appendRunway<W>(cursor.group(), body.visibility);
    cursor.advance();
  }
  if (cursor.group().size() == 9) {
    appendRunway<W>(cursor.group(), body.visibility);
    cursor.advance();
  }

  // The sky line so far (empty, or the CAVOK sentence) opens the weather line.
  const WeatherResult weather = TranslateWeather<W>(cursor, body.weather, body.sky);
  body.weatherFound = weather.found;
  cursor = weather.cursor;

  readSky<W>(cursor, body.sky);
  readTemperature<W>(cursor, body.temperature);
  readPressure<W>(cursor, body.temperature);

  writer.write(body.visibility);
  if (body.weatherFound) writer.write(body.weather);
  writer.write(body.sky);
  writer.write(body.temperature);
}

// A section reads, in this order and each at most once: a wind or variation group, a visibility
// or CAVOK group, one runway visual range group, the weather groups, the sky groups, a
// temperature group and a pressure group. A group that no step reads ends the section.
template <class W>
void PositionalReader::readSection(GroupCursor& cursor, TrendKind kind, Writer& writer,
                                   SectionLines& section) {
  writer.write("");
  const Group keyword = cursor.group();
  cursor.advance();
  writer.write(kind == TrendKind::kBecoming ? W::kBecomingHeading : W::kTemporaryHeading, &keyword);

  // Wind: a wind group, or a variation group (dddVddd) in the same place.
  section.wind.clear();
  const Group& wind = cursor.group();
  bool consumed = readWind<W>(wind, section.wind, Section::kTrend);
  if (wind.size() == 7) {
    appendVariation<W>(wind, section.wind, Section::kTrend);
    consumed = true;
  }
  if (consumed) cursor.advance();

  section.visibility.clear();
  if (readVisibility<W>(cursor.group(), section.visibility, section.visibility, Section::kTrend)) {
    cursor.advance();
  }
  if (appendRunway<W>(cursor.group(), section.visibility)) cursor.advance();

  // Nothing opens a section's weather line.
  const WeatherResult weather = TranslateWeather<W>(cursor, section.weather, noText_);
  section.weatherFound = weather.found;
  cursor = weather.cursor;

  section.sky.clear();
  readSky<W>(cursor, section.sky);
  readTemperature<W>(cursor, section.temperature);
  readPressure<W>(cursor, section.temperature);
}

template void PositionalReader::read<EnglishWording>(std::string_view, bool, Writer&);
template void PositionalReader::read<FrenchWording>(std::string_view, bool, Writer&);

}  // namespace vantrel::positional
