#pragma once
// Reducción condicionada: a system filtered by what the week should look
// like (how many X, how many 2, how many variants, how often the sign
// changes from one match to the next, the longest run of one sign), the
// columns left reduced with a guarantee over themselves, and the model's
// exact chance that the real result looks like that.

#include "engine/systems/CoverSearch.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace engine::systems {

constexpr int kMatches = 14;
using Column = std::array<char, kMatches>;                      // '1', 'X' or '2' per match
using SignSets = std::array<QString, kMatches>;                 // the signs played in each match, in the order 1, X, 2
using SignProbabilities = std::array<std::array<double, 3>, kMatches>; // P(1), P(X), P(2) of each match

struct CountRange {
  int min = 0, max = kMatches;
  bool contains(int v) const { return v >= min && v <= max; }
  bool operator==(const CountRange &) const = default;
};

struct Conditions {
  CountRange draws{0, kMatches};             // X
  CountRange aways{0, kMatches};             // 2
  CountRange variants{0, kMatches};          // X and 2 together
  CountRange interruptions{0, kMatches - 1}; // changes of sign from one match to the next
  CountRange longestRun{1, kMatches};        // the most matches in a row with one sign
  // True when some condition leaves a column out.
  bool restricts() const;
  // True when every range lies within what a column of 14 matches can have and none is empty.
  bool valid() const;
  bool accepts(const Column &column) const;
  bool operator==(const Conditions &) const = default;
};

// What the conditions look at in one column.
struct ColumnFigure {
  int draws = 0, aways = 0, interruptions = 0, longestRun = 0;
};
ColumnFigure figureOf(const Column &column);

// The chance that a result drawn match by match with these probabilities
// meets the conditions (exact, over the 3^14 results); with `within`, that
// it meets them and each of its signs is among those played.
double conditionsChance(const Conditions &conditions, const SignProbabilities &p, const SignSets *within = nullptr);

// Conditions around the forecast figure ("Figura Media (VX2)": the expected
// number of variants, of X and of 2 of the coupon): each value rounded to the
// nearest whole number, give or take `margin`, within 0..14. The changes of
// sign and the runs are left open.
Conditions conditionsFromFigure(double variants, double draws, double aways, int margin);

struct ConditionedSystem {
  std::int64_t direct = 0;     // columns of the system
  std::int64_t filtered = 0;   // of those, the ones meeting the conditions
  std::vector<Column> columns; // to play: every filtered column within 14 - guarantee signs of one of them
};

// Columns and their word numbers among the system's direct columns cover at
// most this many direct columns (as the reductions without conditions).
constexpr std::int64_t kLargestConditioned = 59049;

// Nothing for a bad system or guarantee, or a system of more direct columns
// than kLargestConditioned. The columns are checked before they are returned.
std::optional<ConditionedSystem> reduceConditioned(const SignSets &system, int guarantee, const Conditions &conditions,
                                                   const SearchLimits &limits);

} // namespace engine::systems
