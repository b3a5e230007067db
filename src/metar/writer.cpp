#include "metar/writer.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

namespace vantrel {

void Writer::begin(std::string_view report, const TextScan& scan, Translation& out) {
  out_ = &out;
  out_->clear(report, scan);
  reportHasLineBreak_ = scan.lineBreak;
}

void Writer::appendWithoutBreaks(std::string_view line) {
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

void writeClosingLines(Writer& writer, const ClosingLines& lines) {
  auto writeIfAny = [&writer](const LineText* line) {
    if (line != nullptr && !line->empty()) writer.write(*line);
  };
  writeIfAny(lines.time);
  writeIfAny(lines.wind);
  writeIfAny(lines.visibility);
  writeIfAny(lines.nosig);
  if (lines.skyBeforeWeather) writeIfAny(lines.sky);
  if (lines.weatherFound) {
    if (lines.weather != nullptr) {
      writer.write(*lines.weather);
    } else {
      writer.write("");
    }
  }
  if (!lines.skyBeforeWeather) writeIfAny(lines.sky);
  writeIfAny(lines.temperature);
}

}  // namespace vantrel
