#pragma once
// The output writer both readings use. Text is gathered in `LineText`s, each of which remembers
// the groups whose text it holds; writing a LineText as a line marks those groups read. When the
// reading is done, every group of the report that no written line holds is listed as unread.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "metar/decoded.hpp"
#include "metar/group_cursor.hpp"
#include "metar/growing_array.hpp"
#include "metar/translation.hpp"

namespace vantrel {

// The text of one future output line and the groups that produced it. Each sentence begins
// where a group is added; the groups credited after it, up to the next, gave the same sentence
// (those credited before the first sentence go with the first). Explaining, a sentence may also
// carry its decoded value.
class LineText {
 public:
  // The text, emptied, for the sentence of `source` that replaces what was there.
  TextBuffer& replace(const Group& source) {
    clear();
    return add(source);
  }
  // The text, for a sentence of `source` that goes after what is there.
  TextBuffer& add(const Group& source) {
    begin(source.bytes(), text_.size());
    return text_;
  }
  // Marks the text from `at` on as the sentence of `group`, already written: a reader that
  // learns which groups gave a sentence only after writing it.
  void begin(std::string_view group, std::size_t at) {
    Sentence& sentence = sentences_.extend();
    sentence.source = static_cast<std::uint32_t>(sources_.size());
    sentence.at = static_cast<std::uint32_t>(at);
    credit(group);
  }
  // `group` gave text to the sentence being written.
  void credit(std::string_view group) {
    if (!group.empty()) sources_.push_back(group.data());
  }
  // The decoded value of the sentence being written (explaining only).
  void describe(Decoded value) {
    values_.emplace_back(sentences_.empty() ? 0 : sentences_.size() - 1, std::move(value));
  }
  // Appends the text and the groups of `other`.
  [[gnu::always_inline]] void append(const LineText& other) {
    const auto shiftText = static_cast<std::uint32_t>(text_.size());
    const auto shiftSources = static_cast<std::uint32_t>(sources_.size());
    const std::size_t firstSentence = sentences_.size();
    text_ += other.text_;
    sources_.append(other.sources_.begin(), other.sources_.end());
    for (const Sentence& s : other.sentences_) {
      Sentence& moved = sentences_.extend();
      moved.source = s.source + shiftSources;
      moved.at = s.at + shiftText;
    }
    for (const auto& [sentence, value] : other.values_) [[unlikely]] {
        values_.emplace_back(firstSentence + sentence, value);
      }
  }
  // Takes the text and the groups of `other`, replacing its own.
  void assign(const LineText& other) {
    text_ = other.text_;
    sources_ = other.sources_;
    sentences_ = other.sentences_;
    if (!values_.empty() || !other.values_.empty()) [[unlikely]]
      values_ = other.values_;
  }
  void clear() noexcept {
    text_.clear();
    sources_.clear();
    sentences_.clear();
    if (!values_.empty()) [[unlikely]]
      values_.clear();
  }

  std::string_view text() const noexcept { return text_; }
  bool empty() const noexcept { return text_.empty(); }
  TextBuffer& text() noexcept { return text_; }

 private:
  friend class Writer;

  struct Sentence {
    std::uint32_t source;  // its first group in sources_ (past the last: a sentence of no group)
    std::uint32_t at;      // where it begins in the text
  };
  TextBuffer text_;
  GrowingArray<const char*> sources_;  // where each group that gave text begins in the report
  GrowingArray<Sentence> sentences_;
  std::vector<std::pair<std::size_t, Decoded>> values_;  // the sentence each value is of
};

// Writes the lines of one translation into a Translation.
class Writer {
 public:
  // Starts a translation of `report`, which `scan` describes, into `out`; explaining, it also
  // keeps each sentence with its groups (Translation::pieces).
  [[gnu::hot]] void begin(std::string_view report, const TextScan& scan, Translation& out,
                          bool explain = false);
  bool explaining() const noexcept { return explain_; }
  // Ends the translation: explaining, the pieces in report order, the unread groups among them.
  void end();

  void refuse() { out_->refuse(); }
  // The report is a forecast.
  void markForecast() { out_->markForecast(); }
  // Writes `line` as a line; a line break typed inside a group is written as U+FFFD. Inline:
  // a report has a dozen lines, and the call would cost as much as the copy.
  void write(const LineText& line) {
    if (explain_) [[unlikely]]
      keepPieces(line);
    append(line.text_);
    for (const char* const source : line.sources_) out_->markRead(source);
  }
  // The same, out of line, for a caller whose own code must stay small to stay in the cache (the
  // full reading's driver, which writes a line from many places).
  [[gnu::hot, gnu::noinline]] void writeLine(const LineText& line);
  // Writes each of `lines` that holds text, in order (the lines of a section), with one call.
  [[gnu::hot, gnu::noinline]] void writeLines(std::initializer_list<const LineText*> lines);
  // Writes a fixed text as a line, chosen by the group `source` (none for an empty line).
  void write(std::string_view text, const Group* source = nullptr) {
    if (explain_ && source != nullptr) [[unlikely]] {
      keepPiece(source->bytes().data(), 0, text.size());
    }
    append(text);
    if (source != nullptr) out_->markRead(source->bytes().data());
  }

  // Counts `group` as read without a line of its own (a closing "=").
  void markRead(std::string_view group) {
    if (explain_) [[unlikely]]
      keepPiece(group.data(), 0, 0, false);
    out_->markRead(group.data());
  }

 private:
  void append(std::string_view line) {
    if (reportHasLineBreak_) [[unlikely]] {
      appendWithoutBreaks(line);
      return;
    }
    out_->appendLine(line);
  }
  [[gnu::noinline]] void appendWithoutBreaks(std::string_view line);
  // Keeps the sentences of `line`, about to be written as the next line.
  [[gnu::noinline]] void keepPieces(const LineText& line);
  // Keeps a sentence of `group` at [begin, end) of the next line (none: no line).
  void keepPiece(const char* group, std::size_t begin, std::size_t end, bool inLine = true);

  Translation* out_ = nullptr;
  bool reportHasLineBreak_ = false;
  bool explain_ = false;
  TextBuffer lineWithoutBreaks_;
};

}  // namespace vantrel
