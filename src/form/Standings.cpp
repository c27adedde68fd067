// The standings view: tallies over a window of jornadas, seven sort keys,
// equated and negative points, in the five lists List12(0..4). The match
// valuation copies whole lines of List12(1..3), so their widths are fixed.
#include "form/Qmodelop.h"
#include "text/TextRules.h"

#include <algorithm>
#include <utility>

using text::fmt;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

void Qmodelop::hideViewFrames()
{
  Frame2.visible = true;
  Frame16.visible = true;
  for (Panel *frame : {&Frame4, &Frame5, &Frame6, &Frame7, &Frame8, &Frame9, &Frame12, &Frame15, &Frame17})
    frame->visible = false;
}

void Qmodelop::Command12_Click()
{
  hideViewFrames();
  currentView = 12;
  viewSlot = 7;
  Command5.visible = false;
  Command24.visible = false;
  Label10.visible = true;
  Label11.visible = true;
  Label53.visible = false;
  Label14.visible = false;
  tablag.visible = true;
  tabl1x2.visible = false;
  Frame7.visible = true;
  Frame7.geometry.left = 2010;
  Frame7.geometry.top = 2250;
  for (Label &heading : Label40)
    heading.backColour = controls::rgb(192, 192, 192);
  if (sortKey >= 0 && sortKey <= 6)
    Label40[sortKey].backColour = controls::rgb(0, 255, 255);

  StandingsTally &t = tally;
  const TeamArray<double> homeCoefficient = t.homeCoefficient;
  const TeamArray<double> awayCoefficient = t.awayCoefficient;
  t = StandingsTally{};
  t.homeCoefficient = homeCoefficient;
  t.awayCoefficient = awayCoefficient;

  jornada = ival(Text1.text);
  if (firstJornada < 1)
    firstJornada = 1;
  const int n = teamCount();
  windowLength = text::toInt16(jornada - firstJornada + 1);
  for (int i = 1; i <= n; ++i)
    teamName[i] = nameOf(i);

  Label7.caption = fmt(sortKey + 1, QStringLiteral("@ª ")) + QStringLiteral("Clasificación de los Equipos de   ") +
                   fmt(division, QStringLiteral("0ª")) + QStringLiteral(" División,  J. Inicial= ") +
                   fmt(firstJornada, QStringLiteral("00")) + QStringLiteral("   J. Final=") +
                   fmt(jornada, QStringLiteral("00       ")) + QStringLiteral("Nº Jdas. =") +
                   fmt(windowLength, QStringLiteral("00"));

  for (int h = 1; h <= n; ++h) {
    for (int a = 1; a <= n; ++a) {
      const QString cell = season.cell(division, h, a);
      // A match typed in as ".." holds its jornada but no result: it was not played.
      if (left(cell, 2) == QStringLiteral("..") || right(cell, 2) == QStringLiteral(".."))
        continue;
      const int j = ival(left(cell, 2));
      if (j < firstJornada || j > jornada)
        continue;
      const int hg = ival(mid(cell, 3, 1));
      const int ag = ival(mid(cell, 4, 1));
      tallyResult(h, a, hg, ag);
      // Equated points: the points of the result times the earner's coefficient there.
      if (hg > ag) {
        t.equatedHome[h] += 3 * t.homeCoefficient[h];
      } else if (hg == ag) {
        t.equatedHome[h] += t.homeCoefficient[h];
        t.equatedAway[a] += t.awayCoefficient[a];
      } else {
        t.equatedAway[a] += 3 * t.awayCoefficient[a];
      }
    }
  }
  tallyTotals(n);

  sortStandings();

  for (int i = 1; i <= n; ++i) {
    t.homeNegative[i] = -(3 * t.homeLosses[i] + t.homeDraws[i]);
    t.awayPositive[i] = 3 * t.awayWins[i] + t.awayDraws[i];
    t.negativeTotal[i] = t.awayPositive[i] + t.homeNegative[i];
  }
  for (ListBox &list : List12) {
    list.clear();
    list.fontName = QStringLiteral("Lucida Console");
    list.fontSize = 8;
  }
  const QStringList headings[5] = {
      {QString(), QStringLiteral("Clasifica"), QStringLiteral("NºEquipos"), QStringLiteral("-------------")},
      {QStringLiteral("     G  O  L  E  S "), QStringLiteral("  Cas Fuer- Fav/Con"), QStringLiteral("F  C  F  C -GF GC"),
       QStringLiteral("----------------------")},
      {QStringLiteral(" E N C U E N T R O S"), QStringLiteral("     Casa     Fuera "),
       QStringLiteral("Nº| G  E Pe- G  E Pe"), QStringLiteral("--------------------")},
      {QStringLiteral("P. Equiparados PUNTOS NEGATIVOS"), QStringLiteral(" Cas  Fue Tt.  C /Fu Tt.-Cas/Fu Tt"),
       QStringLiteral("Pec  Pef  PeT  PC FF PT- Nc Nf -NT"), QStringLiteral("-------------------------------------")},
      {QStringLiteral(" "), QStringLiteral("Clasifica"), QStringLiteral("NºEquipos"), QStringLiteral("----------")},
  };
  for (int k = 0; k < 5; ++k)
    for (const QString &h : headings[k])
      List12[k].addItem(h);
  for (int i = 1; i <= n; ++i) {
    List12[0].addItem(fmt(i, QStringLiteral("@@")) + fmt(teamName[i], QStringLiteral("@@@@@@ ")));
    List12[1].addItem(fmt(t.homeGoalsFor[i], QStringLiteral("@@")) + fmt(t.homeGoalsAgainst[i], QStringLiteral("@@@")) +
                      fmt(t.awayGoalsFor[i], QStringLiteral("@@@")) + fmt(t.awayGoalsAgainst[i], QStringLiteral("@@@|")) +
                      fmt(t.goalsFor[i], QStringLiteral("@@")) + fmt(t.goalsAgainst[i], QStringLiteral("@@@")));
    List12[2].addItem(fmt(i, QStringLiteral("@@|")) + fmt(t.homeWins[i], QStringLiteral("@@")) +
                      fmt(t.homeDraws[i], QStringLiteral("@@@")) + fmt(t.homeLosses[i], QStringLiteral("@@@-")) +
                      fmt(t.awayWins[i], QStringLiteral("@@")) + fmt(t.awayDraws[i], QStringLiteral("@@@")) +
                      fmt(t.awayLosses[i], QStringLiteral("@@@")));
    List12[3].addItem(fmt(t.equatedHome[i], QStringLiteral("##00.0 ")) + fmt(t.equatedAway[i], QStringLiteral("##00.0 ")) +
                      fmt(t.equatedHome[i] + t.equatedAway[i], QStringLiteral("##00.0|")) +
                      fmt(t.homePoints[i], QStringLiteral("@@")) + fmt(t.awayPoints[i], QStringLiteral("@@@")) +
                      fmt(t.points[i], QStringLiteral("@@@ ")) + fmt(t.homeNegative[i], QStringLiteral("@@@")) +
                      fmt(t.awayPositive[i], QStringLiteral("@@@")) + fmt(t.negativeTotal[i], QStringLiteral("@@@")));
    List12[4].addItem(fmt(i, QStringLiteral("@@")) + fmt(teamName[i], QStringLiteral("@@@@@@")));
  }
}

void Qmodelop::sortStandings()
{
  const int n = teamCount();
  StandingsTally &t = tally;
  auto key = [&](int i) -> int {
    switch (sortKey) {
    case 0: return t.homeGoalsFor[i];
    case 1: return t.awayGoalsFor[i];
    case 2: return t.goalsFor[i];
    case 3: return t.goalsFor[i] - t.goalsAgainst[i];
    case 4: return t.homePoints[i];
    case 5: return t.awayPoints[i];
    default: return t.points[i];
    }
  };
  auto exchange = [&](int j) {
    for (auto *a : {&t.homeGoalsFor, &t.homeGoalsAgainst, &t.awayGoalsFor, &t.awayGoalsAgainst, &t.goalsFor,
                    &t.goalsAgainst, &t.homeWins, &t.homeDraws, &t.homeLosses, &t.awayWins, &t.awayDraws,
                    &t.awayLosses, &t.homePoints, &t.awayPoints, &t.points, &t.homeNegative, &t.awayPositive,
                    &t.negativeTotal})
      std::swap((*a)[j], (*a)[j + 1]);
    std::swap(t.equatedHome[j], t.equatedHome[j + 1]);
    std::swap(t.equatedAway[j], t.equatedAway[j + 1]);
    std::swap(teamName[j], teamName[j + 1]);
  };
  for (int pass = 1; pass <= n; ++pass) {
    for (int j = 1; j <= n - 1; ++j) {
      const int ka = key(j);
      const int kb = key(j + 1);
      if (ka > kb)
        continue;
      if (ka < kb || tieBreakExchanges(j))
        exchange(j);
    }
  }
}

void Qmodelop::Label40_Click(int index)
{
  if (index < 0 || index > 6)
    return;
  sortKey = static_cast<int16_t>(index);
  Command12_Click();
}

void Qmodelop::Label34_Click()
{
  if (firstJornada < 2)
    firstJornada = jornada;
  firstJornada = static_cast<int16_t>(firstJornada - 9);
  if (firstJornada < 1)
    firstJornada = 0;
  Command12_Click();
}

} // namespace vaticor
