#pragma once
// How the score model would have done: each jornada of a played season from
// a first one on, forecast by the model fitted on the results before it
// (with the prior the season before gives, where there is one), against what
// happened; and the same over several seasons, pooled by division, with the
// ranked probability score, the hit rate of the likeliest sign, "always 1"
// beside them, and how often what the model gave a chance of happened.

#include "engine/SeasonPrior.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace engine {

struct ModelTally {
  int matches = 0;
  int right = 0; // the likeliest sign happened
  int homeWins = 0, draws = 0;
  double rankedProbabilityScore = 0; // summed over the matches
  double alwaysHomeScore = 0;        // the same of "always 1", summed
  void add(const ModelTally &other);
};

// The chances the model gave (of a 1, an X or a 2, all three per match)
// between k/10 and (k+1)/10: how many, their sum, and how many happened.
struct CalibrationBin {
  int chances = 0, happened = 0;
  double predicted = 0;
};
using Calibration = std::array<CalibrationBin, 10>;

// After each jornada, the matches so far and how many the model and
// "always 1" got right.
struct ModelPoint {
  int jornada = 0, matches = 0, right = 0, homeWins = 0;
};

struct DivisionModelBacktest {
  int division = 0;
  bool withPrior = false;
  ModelTally tally;
  Calibration calibration{};
  std::vector<ModelPoint> curve;
};

struct SeasonModelBacktest {
  QString file;         // the file name
  QString previousFile; // where its prior came from; empty: none
  QString error;        // not empty: the file could not be read, and nothing else is filled
  std::vector<DivisionModelBacktest> divisions; // those with two teams or more
};

struct SeasonsModelBacktest {
  std::vector<SeasonModelBacktest> seasons; // in the order asked
  std::array<DivisionModelBacktest, 2> pooled; // 1ª, 2ª over every season read; no curve
};

// The jornadas of a division to play back from `from`: up to the one it has
// reached, within its season.
int jornadasToPlay(const season::Season &season, int division, int from);

// One season from jornada `from` (1 or more), with the priors of its two
// divisions (none: the model without a past).
std::vector<DivisionModelBacktest> backtestModel(const season::Season &season, int from,
                                                 const std::array<std::optional<ModelPrior>, 2> &priors);

// Several season files, each with the past its folder holds. progress(done,
// total), counted in jornadas, may cancel by returning false: then nothing.
// Safe to run on a worker thread: it shares nothing.
std::optional<SeasonsModelBacktest> backtestSeasons(const QStringList &paths, int from,
                                                    const std::function<bool(int, int)> &progress = {});

} // namespace engine
