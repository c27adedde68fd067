#include "engine/systems/CoverSearch.h"

#include <QRandomGenerator>
#include <algorithm>
#include <limits>
#include <numeric>

namespace engine::systems {

namespace {

// Balls are listed once when they fit in this many words (16 MB); beyond, each is enumerated when asked.
constexpr std::int64_t kKeptBallWords = 4'000'000;

} // namespace

CoverProblem::CoverProblem(const MixedSpace &space, int radius, std::vector<char> targets)
    : space_(space), radius_(std::max(0, radius)), targets_(std::move(targets))
{
  if (!targets_.empty() && static_cast<Word>(targets_.size()) != space_.size())
    targets_.assign(static_cast<size_t>(space_.size()), 1);
  degree_ = space_.ballSize(radius_);
  targetCount_ = targets_.empty() ? space_.size() : static_cast<Word>(std::count(targets_.begin(), targets_.end(), 1));
  if (static_cast<std::int64_t>(space_.size()) * degree_ <= kKeptBallWords) {
    balls_.reserve(static_cast<size_t>(space_.size()) * static_cast<size_t>(degree_));
    std::vector<Word> around;
    for (Word w = 0; w < space_.size(); ++w) {
      space_.ball(w, radius_, around);
      balls_.insert(balls_.end(), around.begin(), around.end());
    }
  }
}

CoverProblem CoverProblem::quotient(int q, int k, const std::vector<std::vector<int>> &columns)
{
  CoverProblem p;
  p.space_ = MixedSpace(std::vector<int>(static_cast<size_t>(std::max(0, k)), q));
  p.targetCount_ = p.space_.size();
  // A zero column, or a multiple of another, adds nothing: a ball lists each word once.
  std::vector<std::vector<int>> distinct;
  std::vector<char> seen(static_cast<size_t>(p.space_.size()), 0);
  for (const std::vector<int> &h : columns) {
    std::vector<int> digits(static_cast<size_t>(k), 0);
    for (size_t i = 0; i < digits.size() && i < h.size(); ++i)
      digits[i] = ((h[i] % q) + q) % q;
    const Word w = p.space_.word(digits);
    if (w == 0 || seen[static_cast<size_t>(w)])
      continue;
    distinct.push_back(digits);
    for (int a = 1; a < q; ++a) {
      std::vector<int> multiple(digits);
      for (int &v : multiple)
        v = v * a % q;
      seen[static_cast<size_t>(p.space_.word(multiple))] = 1;
    }
  }
  p.degree_ = 1 + (q - 1) * static_cast<int>(distinct.size());
  p.balls_.reserve(static_cast<size_t>(p.space_.size()) * static_cast<size_t>(p.degree_));
  for (Word w = 0; w < p.space_.size(); ++w) {
    const std::vector<int> d = p.space_.digits(w);
    p.balls_.push_back(w);
    for (const std::vector<int> &h : distinct)
      for (int a = 1; a < q; ++a) {
        std::vector<int> sum(d);
        for (size_t i = 0; i < sum.size(); ++i)
          sum[i] = (sum[i] + a * (i < h.size() ? h[i] : 0)) % q;
        p.balls_.push_back(p.space_.word(sum));
      }
  }
  return p;
}

std::span<const Word> CoverProblem::ball(Word x, std::vector<Word> &scratch) const
{
  if (!balls_.empty())
    return {balls_.data() + static_cast<size_t>(x) * static_cast<size_t>(degree_), static_cast<size_t>(degree_)};
  space_.ball(x, radius_, scratch);
  return scratch;
}

std::span<const Word> CoverProblem::steps(Word x, std::vector<Word> &scratch) const
{
  space_.ball(x, 1, scratch);
  return std::span<const Word>(scratch).subspan(1);
}

bool coversTargets(const CoverProblem &problem, const std::vector<Word> &words)
{
  std::vector<char> covered(static_cast<size_t>(problem.size()), 0);
  std::vector<Word> scratch;
  for (Word w : words) {
    if (w < 0 || w >= problem.size())
      return false;
    for (Word u : problem.ball(w, scratch))
      covered[static_cast<size_t>(u)] = 1;
  }
  for (Word x = 0; x < problem.size(); ++x)
    if (problem.isTarget(x) && !covered[static_cast<size_t>(x)])
      return false;
  return true;
}

namespace {

// Codewords whose every target around is covered by another one are dropped.
void dropRedundant(const CoverProblem &p, std::vector<Word> &code, std::vector<int> &cover)
{
  std::vector<Word> scratch;
  for (size_t i = code.size(); i-- > 0;) {
    const auto around = p.ball(code[i], scratch);
    if (std::all_of(around.begin(), around.end(),
                    [&](Word u) { return !p.isTarget(u) || cover[static_cast<size_t>(u)] >= 2; })) {
      for (Word u : around)
        --cover[static_cast<size_t>(u)];
      code.erase(code.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

// Each time the word that covers most of what is left.
std::vector<Word> maxCoverCode(const CoverProblem &p)
{
  std::vector<Word> a, b;
  std::vector<int> gain(static_cast<size_t>(p.size()), 0), cover(static_cast<size_t>(p.size()), 0);
  for (Word w = 0; w < p.size(); ++w)
    for (Word u : p.ball(w, a))
      gain[static_cast<size_t>(w)] += p.isTarget(u);
  std::vector<Word> code;
  for (;;) {
    const auto most = std::max_element(gain.begin(), gain.end());
    if (*most <= 0)
      break;
    const Word pick = static_cast<Word>(most - gain.begin());
    code.push_back(pick);
    for (Word u : p.ball(pick, a)) {
      if (cover[static_cast<size_t>(u)]++ > 0 || !p.isTarget(u))
        continue;
      for (Word v : p.ball(u, b)) // u is no longer there to cover
        --gain[static_cast<size_t>(v)];
    }
  }
  dropRedundant(p, code, cover);
  return code;
}

} // namespace

std::vector<Word> greedyCover(const CoverProblem &p, const std::atomic<bool> *cancel)
{
  std::vector<Word> best;
  if (double(p.size()) * p.degree() * p.degree() < 6e7)
    best = maxCoverCode(p);
  QRandomGenerator random(1414); // the same columns for the same system, every time
  const int tries = p.size() <= 6561 ? 24 : 4;
  std::vector<Word> order;
  order.reserve(static_cast<size_t>(p.targetCount()));
  for (Word w = 0; w < p.size(); ++w)
    if (p.isTarget(w))
      order.push_back(w);
  std::vector<Word> a, b;
  for (int t = 0; t < tries; ++t) {
    if (!best.empty() && cancel && cancel->load(std::memory_order_relaxed))
      break;
    std::vector<int> cover(static_cast<size_t>(p.size()), 0);
    std::vector<Word> code;
    if (t > 0)
      std::shuffle(order.begin(), order.end(), random);
    for (Word w : order) {
      if (cover[static_cast<size_t>(w)] > 0)
        continue;
      // Of the words around the uncovered one, the one that covers most.
      Word pick = w;
      int gain = -1;
      for (Word candidate : p.ball(w, a)) {
        int g = 0;
        for (Word u : p.ball(candidate, b))
          g += cover[static_cast<size_t>(u)] == 0 && p.isTarget(u);
        if (g > gain) {
          gain = g;
          pick = candidate;
        }
      }
      code.push_back(pick);
      for (Word u : p.ball(pick, b))
        ++cover[static_cast<size_t>(u)];
    }
    dropRedundant(p, code, cover);
    if (best.empty() || code.size() < best.size())
      best = code;
  }
  return best;
}

namespace {

// A set of distinct codewords with, for every word, how many cover it (and
// the sum of their numbers, which names the codeword when there is one), for
// every codeword the targets it alone covers, and the targets nobody covers.
class CoverState {
public:
  explicit CoverState(const CoverProblem &p)
      : p_(p), count_(static_cast<size_t>(p.size()), 0), sum_(static_cast<size_t>(p.size()), 0),
        alone_(static_cast<size_t>(p.size()), 0), codeAt_(static_cast<size_t>(p.size()), -1),
        openAt_(static_cast<size_t>(p.size()), -1), byAlone_(static_cast<size_t>(p.degree()) + 1),
        bucketAt_(static_cast<size_t>(p.size()), -1)
  {
    for (Word x = 0; x < p.size(); ++x)
      if (p.isTarget(x))
        openAdd(x);
  }
  bool isCode(Word w) const { return codeAt_[static_cast<size_t>(w)] >= 0; }
  int count(Word w) const { return count_[static_cast<size_t>(w)]; }
  // The codeword covering w, when exactly one does.
  Word coverer(Word w) const { return static_cast<Word>(sum_[static_cast<size_t>(w)]); }
  int alone(Word c) const { return alone_[static_cast<size_t>(c)]; }
  // The codewords that alone cover fewest targets, and how many that is.
  int fewestAlone() const
  {
    size_t a = 0;
    while (a + 1 < byAlone_.size() && byAlone_[a].empty())
      ++a;
    return static_cast<int>(a);
  }
  const std::vector<Word> &aloneCovering(int a) const { return byAlone_[static_cast<size_t>(a)]; }
  const std::vector<Word> &code() const { return code_; }
  const std::vector<Word> &open() const { return open_; }
  void add(Word y)
  {
    if (isCode(y))
      return;
    codeAt_[static_cast<size_t>(y)] = static_cast<int>(code_.size());
    code_.push_back(y);
    bucketAdd(y);
    for (Word z : p_.ball(y, scratch_)) {
      const size_t i = static_cast<size_t>(z);
      if (p_.isTarget(z)) {
        if (count_[i] == 0) {
          openRemove(z);
          changeAlone(y, 1);
        } else if (count_[i] == 1) {
          changeAlone(static_cast<Word>(sum_[i]), -1);
        }
      }
      ++count_[i];
      sum_[i] += y;
    }
  }
  void remove(Word s)
  {
    const int at = codeAt_[static_cast<size_t>(s)];
    if (at < 0)
      return;
    code_[static_cast<size_t>(at)] = code_.back();
    codeAt_[static_cast<size_t>(code_.back())] = at;
    code_.pop_back();
    codeAt_[static_cast<size_t>(s)] = -1;
    bucketRemove(s);
    for (Word z : p_.ball(s, scratch_)) {
      const size_t i = static_cast<size_t>(z);
      --count_[i];
      sum_[i] -= s;
      if (p_.isTarget(z)) {
        if (count_[i] == 0) {
          openAdd(z);
          --alone_[static_cast<size_t>(s)];
        } else if (count_[i] == 1) {
          changeAlone(static_cast<Word>(sum_[i]), 1);
        }
      }
    }
  }

private:
  // A codeword sits in the bucket of its lone targets.
  void bucketAdd(Word c)
  {
    std::vector<Word> &b = byAlone_[static_cast<size_t>(alone_[static_cast<size_t>(c)])];
    bucketAt_[static_cast<size_t>(c)] = static_cast<int>(b.size());
    b.push_back(c);
  }
  void bucketRemove(Word c)
  {
    std::vector<Word> &b = byAlone_[static_cast<size_t>(alone_[static_cast<size_t>(c)])];
    const int i = bucketAt_[static_cast<size_t>(c)];
    b[static_cast<size_t>(i)] = b.back();
    bucketAt_[static_cast<size_t>(b.back())] = i;
    b.pop_back();
    bucketAt_[static_cast<size_t>(c)] = -1;
  }
  void changeAlone(Word c, int by)
  {
    bucketRemove(c);
    alone_[static_cast<size_t>(c)] += by;
    bucketAdd(c);
  }
  void openAdd(Word x)
  {
    openAt_[static_cast<size_t>(x)] = static_cast<int>(open_.size());
    open_.push_back(x);
  }
  void openRemove(Word x)
  {
    const int i = openAt_[static_cast<size_t>(x)];
    open_[static_cast<size_t>(i)] = open_.back();
    openAt_[static_cast<size_t>(open_.back())] = i;
    open_.pop_back();
    openAt_[static_cast<size_t>(x)] = -1;
  }
  const CoverProblem &p_;
  std::vector<int> count_;
  std::vector<std::int64_t> sum_;
  std::vector<int> alone_, codeAt_, openAt_;
  std::vector<std::vector<Word>> byAlone_;
  std::vector<int> bucketAt_;
  std::vector<Word> code_, open_;
  std::vector<Word> scratch_;
};

// Each move takes an uncovered target x and puts a codeword on a word y of
// its ball: of all pairs (codeword, y), the one leaving fewest targets
// uncovered, ties at random. A word taken out may not come back for a while.
class Tabu {
public:
  Tabu(const CoverProblem &p, const SearchLimits &limits)
      : p_(p), limits_(limits), random_(limits.seed), tabuUntil_(static_cast<size_t>(p.size()), 0),
        shared_(static_cast<size_t>(p.size()), 0)
  {
  }

  SearchRandom &random() { return random_; }
  void setBest(int size) { bestSize_ = size; }

  // Moves codewords until every target is covered; false when the limits end it first.
  bool repair(CoverState &s)
  {
    while (!s.open().empty()) {
      if (steps_ >= limits_.maxSteps || (limits_.maxWork > 0 && work_ >= limits_.maxWork) || stopped_ || s.code().empty())
        return false;
      if ((steps_ & 63) == 0 && !keepGoing())
        return false;
      step(s);
    }
    return true;
  }

  // The clock, a cancel and the caller every 64 moves and whenever a covering
  // is found: at 12 a search makes only a thousand moves or so.
  bool keepGoing()
  {
    if (std::chrono::steady_clock::now() >= limits_.deadline || limits_.cancelled())
      stopped_ = true;
    else if (limits_.progress && !limits_.progress({steps_, limits_.maxSteps, work_, limits_.maxWork, bestSize_}))
      stopped_ = true;
    return !stopped_;
  }

private:
  void consider(int delta, Word c, Word y, int &bestDelta, int &ties, Word &out, Word &in)
  {
    if (delta < bestDelta) {
      bestDelta = delta;
      ties = 1;
      out = c;
      in = y;
    } else if (delta == bestDelta && random_.below(static_cast<std::uint32_t>(++ties)) == 0) {
      out = c;
      in = y;
    }
  }

  void step(CoverState &s)
  {
    const Word x = s.open()[random_.below(static_cast<std::uint32_t>(s.open().size()))];
    // The codewords whose loss costs least, wherever they are.
    const int cheapest = s.fewestAlone();
    const std::vector<Word> &cheap = s.aloneCovering(cheapest);
    int bestDelta = std::numeric_limits<int>::max(), ties = 0;
    Word out = -1, in = -1;
    const auto aroundX = p_.ball(x, scratchX_);
    for (Word y : aroundX) {
      if (s.isCode(y) || tabuUntil_[static_cast<size_t>(y)] > steps_)
        continue;
      // What y would newly cover, and which codewords' lone targets it takes over.
      int gain = 0;
      near_.clear();
      for (Word z : p_.ball(y, scratchY_)) {
        if (!p_.isTarget(z))
          continue;
        if (s.count(z) == 0) {
          ++gain;
        } else if (s.count(z) == 1) {
          const Word c = s.coverer(z);
          if (shared_[static_cast<size_t>(c)]++ == 0)
            near_.push_back(c);
        }
      }
      for (Word c : near_) {
        consider(s.alone(c) - shared_[static_cast<size_t>(c)] - gain, c, y, bestDelta, ties, out, in);
        shared_[static_cast<size_t>(c)] = 0;
      }
      if (cheapest - gain <= bestDelta && !cheap.empty()) {
        const Word c = cheap[random_.below(static_cast<std::uint32_t>(cheap.size()))];
        if (std::find(near_.begin(), near_.end(), c) == near_.end())
          consider(cheapest - gain, c, y, bestDelta, ties, out, in);
      }
    }
    if (out < 0) {
      // Every word around x is taboo: any codeword goes to x itself.
      out = s.code()[random_.below(static_cast<std::uint32_t>(s.code().size()))];
      in = x;
    }
    s.remove(out);
    s.add(in);
    ++steps_;
    work_ += std::int64_t(p_.degree()) * p_.degree();
    tabuUntil_[static_cast<size_t>(out)] = steps_ + tabuLength();
  }

  // Long enough to leave a valley, short enough to keep most of a small space open.
  std::int64_t tabuLength() const
  {
    return limits_.tabuLength > 0 ? limits_.tabuLength : std::clamp<std::int64_t>(p_.size() / 16, 2, 40);
  }

  const CoverProblem &p_;
  const SearchLimits &limits_;
  SearchRandom random_;
  std::vector<std::int64_t> tabuUntil_;
  std::vector<int> shared_;
  std::vector<Word> near_;
  std::int64_t steps_ = 0, work_ = 0;
  int bestSize_ = 0;
  bool stopped_ = false;
  std::vector<Word> scratchX_, scratchY_;
};

// The codeword whose loss uncovers the fewest targets (ties at random).
Word cheapestCodeword(const CoverState &s, SearchRandom &random)
{
  const std::vector<Word> &cheap = s.aloneCovering(s.fewestAlone());
  return cheap[random.below(static_cast<std::uint32_t>(cheap.size()))];
}

void fill(CoverState &s, const CoverProblem &p, std::vector<Word> start, int count, SearchRandom &random)
{
  std::sort(start.begin(), start.end());
  start.erase(std::unique(start.begin(), start.end()), start.end());
  for (Word w : start)
    if (w >= 0 && w < p.size() && static_cast<int>(s.code().size()) < count)
      s.add(w);
  while (static_cast<int>(s.code().size()) < count && static_cast<Word>(s.code().size()) < p.size())
    s.add(static_cast<Word>(random.below(static_cast<std::uint32_t>(p.size()))));
}

} // namespace

std::vector<Word> tabuCover(const CoverProblem &problem, std::vector<Word> start, int count, const SearchLimits &limits,
                            bool *found)
{
  CoverState s(problem);
  Tabu tabu(problem, limits);
  fill(s, problem, std::move(start), std::max(1, count), tabu.random());
  const bool ok = tabu.repair(s);
  if (found)
    *found = ok;
  std::vector<Word> words = s.code();
  std::sort(words.begin(), words.end());
  return words;
}

std::vector<Word> shrinkCover(const CoverProblem &problem, std::vector<Word> cover, const SearchLimits &limits)
{
  std::sort(cover.begin(), cover.end());
  cover.erase(std::unique(cover.begin(), cover.end()), cover.end());
  if (cover.size() <= 1 || !coversTargets(problem, cover))
    return cover;
  CoverState s(problem);
  Tabu tabu(problem, limits);
  for (Word w : cover)
    s.add(w);
  std::vector<Word> best = cover;
  tabu.setBest(static_cast<int>(best.size()));
  while (s.code().size() > 1) {
    s.remove(cheapestCodeword(s, tabu.random()));
    if (!tabu.repair(s))
      break;
    best = s.code();
    tabu.setBest(static_cast<int>(best.size()));
    if (limits.found)
      limits.found(best);
    if (!tabu.keepGoing())
      break;
  }
  std::sort(best.begin(), best.end());
  return best;
}

} // namespace engine::systems
