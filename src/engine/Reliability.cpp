#include "engine/Reliability.h"

#include "season/SeasonFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace engine {

std::optional<Reliability> reliability(const std::vector<SeasonSource> &sources, int from,
                                       const std::function<bool(int, int)> &progress)
{
  SeasonChain chain;
  Reliability r;
  r.pooledModel[0].division = 1;
  r.pooledModel[1].division = 2;
  // Read every season first, to know the work in jornadas: each division's
  // jornadas count twice, for the valuation and for the model.
  std::vector<std::optional<season::Season>> seasons;
  std::vector<std::array<std::optional<ModelPrior>, 2>> priors;
  int total = 0;
  for (const SeasonSource &source : sources) {
    SeasonReliability s;
    s.file = QFileInfo(source.path).fileName();
    std::optional<season::Season> season = source.inMemory;
    if (!season)
      season = season::readSeasonFile(source.path, &s.error);
    std::array<std::optional<ModelPrior>, 2> p{};
    if (season) {
      p = chain.priorsFor(source.path, *season, &s.previousFile);
      for (int d = 1; d <= 2; ++d)
        total += season->teamCount(d) >= 2 ? 2 * jornadasToPlay(*season, d, from) : 0;
    }
    seasons.push_back(std::move(season));
    priors.push_back(p);
    r.seasons.push_back(s);
  }
  int done = 0;
  auto step = [&](int d, int j) { return !progress || progress(d + j, total); };
  for (size_t i = 0; i < seasons.size(); ++i) {
    if (!seasons[i])
      continue;
    SeasonReliability &s = r.seasons[i];
    const std::optional<std::vector<DivisionValuationBacktest>> valuation =
        backtestValuation(*seasons[i], from, [&](int j, int) { return step(done, j); });
    if (!valuation)
      return std::nullopt;
    s.valuation = *valuation;
    for (const DivisionValuationBacktest &d : s.valuation) {
      done += static_cast<int>(d.curve.size());
      r.pooledValuation[static_cast<size_t>(d.division - 1)].add(d.score);
    }
    if (!step(done, 0))
      return std::nullopt;
    s.model = backtestModel(*seasons[i], from, priors[i]);
    for (const DivisionModelBacktest &d : s.model) {
      done += static_cast<int>(d.curve.size());
      DivisionModelBacktest &pooled = r.pooledModel[static_cast<size_t>(d.division - 1)];
      pooled.withPrior = pooled.withPrior || d.withPrior;
      pooled.tally.add(d.tally);
      for (size_t k = 0; k < pooled.calibration.size(); ++k) {
        pooled.calibration[k].chances += d.calibration[k].chances;
        pooled.calibration[k].happened += d.calibration[k].happened;
        pooled.calibration[k].predicted += d.calibration[k].predicted;
      }
    }
  }
  if (progress && !progress(total, total))
    return std::nullopt;
  return r;
}

QStringList seasonFiles(const QString &folder)
{
  static const QRegularExpression name(QStringLiteral("^Edato(\\d+)\\.txt$"));
  QStringList files;
  for (const QString &f : QDir(folder).entryList({QStringLiteral("Edato*.txt")}, QDir::Files)) {
    if (name.match(f).hasMatch())
      files << QDir(folder).filePath(f);
  }
  // Oldest first: by the season's two digits ("Edato99.txt" is 1998/99).
  auto year = [](const QString &path) {
    const int digits = name.match(QFileInfo(path).fileName()).captured(1).toInt();
    return digits > 90 ? 1900 + digits : 2000 + digits;
  };
  std::sort(files.begin(), files.end(), [&](const QString &a, const QString &b) { return year(a) < year(b); });
  return files;
}

} // namespace engine
