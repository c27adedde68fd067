#include "engine/ValuationBacktest.h"

#include "engine/GeneralStandings.h"
#include "engine/SignEvolution.h"
#include "engine/Standings.h"
#include "engine/Tally.h"
#include "text/TextRules.h"

#include <algorithm>

namespace engine {

season::Season cutBack(const season::Season &full, int d, int j)
{
  season::Season s = full;
  for (int h = 1; h <= kMaxTeams; ++h) {
    for (int a = 1; a <= kMaxTeams; ++a) {
      const std::optional<CellScore> c = cellScore(full.cell(d, h, a));
      if (c && c->jornada >= j)
        s.setRecord(season::Season::cellRecord(d, h, a), QStringLiteral("...."));
    }
  }
  QString current = s.record(season::kJornadasRecord);
  current.replace(d == 1 ? 0 : 2, 2, text::fmt(j - 1, QStringLiteral("00")));
  s.setRecord(season::kJornadasRecord, current);
  return s;
}

namespace {

StandingsFigures figuresOf(const Standings &st, int position)
{
  StandingsFigures f;
  if (position < 1 || position > static_cast<int>(st.rows.size()))
    return f;
  const StandingsRow &r = st.rows[static_cast<size_t>(position - 1)];
  const TeamTally &t = r.tally;
  f.printed = printedFigures(r);
  f.homeGoalsFor = t.homeGoalsFor, f.homeGoalsAgainst = t.homeGoalsAgainst;
  f.awayGoalsFor = t.awayGoalsFor, f.awayGoalsAgainst = t.awayGoalsAgainst;
  f.goalsFor = t.goalsFor, f.goalsAgainst = t.goalsAgainst;
  f.homePoints = t.homePoints, f.awayPoints = t.awayPoints, f.points = t.points;
  f.negativeTotal = r.negativeTotal;
  return f;
}

// The letters as the coupon shows them: "C:" or "F:" and the seventeen
// places of the sign evolution's column, blanks included.
QString formOf(const std::vector<SignRow> &signs, int team, bool atHome)
{
  const SignRow &r = signs[static_cast<size_t>(team)];
  return (atHome ? QStringLiteral("C:") : QStringLiteral("F:")) +
         text::fmt(atHome ? r.home : r.away, QStringLiteral("!@@@@@@@@@@@@@@@@@"));
}

char signOfScore(const CellScore &s)
{
  return s.home > s.away ? '1' : s.home == s.away ? 'X' : '2';
}

} // namespace

std::vector<FixtureValuation> valueJornada(const season::Season &cut, int d, int j)
{
  std::vector<FixtureValuation> out;
  const int n = cut.teamCount(d);
  if (n < 2 || j < 1 || j > cut.jornadaCount(d))
    return out;
  // The general standings were last worked out when the division was shown at
  // the jornada it had reached (jornada 1 before any).
  const GeneralStandings general = generalStandings(cut, d, std::max(1, cut.storedJornada(d)));
  const Standings st = standings(cut, d, 1, j, SortKey::Points, general.homeCoefficient, general.awayCoefficient);
  const std::vector<SignRow> signs = signEvolution(cut, d, j);
  TeamArray<int> positionOf{};
  for (size_t p = 0; p < st.rows.size(); ++p)
    positionOf[st.rows[p].team] = static_cast<int>(p) + 1;
  const std::array<StandingsFigures, 5> top = {figuresOf(st, 1), figuresOf(st, 2), figuresOf(st, 3), figuresOf(st, 4),
                                               figuresOf(st, 5)};
  const Scales scales = valuationScales(top, figuresOf(st, n));
  const std::vector<season::Pairing> fixture = cut.fixture(d, j);
  for (size_t i = 0; i < fixture.size() && i < 15; ++i) {
    const int h = fixture[i].home, a = fixture[i].away;
    // A calendar slot without its home club ends the coupon; one without
    // its away club is passed over.
    if (h < 1 || h > n)
      break;
    if (a < 1 || a > n)
      continue;
    FixtureValuation v;
    v.home = h;
    v.away = a;
    v.values = valueMatch(scales, figuresOf(st, positionOf[h]), figuresOf(st, positionOf[a]), formOf(signs, h, true),
                          formOf(signs, a, false), 0, true);
    out.push_back(v);
  }
  return out;
}

void ValuationScore::add(const ValuationScore &o)
{
  matches += o.matches;
  homeWins += o.homeWins;
  draws += o.draws;
  pickRight += o.pickRight;
  covered += o.covered;
  signs += o.signs;
}

bool signCovers(const QString &sign, char result)
{
  if (sign == QStringLiteral(" 1"))
    return result == '1';
  if (sign == QStringLiteral("1X"))
    return result != '2';
  if (sign == QStringLiteral("X2"))
    return result != '1';
  if (sign == QStringLiteral(" 2"))
    return result == '2';
  return true; // " T" covers every result
}

int signCount(const QString &sign)
{
  if (sign == QStringLiteral(" 1") || sign == QStringLiteral(" 2"))
    return 1;
  if (sign == QStringLiteral("1X") || sign == QStringLiteral("X2"))
    return 2;
  return 3;
}

std::optional<std::vector<DivisionValuationBacktest>>
backtestValuation(const season::Season &full, int from, const std::function<bool(int, int)> &progress)
{
  const int first = std::max(from, 1);
  int total = 0, done = 0;
  for (int d = 1; d <= 2; ++d)
    total += std::max(0, full.storedJornada(d) - first + 1);
  std::vector<DivisionValuationBacktest> result;
  for (int d = 1; d <= 2; ++d) {
    if (full.teamCount(d) < 2)
      continue;
    DivisionValuationBacktest div;
    div.division = d;
    const int last = std::min(full.storedJornada(d), full.jornadaCount(d));
    for (int j = first; j <= last; ++j) {
      if (progress && !progress(done++, total))
        return std::nullopt;
      for (const FixtureValuation &f : valueJornada(cutBack(full, d, j), d, j)) {
        const std::optional<CellScore> played = cellScore(full.cell(d, f.home, f.away));
        if (!played)
          continue;
        const char real = signOfScore(*played);
        const QString &sign = f.values.forecastSign;
        ValuationScore &v = div.score;
        ++v.matches;
        v.homeWins += real == '1';
        v.draws += real == 'X';
        // The general value as the coupon's three places show it ("-100" reads "-10").
        const int general = text::ival(text::left(text::fmt(f.values.general, QStringLiteral("@@@")), 3));
        v.pickRight += (general >= 0 ? '1' : '2') == real;
        v.covered += signCovers(sign, real);
        v.signs += signCount(sign);
      }
      div.curve.push_back({j, div.score.matches, div.score.pickRight, div.score.homeWins});
    }
    result.push_back(div);
  }
  if (progress)
    progress(total, total);
  return result;
}

} // namespace engine
