#pragma once
// Every match played up to a jornada, sorted into six classes by its goal
// difference, with how often the division's matches end 1, X or 2.

#include "season/Season.h"

#include <QString>
#include <array>
#include <vector>

namespace engine {

struct ClassifiedResult {
  QString jornada; // two digits, as the cell holds them
  int home = 0, away = 0;
  QString goals;
};

// Classes: home wins by 3 or more, by 1 or 2; draws 0-0 and 1-1, higher
// draws; away wins by 1 or 2, by 3 or more. Each in the order of the
// results matrix (by home club, then away club).
std::array<std::vector<ClassifiedResult>, 6> resultsByDifference(const season::Season &season, int division,
                                                                  int jornada);

struct ResultProportions {
  int ones = 0, draws = 0, twos = 0, oneOrDraw = 0;
  // Percentages of all results (0 while there is no draw).
  int onesPercent = 0, drawsPercent = 0, twosPercent = 0, oneOrDrawPercent = 0;
};
ResultProportions resultProportions(const std::array<int, 6> &classCounts);

} // namespace engine
