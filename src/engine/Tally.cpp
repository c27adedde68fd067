#include "engine/Tally.h"

namespace engine {

void TeamTally::addUp()
{
  goalsFor = static_cast<int16_t>(awayGoalsFor + homeGoalsFor);
  goalsAgainst = static_cast<int16_t>(awayGoalsAgainst + homeGoalsAgainst);
  homePoints = static_cast<int16_t>(3 * homeWins + homeDraws);
  awayPoints = static_cast<int16_t>(3 * awayWins + awayDraws);
  points = static_cast<int16_t>(awayPoints + homePoints);
}

void addResult(TeamTally &home, TeamTally &away, int hg, int ag)
{
  home.homeGoalsFor = static_cast<int16_t>(home.homeGoalsFor + hg);
  away.awayGoalsAgainst = static_cast<int16_t>(away.awayGoalsAgainst + hg);
  home.homeGoalsAgainst = static_cast<int16_t>(home.homeGoalsAgainst + ag);
  away.awayGoalsFor = static_cast<int16_t>(away.awayGoalsFor + ag);
  if (hg > ag) {
    ++home.homeWins;
    ++away.awayLosses;
  } else if (hg == ag) {
    ++home.homeDraws;
    ++away.awayDraws;
  } else {
    ++home.homeLosses;
    ++away.awayWins;
  }
}

std::optional<CellScore> cellScore(const QString &cell)
{
  // A checked season holds "...." or four digits.
  if (cell.size() != 4)
    return std::nullopt;
  for (QChar c : cell)
    if (c < u'0' || c > u'9')
      return std::nullopt;
  return CellScore{(cell[0].unicode() - u'0') * 10 + (cell[1].unicode() - u'0'), cell[2].unicode() - u'0',
                   cell[3].unicode() - u'0'};
}

TeamLookup identityLookup()
{
  TeamLookup lookup{};
  for (int t = 0; t <= kMaxTeams; ++t)
    lookup[t] = t;
  return lookup;
}

bool headToHeadExchanges(const season::Season &season, int division, int a, int b, int goalsForA, int goalsAgainstA,
                         int goalsForB, int goalsAgainstB)
{
  const std::optional<CellScore> first = cellScore(season.cell(division, a, b));
  const std::optional<CellScore> second = cellScore(season.cell(division, b, a));
  const int goalsA = (first ? first->home : 0) + (second ? second->away : 0);
  const int goalsB = (first ? first->away : 0) + (second ? second->home : 0);
  if (goalsA != goalsB)
    return goalsA < goalsB;
  const int diffA = goalsForA - goalsAgainstA;
  const int diffB = goalsForB - goalsAgainstB;
  if (diffA != diffB)
    return diffA < diffB;
  return goalsForA < goalsForB;
}

} // namespace engine
