#pragma once
// Public interface of the translation library: one METAR report in, English lines out, and the
// groups of the report that gave no text.

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The one message a reader ever gets: a report that cannot be read at all.
inline constexpr std::string_view kNotValidMetar = "It is not a valid METAR.";

// How a report is read.
//   kClassic: positional, in the usual METAR order, each step at the place the step before left
//             it; a group out of place or of a form it does not know gives no text. The default.
//   kFull:    every group recognised by its form wherever it stands in its section (body, trend
//             sections, remarks), with the supplementary groups and the common remarks.
enum class Reading { kClassic, kFull };

// The lines of one translation, kept in one buffer, and the groups that gave no text. Lines
// never hold a line break; an empty line is a line like any other. The unread groups are views
// into the report that was translated.
class Translation {
 public:
  bool refused() const noexcept { return refused_; }
  std::size_t size() const noexcept { return ends_.size(); }
  bool empty() const noexcept { return ends_.empty(); }
  std::string_view line(std::size_t i) const noexcept {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(begin, ends_[i] - begin);
  }
  std::vector<std::string> lines() const;

  // The groups (space-separated, never empty) that no written line holds text of, in report
  // order and as typed. Empty for a refused report. Listed on the first call, so a caller that
  // never asks pays nothing for them.
  std::span<const std::string_view> unread() const;

  // Building, for the output writer: the report, the lines, and where each group that gave
  // text to a written line begins.
  void clear(std::string_view report) noexcept {
    refused_ = false;
    report_ = report;
    text_.clear();
    ends_.clear();
    read_.clear();
    unread_.clear();
    unreadListed_ = false;
  }
  void refuse() noexcept { refused_ = true; }
  void appendLine(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
  }
  std::vector<const char*>& readGroups() noexcept { return read_; }
  // For a reader that knows its unread groups itself: they are these, in report order.
  void listUnreadGroups() noexcept { unreadListed_ = true; }
  void appendUnread(std::string_view group) { unread_.push_back(group); }

 private:
  bool refused_ = false;
  std::string_view report_;
  std::string text_;
  std::vector<std::size_t> ends_;
  mutable std::vector<const char*> read_;  // sorted when the unread groups are listed
  mutable std::vector<std::string_view> unread_;
  mutable bool unreadListed_ = false;
};

// Translates reports one after the other, reusing its buffers, so a long run of reports
// allocates almost nothing. Not for use from two threads at once; give each thread its own.
class Translator {
 public:
  Translator();
  ~Translator();
  Translator(const Translator&) = delete;
  Translator& operator=(const Translator&) = delete;

  // `report` is the report as typed, UTF-8, without a line end. The result stays valid until the
  // next call and while `report` lives (the unread groups point into it). A line break typed
  // inside a group ("\n" or "\r") is copied into a sentence as U+FFFD, so that every output line
  // stays one line. Bytes that are not valid UTF-8 do no harm: a character then starts at the
  // first byte of a group and at every byte that is not a continuation byte (10xxxxxx).
  const Translation& translate(std::string_view report, Reading reading = Reading::kClassic);

 private:
  struct Readers;
  std::unique_ptr<Readers> readers_;
};

// One-shot form of Translator::translate.
Translation translate(std::string_view report, Reading reading = Reading::kClassic);

}  // namespace vantrel
