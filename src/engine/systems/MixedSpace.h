#pragma once
// The words of a pools system's variable matches: each coordinate a triple
// (3 signs) or a double (2), a word numbered in mixed radix with the first
// coordinate slowest. Covering codes, their checks and their searches all
// work on these numbers.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine::systems {

using Word = std::int32_t;

class MixedSpace {
public:
  MixedSpace() = default;
  // Radices of 2 or 3; more than 14 coordinates, or another radix, gives the empty space.
  explicit MixedSpace(std::vector<int> radices);
  // `triples` coordinates of radix 3 first, then `doubles` of radix 2.
  static MixedSpace ofShape(int triples, int doubles);

  int length() const { return static_cast<int>(radices_.size()); }
  const std::vector<int> &radices() const { return radices_; }
  int radix(int i) const { return radices_[static_cast<std::size_t>(i)]; }
  Word size() const { return size_; }
  bool valid() const { return size_ > 0; }
  int triples() const;

  int digit(Word w, int i) const { return static_cast<int>(w / strides_[static_cast<std::size_t>(i)] % radices_[static_cast<std::size_t>(i)]); }
  std::vector<int> digits(Word w) const;
  // Nothing-checked inverse of digits(); the caller keeps each digit below its radix.
  Word word(const std::vector<int> &digits) const;
  Word withDigit(Word w, int i, int value) const { return w + (value - digit(w, i)) * strides_[static_cast<std::size_t>(i)]; }
  int distance(Word a, Word b) const;

  // Every word within `radius` changed coordinates of w: w first, then the
  // changes of the first coordinate (with their changes of later ones), and so on.
  void ball(Word w, int radius, std::vector<Word> &out) const;
  int ballSize(int radius) const;

private:
  void ballFrom(Word w, const int *digits, int from, int radius, std::vector<Word> &out) const;
  std::vector<int> radices_;
  std::vector<Word> strides_;
  Word size_ = 0;
};

// True when every word of the space is within `radius` of one of the words
// (which must all lie in the space).
bool coversSpace(const MixedSpace &space, int radius, const std::vector<Word> &words);

} // namespace engine::systems
