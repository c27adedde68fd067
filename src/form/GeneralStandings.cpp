// The general standings: season totals, the standings order and the grid
// `tablag`, with the click that marks a team in the view open.
#include "form/Qmodelop.h"
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
  StandingsTally &t = tally;
  for (auto *a : {&t.homeGoalsFor, &t.awayGoalsFor, &t.homeGoalsAgainst, &t.awayGoalsAgainst, &t.goalsFor,
                  &t.goalsAgainst, &t.homeWins, &t.awayWins, &t.homeDraws, &t.awayDraws, &t.homeLosses,
                  &t.awayLosses, &t.homePoints, &t.awayPoints, &t.points, &t.negativeTotal})
    a->fill(0);
  t.homeCoefficient.fill(0.0);

  for (int h = 1; h <= n; ++h) {
    for (int a = 1; a <= n; ++a) {
      const QString cell = season.cell(division, h, a);
      if (right(cell, 2) == QStringLiteral(".."))
        continue;
      tallyResult(h, a, ival(mid(cell, 3, 1)), ival(mid(cell, 4, 1)));
    }
  }
  tallyTotals(n);
  for (int i = 1; i <= n; ++i) {
    t.negativeTotal[i] = 3 * (t.awayWins[i] - t.homeLosses[i]) + (t.awayDraws[i] - t.homeDraws[i]);
    // jornada is at least 1 once a division is shown; the guard keeps an empty season finite.
    const double j = jornada >= 1 ? jornada : 1;
    t.homeCoefficient[i] = t.homePoints[i] / j / 2;
    t.awayCoefficient[i] = t.awayPoints[i] / j / 2;
  }
  orderTeams();
}

void Qmodelop::tallyResult(int h, int a, int hg, int ag)
{
  StandingsTally &t = tally;
  t.homeGoalsFor[h] += hg;
  t.awayGoalsAgainst[a] += hg;
  t.homeGoalsAgainst[h] += ag;
  t.awayGoalsFor[a] += ag;
  if (hg > ag) {
    ++t.homeWins[h];
    ++t.awayLosses[a];
  } else if (hg == ag) {
    ++t.homeDraws[h];
    ++t.awayDraws[a];
  } else {
    ++t.homeLosses[h];
    ++t.awayWins[a];
  }
}

void Qmodelop::tallyTotals(int n)
{
  StandingsTally &t = tally;
  for (int i = 1; i <= n; ++i) {
    t.goalsFor[i] = t.awayGoalsFor[i] + t.homeGoalsFor[i];
    t.goalsAgainst[i] = t.awayGoalsAgainst[i] + t.homeGoalsAgainst[i];
    t.homePoints[i] = 3 * t.homeWins[i] + t.homeDraws[i];
    t.awayPoints[i] = 3 * t.awayWins[i] + t.awayDraws[i];
    t.points[i] = t.awayPoints[i] + t.homePoints[i];
  }
}

void Qmodelop::orderTeams()
{
  const int n = teamCount();
  StandingsTally &t = tally;
  auto exchange = [&](int j) {
    std::swap(teamName[j], teamName[j + 1]);
    std::swap(t.points[j], t.points[j + 1]);
    std::swap(t.negativeTotal[j], t.negativeTotal[j + 1]);
    std::swap(t.goalsFor[j], t.goalsFor[j + 1]);
    std::swap(t.goalsAgainst[j], t.goalsAgainst[j + 1]);
  };
  for (int pass = 1; pass <= n - 1; ++pass) {
    for (int j = 1; j <= n - 1; ++j) {
      if (t.points[j] > t.points[j + 1])
        continue;
      if (t.points[j] < t.points[j + 1]) {
        exchange(j);
        continue;
      }
      if (tieBreakExchanges(j))
        exchange(j);
    }
  }
}

bool Qmodelop::tieBreakExchanges(int j)
{
  const StandingsTally &t = tally;
  // Both meetings count whatever jornada they were played in; an unplayed one counts 0-0.
  // What lookUpResult leaves for the pair, without going through its key text:
  // this runs at every comparison of teams level on points.
  auto meeting = [this](int home, int away) {
    if (home == 0 && away == 0) {
      lookupGoals = QStringLiteral("..");
    } else {
      const QString cell = season.cell(division, home, away);
      lookupGoals = right(cell, 2);
      lookupJornada = left(cell, 2);
    }
    return lookupGoals == QStringLiteral("..") ? QStringLiteral("00") : lookupGoals;
  };
  const int a = teamNumberOf(teamName[j]);
  const int b = teamNumberOf(teamName[j + 1]);
  const QString first = meeting(a, b);
  const QString second = meeting(b, a);
  const int goalsA = ival(left(first, 1)) + ival(right(second, 1));
  const int goalsB = ival(right(first, 1)) + ival(left(second, 1));
  if (goalsA != goalsB)
    return goalsA < goalsB;
  const int diffA = t.goalsFor[j] - t.goalsAgainst[j];
  const int diffB = t.goalsFor[j + 1] - t.goalsAgainst[j + 1];
  if (diffA != diffB)
    return diffA < diffB;
  return t.goalsFor[j] < t.goalsFor[j + 1];
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
  tablag.geometry.left = 0;
  tablag.geometry.top = 530;

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
