#include "engine/systems/ReducedSystem.h"

#include "engine/Systems.h"
#include "engine/systems/CodeTable.h"
#include "engine/systems/Reduction.h"

#include <algorithm>

namespace engine::systems {

ReducedSystem reduceSystem(const ReductionOrder &order, const std::function<void(double)> &progress,
                           const std::atomic<bool> *cancel)
{
  ReducedSystem out;
  const auto start = std::chrono::steady_clock::now();
  SearchLimits limits = interactiveLimits();
  const double budget = std::chrono::duration<double>(limits.deadline - start).count();
  limits.cancel = cancel;
  if (progress)
    // The search ends at its steps, its work or its time, whichever comes first.
    limits.progress = [&](const SearchProgress &p) {
      const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      double share = budget > 0 ? elapsed / budget : 0;
      if (p.stepLimit > 0)
        share = std::max(share, double(p.steps) / double(p.stepLimit));
      if (p.workLimit > 0)
        share = std::max(share, double(p.work) / double(p.workLimit));
      progress(std::min(share, 1.0));
      return true;
    };
  out.direct = directCount(order.system);
  if (!order.conditions.restricts()) {
    out.filtered = out.direct;
    out.columns = reduce(order.system, order.guarantee, limits);
  } else {
    const std::optional<ConditionedSystem> c = reduceConditioned(order.system, order.guarantee, order.conditions, limits);
    if (c) {
      out.filtered = c->filtered;
      out.columns = c->columns;
    }
    out.conditionsChance = conditionsChance(order.conditions, order.probabilities);
  }
  // The direct columns and the table's codes are what they are however soon
  // the search is cancelled; anything else may be larger than it would have been.
  if (limits.cancelled()) {
    int triples = 0, doubles = 0;
    for (const QString &signs : order.system) {
      triples += signs.size() == 3;
      doubles += signs.size() == 2;
    }
    const int radius = kMatches - order.guarantee;
    out.cutShort = radius > 0 && out.filtered > 0 &&
                   (out.filtered < out.direct || !installedCodeTable().find(triples, doubles, radius));
  }
  if (out.columns && !out.columns->empty())
    out.chances = prizeChances(*out.columns, order.probabilities);
  else
    out.chances[5] = 1;
  if (progress)
    progress(1);
  return out;
}

} // namespace engine::systems
