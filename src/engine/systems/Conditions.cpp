#include "engine/systems/Conditions.h"

#include "engine/systems/MixedSpace.h"
#include "engine/systems/Reduction.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace engine::systems {

namespace {

const CountRange kAnyCount{0, kMatches}, kAnyInterruptions{0, kMatches - 1}, kAnyRun{1, kMatches};

int signIndex(char c) { return c == '1' ? 0 : c == 'X' ? 1 : c == '2' ? 2 : -1; }

bool within(const CountRange &r, const CountRange &bounds)
{
  return r.min >= bounds.min && r.max <= bounds.max && r.min <= r.max;
}

} // namespace

bool Conditions::restricts() const
{
  return draws != kAnyCount || aways != kAnyCount || variants != kAnyCount || interruptions != kAnyInterruptions ||
         longestRun != kAnyRun;
}

bool Conditions::valid() const
{
  return within(draws, kAnyCount) && within(aways, kAnyCount) && within(variants, kAnyCount) &&
         within(interruptions, kAnyInterruptions) && within(longestRun, kAnyRun);
}

ColumnFigure figureOf(const Column &column)
{
  ColumnFigure f;
  int run = 0;
  for (int m = 0; m < kMatches; ++m) {
    f.draws += column[m] == 'X';
    f.aways += column[m] == '2';
    const bool same = m > 0 && column[m] == column[m - 1];
    f.interruptions += m > 0 && !same;
    run = same ? run + 1 : 1;
    f.longestRun = std::max(f.longestRun, run);
  }
  return f;
}

bool Conditions::accepts(const Column &column) const
{
  const ColumnFigure f = figureOf(column);
  return draws.contains(f.draws) && aways.contains(f.aways) && variants.contains(f.draws + f.aways) &&
         interruptions.contains(f.interruptions) && longestRun.contains(f.longestRun);
}

double conditionsChance(const Conditions &c, const SignProbabilities &p, const SignSets *within)
{
  // Match by match, the chance of every way the result can have gone so far:
  // its X, its 2, its changes of sign, its last sign, the run that sign is in
  // and the longest run yet. Ways past a maximum are dropped as they appear;
  // the minimums are judged at the end.
  struct State {
    int draws, aways, interruptions, last, run, longest;
    std::uint32_t key() const
    {
      return static_cast<std::uint32_t>(((((draws * 15 + aways) * 15 + interruptions) * 3 + last) * 15 + run) * 15 + longest);
    }
  };
  std::unordered_map<std::uint32_t, std::pair<State, double>> ways, next;
  ways.emplace(0, std::pair(State{0, 0, 0, 0, 0, 0}, 1.0));
  for (int m = 0; m < kMatches; ++m) {
    next.clear();
    for (const auto &[key, entry] : ways) {
      const auto &[s, chance] = entry;
      for (int sign = 0; sign < 3; ++sign) {
        const double q = p[m][sign];
        if (!(q > 0) || (within && !(*within)[m].contains(QChar("1X2"[sign]))))
          continue;
        State t = s;
        t.draws += sign == 1;
        t.aways += sign == 2;
        const bool same = m > 0 && sign == s.last;
        t.interruptions += m > 0 && !same;
        t.run = same ? s.run + 1 : 1;
        t.longest = std::max(s.longest, t.run);
        t.last = sign;
        if (t.draws > c.draws.max || t.aways > c.aways.max || t.draws + t.aways > c.variants.max ||
            t.interruptions > c.interruptions.max || t.longest > c.longestRun.max)
          continue;
        auto [it, added] = next.try_emplace(t.key(), std::pair(t, 0.0));
        it->second.second += chance * q;
      }
    }
    ways.swap(next);
  }
  double total = 0;
  for (const auto &[key, entry] : ways) {
    const State &s = entry.first;
    if (s.draws >= c.draws.min && s.aways >= c.aways.min && s.draws + s.aways >= c.variants.min &&
        s.interruptions >= c.interruptions.min && s.longest >= c.longestRun.min)
      total += entry.second;
  }
  return total;
}

Conditions conditionsFromFigure(double variants, double draws, double aways, int margin)
{
  auto around = [margin](double value) {
    const long centre = std::isfinite(value) ? std::lround(std::clamp(value, 0.0, double(kMatches))) : 0;
    const int m = std::max(0, margin);
    return CountRange{static_cast<int>(std::max(0L, centre - m)), static_cast<int>(std::min<long>(kMatches, centre + m))};
  };
  Conditions c;
  c.variants = around(variants);
  c.draws = around(draws);
  c.aways = around(aways);
  return c;
}

std::optional<ConditionedSystem> reduceConditioned(const SignSets &system, int guarantee, const Conditions &conditions,
                                                   const SearchLimits &limits)
{
  if (guarantee < 12 || guarantee > 14 || !conditions.valid())
    return std::nullopt;
  // The variable matches as a space of words; the singles fixed.
  Column fixed{};
  std::vector<int> positions, radices;
  for (int m = 0; m < kMatches; ++m) {
    const QString &signs = system[m];
    if (signs.isEmpty() || signs.size() > 3)
      return std::nullopt;
    for (QChar s : signs)
      if (signIndex(s.toLatin1()) < 0)
        return std::nullopt;
    fixed[m] = signs[0].toLatin1();
    if (signs.size() > 1) {
      positions.push_back(m);
      radices.push_back(static_cast<int>(signs.size()));
    }
  }
  if (std::any_of(radices.begin(), radices.end(), [](int r) { return r < 2; }))
    return std::nullopt;
  const MixedSpace space(radices);
  if (!space.valid() || space.size() > kLargestConditioned)
    return std::nullopt;
  auto columnOf = [&](Word w) {
    Column c = fixed;
    for (size_t i = 0; i < positions.size(); ++i)
      c[positions[i]] = system[positions[i]][space.digit(w, static_cast<int>(i))].toLatin1();
    return c;
  };
  ConditionedSystem result;
  result.direct = space.size();
  std::vector<char> targets(static_cast<size_t>(space.size()), 0);
  for (Word w = 0; w < space.size(); ++w)
    if (conditions.accepts(columnOf(w))) {
      targets[static_cast<size_t>(w)] = 1;
      ++result.filtered;
    }
  if (result.filtered == 0)
    return result;
  const int radius = kMatches - guarantee;
  // Conditions every column meets leave the whole system: the table's codes do best there.
  const std::vector<Word> words = result.filtered == result.direct
                                      ? reduceSpace(space, radius, installedCodeTable(), limits)
                                      : reduceTargets(space, radius, targets, limits);
  // Checked here as well: every filtered column within the radius of a column played.
  std::vector<char> covered(static_cast<size_t>(space.size()), 0);
  std::vector<Word> around;
  for (Word w : words) {
    space.ball(w, radius, around);
    for (Word u : around)
      covered[static_cast<size_t>(u)] = 1;
    result.columns.push_back(columnOf(w));
  }
  for (Word w = 0; w < space.size(); ++w)
    if (targets[static_cast<size_t>(w)] && !covered[static_cast<size_t>(w)])
      return std::nullopt;
  return result;
}

} // namespace engine::systems
