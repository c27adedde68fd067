#include "engine/GeneralStandings.h"

namespace engine {

GeneralStandings generalStandings(const season::Season &season, int division, int jornada, const TeamLookup &lookup)
{
  GeneralStandings g;
  const int n = season.teamCount(division);
  for (int h = 1; h <= n; ++h) {
    for (int a = 1; a <= n; ++a) {
      if (const std::optional<CellScore> s = cellScore(season.cell(division, h, a)))
        addResult(g.byTeam[h], g.byTeam[a], s->home, s->away);
    }
  }
  const double divisor = jornada >= 1 ? jornada : 1;
  for (int t = 1; t <= n; ++t) {
    TeamTally &x = g.byTeam[t];
    x.addUp();
    g.negativeByTeam[t] = static_cast<int16_t>(3 * (x.awayWins - x.homeLosses) + (x.awayDraws - x.homeDraws));
    g.homeCoefficient[t] = x.homePoints / divisor / 2;
    g.awayCoefficient[t] = x.awayPoints / divisor / 2;
  }
  // A bubble of n - 1 passes: a club goes up past one with fewer points, or
  // level and beaten head to head.
  for (int p = 1; p <= n; ++p)
    g.teamAt[p] = p;
  for (int pass = 1; pass <= n - 1; ++pass) {
    for (int j = 1; j <= n - 1; ++j) {
      const TeamTally &x = g.byTeam[g.teamAt[j]], &y = g.byTeam[g.teamAt[j + 1]];
      if (x.points > y.points)
        continue;
      if (x.points < y.points ||
          headToHeadExchanges(season, division, lookup[g.teamAt[j]], lookup[g.teamAt[j + 1]], x.goalsFor,
                              x.goalsAgainst, y.goalsFor, y.goalsAgainst))
        std::swap(g.teamAt[j], g.teamAt[j + 1]);
    }
  }
  return g;
}

} // namespace engine
