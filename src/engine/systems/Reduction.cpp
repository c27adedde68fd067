#include "engine/systems/Reduction.h"

#include "engine/systems/CodeBuilder.h"

#include <algorithm>
#include <numeric>

namespace engine::systems {

SearchLimits interactiveLimits(std::chrono::milliseconds budget)
{
  SearchLimits limits;
  limits.seed = 1414;
  limits.maxSteps = 400'000;
  limits.maxWork = 40'000'000; // about 0.3 s of moves on a desktop of 2020, at 13 or at 12
  limits.deadline = std::chrono::steady_clock::now() + budget;
  return limits;
}

std::vector<Word> placeCode(const CoveringCode &code, const MixedSpace &space)
{
  std::vector<int> triples, doubles;
  for (int i = 0; i < space.length(); ++i)
    (space.radix(i) == 3 ? triples : doubles).push_back(i);
  if (static_cast<int>(triples.size()) != code.triples || static_cast<int>(doubles.size()) != code.doubles)
    return {};
  const MixedSpace shape = code.space();
  std::vector<int> at(triples);
  at.insert(at.end(), doubles.begin(), doubles.end());
  std::vector<Word> words;
  words.reserve(code.words.size());
  std::vector<int> digits(static_cast<size_t>(space.length()));
  for (Word w : code.words) {
    for (int i = 0; i < shape.length(); ++i)
      digits[static_cast<size_t>(at[static_cast<size_t>(i)])] = shape.digit(w, i);
    words.push_back(space.word(digits));
  }
  std::sort(words.begin(), words.end());
  return words;
}

std::vector<Word> reduceSpace(const MixedSpace &space, int radius, const CodeTable &table, const SearchLimits &limits)
{
  if (!space.valid() || radius < 0)
    return {};
  if (radius == 0) {
    std::vector<Word> all(static_cast<size_t>(space.size()));
    std::iota(all.begin(), all.end(), 0);
    return all;
  }
  const int t = space.triples(), d = space.length() - t;
  const int r = std::min(radius, CodeBuilder::kLargestRadius);
  std::vector<Word> best;
  if (const std::optional<CoveringCode> built = CodeBuilder(table).build(t, d, r, space.size()))
    best = placeCode(*built, space);
  // The table's codes are the fruit of long searches: where it knows the
  // shape (its code, or a smaller one built from others), nothing quick beats it.
  if (table.find(t, d, r) && !best.empty())
    return best;
  const CoverProblem problem(space, r);
  // The greedy of earlier versions: al 13 it is quick and wins on some large
  // mixed systems; al 12 it is slow on large ones, where the constructions
  // from the shipped table beat it (the tests compare them), unless the table
  // has nothing to build on (missing or refused).
  const bool tableOfRadius =
      std::any_of(table.codes().begin(), table.codes().end(), [r](const CoveringCode &c) { return c.radius == r; });
  if (best.empty() || r == 1 || space.size() <= 6561 || !tableOfRadius) {
    std::vector<Word> greedy = greedyCover(problem, limits.cancel);
    if (best.empty() || greedy.size() < best.size())
      best = std::move(greedy);
  }
  if (limits.maxSteps > 0 && !limits.cancelled())
    best = shrinkCover(problem, std::move(best), limits);
  std::sort(best.begin(), best.end());
  return coversSpace(space, r, best) ? best : std::vector<Word>{};
}

std::vector<Word> reduceTargets(const MixedSpace &space, int radius, const std::vector<char> &targets,
                                const SearchLimits &limits)
{
  if (!space.valid() || radius < 0 || static_cast<Word>(targets.size()) != space.size() ||
      std::none_of(targets.begin(), targets.end(), [](char c) { return c != 0; }))
    return {};
  std::vector<Word> best;
  if (radius == 0) {
    for (Word w = 0; w < space.size(); ++w)
      if (targets[static_cast<size_t>(w)])
        best.push_back(w);
    return best;
  }
  const CoverProblem problem(space, radius, targets);
  best = greedyCover(problem, limits.cancel);
  if (limits.maxSteps > 0 && !limits.cancelled())
    best = shrinkCover(problem, std::move(best), limits);
  std::sort(best.begin(), best.end());
  return coversTargets(problem, best) ? best : std::vector<Word>{};
}

} // namespace engine::systems
