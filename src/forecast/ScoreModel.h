#pragma once
// The score model lives in the engine; the form still names it from here.

#include "engine/ScoreModel.h"

namespace forecast {
using engine::MatchProbabilities;
using engine::PlayedMatch;
using engine::rankedProbabilityScore;
using engine::ScoreModel;
} // namespace forecast
