#include "metar/layout.hpp"

namespace vantrel {

void writeClosingLines(Writer& writer, const ClosingLines& lines) {
  auto writeIfAny = [&writer](const LineText* line) {
    if (line != nullptr && !line->empty()) writer.writeLine(*line);
  };
  writeIfAny(lines.time);
  writeIfAny(lines.wind);
  writeIfAny(lines.visibility);
  writeIfAny(lines.nosig);
  if (lines.skyBeforeWeather) writeIfAny(lines.sky);
  if (lines.weatherFound) {
    if (lines.weather != nullptr) {
      writer.writeLine(*lines.weather);
    } else {
      writer.write("");
    }
  }
  if (!lines.skyBeforeWeather) writeIfAny(lines.sky);
  writeIfAny(lines.temperature);
}

}  // namespace vantrel
