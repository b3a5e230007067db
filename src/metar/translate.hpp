#pragma once
// Public interface of the translation library: one METAR report in, English lines out.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class GroupCursor;

// The one message a reader ever gets: a report whose first group is neither METAR nor a
// four-character station.
inline constexpr std::string_view kNotValidMetar = "It is not a valid METAR.";

// The lines of one translation, kept in one buffer. Lines never hold a line break; an empty
// line is a line like any other.
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

 private:
  friend class Translator;
  void clear() noexcept {
    refused_ = false;
    text_.clear();
    ends_.clear();
  }
  void append(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
  }

  bool refused_ = false;
  std::string text_;
  std::vector<std::size_t> ends_;
};

// Translates reports one after the other, reusing its buffers, so a long run of reports
// allocates almost nothing. Not for use from two threads at once; give each thread its own.
class Translator {
 public:
  // `report` is the report as typed, UTF-8, without a line end. The result stays valid until the
  // next call. A line break typed inside a group ("\n" or "\r") is copied into a sentence as
  // U+FFFD, so that every output line stays one line. Bytes that are not valid UTF-8 do no harm: a character then starts at the
  // first byte of a group and at every byte that is not a continuation byte (10xxxxxx).
  const Translation& translate(std::string_view report);

 private:
  // The text of each output line is collected in one of these before it is written.
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

  Translation out_;
  Buffers buf_;
  bool reportHasLineBreak_ = false;
  std::string lineWithoutBreaks_;
};

// One-shot form of Translator::translate.
Translation translate(std::string_view report);

}  // namespace vantrel
