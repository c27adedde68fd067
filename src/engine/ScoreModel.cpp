#include "engine/ScoreModel.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// Code of the window system can return with the upper halves of the vector
// registers in use; until they are cleared, every plain SSE instruction of the
// C library's exp() and of the fit pays for it (some 40 times slower on this
// machine once a window exists). Clearing them before the fit costs nothing.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) void clearUpperHalves() { __builtin_ia32_vzeroupper(); }
void freshVectorState()
{
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx)
    clearUpperHalves();
}
#else
void freshVectorState() {}
#endif

// How fast old jornadas lose weight, and how strongly the teams are pulled
// towards the average (the precision of a prior centred on it).
// Chosen on the 1ª and 2ª División seasons of 2012/13 to 2025/26 by the hit
// rate and ranked probability score from jornada 6 on.
constexpr double kDecayPerJornada = 0.01;
constexpr double kRidge = 15.0;
constexpr int kMaxGoals = 10;

// With a prior the low-score correction is fixed: fitting it gained nothing.
constexpr double kPriorRho = -0.1;

double poisson(int k, double lambda)
{
  double p = std::exp(-lambda);
  for (int i = 1; i <= k; ++i)
    p *= lambda / i;
  return p;
}

// The Dixon-Coles factor of a low score.
double tau(int x, int y, double lh, double la, double rho)
{
  if (x == 0 && y == 0)
    return 1 - lh * la * rho;
  if (x == 0 && y == 1)
    return 1 + lh * rho;
  if (x == 1 && y == 0)
    return 1 + la * rho;
  if (x == 1 && y == 1)
    return 1 - rho;
  return 1;
}

// Solves A x = b in place (A symmetric positive definite) by Cholesky; false
// when A is not.
bool solve(std::vector<double> &a, std::vector<double> &b, int n)
{
  for (int j = 0; j < n; ++j) {
    double d = a[j * n + j];
    for (int k = 0; k < j; ++k)
      d -= a[j * n + k] * a[j * n + k];
    if (d <= 1e-12)
      return false;
    d = std::sqrt(d);
    a[j * n + j] = d;
    for (int i = j + 1; i < n; ++i) {
      double s = a[i * n + j];
      for (int k = 0; k < j; ++k)
        s -= a[i * n + k] * a[j * n + k];
      a[i * n + j] = s / d;
    }
  }
  for (int i = 0; i < n; ++i) {
    double s = b[i];
    for (int k = 0; k < i; ++k)
      s -= a[i * n + k] * b[k];
    b[i] = s / a[i * n + i];
  }
  for (int i = n - 1; i >= 0; --i) {
    double s = b[i];
    for (int k = i + 1; k < n; ++k)
      s -= a[k * n + i] * b[k];
    b[i] = s / a[i * n + i];
  }
  return true;
}

} // namespace

char MatchProbabilities::sign() const
{
  if (home >= draw && home >= away)
    return '1';
  return draw >= away ? 'X' : '2';
}

namespace {

// Parameters: mu, home, attack 1..n, defence 1..n.
int parameterCount(int teams) { return 2 + 2 * teams; }

// Newton's method on the weighted Poisson log-likelihood of both sides' goals
// plus Gaussian penalties (precision[k] around centre[k]), from x.
void maximise(std::vector<double> &x, int teams, const std::vector<PlayedMatch> &matches,
              const std::vector<double> &weights, const std::vector<double> &precision,
              const std::vector<double> &centre)
{
  const int n = parameterCount(teams);
  for (int iteration = 0; iteration < 30; ++iteration) {
    std::vector<double> gradient(static_cast<size_t>(n), 0.0), hessian(static_cast<size_t>(n) * n, 0.0);
    // log λ is the sum of the signed parameters of the side (defences count against).
    for (size_t i = 0; i < matches.size(); ++i) {
      const PlayedMatch &p = matches[i];
      const int ah = 1 + p.home, dh = 1 + teams + p.home, aa = 1 + p.away, da = 1 + teams + p.away;
      const struct {
        int index[4];
        double sign[4];
        int used;
        int y;
      } sides[2] = {{{0, 1, ah, da}, {1, 1, 1, -1}, 4, p.homeGoals}, {{0, aa, dh, 0}, {1, 1, -1, 0}, 3, p.awayGoals}};
      for (const auto &side : sides) {
        double eta = 0;
        for (int a = 0; a < side.used; ++a)
          eta += side.sign[a] * x[side.index[a]];
        const double lambda = std::exp(eta);
        for (int a = 0; a < side.used; ++a) {
          gradient[side.index[a]] += weights[i] * side.sign[a] * (side.y - lambda);
          for (int b = 0; b < side.used; ++b)
            hessian[side.index[a] * n + side.index[b]] += weights[i] * side.sign[a] * side.sign[b] * lambda;
        }
      }
    }
    for (int k = 0; k < n; ++k) {
      gradient[k] -= precision[k] * (x[k] - centre[k]);
      hessian[k * n + k] += precision[k];
    }
    if (!solve(hessian, gradient, n))
      break;
    double step = 0;
    for (int k = 0; k < n; ++k) {
      x[k] += gradient[k];
      step = std::max(step, std::fabs(gradient[k]));
    }
    if (step < 1e-7)
      break;
  }
}

std::vector<PlayedMatch> matchesBefore(int teams, const std::vector<PlayedMatch> &all, int jornada)
{
  std::vector<PlayedMatch> matches;
  for (const PlayedMatch &p : all)
    if (p.jornada < jornada && p.home >= 1 && p.home <= teams && p.away >= 1 && p.away <= teams && p.home != p.away)
      matches.push_back(p);
  return matches;
}

} // namespace

void ScoreModel::take(const std::vector<double> &x)
{
  mu_ = x[0];
  home_ = x[1];
  for (int t = 1; t <= teams_; ++t) {
    attack_[t] = x[1 + t];
    defence_[t] = x[1 + teams_ + t];
  }
}

ScoreModel ScoreModel::fit(int teams, const std::vector<PlayedMatch> &all, int jornada)
{
  freshVectorState();
  ScoreModel m;
  teams = std::max(teams, 0);
  m.teams_ = teams;
  m.attack_.assign(static_cast<size_t>(teams) + 1, 0.0);
  m.defence_.assign(static_cast<size_t>(teams) + 1, 0.0);
  const std::vector<PlayedMatch> matches = matchesBefore(teams, all, jornada);
  if (matches.empty())
    return m;
  std::vector<double> weights;
  for (const PlayedMatch &p : matches)
    weights.push_back(std::exp(-kDecayPerJornada * (jornada - p.jornada)));

  const int n = parameterCount(teams);
  std::vector<double> x(static_cast<size_t>(n), 0.0);
  double goals = 0, weight = 0;
  for (size_t i = 0; i < matches.size(); ++i) {
    goals += weights[i] * (matches[i].homeGoals + matches[i].awayGoals);
    weight += 2 * weights[i];
  }
  x[0] = std::log(std::max(goals / weight, 0.2));
  x[1] = 0.2;
  // The ridge on attacks and defences, and a tiny one on the rest.
  std::vector<double> precision(static_cast<size_t>(n), kRidge), centre(static_cast<size_t>(n), 0.0);
  precision[0] = precision[1] = 1e-6;
  maximise(x, teams, matches, weights, precision, centre);
  m.take(x);
  // The low-score correction, by a search of its weighted likelihood. Only
  // the scores it corrects (0-0, 1-0, 0-1, 1-1) count: every other term is
  // log 1. Their expected goals do not change with rho.
  struct LowScore {
    int homeGoals, awayGoals;
    double lh, la, weight;
  };
  std::vector<LowScore> low;
  for (size_t i = 0; i < matches.size(); ++i) {
    const PlayedMatch &p = matches[i];
    if (p.homeGoals > 1 || p.awayGoals > 1)
      continue;
    low.push_back({p.homeGoals, p.awayGoals, std::exp(m.mu_ + m.home_ + m.attack_[p.home] - m.defence_[p.away]),
                   std::exp(m.mu_ + m.attack_[p.away] - m.defence_[p.home]), weights[i]});
  }
  auto logLikelihood = [&](double rho) {
    double sum = 0;
    for (const LowScore &l : low)
      sum += l.weight * std::log(std::max(tau(l.homeGoals, l.awayGoals, l.lh, l.la, rho), 1e-9));
    return sum;
  };
  double lo = -0.25, hi = 0.25;
  for (int i = 0; i < 40; ++i) {
    const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
    if (logLikelihood(m1) < logLikelihood(m2))
      lo = m1;
    else
      hi = m2;
  }
  m.rho_ = (lo + hi) / 2;
  return m;
}

ScoreModel ScoreModel::fit(int teams, const std::vector<PlayedMatch> &all, int jornada, const ModelPrior &prior)
{
  freshVectorState();
  ScoreModel m;
  teams = std::max(teams, 0);
  m.teams_ = teams;
  m.attack_.assign(static_cast<size_t>(teams) + 1, 0.0);
  m.defence_.assign(static_cast<size_t>(teams) + 1, 0.0);
  m.rho_ = kPriorRho;
  const int n = parameterCount(teams);
  auto at = [](const std::vector<double> &v, int t) { return t >= 1 && t < static_cast<int>(v.size()) ? v[t] : 0.0; };
  // A precision that is not positive (or not a number) would leave the
  // system singular: the least one is taken.
  auto firm = [](double p) { return p > 1e-6 ? p : 1e-6; };
  std::vector<double> centre(static_cast<size_t>(n)), precision(static_cast<size_t>(n), firm(prior.ratingPrecision));
  centre[0] = prior.goals;
  centre[1] = prior.home;
  precision[0] = precision[1] = firm(prior.levelPrecision);
  for (int t = 1; t <= teams; ++t) {
    centre[1 + t] = at(prior.attack, t);
    centre[1 + teams + t] = at(prior.defence, t);
  }
  std::vector<double> x = centre;
  const std::vector<PlayedMatch> matches = matchesBefore(teams, all, jornada);
  if (!matches.empty())
    maximise(x, teams, matches, std::vector<double>(matches.size(), 1.0), precision, centre);
  m.take(x);
  return m;
}

double ScoreModel::attack(int team) const
{
  return team >= 1 && team < static_cast<int>(attack_.size()) ? attack_[team] : 0.0;
}

double ScoreModel::defence(int team) const
{
  return team >= 1 && team < static_cast<int>(defence_.size()) ? defence_[team] : 0.0;
}

MatchProbabilities ScoreModel::predict(int home, int away) const
{
  MatchProbabilities p;
  auto at = [](const std::vector<double> &v, int t) { return t >= 1 && t < static_cast<int>(v.size()) ? v[t] : 0.0; };
  const double lh = std::exp(mu_ + home_ + at(attack_, home) - at(defence_, away));
  const double la = std::exp(mu_ + at(attack_, away) - at(defence_, home));
  double total = 0;
  for (int x = 0; x <= kMaxGoals; ++x) {
    for (int y = 0; y <= kMaxGoals; ++y) {
      const double q = poisson(x, lh) * poisson(y, la) * std::max(tau(x, y, lh, la, rho_), 0.0);
      total += q;
      (x > y ? p.home : x == y ? p.draw : p.away) += q;
      p.homeGoals[std::min(x, 3)] += q;
      p.awayGoals[std::min(y, 3)] += q;
    }
  }
  if (total > 0) {
    p.home /= total, p.draw /= total, p.away /= total;
    for (int k = 0; k < 4; ++k)
      p.homeGoals[k] /= total, p.awayGoals[k] /= total;
  }
  return p;
}

double rankedProbabilityScore(const MatchProbabilities &p, char result)
{
  const double o1 = result == '1', ox = result == 'X';
  const double c1 = p.home - o1, c2 = p.home + p.draw - o1 - ox;
  return (c1 * c1 + c2 * c2) / 2;
}

} // namespace engine
