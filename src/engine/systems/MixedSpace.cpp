#include "engine/systems/MixedSpace.h"

#include <algorithm>

namespace engine::systems {

MixedSpace::MixedSpace(std::vector<int> radices)
{
  if (radices.size() > 14 || std::any_of(radices.begin(), radices.end(), [](int r) { return r != 2 && r != 3; }))
    return;
  radices_ = std::move(radices);
  strides_.assign(radices_.size(), 1);
  size_ = 1;
  for (size_t i = radices_.size(); i-- > 0;) {
    strides_[i] = size_;
    size_ *= radices_[i];
  }
}

MixedSpace MixedSpace::ofShape(int triples, int doubles)
{
  if (triples < 0 || doubles < 0 || triples + doubles > 14)
    return {};
  std::vector<int> r(static_cast<size_t>(triples), 3);
  r.insert(r.end(), static_cast<size_t>(doubles), 2);
  return MixedSpace(std::move(r));
}

int MixedSpace::triples() const
{
  return static_cast<int>(std::count(radices_.begin(), radices_.end(), 3));
}

std::vector<int> MixedSpace::digits(Word w) const
{
  std::vector<int> d(radices_.size());
  for (int i = 0; i < length(); ++i)
    d[static_cast<size_t>(i)] = digit(w, i);
  return d;
}

Word MixedSpace::word(const std::vector<int> &digits) const
{
  Word w = 0;
  for (size_t i = 0; i < radices_.size() && i < digits.size(); ++i)
    w += digits[i] * strides_[i];
  return w;
}

int MixedSpace::distance(Word a, Word b) const
{
  int d = 0;
  for (int i = 0; i < length(); ++i)
    d += digit(a, i) != digit(b, i);
  return d;
}

void MixedSpace::ballFrom(Word w, const int *digits, int from, int radius, std::vector<Word> &out) const
{
  // Coordinates from `from` on are still those of the centre, whose digits are given.
  for (int i = from; i < length(); ++i) {
    const int keep = digits[i];
    const Word stride = strides_[static_cast<std::size_t>(i)];
    for (int a = 0; a < radices_[static_cast<std::size_t>(i)]; ++a) {
      if (a == keep)
        continue;
      const Word u = w + (a - keep) * stride;
      out.push_back(u);
      if (radius > 1)
        ballFrom(u, digits, i + 1, radius - 1, out);
    }
  }
}

void MixedSpace::ball(Word w, int radius, std::vector<Word> &out) const
{
  out.clear();
  out.push_back(w);
  if (radius <= 0)
    return;
  int digits[14];
  for (int i = 0; i < length(); ++i)
    digits[i] = digit(w, i);
  ballFrom(w, digits, 0, radius, out);
}

int MixedSpace::ballSize(int radius) const
{
  // Words at exactly k changes: the sum over k-sets of coordinates of the product of (radix - 1).
  std::vector<long long> exactly(static_cast<size_t>(length()) + 1, 0);
  exactly[0] = 1;
  for (int r : radices_)
    for (size_t k = exactly.size() - 1; k > 0; --k)
      exactly[k] += exactly[k - 1] * (r - 1);
  long long total = 0;
  for (int k = 0; k <= std::min(radius, length()); ++k)
    total += exactly[static_cast<size_t>(k)];
  return static_cast<int>(total);
}

bool coversSpace(const MixedSpace &space, int radius, const std::vector<Word> &words)
{
  if (!space.valid() || radius < 0)
    return false;
  std::vector<char> covered(static_cast<size_t>(space.size()), 0);
  Word left = space.size();
  std::vector<Word> around;
  for (Word w : words) {
    if (w < 0 || w >= space.size())
      return false;
    space.ball(w, radius, around);
    for (Word u : around)
      if (!covered[static_cast<size_t>(u)]) {
        covered[static_cast<size_t>(u)] = 1;
        --left;
      }
  }
  return left == 0;
}

} // namespace engine::systems
