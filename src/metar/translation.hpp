#pragma once
// The result of one translation, read-only to callers: its lines, and the groups of the report
// that gave no text.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "metar/decoded.hpp"
#include "metar/growing_array.hpp"
#include "metar/text.hpp"
#include "metar/text_buffer.hpp"

namespace vantrel {

class Writer;

// The groups of a translated report that no written line holds text of, found as they are
// walked, from one bit a byte of the report that marks where each group that gave text begins: no
// list is built, so a report of a million unread groups costs no memory for them. The report is
// taken 64 bytes at a time: its spaces as a mask, the groups that begin there, less those marked
// read. A forward range of views into the report, in report order; valid while its Translation
// is.
class UnreadGroups {
 public:
  class iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::string_view*;
    using reference = const std::string_view&;

    iterator() = default;
    reference operator*() const noexcept { return group_; }
    pointer operator->() const noexcept { return &group_; }
    iterator& operator++() noexcept {
      find();
      return *this;
    }
    iterator operator++(int) noexcept {
      iterator before = *this;
      find();
      return before;
    }
    friend bool operator==(const iterator& a, const iterator& b) noexcept {
      return a.group_.data() == b.group_.data();
    }

   private:
    friend class UnreadGroups;
    iterator(std::string_view report, const std::uint64_t* read) : report_(report), read_(read) {
      find();
    }
    // Inline, so that a loop over the groups keeps the walk in registers.
    void find() noexcept {
      const char* const begin = report_.data();
      const char* const end = begin + report_.size();
      while (pending_ == 0) {
        const std::size_t at = window_ * 64;
        if (at >= report_.size()) {
          group_ = {};
          return;
        }
        spaces_ = spaceBits(begin + at, end);
        // A group begins at a byte that is not a space and follows a space (or the report's
        // start).
        const std::uint64_t starts = ~spaces_ & ((spaces_ << 1) | (afterSpace_ ? 1U : 0U));
        afterSpace_ = (spaces_ >> 63) != 0;
        pending_ = starts & ~read_[window_];
        ++window_;
      }
      const auto bit = static_cast<unsigned>(std::countr_zero(pending_));
      const char* const start = begin + (window_ - 1) * 64 + bit;
      pending_ &= pending_ - 1;
      // It ends at the next space of the window, or past the window's end.
      const std::uint64_t after = spaces_ >> bit;
      const char* const stop =
          after != 0 ? start + std::countr_zero(after) : nextSpace(begin + window_ * 64, end);
      group_ = std::string_view(start, static_cast<std::size_t>(stop - start));
    }

    std::string_view report_;
    const std::uint64_t* read_ =
        nullptr;                 // a bit for each byte where a group that gave text begins
    std::size_t window_ = 0;     // the next 64 bytes to look at
    std::uint64_t pending_ = 0;  // where unread groups begin in the window before it
    std::uint64_t spaces_ = 0;   // where that window has spaces
    bool afterSpace_ = true;     // the byte before the next window is a space
    std::string_view group_;     // empty (null) at the end
  };

  iterator begin() const noexcept { return {report_, read_}; }
  iterator end() const noexcept { return {}; }
  bool empty() const noexcept { return begin() == end(); }
  // Counted by walking them.
  std::size_t size() const noexcept;

 private:
  friend class Translation;
  UnreadGroups(std::string_view report, const std::uint64_t* read) : report_(report), read_(read) {}

  std::string_view report_;
  const std::uint64_t* read_ = nullptr;
};

// What was read: an observation (METAR, SPECI) or a forecast (TAF).
enum class ReportKind : std::uint8_t { kObservation, kForecast };

// The lines of one translation, kept in one buffer, and the groups that gave no text. Lines
// never hold a line break; an empty line is a line like any other. The unread groups are views
// into the report that was translated.
class Translation {
 public:
  // One sentence and the group or groups it came from, or an unread group and no sentence
  // (explaining only). A group that gave several sentences is in the piece of each.
  struct Piece {
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);
    std::size_t at = 0;                    // where its first group begins in the report
    std::vector<std::string_view> groups;  // as typed, in report order
    std::size_t line = kNoLine;            // the line that holds the sentence; kNoLine: none
    std::string_view text;                 // the sentence, a span of that line without its spaces
    Decoded value;                         // its decoded value (the full reading), or none
    bool unread() const noexcept { return line == kNoLine && !read; }

   private:
    friend class Translation;
    friend class Writer;
    std::size_t begin = 0, end = 0;  // the sentence in the line, spaces included
    bool read = true;                // false: an unread group
  };

  bool refused() const noexcept { return refused_; }
  ReportKind kind() const noexcept { return kind_; }
  std::size_t size() const noexcept { return ends_.size(); }
  bool empty() const noexcept { return ends_.empty(); }
  std::string_view line(std::size_t i) const noexcept {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return text_.view().substr(begin, ends_[i] - 1 - begin);
  }
  // All the lines, each followed by a line feed, as text output writes them.
  std::string_view text() const noexcept { return text_.view(); }
  std::vector<std::string> lines() const;

  // The groups (space-separated, never empty) that no written line holds text of, in report
  // order and as typed. Empty for a refused report. Found only when walked, so a caller that
  // never asks pays nothing for them.
  UnreadGroups unread() const {
    return refused_ ? UnreadGroups({}, nullptr) : UnreadGroups(report_, read_.data());
  }

  // What one pass over the report found: whether it is valid UTF-8 (a front end may refuse it
  // then), and whether JSON must escape any of its bytes. When it needs no escaping, neither do
  // the lines and the unread groups: the lines are built of the report's characters and of
  // sentence fragments that are all JSON-safe.
  const TextScan& reportScan() const noexcept { return scan_; }

  // The report's groups, piece by piece, in report order: every group is in one piece, or in
  // each piece of the sentences it gave. Only when the translation was asked to explain; empty
  // otherwise, and for a refused report.
  const std::vector<Piece>& pieces() const noexcept { return pieces_; }

 private:
  // Built by the output writer only: callers get a translation to read.
  friend class Writer;

  // The report, the lines, and where each group that gave text to a written line begins: the
  // report, the lines, and where each group that gave text to a written line begins.
  void clear(std::string_view report, const TextScan& scan) {
    refused_ = false;
    kind_ = ReportKind::kObservation;
    report_ = report;
    scan_ = scan;
    text_.clear();
    ends_.clear();
    pieces_.clear();
    // A bit for each byte, cleared word by word: most reports need two words.
    const std::size_t words = report.size() / 64 + 1;
    if (read_.size() < words) read_.resize(words);
    for (std::size_t w = 0; w < words; ++w) read_[w] = 0;
  }
  void refuse() noexcept { refused_ = true; }
  void markForecast() noexcept { kind_ = ReportKind::kForecast; }
  void appendLine(std::string_view line) {
    char* const out = text_.extend(line.size() + 1);
    copyBytes(out, line.data(), line.size());
    out[line.size()] = '\n';
    ends_.push_back(text_.size());
  }
  // Marks the group that begins at `group` (a place in the report) as giving text.
  // A null `group`, or one outside the report (a group of no text), marks nothing.
  void markRead(const char* group) noexcept {
    const auto at =
        reinterpret_cast<std::uintptr_t>(group) - reinterpret_cast<std::uintptr_t>(report_.data());
    if (at < report_.size()) read_[at / 64] |= std::uint64_t{1} << (at % 64);
  }

  Piece& newPiece(std::size_t line, std::size_t begin, std::size_t end) {
    Piece& piece = pieces_.emplace_back();
    piece.line = line;
    piece.begin = begin;
    piece.end = end;
    return piece;
  }
  // Adds the group that begins at `group` (a place in the report) to `piece`.
  void addGroup(Piece& piece, const char* group);
  // Puts the pieces in report order, with the unread groups, and their sentences.
  void orderPieces();

  bool refused_ = false;
  ReportKind kind_ = ReportKind::kObservation;
  std::vector<Piece> pieces_;
  std::string_view report_;
  TextScan scan_;
  TextBuffer text_;
  GrowingArray<std::size_t> ends_;   // where each line's line feed ends
  std::vector<std::uint64_t> read_;  // a bit for each byte where a group that gave text begins
};

}  // namespace vantrel
