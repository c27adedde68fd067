#pragma once
// How often the forecasts would have been right: for each jornada of a played
// season, the season cut back to the jornada before, the whole jornada passed
// to a coupon as a player does, and each line's sign compared with the real
// result; and the same jornadas forecast by the score model fitted on the
// results before them, with "always 1" as the baseline.

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace forecast {

struct ValuationScore {
  int matches = 0, homeWins = 0, draws = 0;
  int pickRight = 0; // "1" when the general value is 0 or more, else "2"
  int covered = 0;   // the sign holds the result
  int signs = 0;     // signs played: 1 for " 1"/" 2", 2 for a double, 3 for " T"
};

struct ModelScore {
  int matches = 0, right = 0;
  double rankedProbabilityScore = 0; // summed over the matches
};

// After each jornada, the matches so far and how many each forecast got right.
struct BacktestPoint {
  int jornada = 0, matches = 0, valuation = 0, model = 0, alwaysHome = 0;
};

struct DivisionBacktest {
  int division = 0;
  ValuationScore valuation;
  ModelScore model;
  std::vector<BacktestPoint> curve;
};

// progress(done, total) may cancel by returning false.
std::optional<std::vector<DivisionBacktest>> backtest(const QString &seasonPath, int fromJornada, QString *error,
                                                       const std::function<bool(int, int)> &progress = {});

// "division D: partidos N local H empates E acierto P cubre C signos W" and
// "division D modelo: partidos N acierto P rps R".
QStringList backtestLines(const std::vector<DivisionBacktest> &result);

} // namespace forecast
