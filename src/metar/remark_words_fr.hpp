#pragma once
// The wording of the remarks in French: a sentence (ending in ". ") for each remark value of
// remark_kinds.hpp, with the same meaning as its English wording there, from the words of
// remark_vocabulary_fr.hpp. full::readRemarkInFrench reads a remark with these.

#include "metar/remark_kinds.hpp"
#include "metar/text_buffer.hpp"

namespace vantrel::remarks::fr {

void append(TextBuffer& out, const SeaLevelPressure& value);
void append(TextBuffer& out, const Temperature& value);
void append(TextBuffer& out, const Amount& value);
void append(TextBuffer& out, const Altimeter& value);
void append(TextBuffer& out, const Qnh& value);
void append(TextBuffer& out, const CloudBase& value);
void append(TextBuffer& out, const Qfe& value);
void append(TextBuffer& out, const ExtremeTemperature6h& value);
void append(TextBuffer& out, const Extremes24h& value);
void append(TextBuffer& out, const Tendency& value);
void append(TextBuffer& out, const Sunshine& value);
void append(TextBuffer& out, const SnowDepth& value);
void append(TextBuffer& out, const CloudTypes& value);
void append(TextBuffer& out, const CloudLayer& value);
void append(TextBuffer& out, const PeakWind& value);
void append(TextBuffer& out, const WindShift& value);
void append(TextBuffer& out, const PlaceWind& value);
void append(TextBuffer& out, const Visibility& value);
void append(TextBuffer& out, const MinimumVisibility& value);
void append(TextBuffer& out, const Ceiling& value);
void append(TextBuffer& out, const VariableSky& value);
void append(TextBuffer& out, const SensorAtRunway& value);
void append(TextBuffer& out, const Lightning& value);
void append(TextBuffer& out, const BeginEnd& value);
void append(TextBuffer& out, const PlacedPhenomenon& value);
void append(TextBuffer& out, const Layers& value);
void append(TextBuffer& out, const LayerTrace& value);
void append(TextBuffer& out, const Obscuration& value);
void append(TextBuffer& out, const RecentWeather& value);
void append(TextBuffer& out, const WholeRemark& value);
void append(TextBuffer& out, const ColourState& value);
void append(TextBuffer& out, const Phrase& value);
void append(TextBuffer& out, const Nosig& value);
void append(TextBuffer& out, const PrecipitationMillimetres& value);
void append(TextBuffer& out, const DensityAltitude& value);
void append(TextBuffer& out, const Correction& value);
void append(TextBuffer& out, const LastStaffed& value);
void append(TextBuffer& out, const SnowIncrease& value);
void append(TextBuffer& out, const HailSize& value);
void append(TextBuffer& out, const BirdHazard& value);

}  // namespace vantrel::remarks::fr
