#pragma once
// The output writer both readings use. Text is gathered in `LineText`s, each of which remembers
// the groups whose text it holds; writing a LineText as a line marks those groups read. When the
// reading is done, every group of the report that no written line holds is listed as unread.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "metar/group_cursor.hpp"
#include "metar/growing_array.hpp"
#include "metar/translation.hpp"

namespace vantrel {

// The text of one future output line and the groups that produced it.
class LineText {
 public:
  // The text, emptied, for the sentence of `source` that replaces what was there.
  TextBuffer& replace(const Group& source) {
    clear();
    return add(source);
  }
  // The text, for a sentence of `source` that goes after what is there.
  TextBuffer& add(const Group& source) {
    credit(source.bytes());
    return text_;
  }
  // Appends the text and the groups of `other`.
  void append(const LineText& other) {
    text_ += other.text_;
    sources_.append(other.sources_.begin(), other.sources_.end());
  }
  // Takes the text and the groups of `other`, replacing its own.
  void assign(const LineText& other) {
    text_ = other.text_;
    sources_ = other.sources_;
  }
  void clear() noexcept {
    text_.clear();
    sources_.clear();
  }

  std::string_view text() const noexcept { return text_; }
  bool empty() const noexcept { return text_.empty(); }
  TextBuffer& text() noexcept { return text_; }
  void credit(std::string_view group) {
    if (!group.empty()) sources_.push_back(group.data());
  }

 private:
  friend class Writer;

  TextBuffer text_;
  GrowingArray<const char*> sources_;  // where each group that gave text begins in the report
};

// Writes the lines of one translation into a Translation.
class Writer {
 public:
  // Starts a translation of `report`, which `scan` describes, into `out`.
  void begin(std::string_view report, const TextScan& scan, Translation& out);

  void refuse() { out_->refuse(); }
  // Writes `line` as a line; a line break typed inside a group is written as U+FFFD.
  void write(const LineText& line);
  // Writes a fixed text as a line, chosen by the group `source` (none for an empty line).
  void write(std::string_view text, const Group* source = nullptr) {
    append(text);
    if (source != nullptr) out_->markRead(source->bytes().data());
  }

  // Counts `group` as read without a line of its own (a closing "=").
  void markRead(std::string_view group) { out_->markRead(group.data()); }

 private:
  void append(std::string_view line) {
    if (reportHasLineBreak_) [[unlikely]] {
      appendWithoutBreaks(line);
      return;
    }
    out_->appendLine(line);
  }
  [[gnu::noinline]] void appendWithoutBreaks(std::string_view line);

  Translation* out_ = nullptr;
  bool reportHasLineBreak_ = false;
  TextBuffer lineWithoutBreaks_;
};

}  // namespace vantrel
