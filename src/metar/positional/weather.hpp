#pragma once
// The present-weather decoder.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "metar/group_cursor.hpp"

namespace vantrel {

// What one call of the decoder gives back: the initial text followed by one sentence per group
// that had one (every sentence ends in one space), whether it took any group at all, and the
// cursor past the groups it took. The sentences point into the static vocabulary.
struct WeatherResult {
  static constexpr std::size_t kMaxGroups = 12;  // six a pass, two passes

  std::string_view initialText;
  std::array<std::string_view, kMaxGroups> sentences{};
  std::size_t sentenceCount = 0;
  bool found = false;
  GroupCursor cursor;

  void assignTextTo(std::string& buffer) const;
};

// Reads the weather groups at `cursor` (intensity, descriptor, phenomenon: RA -SHRA +TSRA BR FZFG
// ...) in two passes of four steps, each step taking the groups of one length:
//   A  PP            B  -PP then +PP    C  DDPP           D  -DDPP then +DDPP
// A group that no step takes stops the decoder; `initialText` comes first in the weather text.
WeatherResult TranslateWeather(GroupCursor cursor, std::string_view initialText);

}  // namespace vantrel
