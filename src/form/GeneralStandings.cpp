// The general standings: season totals, the standings order and the grid
// `tablag`, with the click that marks a team in the view open.
#include "form/Qmodelop.h"
#include "engine/GeneralStandings.h"
#include "text/TextRules.h"

#include <utility>

using text::fmt;
using text::instr;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

void Qmodelop::computeSeasonTotals()
{
  const int n = teamCount();
  const engine::GeneralStandings g = engine::generalStandings(season, division, jornada, headToHeadLookup());
  StandingsTally &t = tally;
  for (auto *a : {&t.homeGoalsFor, &t.awayGoalsFor, &t.homeGoalsAgainst, &t.awayGoalsAgainst, &t.goalsFor,
                  &t.goalsAgainst, &t.homeWins, &t.awayWins, &t.homeDraws, &t.awayDraws, &t.homeLosses,
                  &t.awayLosses, &t.homePoints, &t.awayPoints, &t.points, &t.negativeTotal})
    a->fill(0);
  t.homeCoefficient.fill(0.0);
  // Counts by team number; the points, negative points, goals and names in
  // the order of the standings, which the valuation and the evolution read.
  for (int i = 1; i <= n; ++i) {
    const engine::TeamTally &x = g.byTeam[i];
    t.homeGoalsFor[i] = x.homeGoalsFor, t.homeGoalsAgainst[i] = x.homeGoalsAgainst;
    t.awayGoalsFor[i] = x.awayGoalsFor, t.awayGoalsAgainst[i] = x.awayGoalsAgainst;
    t.homeWins[i] = x.homeWins, t.homeDraws[i] = x.homeDraws, t.homeLosses[i] = x.homeLosses;
    t.awayWins[i] = x.awayWins, t.awayDraws[i] = x.awayDraws, t.awayLosses[i] = x.awayLosses;
    t.homePoints[i] = x.homePoints, t.awayPoints[i] = x.awayPoints;
    t.homeCoefficient[i] = g.homeCoefficient[i];
    t.awayCoefficient[i] = g.awayCoefficient[i];
  }
  for (int p = 1; p <= n; ++p) {
    const int team = g.teamAt[p];
    t.points[p] = g.byTeam[team].points;
    t.negativeTotal[p] = g.negativeByTeam[team];
    t.goalsFor[p] = g.byTeam[team].goalsFor;
    t.goalsAgainst[p] = g.byTeam[team].goalsAgainst;
    teamName[p] = nameOf(team);
  }
}

engine::TeamLookup Qmodelop::headToHeadLookup() const
{
  // Clubs are looked up by name in the list of the division's names, as the
  // standings always have; normally that is the club itself.
  engine::TeamLookup lookup = engine::identityLookup();
  for (int t = 1; t <= kMaxTeams; ++t)
    lookup[t] = teamNumberOf(nameOf(t));
  return lookup;
}

void Qmodelop::fillGeneralGrid()
{
  int n = teamCount();
  if (division < 1) {
    division = 1;
    n = 20;
  }
  tablag.setRows(n + 1);
  tablag.setCols(3);
  tablag.setColWidth(0, 300);
  tablag.setColWidth(1, 800);
  tablag.setColWidth(2, 890);
  const controls::Rgb grey = controls::paletteColour(7);
  auto paintRows = [&](int from, int to, controls::Rgb colour) {
    for (int r = from; r <= to && r < tablag.rows(); ++r)
      for (int c = 0; c < 3; ++c)
        tablag.setCellColour(r, c, colour);
  };
  // Row 3 is left out of the reset: every colour zone repaints it.
  paintRows(0, 2, grey);
  paintRows(4, 20, grey);
  for (int i = 1; i <= n; ++i)
    tablag.setText(i, 0, fmt(i, QStringLiteral("@@")));
  tablag.setText(0, 0, QStringLiteral("Nº"));
  tablag.setText(0, 1, QStringLiteral("Equipos"));
  tablag.setText(0, 2, QStringLiteral("Tts Ng±"));
  Label10.caption = QStringLiteral(" Clasf. General  Jorn: ") + fmt(jornada, QStringLiteral("@@"));
  Label11.caption = text::str(division) + QStringLiteral("ª  DIVISIÓN  Puntos");

  if (division == 1) {
    paintRows(1, 4, controls::paletteColour(10));
    paintRows(6, 10, controls::paletteColour(11));
    paintRows(5, 6, controls::paletteColour(14));
    paintRows(18, 20, controls::paletteColour(12));
    Text2.text = QStringLiteral("T");
  } else {
    paintRows(3, 6, controls::paletteColour(14));
    paintRows(1, 2, controls::paletteColour(10));
    paintRows(7, 8, controls::paletteColour(11));
    paintRows(19, 22, controls::paletteColour(12));
    wholeJornadaMode = false;
    Command16.caption = QStringLiteral("Uno a Uno");
    Text2.text = QStringLiteral("U");
  }
}

void Qmodelop::tablag_Click(int row, int col)
{
  tablag.row = row;
  tablag.col = col;
  if (col != 1 && col != 2)
    return;
  QString name = mid(tablag.text(row, 1), 2, 5);
  const int at = instr(pickedNames, name);
  if (at == 0 || at < 9) {
    pickedNames += name;
    if (pickedNames.size() > 11)
      pickedNames = right(pickedNames, 15);
  } else {
    name = pickToggle ? mid(pickedNames, 6, 5) : mid(pickedNames, 11, 5);
    pickToggle = !pickToggle;
  }

  const int n = teamCount();
  switch (currentView) {
  case 7:
    for (int r = 1; r <= n; ++r) {
      if (instr(tab1.text(r, 0), name) > 0) {
        tab1.row = r;
        tab1.rowSel = r;
        tab1.col = 0;
        tab1.colSel = n;
        tab1_Click(r, 0);
        break;
      }
    }
    break;
  case 8:
    for (int k = 9; k >= 0; --k) {
      for (int line = 3; line <= n / 2 + 2; ++line) {
        if (instr(List10[k].item(line - 1), name) > 0) {
          List10[k].setListIndex(line - 1);
          List11[k].setListIndex(line - 1);
          break;
        }
      }
    }
    break;
  case 10:
    for (int r = 1; r <= n; ++r) {
      if (instr(tabl1x2.text(r, 0), name) > 0) {
        tabl1x2.row = r;
        tabl1x2.rowSel = r;
        tabl1x2.col = 0;
        tabl1x2.colSel = 7;
        break;
      }
    }
    break;
  case 11:
    for (int k = 4; k >= 0; --k) {
      if (List2[k].count() < 10)
        break;
      for (int i = 2; i <= n + 1; ++i) {
        if (instr(List2[k].item(i), name) > 0) {
          List2[k].setListIndex(i);
          List3[k].setListIndex(i);
          break;
        }
      }
    }
    break;
  case 12:
    if (List12[0].count() >= 10) {
      for (int i = 4; i <= n + 3; ++i) {
        if (instr(List12[0].item(i), name) > 0)
          for (ListBox &list : List12)
            list.setListIndex(i);
      }
    }
    break;
  default:
    break;
  }
}

void Qmodelop::tablag_MouseMove()
{
  Label2.caption = QStringLiteral(
                       "  Al pulsar en un equipo de esta columna, se selecciona el equipo en todas las columnas del "
                       "CUADRANTE, JORNADAS, EVOLUCION Equipos, EVOLUCION Signos, CLASIFICACIÓN,") +
                   QStringLiteral("\r\n") +
                   QStringLiteral(" marcando unas líneas que dan idea de la evolución del mismo a lo largo de las 4, "
                                  "10, 16, 22, 28 últimas Jornadas en la Evolución.");
}

} // namespace vaticor
