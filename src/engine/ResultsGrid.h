#pragma once
// The results grid: every pairing's score up to a jornada, home clubs down
// the side and away clubs across.

#include "season/Season.h"

#include <QString>
#include <vector>

namespace engine {

struct ResultsGrid {
  int teams = 0;
  // goals[h][a]: "21" for a result of jornada cutOff or before, empty
  // otherwise (the diagonal too); index 0 unused.
  std::vector<std::vector<QString>> goals;
  const QString &at(int home, int away) const { return goals[home][away]; }
};

ResultsGrid resultsGrid(const season::Season &season, int division, double cutOff);

} // namespace engine
