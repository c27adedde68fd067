// Every match played up to the jornada in the box, sorted into six lists by
// its goal difference, with how often the division's matches end 1, X or 2.
#include "form/Qmodelop.h"
#include "engine/ResultsByDifference.h"
#include "text/TextRules.h"

using text::fmt;
using text::left;
using text::right;

namespace vaticor {

QStringList resultStatistics(int c0, int c1, int c2, int c3, int c4, int c5)
{
  const engine::ResultProportions p = engine::resultProportions({c0, c1, c2, c3, c4, c5});
  return {QString(), QStringLiteral(" =============="), QStringLiteral("Estadistica:"), QStringLiteral("Uns  Xs  Uxs Ds"),
          fmt(p.ones, QStringLiteral("@@@ ")) + fmt(p.draws, QStringLiteral(" @@ ")) +
              fmt(p.oneOrDraw, QStringLiteral("@@@ ")) + fmt(p.twos, QStringLiteral(" @@")),
          fmt(p.onesPercent, QStringLiteral(" @@% ")) + fmt(p.drawsPercent, QStringLiteral("@@% ")) +
              fmt(p.oneOrDrawPercent, QStringLiteral("@@% ")) + fmt(p.twosPercent, QStringLiteral("@@%"))};
}

void Qmodelop::Command10_Click()
{
  hideViewFrames();
  currentView = 10;
  viewSlot = 4;
  Frame4.visible = true;
  tab1.visible = false;
  for (ListBox &list : List9) {
    list.clear();
  }
  const int j = text::toInt16(text::val(Text1.text));
  const int n = teamCount();
  teamNameList.clear();
  for (int t = 1; t <= n; ++t) {
    teamName[t] = nameOf(t);
    teamNameList += teamName[t] + u'-';
  }
  // Row by row of the results matrix: each list goes by home team, then away team.
  const auto classes = engine::resultsByDifference(season, division, j);
  for (int c = 0; c < 6; ++c)
    for (const engine::ClassifiedResult &r : classes[static_cast<size_t>(c)])
    {
      QString line;
      line.reserve(18);
      line.append(r.jornada).append(u'-').append(safeTeamName(r.home)).append(u'-').append(safeTeamName(r.away));
      List9[c].addItem(line.append(u'=').append(r.goals));
    }
  for (const QString &line : resultStatistics(List9[0].count(), List9[1].count(), List9[2].count(), List9[3].count(),
                                              List9[4].count(), List9[5].count()))
    List9[5].addItem(line);
}

} // namespace vaticor
