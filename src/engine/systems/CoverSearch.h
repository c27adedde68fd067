#pragma once
// Searches for small coverings: a set of words such that every target word
// lies in the ball of one of them. The greedy the program has always used,
// and a tabu search (after Östergård's for covering codes) that moves one
// codeword at a time onto a word covering an uncovered target, to repair a
// covering one word smaller than the last one found.

#include "engine/systems/MixedSpace.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace engine::systems {

class CoverProblem {
public:
  // Balls of `radius` changed coordinates, centred anywhere in the space; the
  // targets are every word, or those marked (one flag per word).
  CoverProblem(const MixedSpace &space, int radius, std::vector<char> targets = {});
  // The matrix method: words of F_q^k, each covering itself and its sums with
  // the nonzero multiples of the given columns (k digits each, below q).
  static CoverProblem quotient(int q, int k, const std::vector<std::vector<int>> &columns);

  const MixedSpace &space() const { return space_; }
  int radius() const { return radius_; }
  Word size() const { return space_.size(); }
  int degree() const { return degree_; }
  bool isTarget(Word x) const { return targets_.empty() || targets_[static_cast<size_t>(x)]; }
  Word targetCount() const { return targetCount_; }
  // The ball of x: what x covers, and equally the words that cover x.
  std::span<const Word> ball(Word x, std::vector<Word> &scratch) const;
  // The words one coordinate away from x: the small moves of a codeword.
  std::span<const Word> steps(Word x, std::vector<Word> &scratch) const;

private:
  CoverProblem() = default;
  MixedSpace space_;
  int radius_ = 1;
  int degree_ = 1;
  std::vector<char> targets_;
  Word targetCount_ = 0;
  std::vector<Word> balls_; // size * degree, when kept; otherwise each ball is enumerated when asked
};

// Small and reproducible: the same seed gives the same words on every machine.
class SearchRandom {
public:
  explicit SearchRandom(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  std::uint64_t next()
  {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform enough below n (n > 0).
  std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>((next() >> 32) * n >> 32); }

private:
  std::uint64_t state_;
};

struct SearchProgress {
  std::int64_t steps = 0;     // tabu moves made so far
  std::int64_t stepLimit = 0; // and allowed
  std::int64_t work = 0;      // the squares of the balls moved so far (SearchLimits::maxWork)
  std::int64_t workLimit = 0; // and allowed (0: no bound)
  int bestSize = 0;           // words of the smallest covering found so far (0: none yet)
};

// What bounds a search: moves, a time, and the caller, who sees the progress
// now and then and may stop it by returning false.
struct SearchLimits {
  std::uint64_t seed = 1;
  std::int64_t maxSteps = 1'000'000;
  // A move costs about the square of the ball's size (13 to 21 words at
  // guarantee 13, 50 to 200 at 12): when not 0, moves stop once their squares
  // add up to this, so that one budget takes a like time at both guarantees
  // and gives the same words on any machine.
  std::int64_t maxWork = 0;
  int tabuLength = 0; // moves a word taken out stays out; 0: by the size of the space
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
  std::function<bool(const SearchProgress &)> progress;
  std::function<void(const std::vector<Word> &)> found; // each smaller covering, as it is reached
  // Set from another thread (the window's Cancel): the search stops at its
  // next look at the clock and gives the smallest covering it had; the greedy
  // stops after the pass it is in.
  const std::atomic<bool> *cancel = nullptr;
  bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
};

// The greedy of earlier versions: the classic largest-gain greedy where the
// problem is small enough, and greedy passes in random orders; redundant
// words dropped; the smallest result. With `cancel` set, no pass after the
// first is begun.
std::vector<Word> greedyCover(const CoverProblem &problem, const std::atomic<bool> *cancel = nullptr);

// A covering of exactly `count` words reached from `start` (cut or padded),
// or nothing within the limits.
std::vector<Word> tabuCover(const CoverProblem &problem, std::vector<Word> start, int count, const SearchLimits &limits,
                            bool *found);

// From a covering, coverings one word smaller each time, for as long as the
// limits allow; the smallest covering reached (the start when none).
std::vector<Word> shrinkCover(const CoverProblem &problem, std::vector<Word> cover, const SearchLimits &limits);

// True when every target is in the ball of one of the words.
bool coversTargets(const CoverProblem &problem, const std::vector<Word> &words);

} // namespace engine::systems
