#include "engine/systems/CodeBuilder.h"

#include <algorithm>

namespace engine::systems {

namespace {

std::int64_t wholeSize(int t, int d)
{
  std::int64_t n = 1;
  for (int i = 0; i < t; ++i)
    n *= 3;
  return n << d;
}

bool fits(int t, int d) { return t >= 0 && d >= 0 && t + d <= 14; }

} // namespace

std::optional<CoveringCode> perfectCode(int triples, int doubles, int radius)
{
  CoveringCode code;
  code.triples = triples;
  code.doubles = doubles;
  code.radius = radius;
  const MixedSpace space = code.space();
  if (triples == 4 && doubles == 0 && radius == 1) {
    for (int a = 0; a < 3; ++a)
      for (int b = 0; b < 3; ++b)
        code.words.push_back(space.word({a, b, (a + b) % 3, (a + 2 * b) % 3}));
  } else if (triples == 0 && doubles == 7 && radius == 1) {
    for (int m = 0; m < 16; ++m) {
      const int d1 = m & 1, d2 = (m >> 1) & 1, d3 = (m >> 2) & 1, d4 = (m >> 3) & 1;
      code.words.push_back(space.word({d1 ^ d2 ^ d4, d1 ^ d3 ^ d4, d1, d2 ^ d3 ^ d4, d2, d3, d4}));
    }
  } else if (triples == 0 && radius >= 1 && doubles == 2 * radius + 1) {
    code.words = {0, space.size() - 1};
  } else {
    return std::nullopt;
  }
  std::sort(code.words.begin(), code.words.end());
  return code;
}

CodeBuilder::CodeBuilder(const CodeTable &table) : table_(table)
{
  for (int r = 0; r <= kLargestRadius; ++r)
    for (int t = 0; t <= 14; ++t)
      for (int d = 0; fits(t, d); ++d) {
        Best &b = at(t, d, r);
        b = {wholeSize(t, d), Recipe::Whole};
        if (r > 0 && t + d <= r)
          b = {1, Recipe::One};
        if (const std::optional<CoveringCode> p = perfectCode(t, d, r); p && p->size() < b.size)
          b = {p->size(), Recipe::Perfect};
        if (const CoveringCode *c = r > 0 ? table.find(t, d, r) : nullptr; c && c->size() < b.size)
          b = {c->size(), Recipe::Table};
      }
  // Until nothing gets smaller: sums of smaller shapes, and codes of a match more cut down.
  for (bool changed = true; changed;) {
    changed = false;
    auto offer = [&changed](Best &b, std::int64_t size, Recipe recipe, int t1 = 0, int d1 = 0, int r1 = 0) {
      if (size > 0 && size < b.size) {
        b = {size, recipe, static_cast<std::int8_t>(t1), static_cast<std::int8_t>(d1), static_cast<std::int8_t>(r1)};
        changed = true;
      }
    };
    for (int n = 1; n <= 14; ++n)
      for (int t = 0; t <= n; ++t) {
        const int d = n - t;
        for (int r = 1; r <= kLargestRadius; ++r) {
          Best &b = at(t, d, r);
          for (int t1 = 0; t1 <= t; ++t1)
            for (int d1 = 0; d1 <= d; ++d1) {
              if (t1 + d1 == 0 || t1 + d1 == n)
                continue;
              for (int r1 = 0; r1 <= r; ++r1)
                offer(b, at(t1, d1, r1).size * at(t - t1, d - d1, r - r1).size, Recipe::Sum, t1, d1, r1);
            }
          if (d > 0)
            offer(b, at(t + 1, d - 1, r).size, Recipe::TripleAsDouble);
          if (n < 14) {
            offer(b, at(t + 1, d, r).size, Recipe::DropTriple);
            offer(b, at(t, d + 1, r).size, Recipe::DropDouble);
          }
        }
      }
  }
}

std::int64_t CodeBuilder::size(int triples, int doubles, int radius) const
{
  if (!fits(triples, doubles) || radius < 0)
    return 0;
  return at(triples, doubles, std::min(radius, kLargestRadius)).size;
}

std::vector<std::vector<int>> CodeBuilder::words(int t, int d, int r) const
{
  const Best &b = at(t, d, r);
  std::vector<std::vector<int>> out;
  const MixedSpace space = MixedSpace::ofShape(t, d);
  auto unique = [](std::vector<std::vector<int>> &w) {
    std::sort(w.begin(), w.end());
    w.erase(std::unique(w.begin(), w.end()), w.end());
  };
  switch (b.recipe) {
  case Recipe::Whole:
    for (Word w = 0; w < space.size(); ++w)
      out.push_back(space.digits(w));
    break;
  case Recipe::One:
    out.push_back(std::vector<int>(static_cast<size_t>(t + d), 0));
    break;
  case Recipe::Table:
  case Recipe::Perfect: {
    const std::optional<CoveringCode> perfect = b.recipe == Recipe::Perfect ? perfectCode(t, d, r) : std::nullopt;
    const CoveringCode *code = b.recipe == Recipe::Table ? table_.find(t, d, r) : &*perfect;
    for (Word w : code->words)
      out.push_back(space.digits(w));
    break;
  }
  case Recipe::Sum: {
    const int t1 = b.t1, d1 = b.d1, r1 = b.r1;
    const auto first = words(t1, d1, r1), second = words(t - t1, d - d1, r - r1);
    for (const auto &a : first)
      for (const auto &c : second) {
        std::vector<int> w(a.begin(), a.begin() + t1);
        w.insert(w.end(), c.begin(), c.begin() + (t - t1));
        w.insert(w.end(), a.begin() + t1, a.end());
        w.insert(w.end(), c.begin() + (t - t1), c.end());
        out.push_back(std::move(w));
      }
    break;
  }
  case Recipe::TripleAsDouble:
    // The last triple becomes the first double; its third sign reads as the first.
    out = words(t + 1, d - 1, r);
    for (auto &w : out)
      w[static_cast<size_t>(t)] = w[static_cast<size_t>(t)] == 2 ? 0 : w[static_cast<size_t>(t)];
    unique(out);
    break;
  case Recipe::DropTriple:
    out = words(t + 1, d, r);
    for (auto &w : out)
      w.erase(w.begin() + t);
    unique(out);
    break;
  case Recipe::DropDouble:
    out = words(t, d + 1, r);
    for (auto &w : out)
      w.pop_back();
    unique(out);
    break;
  }
  return out;
}

std::optional<CoveringCode> CodeBuilder::build(int triples, int doubles, int radius, Word largestSpace) const
{
  if (!fits(triples, doubles) || radius < 0 || radius > kLargestRadius || wholeSize(triples, doubles) > largestSpace)
    return std::nullopt;
  CoveringCode code;
  code.triples = triples;
  code.doubles = doubles;
  code.radius = radius;
  const MixedSpace space = code.space();
  for (const std::vector<int> &w : words(triples, doubles, radius))
    code.words.push_back(space.word(w));
  std::sort(code.words.begin(), code.words.end());
  code.words.erase(std::unique(code.words.begin(), code.words.end()), code.words.end());
  if (!coversSpace(space, radius, code.words))
    return std::nullopt;
  return code;
}

} // namespace engine::systems
