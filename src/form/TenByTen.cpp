// Ten jornadas at a time, each as its fixture with the scores and signs: the
// five latest in the top row of lists, the five before them below.
#include "form/Qmodelop.h"
#include "engine/Jornadas.h"
#include "text/TextRules.h"

using text::fmt;

namespace vaticor {

void Qmodelop::Command8_Click()
{
  hideViewFrames();
  currentView = 8;
  viewSlot = 2;
  tabl1x2.visible = false;
  Label14.visible = false;
  Frame6.visible = true;
  Command25.visible = Command26.visible = true;
  Label10.visible = Label11.visible = true;
  Label53.visible = false;
  tablag.visible = true;
  evolutionShown = false;
  Label24.caption = QStringLiteral("  Jornadas y Resultados de 10 en 10.");
  for (int k = 0; k < 10; ++k) {
    for (ListBox *list : {&List10[k], &List11[k]}) {
      list->clear();
    }
  }
  const int n = teamCount();
  for (int t = 1; t <= n; ++t)
    teamName[t] = nameOf(t);
  const int last = tenBlockEnd >= 1 && tenBlockEnd <= jornada ? tenBlockEnd : jornada;
  for (int j : engine::tenJornadas(last)) {
    // The latest five ascending in lists 0..4, the five before them in 5..9.
    const int back = last - j;
    const int k = back <= 4 ? 4 - back : 14 - back;
    List10[k].addItem(QStringLiteral("  "));
    List10[k].addItem(QStringLiteral(" Jornada") + fmt(j, QStringLiteral(" 00")) + QStringLiteral("   ---------"));
    List10[k].addItem(QString(25, u'-'));
    List11[k].addItem(QStringLiteral("  "));
    List11[k].addItem(QStringLiteral("Res."));
    List11[k].addItem(QString(9, u'-'));
    int i = 0;
    for (const engine::MatchResult &m : engine::jornadaResults(season, division, j)) {
      List10[k].addItem(fmt(++i, QStringLiteral("@@ ")) + fmt(nameOf(m.home), QStringLiteral("@@@@@")) +
                        fmt(nameOf(m.away), QStringLiteral("-@@@@@")));
      List11[k].addItem(fmt(m.goals, QStringLiteral("@@ ")) + m.sign);
    }
  }
}

void Qmodelop::Command25_Click()
{
  tenBlockEnd = static_cast<int16_t>(tenBlockEnd - 10);
  if (tenBlockEnd < 10)
    tenBlockEnd = 10;
  Command8_Click();
}

void Qmodelop::Command26_Click()
{
  tenBlockEnd = static_cast<int16_t>(tenBlockEnd + 10);
  const int last = 2 * teamCount() - 2;
  if (tenBlockEnd > last)
    tenBlockEnd = static_cast<int16_t>(last);
  Command8_Click();
}

} // namespace vaticor
