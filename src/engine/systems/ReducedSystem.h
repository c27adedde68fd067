#pragma once
// One reduction of a system as the Sistemas window shows it: the direct
// columns, or those meeting the conditions of a reducción condicionada,
// reduced with a guarantee; its columns checked, the chance of each prize and
// the chance that the real result meets the conditions. Everything it reads
// is copied in, so a worker thread may work it out while the window goes on.

#include "engine/systems/Conditions.h"

#include <atomic>
#include <functional>

namespace engine::systems {

struct ReductionOrder {
  SignSets system;
  int guarantee = 14; // 14: the direct columns (those meeting the conditions)
  Conditions conditions;
  SignProbabilities probabilities{};
  bool operator==(const ReductionOrder &) const = default;
};

struct ReducedSystem {
  std::int64_t direct = 0;   // columns of the system
  std::int64_t filtered = 0; // of those, the ones meeting the conditions (all of them without conditions)
  // To play, checked; nothing for a bad order or a system too large to reduce
  // here, empty when no column meets the conditions.
  std::optional<std::vector<Column>> columns;
  std::array<double, 6> chances{}; // of 14, 13, 12, 11, 10 hits and fewer, for the best column played
  double conditionsChance = 1;     // of a real result meeting the conditions
  bool cutShort = false;           // cancelled: the columns keep the guarantee, a longer search may need fewer
};

// `progress` hears the share of the search done (0 to 1) now and then, on the
// calling thread; `cancel`, set from any thread, ends the search early.
ReducedSystem reduceSystem(const ReductionOrder &order, const std::function<void(double)> &progress = {},
                           const std::atomic<bool> *cancel = nullptr);

} // namespace engine::systems
