#pragma once
// Covering codes of any shape (triples, doubles, radius) put together from
// the table's codes and the perfect codes, by the classic constructions:
//   - a direct sum: the words of two codes side by side cover with the sum
//     of their radii (with the whole space of some matches, radius 0, this is
//     the direct product K(t) * 3^a * 2^b);
//   - a triple read as a double: the third sign of a code's triple turned
//     into one of the double's two signs never moves a word further away;
//   - a match dropped from every word keeps the radius.
// The smallest size each shape can reach this way is worked out for every
// shape at once, and the code built for the shape asked for.

#include "engine/systems/CodeTable.h"

#include <array>
#include <cstdint>
#include <optional>

namespace engine::systems {

class CodeBuilder {
public:
  static constexpr int kLargestRadius = 3;

  explicit CodeBuilder(const CodeTable &table);

  // Words of the smallest code of the shape these constructions give (the
  // direct system for radius 0); 0 for a shape beyond 14 matches.
  std::int64_t size(int triples, int doubles, int radius) const;
  // The code itself, checked; nothing when it is larger than `largestSpace` words of space.
  std::optional<CoveringCode> build(int triples, int doubles, int radius, Word largestSpace = CodeTable::kLargestSpace) const;

private:
  enum class Recipe : std::uint8_t { Whole, One, Table, Perfect, Sum, TripleAsDouble, DropTriple, DropDouble };
  struct Best {
    std::int64_t size = 0;
    Recipe recipe = Recipe::Whole;
    // For a sum: the first part's shape and radius (the second is the rest).
    std::int8_t t1 = 0, d1 = 0, r1 = 0;
  };
  const Best &at(int t, int d, int r) const { return best_[static_cast<size_t>(r)][static_cast<size_t>(t)][static_cast<size_t>(d)]; }
  Best &at(int t, int d, int r) { return best_[static_cast<size_t>(r)][static_cast<size_t>(t)][static_cast<size_t>(d)]; }
  // Words as digit lists, the triples' digits first.
  std::vector<std::vector<int>> words(int t, int d, int r) const;

  const CodeTable &table_;
  std::array<std::array<std::array<Best, 15>, 15>, kLargestRadius + 1> best_{};
};

// The perfect codes the program knows without a table: the ternary Hamming
// code of 4 triples (9 words), the binary one of 7 doubles (16), and the
// binary repetition codes of 2r + 1 doubles (2 words, radius r).
std::optional<CoveringCode> perfectCode(int triples, int doubles, int radius);

} // namespace engine::systems
