// The jornada of the other round that matches the one shown, with the stored
// results of its pairings.
#include "form/Qmodelop.h"
#include "engine/Jornadas.h"
#include "text/TextRules.h"

using text::fmt;
using text::mid;

namespace vaticor {

void Qmodelop::Command3_Click()
{
  for (ListBox *list : {&List7, &List8}) {
    list->clear();
  }
  const int n = teamCount();
  const int equivalent = engine::equivalentJornada(n, jornada);
  List7.addItem(fmt(division == 1 ? QStringLiteral("1ª DIVISIÓN") : QStringLiteral("2ª DIVISIÓN"),
                    QStringLiteral("@@@@@@@@@@@@ Jorn=")));
  List8.addItem(fmt(equivalent, QStringLiteral("@@")));
  List7.addItem(QString());
  List8.addItem(QString());
  // Names as the division's list of names holds them; a calendar slot
  // without either club ends the list.
  auto nameOf = [&](int team) { return mid(teamNameList, (team - 1) * 6 + 1, 5); };
  int i = 0;
  for (const engine::MatchResult &m : engine::jornadaResults(season, division, equivalent)) {
    if (m.home == 0 && m.away == 0)
      break;
    List7.addItem(fmt(++i, QStringLiteral("@@ ")) + nameOf(m.home) + u'-' + nameOf(m.away));
    List8.addItem(fmt(m.goals, QStringLiteral("@@")));
  }
}

} // namespace vaticor
