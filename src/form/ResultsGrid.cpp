// The results grid `tab1`: every pairing's score up to the jornada typed, the
// sign of a score, and the locator that shows both meetings of two teams.
#include "form/Qmodelop.h"
#include "engine/ResultsGrid.h"
#include "text/TextRules.h"

using text::fmt;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

void Qmodelop::Command7_Click()
{
  hideViewFrames();
  currentView = 7;
  viewSlot = 1;
  Label10.visible = true;
  Label11.visible = true;
  Label53.visible = false;
  tablag.visible = true;
  Frame5.visible = true;
  Command5.visible = false;
  Command24.visible = false;
  tab1.visible = true;
  Label14.visible = false;

  const int n = teamCount();
  const QString label = division == 1 ? QStringLiteral(" Primera División") : QStringLiteral(" Segunda División");
  for (int t = 1; t <= n; ++t)
    teamName[t] = nameOf(t);

  tab1.clear();
  tab1.setRows(n + 1);
  tab1.setCols(n + 1);
  tab1.setColWidth(0, 960);
  tab1.setColAlignment(0, controls::Alignment::LeftTop);
  for (int c = 1; c <= n; ++c) {
    tab1.setColWidth(c, division == 1 ? 340 : 320);
    tab1.setColAlignment(c, controls::Alignment::LeftCentre);
  }
  Label4.caption = QStringLiteral("Jornada No ") + fmt(jornada, QStringLiteral("00")) +
                   QStringLiteral("       Cuadrante de Resultados de los Equipos de ") + label;
  tab1.setText(0, 0, QStringLiteral("No Equips"));
  for (int c = 1; c <= n; ++c)
    tab1.setText(0, c, fmt(c, QStringLiteral("@@")));

  lastResultsGrid = engine::resultsGrid(season, division, text::val(Text1.text));
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c)
      tab1.setText(r, c, resultsGridCell(r, c));
    tab1.setText(r, 0, fmt(r, QStringLiteral("@@-")) + fmt(teamName[r], QStringLiteral("@@@@@")));
  }
  Command3_Click();
}

QString Qmodelop::resultsGridCell(int home, int away) const
{
  if (home < 1 || away < 1 || home > lastResultsGrid.teams || away > lastResultsGrid.teams)
    return QString();
  if (home == away)
    return QStringLiteral("»«");
  const QString &goals = lastResultsGrid.at(home, away);
  return fmt(goals.isEmpty() ? QStringLiteral(" ") : goals, QStringLiteral("@@"));
}

void Qmodelop::resultSign(const QString &goals)
{
  if (goals == QStringLiteral("..") || goals.isEmpty()) {
    signChar = QStringLiteral("-");
    return;
  }
  const int h = ival(left(goals, 1));
  const int a = ival(right(goals, 1));
  if (a < h)
    signChar = QStringLiteral("1");
  else if (a > h)
    signChar = QStringLiteral("2");
  else
    signChar = left(goals, 1) == QStringLiteral(".") ? QStringLiteral("-") : QStringLiteral("X");
}

void Qmodelop::tab1_Click(int row, int col)
{
  tab1.row = row;
  tab1.col = col;
  if (row == 0)
    return;
  if (!awayPick) {
    Label19[0].caption = QStringLiteral("Eq.Casa:") + left(tab1.text(row, 0), 10);
    Label19[1].caption.clear();
    Label20.caption.clear();
    Label21.caption.clear();
    awayPick = true;
    return;
  }
  Label19[1].caption = QStringLiteral("Visitante:") + left(tab1.text(row, 0), 10);
  awayPick = false;
  const int h = ival(mid(Label19[0].caption, 9, 3));
  const int a = ival(mid(Label19[1].caption, 11, 3));
  lookUpResult(fmt(h, QStringLiteral("00")) + fmt(a, QStringLiteral("00")));
  Label21.caption = QStringLiteral(" Jornada Ida: ") + lookupJornada + QStringLiteral(" Res= ") + lookupGoals;
  lookUpResult(fmt(a, QStringLiteral("00")) + fmt(h, QStringLiteral("00")));
  Label20.caption = QStringLiteral(" Jornada Vta: ") + lookupJornada + QStringLiteral(" Res= ") + lookupGoals;
  focusedControl = QStringLiteral("Text2");
}

} // namespace vaticor
