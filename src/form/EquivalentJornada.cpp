// The jornada of the other round that matches the one shown, with the stored
// results of its pairings.
#include "form/Qmodelop.h"
#include "text/TextRules.h"

using text::fmt;
using text::mid;

namespace vaticor {

void Qmodelop::Command3_Click()
{
  for (ListBox *list : {&List7, &List8}) {
    list->fontName = QStringLiteral("Lucida Console");
    list->fontSize = 8;
    list->clear();
  }
  const int n = teamCount();
  const int equivalent = jornada <= n - 1 ? jornada + n - 1 : jornada - (n - 1);
  buildFixture(equivalent);
  List7.addItem(fmt(division == 1 ? QStringLiteral("1ª DIVISIÓN") : QStringLiteral("2ª DIVISIÓN"),
                    QStringLiteral("@@@@@@@@@@@@ Jorn=")));
  List8.addItem(fmt(equivalent, QStringLiteral("@@")));
  List7.addItem(QString());
  List8.addItem(QString());
  auto nameOf = [&](int team) { return mid(teamNameList, (team - 1) * 6 + 1, 5); };
  for (int i = 1; i <= n / 2; ++i) {
    const QString key = fmt(homeTeam[i], QStringLiteral("00")) + fmt(awayTeam[i], QStringLiteral("00"));
    lookUpResult(key);
    if (key == QStringLiteral("0000"))
      break;
    List7.addItem(fmt(i, QStringLiteral("@@ ")) + nameOf(homeTeam[i]) + u'-' + nameOf(awayTeam[i]));
    List8.addItem(fmt(lookupGoals, QStringLiteral("@@")));
  }
}

} // namespace vaticor
