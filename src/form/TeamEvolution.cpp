// Team evolution: the teams ranked by the points won in the last 4, 10, 16,
// 22 and 28 jornadas, side by side in List2(0..4) and List3(0..4).
#include "form/Qmodelop.h"
#include "engine/TeamEvolution.h"
#include "text/TextRules.h"

using text::fmt;
using text::instr;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

void Qmodelop::Command11_Click()
{
  hideViewFrames();
  currentView = 11;
  viewSlot = 5;
  Label10.visible = true;
  Label11.visible = true;
  Label53.visible = false;
  tablag.visible = true;
  tabl1x2.visible = false;
  Label14.visible = false;
  Command25.visible = false;
  Command26.visible = false;
  Frame15.visible = true;
  Command5.visible = false;
  evolutionShown = true;
  for (int i = 0; i < 5; ++i) {
    for (ListBox *list : {&List2[i], &List3[i]}) {
      list->clear();
    }
  }
  jornada = ival(Text1.text);
  const int n = teamCount();
  Label27.caption = fmt(division, QStringLiteral("   0ra División ")) + QStringLiteral("Última Jornada= ") +
                    fmt(jornada, QStringLiteral("00")) +
                    QStringLiteral(" Evolución de los Equipos, Últimas Jornadas 30,24,18,12,6");

  engine::SlotGoals goals;
  goals.goalsFor = tally.goalsFor;
  goals.goalsAgainst = tally.goalsAgainst;
  const engine::TeamEvolution e = engine::teamEvolution(season, division, jornada, goals, headToHeadLookup());
  int k = 0;
  for (const engine::EvolutionWindow &w : e.windows) {
    ++k;
    ListBox &names = List2[5 - k];
    ListBox &points = List3[5 - k];
    names.addItem(QStringLiteral("-->") + text::str(w.jornadas) + QStringLiteral(" Ult.Jorndas"));
    names.addItem(QStringLiteral("---------------------"));
    for (int t = 1; t <= n; ++t)
      teamName[t] = nameOf(t);
    // Before the division has reached a jornada nothing is counted: the
    // lists show the points the tally held.
    if (e.counted) {
      tally.points.fill(0);
      tally.negativeTotal.fill(0);
      for (int p = 1; p <= n; ++p) {
        teamName[p] = nameOf(w.teamAt[p]);
        tally.points[p] = w.points[p];
        tally.negativeTotal[p] = w.negative[p];
      }
    }
    points.addItem(QStringLiteral("P/Ng"));
    points.addItem(QStringLiteral("------"));
    for (int t = 1; t <= n; ++t) {
      names.addItem(fmt(t, QStringLiteral("@@@@@")) + fmt(teamName[t], QStringLiteral("@@@@@@ ......")));
      points.addItem(fmt(tally.points[t], QStringLiteral("@@")) + fmt(tally.negativeTotal[t], QStringLiteral("@@@")));
    }
  }
  if (e.counted) {
    tally.goalsFor = e.goals.goalsFor;
    tally.goalsAgainst = e.goals.goalsAgainst;
  }
}

void Qmodelop::List2_Click(int index)
{
  if (index < 0 || index > 4)
    return;
  const QString name = mid(List2[index].item(List2[index].listIndex()), 7, 5);
  const int n = teamCount();
  for (int i = 4; i >= 0; --i) {
    if (List2[i].count() < 10)
      break;
    for (int line = 2; line <= n + 1; ++line) {
      if (instr(List2[i].item(line), name) > 0) {
        List2[i].setListIndex(line);
        List3[i].setListIndex(line);
        break;
      }
    }
  }
}

} // namespace vaticor
