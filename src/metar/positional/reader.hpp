#pragma once
// The classic reading: the report read positionally, each step at the place the step before left
// it, its sentences gathered in line texts and written as lines in a fixed order.

#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/layout.hpp"

namespace vantrel::positional {

class PositionalReader {
 public:
  // `asciiReport`: the report is plain ASCII. `W` is the wording of a language (wording.hpp).
  template <class W>
  void read(std::string_view report, bool asciiReport, Writer& writer);

 private:
  enum class TrendKind { kBecoming, kTemporary };

  template <class W>
  void readBody(GroupCursor& cursor, Writer& writer, SectionLines& body);
  template <class W>
  void readSection(GroupCursor& cursor, TrendKind kind, Writer& writer, SectionLines& section);

  // Kept between reports so that their storage is reused.
  LineText header_;
  SectionLines body_;
  LineText nosig_;
  SectionLines becoming_, temporary_;
  LineText noText_;
};

}  // namespace vantrel::positional
