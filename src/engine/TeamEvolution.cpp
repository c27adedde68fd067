#include "engine/TeamEvolution.h"

#include <algorithm>

namespace engine {

TeamEvolution teamEvolution(const season::Season &season, int division, int jornada, const SlotGoals &goals,
                            const TeamLookup &lookup)
{
  TeamEvolution e;
  e.goals = goals;
  const int n = season.teamCount(division);
  const int last = season.storedJornada(division);
  const int top = std::min(jornada, 30);
  e.counted = last >= 1;
  for (int v = 3; v <= top; v += 6) {
    EvolutionWindow w;
    w.jornadas = v + 1;
    if (!e.counted) {
      e.windows.push_back(w);
      continue;
    }
    TeamArray<int16_t> points{}, negative{};
    for (int j = last - v; j <= last && j <= season.jornadaCount(division); ++j) {
      // At most one jornada's worth of matches, in the order of the results
      // matrix; a match typed in without a score ends the jornada's count.
      const std::vector<season::PlayedCell> &played = season.playedInJornada(division, j);
      for (size_t m = 0; m < played.size() && m < static_cast<size_t>(n / 2); ++m) {
        const std::optional<CellScore> s = cellScore(played[m].cell);
        if (!s)
          break;
        const int h = played[m].home, a = played[m].away;
        if (s->home > s->away) {
          points[h] += 3;
        } else if (s->home == s->away) {
          points[h] += 1;
          negative[h] -= 1;
          points[a] += 1;
          negative[a] += 1;
        } else {
          points[a] += 3;
          negative[h] -= 3;
          negative[a] += 3;
        }
      }
    }
    for (int t = 1; t <= n; ++t)
      w.teamAt[t] = t;
    SlotGoals &g = e.goals;
    for (int pass = 1; pass <= n - 1; ++pass) {
      for (int j = 1; j <= n - 1; ++j) {
        if (points[j] > points[j + 1])
          continue;
        if (points[j] < points[j + 1] ||
            headToHeadExchanges(season, division, lookup[w.teamAt[j]], lookup[w.teamAt[j + 1]], g.goalsFor[j],
                                g.goalsAgainst[j], g.goalsFor[j + 1], g.goalsAgainst[j + 1])) {
          std::swap(w.teamAt[j], w.teamAt[j + 1]);
          std::swap(points[j], points[j + 1]);
          std::swap(negative[j], negative[j + 1]);
          std::swap(g.goalsFor[j], g.goalsFor[j + 1]);
          std::swap(g.goalsAgainst[j], g.goalsAgainst[j + 1]);
        }
      }
    }
    w.points = points;
    w.negative = negative;
    e.windows.push_back(w);
  }
  return e;
}

} // namespace engine
