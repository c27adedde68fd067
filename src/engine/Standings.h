#pragma once
// The standings over a window of jornadas, sorted by one of seven keys: goals
// at home, goals away, goals, goal difference, home points, away points,
// points. Each club's points are also weighed by its points per jornada in the
// general standings ("equated" points), and its points lost at home against
// those won away give the negative points.

#include "engine/Tally.h"

namespace engine {

enum class SortKey { HomeGoals, AwayGoals, Goals, GoalDifference, HomePoints, AwayPoints, Points };

struct StandingsRow {
  int team = 0;
  TeamTally tally;
  double equatedHome = 0, equatedAway = 0;
  int16_t homeNegative = 0, awayPositive = 0, negativeTotal = 0;
};

struct Standings {
  int division = 0;
  int first = 1, last = 0;
  std::vector<StandingsRow> rows; // rows[0] is position 1
};

// The results of jornadas first..last; coefficients by team number (the
// general standings').
Standings standings(const season::Season &season, int division, int first, int last, SortKey key,
                    const TeamArray<double> &homeCoefficient, const TeamArray<double> &awayCoefficient,
                    const TeamLookup &lookup = identityLookup());

// The figures of a row as the valuation takes them from the equated and
// negative points line of the standings, which prints the equated points with
// one decimal in fields that widen for three digits and the points in fields
// of fixed width: what those characters read as, worked out from the values.
struct PrintedFigures {
  double equatedHome = 0; // characters 1-4 of the line
  double equatedAway = 0; // characters 6-9
  int homePoints = 0;     // characters 16-17
  int points = 0;         // characters 22-23
  int negative = 0;       // characters 31-33
};
PrintedFigures printedFigures(const StandingsRow &row);

} // namespace engine
