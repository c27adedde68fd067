#pragma once
// How reliable the forecasts are, season by season: each season played back
// from a jornada on, by the valuation and by the score model (with the past
// its folder holds), pooled by division, with "always 1" beside them.

#include "engine/ModelBacktest.h"
#include "engine/ValuationBacktest.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace engine {

// A season file, or the season held in memory for that file (with results
// typed in and not yet saved).
struct SeasonSource {
  QString path;
  std::optional<season::Season> inMemory;
};

struct SeasonReliability {
  QString file;         // the file name
  QString previousFile; // where the model's past came from; empty: none
  QString error;        // not empty: the season could not be read
  std::vector<DivisionValuationBacktest> valuation;
  std::vector<DivisionModelBacktest> model;
};

struct Reliability {
  std::vector<SeasonReliability> seasons;         // in the order given
  std::array<ValuationScore, 2> pooledValuation{}; // 1ª, 2ª
  std::array<DivisionModelBacktest, 2> pooledModel; // no curve
};

// progress(done, total), in jornadas, may cancel by returning false: then
// nothing. Shares nothing: safe on a worker thread.
std::optional<Reliability> reliability(const std::vector<SeasonSource> &seasons, int from,
                                       const std::function<bool(int, int)> &progress = {});

// The season files of a folder ("EdatoNN.txt"), oldest first.
QStringList seasonFiles(const QString &folder);

} // namespace engine
