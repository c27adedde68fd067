#include "engine/SignEvolution.h"

#include "text/TextRules.h"

#include <algorithm>

namespace engine {

QChar scoreSign(const QString &goals)
{
  if (goals == QStringLiteral("..") || goals.isEmpty())
    return u'-';
  // The leading number of each side's character ('.' or a letter reads 0).
  auto goalsOf = [](QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0; };
  const int h = goalsOf(goals.front());
  const int a = goalsOf(goals.back());
  if (a < h)
    return u'1';
  if (a > h)
    return u'2';
  return goals.front() == u'.' ? u'-' : u'X';
}

std::vector<SignRow> signEvolution(const season::Season &season, int division, int jornada)
{
  const int n = season.teamCount(division);
  std::vector<SignRow> rows(static_cast<size_t>(n + 1));
  const int shown = std::min(jornada, season.jornadaCount(division));
  for (int t = 1; t <= n; ++t) {
    SignRow &r = rows[static_cast<size_t>(t)];
    for (int j = 1; j <= shown; ++j) {
      const std::optional<season::PlayedCell> match = season.matchOfTeam(division, j, t);
      if (!match)
        continue;
      const QChar sign = scoreSign(text::right(match->cell, 2));
      if (match->home == t) {
        if (sign == u'1')
          r.home += u'g', r.total += u'g', ++r.homeWins;
        else if (sign == u'X')
          r.home += u'e', r.total += u'e', ++r.homeDraws;
        else if (sign == u'2')
          r.home += u'-', r.total += u'-', ++r.homeLosses;
      } else {
        if (sign == u'1')
          r.away += u'.', r.total += u'·', ++r.awayLosses;
        else if (sign == u'X')
          r.away += u'E', r.total += u'E', ++r.awayDraws;
        else if (sign == u'2')
          r.away += u'G', r.total += u'G', ++r.awayWins;
      }
      for (auto [letters, keep] : {std::pair{&r.home, 17}, std::pair{&r.away, 17}, std::pair{&r.total, 37}})
        if (letters->size() > keep)
          letters->remove(0, letters->size() - keep);
    }
    r.pot = 2 * r.homeWins + 3 * r.awayWins - r.homeDraws + 2 * r.awayDraws - 3 * r.homeLosses - r.awayLosses;
  }
  return rows;
}

} // namespace engine
