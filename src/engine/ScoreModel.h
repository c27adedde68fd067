#pragma once
// A probability model of the score of a match, fitted on a division's results
// before a jornada: each team's attack and defence and the home advantage of a
// Poisson model of the goals of each side, and the Dixon-Coles correction of
// the low scores.
//
// Two ways to fit it. Without a past, by Newton's method with a ridge that
// pulls teams towards the average while little is known, recent jornadas
// weighing more, and the low-score correction searched on the results. With
// a prior carried over from the season before (SeasonPrior.h), every match of
// the season weighs the same, the ratings are pulled towards the prior's
// instead of towards the average, and the low-score correction is fixed.

#include <array>
#include <vector>

namespace engine {

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

// What the model believes of a division before its first match: the log goal
// level of an away side, the home advantage, and each team's attack and
// defence (by team number, slot 0 unused), as log factors of the goals.
struct ModelPrior {
  double goals = 0, home = 0;
  std::vector<double> attack, defence;
  // How firmly the fit is held to it: the precision (one over the variance)
  // of each rating, and of the goal level and of the home advantage. 40 on a
  // rating is a standard deviation of about 0.16, worth some 30 matches.
  double ratingPrecision = 40, levelPrecision = 1000;
};

class ScoreModel {
public:
  // Fitted on the matches before `jornada` (later ones are ignored).
  static ScoreModel fit(int teams, const std::vector<PlayedMatch> &matches, int jornada);
  // The same, pulled towards a prior instead of the average. A prior whose
  // ratings do not cover every team counts the missing ones as average.
  static ScoreModel fit(int teams, const std::vector<PlayedMatch> &matches, int jornada, const ModelPrior &prior);
  MatchProbabilities predict(int home, int away) const;

  double homeAdvantage() const { return home_; }
  double rho() const { return rho_; }
  double goalLevel() const { return mu_; }
  int teams() const { return teams_; }
  // 0 outside 1..teams.
  double attack(int team) const;
  double defence(int team) const;

private:
  void take(const std::vector<double> &parameters); // mu, home, attacks, defences
  int teams_ = 0;
  double mu_ = 0.3, home_ = 0.25, rho_ = 0;
  std::vector<double> attack_, defence_; // by team number, slot 0 unused
};

// Ranked probability score of one match: 0 for a certain right forecast.
double rankedProbabilityScore(const MatchProbabilities &p, char result);

} // namespace engine
