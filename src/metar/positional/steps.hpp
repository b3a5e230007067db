#pragma once
// The decoding steps of a translation. Each reads the group cursor where the step before left it
// and writes sentences into the buffers it is given; the driver decides which buffers and writes
// the lines. The steps shared by the report body and the trend sections take the section as a
// parameter: that is where the two differ.

#include <string>
#include <string_view>

#include "metar/group_cursor.hpp"

namespace vantrel {

enum class Section { kBody, kTrend };

// Report type, station and issue time. Returns false when the report is refused; otherwise
// `headerLine` holds the header line, or nothing when the issue time has no known form.
bool readHeader(GroupCursor& cursor, std::string& headerLine);

// Wind group into `buffer`. Returns true when a trend section consumes the group.
bool readWind(const Group& group, std::string& buffer, Section section);

// dddVddd: appends the direction variation sentence to `buffer` (a group of 7 characters).
void appendVariation(const Group& group, std::string& buffer, Section section);

// Visibility or CAVOK. Returns true when the group was recognised.
bool readVisibility(const Group& group, std::string& visibility, std::string& cavok,
                    Section section);

// Runway visual range. Returns true for any group of 8 or 9 characters, which is consumed.
bool appendRunway(const Group& group, std::string& buffer);

// Sky clear, cloud layers and vertical visibility, appended to `buffer`.
void readSky(GroupCursor& cursor, std::string& buffer);

// Temperature and dew point (the buffer is emptied first), then the QNH pressure (appended).
void readTemperature(GroupCursor& cursor, std::string& buffer);
void readPressure(GroupCursor& cursor, std::string& buffer);

}  // namespace vantrel
