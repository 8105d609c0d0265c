#pragma once

#include "engine/alignment.h"
#include "geo/geo_position.h"

#include <string_view>

namespace tarvanel {

// The Greek words for what the engine decides as an enum.

// A short sentence saying how to fix a position that does not read, for a
// tooltip; empty for None.
std::string_view positionProblemText(PositionProblem problem);

// An alignment verdict in a few words, for the window to show.
std::string_view verdictWords(AlignmentVerdict verdict);

} // namespace tarvanel
