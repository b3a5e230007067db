#pragma once
// The forecast (TAF) reading: its header and change groups read here, its conditions by the full
// reading's recognisers, values and wording.

#include <string_view>
#include <vector>

#include "metar/full/groups.hpp"
#include "metar/group_cursor.hpp"
#include "metar/taf/forecast_values.hpp"
#include "metar/writer.hpp"

namespace vantrel::taf {

// Where a section stops: at the end of the report (kNone), at RMK, at the keyword of the next
// section (read, taking `n` groups), or at a keyword whose time or probability is broken.
struct SectionEnd {
  enum Kind { kNone, kRemarks, kChange, kBrokenChange } kind = kNone;
  std::size_t n = 0;
};

class TafReader {
 public:
  // `asciiReport`: the report is plain ASCII. `W` is the wording of a language (wording.hpp).
  template <class W>
  void read(std::string_view report, bool asciiReport, Writer& writer);

 private:
  // TAF [AMD|COR|RTD] CCCC [ddhhmmZ] [ddhh/ddhh|ddhhhh] [NIL|CNL]; false when there is no
  // station.
  template <class W>
  bool readHeader(Writer& writer, std::size_t& i);
  // The groups of one section, up to the next section keyword or RMK, onto section_; where it
  // stopped into end_ (and the next keyword into next_).
  template <class W>
  void readSection(std::size_t& i);
  void writeSection(Writer& writer);
  template <class W>
  void readRemarks(std::size_t& i, Writer& writer);
  template <class W>
  void notRead(const Group& g);
  template <class W>
  void writeNotTranslated(Writer& writer);

  // Kept between reports so that their storage is reused.
  std::vector<Group> groups_;
  std::vector<Group> otherReport_;  // another report on the same line, not read
  bool explain_ = false;
  bool missing_ = false;  // NIL or CNL: nothing follows the header
  bool oldForm_ = false;  // the validity is the old ddhhhh: a change's period is hhhh
  SectionEnd end_;
  Change next_;
  LineText header_, notes_, heading_, temperatures_, statements_, remarks_;
  full::SectionText section_;
  TextBuffer notTranslated_;
};

}  // namespace vantrel::taf
