#pragma once
// The classic reading: the report read positionally, each step at the place the step before left
// it, its sentences gathered in line texts and written as lines in a fixed order.

#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/writer.hpp"

namespace vantrel::positional {

class PositionalReader {
 public:
  // `asciiReport`: the report is plain ASCII.
  void read(std::string_view report, bool asciiReport, Writer& writer);

 private:
  // The text of the report body, one line text per body line.
  struct BodyText {
    LineText wind, visibility, weather, sky, temperature;
    bool weatherFound = false;
  };
  // The text of one BECMG or TEMPO section. It is written as the closing lines.
  struct SectionText {
    LineText wind, visibility, weather, sky, temperature;
    bool weatherFound = false;
  };
  enum class TrendKind { kBecoming, kTemporary };

  void readBody(GroupCursor& cursor, Writer& writer, BodyText& body);
  void readSection(GroupCursor& cursor, TrendKind kind, Writer& writer, SectionText& section);

  // Kept between reports so that their storage is reused.
  LineText header_;
  BodyText body_;
  LineText nosig_;
  SectionText becoming_, temporary_;
  LineText noText_;
};

}  // namespace vantrel::positional
