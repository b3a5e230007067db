#pragma once
// The decoding steps of the classic reading. Each reads the group cursor where the step before
// left it and puts its sentences into the line texts it is given; the driver decides which and
// writes the lines. The steps shared by the report body and the trend sections take the section
// as a parameter: that is where the two differ. Each step is instantiated with the wording of
// each language (wording.hpp), `W`.

#include "metar/group_cursor.hpp"
#include "metar/wording.hpp"
#include "metar/writer.hpp"

namespace vantrel::positional {

// Report type, station and issue time. Returns false when the report is refused; otherwise
// `headerLine` holds the header line, or nothing when the issue time has no known form.
template <class W>
bool readHeader(GroupCursor& cursor, LineText& headerLine);

// Wind group into `wind`. Returns true when a trend section consumes the group.
template <class W>
bool readWind(const Group& group, LineText& wind, Section section);

// dddVddd: appends the direction variation sentence to `wind` (a group of 7 characters).
template <class W>
void appendVariation(const Group& group, LineText& wind, Section section);

// Visibility or CAVOK. Returns true when the group was recognised.
template <class W>
bool readVisibility(const Group& group, LineText& visibility, LineText& cavok, Section section);

// Runway visual range. Returns true for any group of 8 or 9 characters, which is consumed.
template <class W>
bool appendRunway(const Group& group, LineText& visibility);

// Sky clear, cloud layers and vertical visibility, appended to `sky`.
template <class W>
void readSky(GroupCursor& cursor, LineText& sky);

// Temperature and dew point (the text is emptied first), then the QNH pressure (appended).
template <class W>
void readTemperature(GroupCursor& cursor, LineText& temperature);
template <class W>
void readPressure(GroupCursor& cursor, LineText& temperature);

}  // namespace vantrel::positional
