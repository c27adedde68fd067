#pragma once
// A probability model of the score of a match, fitted on a division's results
// before a jornada: each team's attack and defence and the home advantage of a
// Poisson model of the goals of each side (fitted by Newton's method with a
// ridge that pulls teams towards the average while little is known, recent
// jornadas weighing more), and the Dixon-Coles correction of the low scores.

#include <array>
#include <vector>

namespace forecast {

struct PlayedMatch {
  int home = 0, away = 0; // team numbers 1..teams
  int homeGoals = 0, awayGoals = 0;
  int jornada = 0;
  bool operator==(const PlayedMatch &) const = default;
};

struct MatchProbabilities {
  double home = 0, draw = 0, away = 0; // P(1), P(X), P(2)
  // P(0), P(1), P(2), P(3 or more) goals of each side: the pleno al 15.
  std::array<double, 4> homeGoals{}, awayGoals{};
  // The most likely sign, "1", "X" or "2".
  char sign() const;
};

class ScoreModel {
public:
  // Fitted on the matches before `jornada` (later ones are ignored).
  static ScoreModel fit(int teams, const std::vector<PlayedMatch> &matches, int jornada);
  MatchProbabilities predict(int home, int away) const;

  double homeAdvantage() const { return home_; }
  double rho() const { return rho_; }

private:
  int teams_ = 0;
  double mu_ = 0.3, home_ = 0.25, rho_ = 0;
  std::vector<double> attack_, defence_; // by team number, slot 0 unused
};

// Ranked probability score of one match: 0 for a certain right forecast.
double rankedProbabilityScore(const MatchProbabilities &p, char result);

} // namespace forecast
