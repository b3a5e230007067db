#pragma once
// Where a group stands: the report body or a trend section. Some sentences end differently.

namespace vantrel {

enum class Section { kBody, kTrend };

}  // namespace vantrel
