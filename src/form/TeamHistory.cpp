// Six teams at a time, every match each has played up to the jornada in the
// box, the matches it did not lose highlighted.
#include "form/Qmodelop.h"
#include "engine/TeamHistory.h"
#include "text/TextRules.h"

using text::fmt;
using text::right;

namespace vaticor {

void Qmodelop::Command9_Click()
{
  hideViewFrames();
  currentView = 9;
  viewSlot = 3;
  Frame8.visible = true;
  for (ListBox &list : List13) {
    list.clear();
  }
  const int n = teamCount();
  for (int t = 1; t <= n; ++t)
    teamName[t] = nameOf(t);
  const int last = jornadaCount();
  if (last < 1)
    return; // a division without teams has no history
  // The jornada box is brought inside the season.
  int j = text::toInt16(text::val(Text1.text));
  if (j < 1) {
    Text1.text = QStringLiteral("01");
    j = 1;
  } else if (j > last) {
    Text1.text = text::str(last);
    j = last;
  }
  lookupJornada = text::str(j);
  jornada = static_cast<int16_t>(j);
  Frame8.caption = QStringLiteral("  ") + fmt(division, QStringLiteral("0ª Div. ")) + QStringLiteral("Jornada= ") +
                   fmt(jornada, QStringLiteral("00")) + QStringLiteral("  Historial de cada Equipo, por Jornadas. ");
  if (historyLast < 7)
    historyLast = 6;
  if (historyLast > n)
    historyLast = static_cast<int16_t>(n);

  Label38.caption.clear();
  historyBusy = true;
  for (int t = historyLast - 5, k = 0; t <= historyLast; ++t, ++k) {
    ListBox &list = List13[k];
    Label38.caption += QStringLiteral("Jnd") + fmt(t, QStringLiteral("@@@")) +
                       fmt(safeTeamName(t), QStringLiteral("-@@@@@")) + fmt(QStringLiteral("Cs Fu"), QStringLiteral("@@@@@@ "));
    if (t < 1)
      continue;
    for (const engine::HistoryEntry &e : engine::teamHistory(season, division, t, j)) {
      if (e.atHome)
        list.addItem(fmt(e.jornada, QStringLiteral("@@")) + fmt(QStringLiteral("C"), QStringLiteral("@@-")) +
                     fmt(safeTeamName(e.opponent), QStringLiteral("@@@@@- ")) + fmt(e.goals, QStringLiteral("@@")));
      else
        list.addItem(fmt(e.jornada, QStringLiteral("@@")) + fmt(safeTeamName(e.opponent), QStringLiteral(" @@@@@")) +
                     QStringLiteral(" -V--") + fmt(e.goals, QStringLiteral(" @@")));
      list.setSelected(list.count() - 1, e.notLost);
    }
  }
  historyBusy = false;
}

void Qmodelop::Command27_Click()
{
  historyLast = static_cast<int16_t>(historyLast + 6);
  if (historyLast >= teamCount())
    historyLast = static_cast<int16_t>(teamCount());
  Command9_Click();
}

void Qmodelop::Command28_Click()
{
  historyLast = static_cast<int16_t>(historyLast - 6);
  if (historyLast < 6)
    historyLast = 6;
  Command9_Click();
}

void Qmodelop::List13_Click(int index)
{
  if (historyBusy || index < 0 || index > 5)
    return;
  const ListBox &list = List13[index];
  if (list.listIndex() < 0 || list.listIndex() < list.count() - 2)
    return;
  if (index % 2 == 1)
    Command28_Click();
  else
    Command27_Click();
}

} // namespace vaticor
