#pragma once
// The sign evolution: each club's results jornada by jornada as letters, at
// home ("g" won, "e" drawn, "-" lost), away ("G", "E", "." lost) and in total
// ("·" for a match lost away), with the counts and "Pot", a figure of form
// that weighs away results more.

#include "season/Season.h"

#include <QString>
#include <vector>

namespace engine {

struct SignRow {
  QString home, away, total;      // the last 17, 17 and 37 letters
  int homeWins = 0, homeDraws = 0, homeLosses = 0;
  int awayWins = 0, awayDraws = 0, awayLosses = 0;
  int pot = 0; // 2 home wins + 3 away wins - home draws + 2 away draws - 3 home losses - away losses
};

// Rows by team number (index 0 unused), from jornada 1 to the jornada given
// (jornadas past the season hold no match).
std::vector<SignRow> signEvolution(const season::Season &season, int division, int jornada);

// The sign of a score as two characters ("21"): '1', 'X', '2', or '-' for none.
QChar scoreSign(const QString &goals);

} // namespace engine
