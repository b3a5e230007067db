#pragma once
// The decoded value of each kind of group the full reading reads, for explain: the kind's name
// and its fields in the report's own units (decoded.hpp). Made from the typed values, never from
// the English.

#include "metar/decoded.hpp"
#include "metar/values.hpp"

namespace vantrel {

void describe(const values::GroupValue& value, Decoded& out);
void describe(const values::TrendTime& time, Decoded& out);
void describe(const values::Turbulence& turbulence, Decoded& out);

}  // namespace vantrel
