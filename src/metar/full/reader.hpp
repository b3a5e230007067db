#pragma once
// The full reading: every group recognised by its form wherever it stands in its section.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "metar/full/groups.hpp"
#include "metar/group_cursor.hpp"
#include "metar/writer.hpp"

namespace vantrel::full {

class FullReader {
 public:
  // `asciiReport`: the report is plain ASCII. `W` is the wording of a language (wording.hpp).
  template <class W>
  [[gnu::hot]] void read(std::string_view report, bool asciiReport, Writer& writer);

 private:
  enum class TrendKind { kBecoming, kTemporary };

  template <class W>
  [[gnu::hot]] bool readHeader(Writer& writer, std::size_t& i);
  template <class W>
  [[gnu::hot]] void readSection(std::size_t& i, Section section);
  template <class W>
  void notRead(const Group& g);
  // The last line, naming the groups not read, when there are any.
  // The heading of a trend section at groups_[i] onto heading_, and its kind; none (and the
  // group named as not read) for a group that is no section keyword. Moves i past it.
  template <class W>
  [[gnu::noinline]] std::optional<TrendKind> readHeading(std::size_t& i);
  // RMK at groups_[i] and every remark after it, as one line.
  template <class W>
  [[gnu::noinline]] void readRemarks(std::size_t& i, Writer& writer);
  template <class W>
  [[gnu::noinline]] void writeNotTranslated(Writer& writer);

  // Kept between reports so that their storage is reused.
  std::vector<Group> groups_;
  std::vector<Group> secondReport_;  // a second report on the same line, not read
  bool explain_ = false;             // the writer keeps each sentence's groups and value
  LineText header_, notes_, heading_, nosig_, supplementary_, remarks_;
  SectionText body_, section_;
  TextBuffer notTranslated_;
  bool reportMissing_ = false;
  bool becoming_ = false;  // the trend section being read is a BECMG one
};

}  // namespace vantrel::full
