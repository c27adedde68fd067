#include "engine/systems/ReducedSystem.h"

#include "engine/Systems.h"
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
  if (!order.conditions.restricts()) {
    out.direct = out.filtered = directCount(order.system);
    out.columns = reduce(order.system, order.guarantee, limits);
  } else {
    const std::optional<ConditionedSystem> c = reduceConditioned(order.system, order.guarantee, order.conditions, limits);
    out.direct = directCount(order.system);
    if (c) {
      out.filtered = c->filtered;
      out.columns = c->columns;
    }
    out.conditionsChance = conditionsChance(order.conditions, order.probabilities);
  }
  out.cutShort = limits.cancelled();
  if (out.columns && !out.columns->empty())
    out.chances = prizeChances(*out.columns, order.probabilities);
  else
    out.chances[5] = 1;
  if (progress)
    progress(1);
  return out;
}

} // namespace engine::systems
