// Team evolution: the teams ranked by the points won in the last 4, 10, 16,
// 22 and 28 jornadas, side by side in List2(0..4) and List3(0..4).
#include "form/Qmodelop.h"
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
  Frame15.geometry.left = 2025;
  Frame15.geometry.top = 2270;
  Command5.visible = false;
  evolutionShown = true;

  Label27.fontName = QStringLiteral("Verdana");
  for (int i = 0; i < 5; ++i) {
    for (ListBox *list : {&List2[i], &List3[i]}) {
      list->height = 5475;
      list->clear();
      list->fontName = QStringLiteral("Lucida Console");
    }
  }
  jornada = ival(Text1.text);
  const int n = teamCount();
  Label27.caption = fmt(division, QStringLiteral("   0ra División ")) + QStringLiteral("Última Jornada= ") +
                    fmt(jornada, QStringLiteral("00")) +
                    QStringLiteral(" Evolución de los Equipos, Últimas Jornadas 30,24,18,12,6");

  const int top = jornada < 30 ? jornada : 30;
  int k = 0;
  for (int v = 3; v <= top; v += 6) {
    for (int t = 1; t <= n; ++t)
      teamName[t] = nameOf(t);
    ++k;
    ListBox &names = List2[5 - k];
    ListBox &points = List3[5 - k];
    names.addItem(QStringLiteral("-->") + text::str(v + 1) + QStringLiteral(" Ult.Jorndas"));
    names.addItem(QStringLiteral("---------------------"));
    evolutionCounts(v);
    points.addItem(QStringLiteral("P/Ng"));
    points.addItem(QStringLiteral("------"));
    for (int t = 1; t <= n; ++t) {
      names.addItem(fmt(t, QStringLiteral("@@@@@")) + fmt(teamName[t], QStringLiteral("@@@@@@ ......")));
      points.addItem(fmt(tally.points[t], QStringLiteral("@@")) + fmt(tally.negativeTotal[t], QStringLiteral("@@@")));
    }
  }
}

void Qmodelop::evolutionCounts(int v)
{
  const int last = season.storedJornada(division);
  if (last < 1)
    return;
  tally.points.fill(0);
  tally.negativeTotal.fill(0);
  const int n = teamCount();
  for (int j = last - v; j <= last && j <= jornadaCount(); ++j) {
    // At most one jornada's worth of matches, in the order of the results
    // matrix; a match typed in without a score ends the jornada's count.
    const std::vector<season::PlayedCell> &played = season.playedInJornada(division, j);
    for (size_t m = 0; m < played.size() && m < static_cast<size_t>(n / 2); ++m) {
      const int h = played[m].home;
      const int a = played[m].away;
      const QString goals = right(played[m].cell, 2);
      if (goals == QStringLiteral(".."))
        break;
      const int hg = ival(left(goals, 1));
      const int ag = ival(right(goals, 1));
      if (hg > ag) {
        tally.points[h] += 3;
      } else if (hg == ag) {
        tally.points[h] += 1;
        tally.negativeTotal[h] -= 1;
        tally.points[a] += 1;
        tally.negativeTotal[a] += 1;
      } else {
        tally.points[a] += 3;
        tally.negativeTotal[h] -= 3;
        tally.negativeTotal[a] += 3;
      }
    }
  }
  orderTeams();
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
