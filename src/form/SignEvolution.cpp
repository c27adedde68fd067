// Sign evolution: each team's results jornada by jornada as letters, at home,
// away and in total, with the counters and "Pot". The match valuation copies
// cells of `tabl1x2`, so the cell widths are fixed.
#include "form/Qmodelop.h"
#include "engine/SignEvolution.h"
#include "text/TextRules.h"

#include <algorithm>

using text::fmt;
using text::instr;
using text::ival;
using text::mid;
using text::right;

namespace vaticor {

void Qmodelop::Command4_Click()
{
  hideViewFrames();
  currentView = 10;
  Command5.visible = true;
  Command24.visible = true;
  const int last = ival(Text1.text);
  lookupJornada = text::str(last);
  Frame17.visible = true;
  Label53.visible = true;
  Label14.visible = true;
  Label14.caption = QStringLiteral(
      " - , · =Enc. Perdido CASA,FUERA.| e - E =Empatado Casa-Fuera.| g - G = Ganado Casa-Fuera.");
  tabl1x2.visible = true;

  int n = teamCount();
  if (division < 1) {
    division = 1;
    n = 20;
  }
  tabl1x2.setRows(n + 1);
  tabl1x2.setCols(8);
  const int widths[8] = {950, 1900, 950, 1900, 950, 4000, 950, 400};
  for (int c = 0; c < 8; ++c) {
    tabl1x2.setColWidth(c, widths[c]);
    tabl1x2.setColAlignment(c, controls::Alignment::General);
  }
  for (int r = 0; r <= n; ++r) {
    for (int c = 0; c < 8; ++c) {
      controls::Rgb colour = controls::rgb(192, 192, 192);
      if (r % 2 == 1)
        colour = (c == 0 || c == 3 || c == 4 || c == 7) ? controls::rgb(0, 255, 0) : controls::rgb(0, 255, 255);
      tabl1x2.setCellColour(r, c, colour);
    }
  }
  const char16_t *headings[8] = {u"Nº Equip", u"Result.: Casa:1X2", u"pg pe pp", u"Result.:Fuera:1X2",
                                 u"pG pE pP", u"Result.: Total:1X2", u"PG PE PP", u"Pot"};
  for (int c = 0; c < 8; ++c)
    tabl1x2.setText(0, c, QString::fromUtf16(headings[c]));

  const QString title = division == 1 ? QStringLiteral("  EVOLUCIÓN:  ULTIMOS  RESULTADOS: Primera División ")
                                      : QStringLiteral("  EVOLUCIÓN:  ULTIMOS  RESULTADOS: Segunda División ");
  for (int t = 1; t <= n; ++t)
    teamName[t] = nameOf(t);
  Label53.caption = title + QStringLiteral("Ultima Jornada Nº ") + fmt(lookupJornada, QStringLiteral("@@@")) +
                    QStringLiteral("\r\n") +
                    QStringLiteral("   Equipos:   C A S A          F U E R A                 T O T A L   (G E P)");

  lastSignEvolution = engine::signEvolution(season, division, last);
  for (int t = 1; t <= n; ++t)
    for (int c = 0; c < 8; ++c)
      tabl1x2.setText(t, c, signEvolutionCell(t, c));
}

QString Qmodelop::signEvolutionCell(int team, int col) const
{
  // The coupon copies these cells and the valuation counts the letters of
  // the last ten places of the home and away ones, blanks included: the
  // widths are fixed.
  if (team < 1 || team >= static_cast<int>(lastSignEvolution.size()))
    return QString();
  const engine::SignRow &r = lastSignEvolution[static_cast<size_t>(team)];
  auto counts = [](int w, int d, int l) {
    return fmt(fmt(w, QStringLiteral("@@")) + fmt(d, QStringLiteral("@@@")) + fmt(l, QStringLiteral("@@@")),
               QStringLiteral("!@@@@@@@@"));
  };
  switch (col) {
  case 0: return fmt(team, QStringLiteral("@@ ")) + fmt(nameOf(team), QStringLiteral("@@@@@"));
  case 1: return fmt(r.home, QStringLiteral("!@@@@@@@@@@@@@@@@@"));
  case 2: return counts(r.homeWins, r.homeDraws, r.homeLosses);
  case 3: return fmt(r.away, QStringLiteral("!@@@@@@@@@@@@@@@@@"));
  case 4: return counts(r.awayWins, r.awayDraws, r.awayLosses);
  case 5: return fmt(r.total, QStringLiteral("!@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@"));
  case 6: return counts(r.homeWins + r.awayWins, r.homeDraws + r.awayDraws, r.homeLosses + r.awayLosses);
  case 7: return fmt(r.pot, QStringLiteral("@@@"));
  default: return QString();
  }
}

} // namespace vaticor
