#pragma once
// The wording of the remarks: one sentence (ending in ". ") for each value a remark reader
// returns (remark_values.hpp), in the words of remark_vocabulary.hpp. The sentence starts with a
// capital; the wording, not the reader, decides the case and the number of every word.

#include "metar/remark_values.hpp"
#include "metar/text_buffer.hpp"

namespace vantrel::remark_words {

void append(TextBuffer& out, const remarks::SeaLevelPressure& value);
void append(TextBuffer& out, const remarks::Temperature& value);
void append(TextBuffer& out, const remarks::Amount& value);
void append(TextBuffer& out, const remarks::Altimeter& value);
void append(TextBuffer& out, const remarks::Qnh& value);
void append(TextBuffer& out, const remarks::CloudBase& value);
void append(TextBuffer& out, const remarks::Qfe& value);
void append(TextBuffer& out, const remarks::ExtremeTemperature6h& value);
void append(TextBuffer& out, const remarks::Extremes24h& value);
void append(TextBuffer& out, const remarks::Tendency& value);
void append(TextBuffer& out, const remarks::Sunshine& value);
void append(TextBuffer& out, const remarks::SnowDepth& value);
void append(TextBuffer& out, const remarks::CloudTypes& value);
void append(TextBuffer& out, const remarks::CloudLayer& value);
void append(TextBuffer& out, const remarks::PeakWind& value);
void append(TextBuffer& out, const remarks::WindShift& value);
void append(TextBuffer& out, const remarks::PlaceWind& value);
void append(TextBuffer& out, const remarks::Visibility& value);
void append(TextBuffer& out, const remarks::MinimumVisibility& value);
void append(TextBuffer& out, const remarks::Ceiling& value);
void append(TextBuffer& out, const remarks::VariableSky& value);
void append(TextBuffer& out, const remarks::SensorAtRunway& value);
void append(TextBuffer& out, const remarks::Lightning& value);
void append(TextBuffer& out, const remarks::BeginEnd& value);
void append(TextBuffer& out, const remarks::PlacedPhenomenon& value);
void append(TextBuffer& out, const remarks::Layers& value);
void append(TextBuffer& out, const remarks::LayerTrace& value);
void append(TextBuffer& out, const remarks::Obscuration& value);
void append(TextBuffer& out, const remarks::RecentWeather& value);
void append(TextBuffer& out, const remarks::WholeRemark& value);
void append(TextBuffer& out, const remarks::ColourState& value);
void append(TextBuffer& out, const remarks::Phrase& value);
void append(TextBuffer& out, const remarks::Nosig& value);
void append(TextBuffer& out, const remarks::PrecipitationMillimetres& value);
void append(TextBuffer& out, const remarks::DensityAltitude& value);
void append(TextBuffer& out, const remarks::Correction& value);
void append(TextBuffer& out, const remarks::LastStaffed& value);
void append(TextBuffer& out, const remarks::SnowIncrease& value);
void append(TextBuffer& out, const remarks::HailSize& value);
void append(TextBuffer& out, const remarks::BirdHazard& value);

}  // namespace vantrel::remark_words
