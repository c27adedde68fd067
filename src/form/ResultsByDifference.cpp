// Every match played up to the jornada in the box, sorted into six lists by
// its goal difference, with how often the division's matches end 1, X or 2.
#include "form/Qmodelop.h"
#include "text/TextRules.h"

using text::fmt;
using text::left;
using text::right;

namespace vaticor {

namespace {

// The list of a result: home wins by 3+, by 1-2, low draws, high draws, away
// wins by 1-2, by 3+.
int differenceClass(int homeGoals, int awayGoals)
{
  const int d = homeGoals - awayGoals;
  if (d > 2)
    return 0;
  if (d > 0)
    return 1;
  if (d == 0)
    return homeGoals < 2 ? 2 : 3;
  return d >= -2 ? 4 : 5;
}

} // namespace

QStringList resultStatistics(int c0, int c1, int c2, int c3, int c4, int c5)
{
  const int ones = c0 + c1, draws = c2 + c3, twos = c4 + c5, oneOrDraw = ones + draws;
  const int total = ones + draws + twos;
  auto percent = [&](int value) { return draws >= 1 ? text::toInt16(double(value) / total * 100) : 0; };
  return {QString(), QStringLiteral(" =============="), QStringLiteral("Estadistica:"), QStringLiteral("Uns  Xs  Uxs Ds"),
          fmt(ones, QStringLiteral("@@@ ")) + fmt(draws, QStringLiteral(" @@ ")) + fmt(oneOrDraw, QStringLiteral("@@@ ")) +
              fmt(twos, QStringLiteral(" @@")),
          fmt(percent(ones), QStringLiteral(" @@% ")) + fmt(percent(draws), QStringLiteral("@@% ")) +
              fmt(percent(oneOrDraw), QStringLiteral("@@% ")) + fmt(percent(twos), QStringLiteral("@@%"))};
}

void Qmodelop::Command10_Click()
{
  hideViewFrames();
  currentView = 10;
  viewSlot = 4;
  Frame4.visible = true;
  Frame4.geometry.left = 2025;
  Frame4.geometry.top = 2265;
  tab1.visible = false;
  for (ListBox &list : List9) {
    list.clear();
    list.fontName = QStringLiteral("Lucida Console");
    list.fontSize = 8;
  }
  const int j = text::toInt16(text::val(Text1.text));
  const int n = teamCount();
  teamNameList.clear();
  for (int t = 1; t <= n; ++t) {
    teamName[t] = nameOf(t);
    teamNameList += teamName[t] + u'-';
  }
  // Row by row of the results matrix: each list goes by home team, then away team.
  for (int h = 1; h <= kMaxTeams; ++h) {
    for (int a = 1; a <= kMaxTeams; ++a) {
      const QString cell = season.cell(division, h, a);
      const QString goals = right(cell, 2);
      if (goals == QStringLiteral("..") || j < text::val(left(cell, 2)))
        continue;
      const int hg = text::ival(goals.left(1));
      const int ag = text::ival(goals.right(1));
      List9[differenceClass(hg, ag)].addItem(left(cell, 2) + u'-' + safeTeamName(h) + u'-' + safeTeamName(a) + u'=' +
                                             goals);
    }
  }
  for (const QString &line : resultStatistics(List9[0].count(), List9[1].count(), List9[2].count(), List9[3].count(),
                                              List9[4].count(), List9[5].count()))
    List9[5].addItem(line);
}

} // namespace vaticor
