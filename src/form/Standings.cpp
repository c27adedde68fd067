// The standings view: tallies over a window of jornadas, seven sort keys,
// equated and negative points, in the five lists List12(0..4). The match
// valuation copies whole lines of List12(1..3), so their widths are fixed.
#include "form/Qmodelop.h"
#include "engine/Standings.h"
#include "text/TextRules.h"

#include <algorithm>
#include <utility>

using text::fmt;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

void Qmodelop::hideViewFrames()
{
  Frame2.visible = true;
  Frame16.visible = true;
  for (Panel *frame : {&Frame4, &Frame5, &Frame6, &Frame7, &Frame8, &Frame9, &Frame12, &Frame15, &Frame17})
    frame->visible = false;
}

void Qmodelop::Command12_Click()
{
  hideViewFrames();
  currentView = 12;
  viewSlot = 7;
  Command5.visible = false;
  Command24.visible = false;
  Label10.visible = true;
  Label11.visible = true;
  Label53.visible = false;
  Label14.visible = false;
  tablag.visible = true;
  tabl1x2.visible = false;
  Frame7.visible = true;
  for (Label &heading : Label40)
    heading.backColour = controls::rgb(192, 192, 192);
  if (sortKey >= 0 && sortKey <= 6)
    Label40[sortKey].backColour = controls::rgb(0, 255, 255);

  jornada = ival(Text1.text);
  clampRetrocede();
  if (firstJornada < 1)
    firstJornada = 1;
  const int n = teamCount();
  windowLength = text::toInt16(jornada - firstJornada + 1);

  Label7.caption = fmt(sortKey + 1, QStringLiteral("@ª ")) + QStringLiteral("Clasificación de los Equipos de   ") +
                   fmt(division, QStringLiteral("0ª")) + QStringLiteral(" División,  J. Inicial= ") +
                   fmt(firstJornada, QStringLiteral("00")) + QStringLiteral("   J. Final=") +
                   fmt(jornada, QStringLiteral("00       ")) + QStringLiteral("Nº Jdas. =") +
                   fmt(windowLength, QStringLiteral("00"));

  StandingsTally &t = tally;
  lastStandings = engine::standings(season, division, firstJornada, jornada,
                                    sortKey >= 0 && sortKey <= 5 ? static_cast<engine::SortKey>(sortKey) : engine::SortKey::Points, t.homeCoefficient,
                                    t.awayCoefficient, headToHeadLookup());
  lastPrintedFigures.assign(lastStandings.rows.size(), std::nullopt);
  lastStandingsNames.clear();
  for (const engine::StandingsRow &r : lastStandings.rows) {
    lastStandingsNames += fmt(season.name(division, r.team), QStringLiteral("@@@@@@"));
  }
  // The tally in the order of the standings, the coefficients as they were.
  const TeamArray<double> homeCoefficient = t.homeCoefficient;
  const TeamArray<double> awayCoefficient = t.awayCoefficient;
  t = StandingsTally{};
  t.homeCoefficient = homeCoefficient;
  t.awayCoefficient = awayCoefficient;
  for (int p = 1; p <= n; ++p) {
    const engine::StandingsRow &r = lastStandings.rows[p - 1];
    const engine::TeamTally &x = r.tally;
    t.homeGoalsFor[p] = x.homeGoalsFor, t.homeGoalsAgainst[p] = x.homeGoalsAgainst;
    t.awayGoalsFor[p] = x.awayGoalsFor, t.awayGoalsAgainst[p] = x.awayGoalsAgainst;
    t.goalsFor[p] = x.goalsFor, t.goalsAgainst[p] = x.goalsAgainst;
    t.homeWins[p] = x.homeWins, t.homeDraws[p] = x.homeDraws, t.homeLosses[p] = x.homeLosses;
    t.awayWins[p] = x.awayWins, t.awayDraws[p] = x.awayDraws, t.awayLosses[p] = x.awayLosses;
    t.homePoints[p] = x.homePoints, t.awayPoints[p] = x.awayPoints, t.points[p] = x.points;
    t.homeNegative[p] = r.homeNegative, t.awayPositive[p] = r.awayPositive, t.negativeTotal[p] = r.negativeTotal;
    t.equatedHome[p] = r.equatedHome, t.equatedAway[p] = r.equatedAway;
    teamName[p] = nameOf(r.team);
  }
  for (ListBox &list : List12) {
    list.clear();
  }
  const QStringList headings[5] = {
      {QString(), QStringLiteral("Clasifica"), QStringLiteral("NºEquipos"), QStringLiteral("-------------")},
      {QStringLiteral("     G  O  L  E  S "), QStringLiteral("  Cas Fuer- Fav/Con"), QStringLiteral("F  C  F  C -GF GC"),
       QStringLiteral("----------------------")},
      {QStringLiteral(" E N C U E N T R O S"), QStringLiteral("     Casa     Fuera "),
       QStringLiteral("Nº| G  E Pe- G  E Pe"), QStringLiteral("--------------------")},
      {QStringLiteral("P. Equiparados PUNTOS NEGATIVOS"), QStringLiteral(" Cas  Fue Tt.  C /Fu Tt.-Cas/Fu Tt"),
       QStringLiteral("Pec  Pef  PeT  PC FF PT- Nc Nf -NT"), QStringLiteral("-------------------------------------")},
      {QStringLiteral(" "), QStringLiteral("Clasifica"), QStringLiteral("NºEquipos"), QStringLiteral("----------")},
  };
  for (int k = 0; k < 5; ++k)
    for (const QString &h : headings[k])
      List12[k].addItem(h);
  for (int p = 1; p <= n; ++p) {
    const StandingsLines lines = standingsLines(p);
    for (int k = 0; k < 5; ++k)
      List12[k].addItem(lines[k]);
  }
}

Qmodelop::StandingsLines Qmodelop::standingsLines(int p) const
{
  // The coupon copies lines 1..3 whole and the valuation reads the equated
  // and negative points line by character position, so the widths are fixed.
  const engine::StandingsRow r = p >= 1 && p <= static_cast<int>(lastStandings.rows.size())
                                     ? lastStandings.rows[p - 1]
                                     : engine::StandingsRow{};
  const engine::TeamTally &t = r.tally;
  const QString name = r.team ? season.name(lastStandings.division, r.team) : QString();
  return {fmt(p, QStringLiteral("@@")) + fmt(name, QStringLiteral("@@@@@@ ")),
          fmt(t.homeGoalsFor, QStringLiteral("@@")) + fmt(t.homeGoalsAgainst, QStringLiteral("@@@")) +
              fmt(t.awayGoalsFor, QStringLiteral("@@@")) + fmt(t.awayGoalsAgainst, QStringLiteral("@@@|")) +
              fmt(t.goalsFor, QStringLiteral("@@")) + fmt(t.goalsAgainst, QStringLiteral("@@@")),
          fmt(p, QStringLiteral("@@|")) + fmt(t.homeWins, QStringLiteral("@@")) + fmt(t.homeDraws, QStringLiteral("@@@")) +
              fmt(t.homeLosses, QStringLiteral("@@@-")) + fmt(t.awayWins, QStringLiteral("@@")) +
              fmt(t.awayDraws, QStringLiteral("@@@")) + fmt(t.awayLosses, QStringLiteral("@@@")),
          fmt(r.equatedHome, QStringLiteral("##00.0 ")) + fmt(r.equatedAway, QStringLiteral("##00.0 ")) +
              fmt(r.equatedHome + r.equatedAway, QStringLiteral("##00.0|")) + fmt(t.homePoints, QStringLiteral("@@")) +
              fmt(t.awayPoints, QStringLiteral("@@@")) + fmt(t.points, QStringLiteral("@@@ ")) +
              fmt(r.homeNegative, QStringLiteral("@@@")) + fmt(r.awayPositive, QStringLiteral("@@@")) +
              fmt(r.negativeTotal, QStringLiteral("@@@")),
          fmt(p, QStringLiteral("@@")) + fmt(name, QStringLiteral("@@@@@@"))};
}

void Qmodelop::Label40_Click(int index)
{
  if (index < 0 || index > 6)
    return;
  sortKey = static_cast<int16_t>(index);
  Command12_Click();
}

void Qmodelop::Label34_Click()
{
  // An initial jornada past the final one (the jornada moved back since the
  // last press) starts the round again at the last ten, as jornada 1 does.
  if (firstJornada < 2 || firstJornada > jornada)
    firstJornada = jornada;
  firstJornada = static_cast<int16_t>(firstJornada - 9);
  if (firstJornada < 1)
    firstJornada = 0;
  firstJornadaByRetrocede = true;
  Command12_Click();
}

void Qmodelop::clampRetrocede()
{
  // Left by "Retrocede" at a later jornada, the initial jornada would stand
  // after the final one and every figure of the standings, and of the
  // coupon valued on them, would be 0.
  if (!firstJornadaByRetrocede || jornada < 1 || firstJornada <= jornada)
    return;
  const int was = firstJornada;
  firstJornada = static_cast<int16_t>(std::max(1, jornada - 9));
  services.messages->show(QStringLiteral("La jornada inicial, la %1, quedaba después de la final, la %2.").arg(was).arg(jornada) +
                              kBreak +
                              QStringLiteral("La clasificación cuenta ahora las jornadas %1 a %2.").arg(firstJornada).arg(jornada),
                          QStringLiteral("Clasificaciones"), controls::MessageIcon::Information);
}

} // namespace vaticor
