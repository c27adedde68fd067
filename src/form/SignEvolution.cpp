// Sign evolution: each team's results jornada by jornada as letters, at home,
// away and in total, with the counters and "Pot". The match valuation copies
// cells of `tabl1x2`, so the cell widths are fixed.
#include "form/Qmodelop.h"
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
  Frame17.geometry.left = -10;
  Frame17.geometry.height = 4925;
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
  // Jornadas past the season hold no match.
  const int shown = std::min(last, jornadaCount());
  for (int t = 1; t <= n; ++t)
    teamName[t] = nameOf(t);
  Label53.caption = title + QStringLiteral("Ultima Jornada Nº ") + fmt(lookupJornada, QStringLiteral("@@@")) +
                    QStringLiteral("\r\n") +
                    QStringLiteral("   Equipos:   C A S A          F U E R A                 T O T A L   (G E P)");

  for (int t = 1; t <= n; ++t) {
    QString home, away, total;
    int pg = 0, pe = 0, pp = 0, pG = 0, pE = 0, pP = 0;
    for (int j = 1; j <= shown; ++j) {
      const std::optional<season::PlayedCell> match = season.matchOfTeam(division, j, t);
      if (!match)
        continue;
      const bool atHome = match->home == t;
      resultSign(right(match->cell, 2));
      if (atHome) {
        if (signChar == QStringLiteral("1")) {
          home += u'g', total += u'g', ++pg;
        } else if (signChar == QStringLiteral("X")) {
          home += u'e', total += u'e', ++pe;
        } else if (signChar == QStringLiteral("2")) {
          home += u'-', total += u'-', ++pp;
        }
      } else {
        if (signChar == QStringLiteral("1")) {
          away += u'.', total += u'·', ++pP;
        } else if (signChar == QStringLiteral("X")) {
          away += u'E', total += u'E', ++pE;
        } else if (signChar == QStringLiteral("2")) {
          away += u'G', total += u'G', ++pG;
        }
      }
      home = right(home, 17);
      away = right(away, 17);
      total = right(total, 37);
    }
    const int pot = 2 * pg + 3 * pG - pe + 2 * pE - 3 * pp - pP;
    auto counts = [](int w, int d, int l) {
      return fmt(fmt(w, QStringLiteral("@@")) + fmt(d, QStringLiteral("@@@")) + fmt(l, QStringLiteral("@@@")),
                 QStringLiteral("!@@@@@@@@"));
    };
    tabl1x2.setText(t, 0, fmt(t, QStringLiteral("@@ ")) + fmt(teamName[t], QStringLiteral("@@@@@")));
    tabl1x2.setText(t, 1, fmt(home, QStringLiteral("!@@@@@@@@@@@@@@@@@")));
    tabl1x2.setText(t, 2, counts(pg, pe, pp));
    tabl1x2.setText(t, 3, fmt(away, QStringLiteral("!@@@@@@@@@@@@@@@@@")));
    tabl1x2.setText(t, 4, counts(pG, pE, pP));
    tabl1x2.setText(t, 5, fmt(total, QStringLiteral("!@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@")));
    tabl1x2.setText(t, 6, counts(pg + pG, pe + pE, pp + pP));
    tabl1x2.setText(t, 7, fmt(pot, QStringLiteral("@@@")));
  }
}

} // namespace vaticor
