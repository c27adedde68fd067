#pragma once
// The results of a jornada's matches in calendar order, which the jornadas
// ten by ten, the equivalent jornada and the two-round sheet show.

#include "season/Season.h"

#include <QString>
#include <vector>

namespace engine {

struct MatchResult {
  int home = 0, away = 0; // 0 where the calendar names no club
  QString goals;          // "21", or ".." not played
  QChar sign;             // '1', 'X', '2', or '-' not played
};

std::vector<MatchResult> jornadaResults(const season::Season &season, int division, int jornada);

// The jornadas whose last is `last`, latest first, at most ten, none before 1.
std::vector<int> tenJornadas(int last);

// The jornada of the other round that pairs the same clubs: jornada + (n - 1)
// in the first round, jornada - (n - 1) in the second.
int equivalentJornada(int teams, int jornada);

} // namespace engine
