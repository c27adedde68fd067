#pragma once
// A club's history: its match of every jornada up to one, at home or away,
// with the score and whether it did not lose.

#include "season/Season.h"

#include <QString>
#include <vector>

namespace engine {

struct HistoryEntry {
  int jornada = 0;
  bool atHome = false;
  int opponent = 0;
  QString goals; // "21", home goals first
  bool notLost = false;
};

// The jornada's matches are searched in the order of the results matrix, at
// most a jornada's worth; one typed in without a result ends the search.
std::vector<HistoryEntry> teamHistory(const season::Season &season, int division, int team, int jornada);

} // namespace engine
