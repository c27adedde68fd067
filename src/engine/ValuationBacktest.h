#pragma once
// How often the valuation would have been right: each jornada of a played
// season valued as a player would have valued it on the eve of that jornada
// (the season without that jornada's results and those after it, the whole
// jornada passed to a coupon), and each match's sign set against its result.

#include "engine/MatchValuation.h"
#include "season/Season.h"

#include <functional>
#include <optional>
#include <vector>

namespace engine {

// The season as it stood before jornada j of a division: the results of j
// and later taken out, the division's jornada set back to j - 1.
season::Season cutBack(const season::Season &full, int division, int jornada);

// A match of the jornada valued on the eve of it.
struct FixtureValuation {
  int home = 0, away = 0;
  MatchValues values;
};

// The jornada's matches as a coupon of the whole jornada values them, on the
// season cut back to the eve of it: the standings of jornadas 1..jornada by
// points weighed by the general standings of the jornada before, and the
// sign evolution; the thresholds of a stored coupon; no other factors.
std::vector<FixtureValuation> valueJornada(const season::Season &cut, int division, int jornada);

struct ValuationScore {
  int matches = 0, homeWins = 0, draws = 0;
  int pickRight = 0; // "1" when the general value is 0 or more, else "2"
  int covered = 0;   // the sign holds the result
  int signs = 0;     // signs played: 1 for " 1"/" 2", 2 for a double, 3 for " T"
  void add(const ValuationScore &other);
};

// After each jornada, the matches so far and how many the valuation and
// "always 1" got right.
struct ValuationPoint {
  int jornada = 0, matches = 0, right = 0, homeWins = 0;
};

struct DivisionValuationBacktest {
  int division = 0;
  ValuationScore score;
  std::vector<ValuationPoint> curve;
};

// From jornada `from` to the one each division has reached. progress(done,
// total), in jornadas, may cancel by returning false: then nothing.
std::optional<std::vector<DivisionValuationBacktest>>
backtestValuation(const season::Season &season, int from, const std::function<bool(int, int)> &progress = {});

// The sign a valuation played holds the result ('1', 'X', '2').
bool signCovers(const QString &sign, char result);
int signCount(const QString &sign);

} // namespace engine
