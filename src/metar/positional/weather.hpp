#pragma once
// The present-weather decoder of the classic reading.

#include "metar/group_cursor.hpp"
#include "metar/writer.hpp"

namespace vantrel::positional {

// What one call of the decoder gives back besides its sentences: whether it took any group at
// all, and the cursor past the groups it took.
struct WeatherResult {
  bool found = false;
  GroupCursor cursor;
};

// Reads the weather groups at `cursor` (intensity, descriptor, phenomenon: RA -SHRA +TSRA BR FZFG
// ...) in two passes of four steps, each step taking the groups of one length:
//   A  PP            B  -PP then +PP    C  DDPP           D  -DDPP then +DDPP
// A group that no step takes stops the decoder. The weather line becomes `initial` (the text that
// opens it) followed by one sentence per group that has one, each ending in one space.
template <class W>
WeatherResult TranslateWeather(GroupCursor cursor, LineText& weather, const LineText& initial);

}  // namespace vantrel::positional
