#pragma once
// The general standings, always on screen: every result of the division's
// season counted, the clubs ordered by points (level clubs head to head), and
// each club's points per jornada at home and away, which the standings of a
// window of jornadas use to weigh ("equate") the points won there.

#include "engine/Tally.h"

namespace engine {

struct GeneralStandings {
  TeamArray<TeamTally> byTeam{};       // by team number
  TeamArray<int16_t> negativeByTeam{}; // 3 x (away wins - home losses) + (away draws - home draws)
  // Points per jornada and venue, by team number: the season's home (away)
  // points over the jornada shown (at least 1), halved.
  TeamArray<double> homeCoefficient{}, awayCoefficient{};
  TeamArray<int> teamAt{}; // team number at each position 1..n
};

// jornada: the jornada shown, which the coefficients are divided by.
GeneralStandings generalStandings(const season::Season &season, int division, int jornada,
                                  const TeamLookup &lookup = identityLookup());

} // namespace engine
