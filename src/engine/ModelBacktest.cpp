#include "engine/ModelBacktest.h"

#include <QFileInfo>
#include <algorithm>

namespace engine {

namespace {

char signOf(const PlayedMatch &m)
{
  return m.homeGoals > m.awayGoals ? '1' : m.homeGoals == m.awayGoals ? 'X' : '2';
}

void addCalibration(Calibration &to, const Calibration &from)
{
  for (size_t k = 0; k < to.size(); ++k) {
    to[k].chances += from[k].chances;
    to[k].happened += from[k].happened;
    to[k].predicted += from[k].predicted;
  }
}

void addChance(Calibration &c, double chance, bool happened)
{
  const int k = std::clamp(static_cast<int>(chance * 10), 0, 9);
  ++c[k].chances;
  c[k].happened += happened;
  c[k].predicted += chance;
}

} // namespace

void ModelTally::add(const ModelTally &o)
{
  matches += o.matches;
  right += o.right;
  homeWins += o.homeWins;
  draws += o.draws;
  rankedProbabilityScore += o.rankedProbabilityScore;
  alwaysHomeScore += o.alwaysHomeScore;
}

int jornadasToPlay(const season::Season &season, int division, int from)
{
  const int last = std::min(season.storedJornada(division), season.jornadaCount(division));
  return std::max(0, last - std::max(from, 1) + 1);
}

std::vector<DivisionModelBacktest> backtestModel(const season::Season &season, int from,
                                                 const std::array<std::optional<ModelPrior>, 2> &priors)
{
  std::vector<DivisionModelBacktest> result;
  MatchProbabilities alwaysHome;
  alwaysHome.home = 1;
  for (int d = 1; d <= 2; ++d) {
    const int n = season.teamCount(d);
    if (n < 2)
      continue;
    DivisionModelBacktest div;
    div.division = d;
    const std::optional<ModelPrior> &prior = priors[d - 1];
    div.withPrior = prior.has_value();
    const std::vector<PlayedMatch> played = playedMatches(season, d);
    const int first = std::max(from, 1);
    const int last = first + jornadasToPlay(season, d, from) - 1;
    for (int j = first; j <= last; ++j) {
      std::vector<const PlayedMatch *> jornada;
      for (const PlayedMatch &m : played)
        if (m.jornada == j)
          jornada.push_back(&m);
      if (!jornada.empty()) {
        const ScoreModel model = prior ? ScoreModel::fit(n, played, j, *prior) : ScoreModel::fit(n, played, j);
        for (const PlayedMatch *m : jornada) {
          const char real = signOf(*m);
          const MatchProbabilities p = model.predict(m->home, m->away);
          ModelTally &t = div.tally;
          ++t.matches;
          t.right += p.sign() == real;
          t.homeWins += real == '1';
          t.draws += real == 'X';
          t.rankedProbabilityScore += rankedProbabilityScore(p, real);
          t.alwaysHomeScore += rankedProbabilityScore(alwaysHome, real);
          addChance(div.calibration, p.home, real == '1');
          addChance(div.calibration, p.draw, real == 'X');
          addChance(div.calibration, p.away, real == '2');
        }
      }
      div.curve.push_back({j, div.tally.matches, div.tally.right, div.tally.homeWins});
    }
    result.push_back(std::move(div));
  }
  return result;
}

std::optional<SeasonsModelBacktest> backtestSeasons(const QStringList &paths, int from,
                                                    const std::function<bool(int, int)> &progress)
{
  SeasonChain chain;
  std::vector<std::optional<SeasonWithPast>> seasons;
  SeasonsModelBacktest result;
  int total = 0;
  for (const QString &path : paths) {
    SeasonModelBacktest s;
    s.file = QFileInfo(path).fileName();
    seasons.push_back(chain.load(path, &s.error));
    if (seasons.back()) {
      s.previousFile = seasons.back()->previousFile;
      for (int d = 1; d <= 2; ++d)
        total += seasons.back()->season.teamCount(d) >= 2 ? jornadasToPlay(seasons.back()->season, d, from) : 0;
    }
    result.seasons.push_back(s);
  }
  result.pooled[0].division = 1;
  result.pooled[1].division = 2;
  int done = 0;
  for (size_t i = 0; i < seasons.size(); ++i) {
    if (!seasons[i])
      continue;
    if (progress && !progress(done, total))
      return std::nullopt;
    result.seasons[i].divisions = backtestModel(seasons[i]->season, from, seasons[i]->priors);
    for (const DivisionModelBacktest &d : result.seasons[i].divisions) {
      done += static_cast<int>(d.curve.size());
      DivisionModelBacktest &pooled = result.pooled[d.division - 1];
      pooled.withPrior = pooled.withPrior || d.withPrior;
      pooled.tally.add(d.tally);
      addCalibration(pooled.calibration, d.calibration);
    }
  }
  if (progress && !progress(total, total))
    return std::nullopt;
  return result;
}

} // namespace engine
