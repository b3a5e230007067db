#pragma once
// The classic reading: the report read positionally, each step at the place the step before left
// it, its sentences gathered in topic buffers and written as lines in a fixed order.

#include <string>
#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/translate.hpp"

namespace vantrel {

class PositionalReader {
 public:
  void read(std::string_view report, Translation& out);

 private:
  struct Buffers {
    std::string header, wind, visibility, weather, sky, temperature;
    std::string trendWind, trendVisibility, trendSky, trendTemperature;
  };
  enum class TrendKind { kBecoming, kTemporary };

  void writeLine(std::string_view line);
  void readBody(GroupCursor& cursor, bool& weatherFound);
  void readWeather(GroupCursor& cursor, bool& weatherFound);
  void readTrend(GroupCursor& cursor, bool& weatherFound);
  void readTrendSection(GroupCursor& cursor, TrendKind kind, bool& weatherFound);
  void writeClosingLines(bool weatherFound);

  Translation* out_ = nullptr;
  Buffers buf_;
  bool reportHasLineBreak_ = false;
  std::string lineWithoutBreaks_;
};

}  // namespace vantrel
