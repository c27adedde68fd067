#include "engine/Systems.h"

#include "engine/systems/Reduction.h"

#include <algorithm>

namespace engine {

namespace {

constexpr qint64 kLargestReduction = 3 * 3 * 3 * 3 * 3 * 3 * 3 * 3 * 3 * 3; // 59049 direct columns

int signIndex(char c) { return c == '1' ? 0 : c == 'X' ? 1 : c == '2' ? 2 : -1; }

// The system's variable matches: where each sits and which signs it has.
struct Space {
  Column fixed{};                  // the singles, and the first sign elsewhere
  std::vector<int> positions;      // matches with two or three signs
  std::vector<QString> signs;      // their signs
  qint64 size = 1;

  explicit Space(const System &s)
  {
    for (int m = 0; m < kMatches; ++m) {
      fixed[m] = s[m].isEmpty() ? '1' : s[m][0].toLatin1();
      if (s[m].size() > 1) {
        positions.push_back(m);
        signs.push_back(s[m]);
        size *= s[m].size();
      }
    }
  }
  // Word w (mixed radix, the first variable match slowest) as digits.
  std::vector<int> digits(qint64 w) const
  {
    std::vector<int> d(positions.size());
    for (int i = static_cast<int>(positions.size()) - 1; i >= 0; --i) {
      d[i] = static_cast<int>(w % signs[i].size());
      w /= signs[i].size();
    }
    return d;
  }
  qint64 word(const std::vector<int> &d) const
  {
    qint64 w = 0;
    for (size_t i = 0; i < positions.size(); ++i)
      w = w * signs[i].size() + d[i];
    return w;
  }
  Column column(qint64 w) const
  {
    Column c = fixed;
    const std::vector<int> d = digits(w);
    for (size_t i = 0; i < positions.size(); ++i)
      c[positions[i]] = signs[i][d[i]].toLatin1();
    return c;
  }
  std::optional<qint64> wordOf(const Column &c) const
  {
    for (int m = 0; m < kMatches; ++m)
      if (std::find(positions.begin(), positions.end(), m) == positions.end() && c[m] != fixed[m])
        return std::nullopt;
    std::vector<int> d(positions.size());
    for (size_t i = 0; i < positions.size(); ++i) {
      d[i] = static_cast<int>(signs[i].indexOf(QChar(c[positions[i]])));
      if (d[i] < 0)
        return std::nullopt;
    }
    return word(d);
  }
  // Every word within `radius` changed matches of w.
  void ball(qint64 w, int radius, std::vector<qint64> &out) const
  {
    out.clear();
    std::vector<int> d = digits(w);
    out.push_back(w);
    const int n = static_cast<int>(positions.size());
    for (int i = 0; i < n && radius >= 1; ++i) {
      const int keepI = d[i];
      for (int a = 0; a < signs[i].size(); ++a) {
        if (a == keepI)
          continue;
        d[i] = a;
        out.push_back(word(d));
        for (int j = i + 1; j < n && radius >= 2; ++j) {
          const int keepJ = d[j];
          for (int b = 0; b < signs[j].size(); ++b) {
            if (b == keepJ)
              continue;
            d[j] = b;
            out.push_back(word(d));
          }
          d[j] = keepJ;
        }
      }
      d[i] = keepI;
    }
  }
};

} // namespace

std::optional<System> parseSystem(const QString &text)
{
  const QStringList parts = text.split(u',');
  if (parts.size() != kMatches)
    return std::nullopt;
  System s;
  for (int m = 0; m < kMatches; ++m) {
    QString signs;
    for (QChar c : parts[m].trimmed().toUpper()) {
      const int i = signIndex(c.toLatin1());
      if (i < 0 || signs.contains(c))
        return std::nullopt;
      signs += c;
    }
    if (signs.isEmpty())
      return std::nullopt;
    // Kept in the order 1, X, 2.
    std::sort(signs.begin(), signs.end(), [](QChar a, QChar b) { return signIndex(a.toLatin1()) < signIndex(b.toLatin1()); });
    s[m] = signs;
  }
  return s;
}

std::optional<Column> parseColumn(const QString &text)
{
  if (text.size() != kMatches)
    return std::nullopt;
  Column c{};
  for (int m = 0; m < kMatches; ++m) {
    const char s = text[m].toUpper().toLatin1();
    if (signIndex(s) < 0)
      return std::nullopt;
    c[m] = s;
  }
  return c;
}

QString columnText(const Column &column)
{
  return QString::fromLatin1(column.data(), kMatches);
}

qint64 directCount(const System &system)
{
  return Space(system).size;
}

std::vector<Column> directColumns(const System &system)
{
  const Space space(system);
  std::vector<Column> out;
  out.reserve(static_cast<size_t>(space.size));
  for (qint64 w = 0; w < space.size; ++w)
    out.push_back(space.column(w));
  return out;
}

bool keepsGuarantee(const System &system, const std::vector<Column> &columns, int guarantee)
{
  const Space space(system);
  const int radius = kMatches - guarantee;
  if (radius < 0 || space.size > 3 * kLargestReduction)
    return false;
  std::vector<char> covered(static_cast<size_t>(space.size), 0);
  std::vector<qint64> around;
  for (const Column &c : columns) {
    // A column outside the system still covers the direct columns near it.
    Column inside = c;
    int away = 0;
    for (int m = 0; m < kMatches; ++m) {
      if (!system[m].contains(QChar(c[m]))) {
        inside[m] = space.fixed[m];
        ++away;
      }
    }
    if (away > radius)
      continue;
    const std::optional<qint64> w = space.wordOf(inside);
    if (!w)
      continue;
    space.ball(*w, radius - away, around);
    for (qint64 u : around)
      covered[u] = 1;
  }
  return std::all_of(covered.begin(), covered.end(), [](char c) { return c != 0; });
}

std::optional<std::vector<Column>> reduce(const System &system, int guarantee)
{
  return reduce(system, guarantee, engine::systems::interactiveLimits());
}

std::optional<std::vector<Column>> reduce(const System &system, int guarantee,
                                          const engine::systems::SearchLimits &limits)
{
  const Space space(system);
  const int radius = kMatches - guarantee;
  if (radius < 0 || radius > 2 || space.size > kLargestReduction)
    return std::nullopt;
  // The searches work on the variable matches alone, numbered as Space numbers them.
  std::vector<int> radices;
  for (const QString &s : space.signs)
    radices.push_back(static_cast<int>(s.size()));
  const std::vector<engine::systems::Word> words = engine::systems::reduceSpace(
      engine::systems::MixedSpace(radices), radius, engine::systems::installedCodeTable(), limits);
  std::vector<Column> columns;
  for (engine::systems::Word w : words)
    columns.push_back(space.column(w));
  if (columns.empty() || !keepsGuarantee(system, columns, guarantee))
    return std::nullopt;
  return columns;
}

int hits(const Column &column, const Column &result)
{
  int n = 0;
  for (int m = 0; m < kMatches; ++m)
    n += column[m] == result[m];
  return n;
}

QString category(int hits)
{
  return hits >= 10 ? QString::number(hits) : QStringLiteral("-");
}

std::array<double, 6> prizeChances(const std::vector<Column> &columns, const SignProbabilities &p)
{
  std::array<double, 6> chances{};
  if (columns.empty()) {
    chances[5] = 1;
    return chances;
  }
  // Matches where every column has the same sign: their hits are common to
  // all columns and counted by their distribution; the others are enumerated.
  std::vector<int> common, varying;
  for (int m = 0; m < kMatches; ++m) {
    const bool same = std::all_of(columns.begin(), columns.end(), [&](const Column &c) { return c[m] == columns[0][m]; });
    (same ? common : varying).push_back(m);
  }
  if (varying.size() > 13)
    return chances; // beyond what is enumerated exactly here
  std::vector<double> commonHits(kMatches + 1, 0.0);
  commonHits[0] = 1;
  for (int m : common) {
    const double q = p[m][signIndex(columns[0][m])];
    for (int k = kMatches; k >= 0; --k)
      commonHits[k] = commonHits[k] * (1 - q) + (k > 0 ? commonHits[k - 1] * q : 0);
  }
  // Every outcome of the varying matches, and how far the nearest column is
  // from it: a search outwards from the columns, one changed match a step.
  const int v = static_cast<int>(varying.size());
  qint64 outcomes = 1;
  for (int i = 0; i < v; ++i)
    outcomes *= 3;
  std::vector<signed char> distance(static_cast<size_t>(outcomes), -1);
  std::vector<qint64> queue;
  queue.reserve(static_cast<size_t>(outcomes));
  for (const Column &c : columns) {
    qint64 w = 0;
    for (int m : varying)
      w = w * 3 + signIndex(c[m]);
    if (distance[w] < 0) {
      distance[w] = 0;
      queue.push_back(w);
    }
  }
  std::vector<qint64> power(static_cast<size_t>(v), 1);
  for (int i = v - 2; i >= 0; --i)
    power[i] = power[i + 1] * 3;
  for (size_t head = 0; head < queue.size(); ++head) {
    const qint64 w = queue[head];
    for (int i = 0; i < v; ++i) {
      const int digit = static_cast<int>(w / power[i] % 3);
      for (int other = 0; other < 3; ++other) {
        if (other == digit)
          continue;
        const qint64 u = w + (other - digit) * power[i];
        if (distance[u] < 0) {
          distance[u] = static_cast<signed char>(distance[w] + 1);
          queue.push_back(u);
        }
      }
    }
  }
  for (qint64 o = 0; o < outcomes; ++o) {
    double weight = 1;
    for (int i = 0; i < v; ++i)
      weight *= p[varying[i]][o / power[i] % 3];
    if (weight == 0)
      continue;
    const int best = v - distance[o];
    for (int k = 0; k <= kMatches; ++k) {
      if (commonHits[k] == 0)
        continue;
      const int total = std::min(k + best, kMatches);
      chances[total >= 10 ? kMatches - total : 5] += weight * commonHits[k];
    }
  }
  return chances;
}

} // namespace engine
