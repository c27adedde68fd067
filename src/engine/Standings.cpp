#include "engine/Standings.h"

#include "text/TextRules.h"

namespace engine {

namespace {

int keyOf(const TeamTally &t, SortKey key)
{
  switch (key) {
  case SortKey::HomeGoals: return t.homeGoalsFor;
  case SortKey::AwayGoals: return t.awayGoalsFor;
  case SortKey::Goals: return t.goalsFor;
  case SortKey::GoalDifference: return t.goalsFor - t.goalsAgainst;
  case SortKey::HomePoints: return t.homePoints;
  case SortKey::AwayPoints: return t.awayPoints;
  case SortKey::Points: break;
  }
  return t.points;
}

} // namespace

Standings standings(const season::Season &season, int division, int first, int last, SortKey key,
                    const TeamArray<double> &homeCoefficient, const TeamArray<double> &awayCoefficient,
                    const TeamLookup &lookup)
{
  Standings s;
  s.division = division;
  s.first = first;
  s.last = last;
  const int n = season.teamCount(division);
  TeamArray<StandingsRow> rows{};
  for (int t = 1; t <= n; ++t)
    rows[t].team = t;
  for (int h = 1; h <= n; ++h) {
    for (int a = 1; a <= n; ++a) {
      const std::optional<CellScore> c = cellScore(season.cell(division, h, a));
      if (!c || c->jornada < first || c->jornada > last)
        continue;
      addResult(rows[h].tally, rows[a].tally, c->home, c->away);
      // The points of the result weighed by the earner's points per jornada there.
      if (c->home > c->away) {
        rows[h].equatedHome += 3 * homeCoefficient[h];
      } else if (c->home == c->away) {
        rows[h].equatedHome += homeCoefficient[h];
        rows[a].equatedAway += awayCoefficient[a];
      } else {
        rows[a].equatedAway += 3 * awayCoefficient[a];
      }
    }
  }
  for (int t = 1; t <= n; ++t)
    rows[t].tally.addUp();
  // n passes of a bubble: down past a club with a greater key, or an equal
  // one that wins head to head.
  for (int pass = 1; pass <= n; ++pass) {
    for (int j = 1; j <= n - 1; ++j) {
      const TeamTally &x = rows[j].tally, &y = rows[j + 1].tally;
      const int kx = keyOf(x, key), ky = keyOf(y, key);
      if (kx > ky)
        continue;
      if (kx < ky || headToHeadExchanges(season, division, lookup[rows[j].team], lookup[rows[j + 1].team], x.goalsFor,
                                         x.goalsAgainst, y.goalsFor, y.goalsAgainst))
        std::swap(rows[j], rows[j + 1]);
    }
  }
  for (int p = 1; p <= n; ++p) {
    StandingsRow &r = rows[p];
    r.homeNegative = static_cast<int16_t>(-(3 * r.tally.homeLosses + r.tally.homeDraws));
    r.awayPositive = static_cast<int16_t>(3 * r.tally.awayWins + r.tally.awayDraws);
    r.negativeTotal = static_cast<int16_t>(r.awayPositive + r.homeNegative);
    s.rows.push_back(r);
  }
  return s;
}

PrintedFigures printedFigures(const StandingsRow &r)
{
  using text::fmt;
  // The line's fields, printed as the standings print them; a value wider
  // than its field pushes the fields after it to the right, and the
  // valuation reads fixed character positions, so it reads what lands there
  // (100 points read as "00").
  const QString line =
      fmt(r.equatedHome, QStringLiteral("##00.0 ")) + fmt(r.equatedAway, QStringLiteral("##00.0 ")) +
      fmt(r.equatedHome + r.equatedAway, QStringLiteral("##00.0|")) + fmt(r.tally.homePoints, QStringLiteral("@@")) +
      fmt(r.tally.awayPoints, QStringLiteral("@@@")) + fmt(r.tally.points, QStringLiteral("@@@ ")) +
      fmt(r.homeNegative, QStringLiteral("@@@")) + fmt(r.awayPositive, QStringLiteral("@@@")) +
      fmt(r.negativeTotal, QStringLiteral("@@@"));
  PrintedFigures f;
  f.equatedHome = text::val(text::mid(line, 1, 4));
  f.equatedAway = text::val(text::mid(line, 6, 4));
  f.homePoints = text::ival(text::mid(line, 16, 2));
  f.points = text::ival(text::mid(line, 22, 2));
  f.negative = text::ival(text::mid(line, 31, 3));
  return f;
}

} // namespace engine
