#pragma once
// The present-weather decoder of the classic reading.

#include <array>
#include <cstddef>
#include <string_view>

#include "metar/group_cursor.hpp"
#include "metar/writer.hpp"

namespace vantrel::positional {

// What one call of the decoder gives back: one sentence per group that had one (every sentence
// ends in one space) with that group, whether it took any group at all, and the cursor past the
// groups it took. The sentences point into the static vocabulary.
struct WeatherResult {
  static constexpr std::size_t kMaxGroups = 12;  // six a pass, two passes

  std::array<std::string_view, kMaxGroups> sentences{};
  std::array<Group, kMaxGroups> groups{};
  std::size_t sentenceCount = 0;
  bool found = false;
  GroupCursor cursor;

  // The weather line: `initial` (the text that opens it), then the sentences.
  void assignTo(LineText& weather, const LineText& initial) const;
};

// Reads the weather groups at `cursor` (intensity, descriptor, phenomenon: RA -SHRA +TSRA BR FZFG
// ...) in two passes of four steps, each step taking the groups of one length:
//   A  PP            B  -PP then +PP    C  DDPP           D  -DDPP then +DDPP
// A group that no step takes stops the decoder.
WeatherResult TranslateWeather(GroupCursor cursor);

}  // namespace vantrel::positional
