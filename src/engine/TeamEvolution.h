#pragma once
// The team evolution: the clubs ranked by the points they won in the last 4,
// 10, 16, 22 and 28 jornadas the division has reached, with the negative
// points of each window.
//
// Level clubs are ordered head to head, then by the goals the tally holds in
// their slots. The evolution counts no goals of its own: the slots keep the
// goals the general standings or the standings left there, and each window's
// ordering moves them along with the clubs, so the next window starts from
// them. Those goals come in and go out explicitly.

#include "engine/Tally.h"

#include <vector>

namespace engine {

struct SlotGoals {
  TeamArray<int16_t> goalsFor{}, goalsAgainst{};
};

struct EvolutionWindow {
  int jornadas = 0;          // 4, 10, 16, 22 or 28
  TeamArray<int> teamAt{};   // team number at each position 1..n
  TeamArray<int16_t> points{}, negative{}; // by position
};

struct TeamEvolution {
  // False when the division has reached no jornada: nothing was counted and
  // the lists show whatever points the tally held.
  bool counted = false;
  std::vector<EvolutionWindow> windows; // 4 first
  SlotGoals goals;                      // the slots' goals after the last window
};

// jornada: the jornada shown, which says how many windows there are (one per
// 6 jornadas up to 30); the windows end at the jornada the division has reached.
TeamEvolution teamEvolution(const season::Season &season, int division, int jornada, const SlotGoals &goals,
                            const TeamLookup &lookup = identityLookup());

} // namespace engine
