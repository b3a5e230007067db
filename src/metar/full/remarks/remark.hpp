#pragma once
// What the remark readers share: the groups, what a reader returns, and the readers of each
// family, which dispatch.cpp tries in order. A reader recognises the groups of one remark form
// and returns its value (remark_values.hpp); it writes no English.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "metar/codes/chars.hpp"
#include "metar/codes/compass.hpp"
#include "metar/codes/miles.hpp"
#include "metar/codes/runway.hpp"
#include "metar/group_cursor.hpp"
#include "metar/remark_values.hpp"

namespace vantrel::remarks {

using codes::allDigits;
using codes::allSlashes;
using codes::allZeros;
using codes::digitsAt;
using codes::endsWith;
using codes::is;
using codes::isDigit;
using codes::startsWith;
using Groups = std::span<const Group>;

// A remark's value and the number of groups it came from.
template <class Value>
struct Found {
  Value value;
  std::size_t groups = 1;
};
template <class Value>
using Reading = std::optional<Found<Value>>;

// The text of group i, or nothing past the end.
inline string_view at(Groups gs, std::size_t i) {
  return i < gs.size() ? gs[i].bytes() : string_view{};
}

// A time of the remarks: hhmm, or mm within the hour of the report.
inline bool isTime(string_view s) {
  return (s.size() == 2 || s.size() == 4) && allDigits(s);
}

// A runway designator after RWY (RWY27L), or nothing.
inline string_view runwayAfterRwy(string_view s) {
  return startsWith(s, "RWY") && codes::isDesignator(s.substr(3)) ? s.substr(3) : string_view{};
}

// The index of `s` (any case) in a table of codes, or nothing.
template <class Table>
std::optional<std::uint8_t> indexOf(const Table& codes, string_view s) {
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (is(s, codes[i])) return static_cast<std::uint8_t>(i);
  }
  return std::nullopt;
}

// --- Places (places.cpp) --------------------------------------------------------------------

// A compass point or a range of them (NE, NE-SE-SW; a point may be written out, NORTH).
bool isDirection(string_view s);
// NORTH EAST: one point written in two words, or kNone.
codes::Compass compassPair(string_view a, string_view b);
// 10KM: a distance in kilometres.
bool isKilometres(string_view s);
// DSNT, VC, OHD, ALQDS and their spellings.
bool isPlaceWord(string_view s);
// The places from group i (FMH-1: DSNT, VC, OHD, ALQDS, compass points and ranges joined by AND
// or THRU, then MOV and a direction, or STNR), and the groups they take (0: none).
std::size_t readPlaces(Groups gs, std::size_t i, Places& places);

// --- The readers, by family -----------------------------------------------------------------

// digit_groups.cpp
Reading<SeaLevelPressure> readSeaLevelPressure(Groups gs);
Reading<Temperature> readTemperature(Groups gs);
Reading<Amount> readAmount(Groups gs);
Reading<Altimeter> readAltimeter(Groups gs);
Reading<Qnh> readQnh(Groups gs);
Reading<CloudBase> readCloudBase(Groups gs);
Reading<Qfe> readQfe(Groups gs);
Reading<ExtremeTemperature6h> readExtremeTemperature6h(Groups gs);
Reading<Extremes24h> readExtremes24h(Groups gs);
Reading<Tendency> readTendency(Groups gs);
Reading<Sunshine> readSunshine(Groups gs);
Reading<SnowDepth> readSnowDepth(Groups gs);
Reading<CloudTypes> readCloudTypes(Groups gs);
Reading<CloudLayer> readCloudLayer(Groups gs);

// wind.cpp
Reading<PeakWind> readPeakWind(Groups gs);
Reading<WindShift> readWindShift(Groups gs);
Reading<PlaceWind> readPlaceWind(Groups gs);

// visibility.cpp
Reading<Visibility> readVisibility(Groups gs);
Reading<MinimumVisibility> readMinimumVisibility(Groups gs);
Reading<Ceiling> readCeiling(Groups gs);
Reading<VariableSky> readVariableSky(Groups gs);
Reading<SensorAtRunway> readSensorAtRunway(Groups gs);

// phenomena.cpp
Reading<Lightning> readLightning(Groups gs);
Reading<BeginEnd> readBeginEnd(Groups gs);
Reading<PlacedPhenomenon> readPlacedPhenomenon(Groups gs);
Reading<Layers> readLayers(Groups gs);
Reading<LayerTrace> readLayerTrace(Groups gs);
Reading<Obscuration> readObscuration(Groups gs);
Reading<RecentWeather> readRecentWeather(Groups gs);

// others.cpp
Reading<WholeRemark> readWholeRemark(Groups gs);
Reading<ColourState> readColourState(Groups gs);
Reading<Phrase> readPhrase(Groups gs);
Reading<Nosig> readNosig(Groups gs);
Reading<PrecipitationMillimetres> readPrecipitationMillimetres(Groups gs);
Reading<DensityAltitude> readDensityAltitude(Groups gs);
Reading<Correction> readCorrection(Groups gs);
Reading<LastStaffed> readLastStaffed(Groups gs);
Reading<SnowIncrease> readSnowIncrease(Groups gs);
Reading<HailSize> readHailSize(Groups gs);
Reading<BirdHazard> readBirdHazard(Groups gs);

}  // namespace vantrel::remarks
