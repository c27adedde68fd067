#include "engine/SeasonPrior.h"

#include "season/SeasonFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace engine {

namespace {

// How far a newcomer's seed is pulled from the teams it replaces towards the
// average: a promoted side is not as weak as the ones that went down, and a
// side up from the third tier not as weak as the ones that dropped into it.
constexpr double kPromotedShare = 0.65;
constexpr double kRelegatedShare = 0.65;
constexpr double kFromBelowShare = 0.35;

// A season without a past ends with its teams pulled this firmly towards the
// average (a standard deviation of about 0.26), its goal level and home
// advantage left to the results.
constexpr double kFirstSeasonPrecision = 15.0;
constexpr double kFreeLevel = 1e-6;

// Every match of a season, for its final fit.
constexpr int kAfterEveryJornada = 1000;

int indexOf(const QStringList &names, const QString &name) { return static_cast<int>(names.indexOf(name)); }

// The mean rating of the teams of `ratings` that pass.
template <typename Pass> std::pair<double, double> meanOf(const DivisionRatings &ratings, Pass pass)
{
  double attack = 0, defence = 0;
  int count = 0;
  for (int i = 0; i < ratings.names.size() && i < static_cast<int>(ratings.attack.size()) &&
                  i < static_cast<int>(ratings.defence.size());
       ++i) {
    if (!pass(ratings.names[i]))
      continue;
    attack += ratings.attack[i];
    defence += ratings.defence[i];
    ++count;
  }
  return count ? std::pair(attack / count, defence / count) : std::pair(0.0, 0.0);
}

} // namespace

DivisionRatings ratingsOf(const ScoreModel &model, const QStringList &names)
{
  DivisionRatings r;
  r.names = names;
  double attack = 0, defence = 0;
  for (int t = 1; t <= names.size(); ++t) {
    r.attack.push_back(model.attack(t));
    r.defence.push_back(model.defence(t));
    attack += r.attack.back();
    defence += r.defence.back();
  }
  if (!names.isEmpty()) {
    attack /= names.size();
    defence /= names.size();
  }
  for (double &a : r.attack)
    a -= attack;
  for (double &d : r.defence)
    d -= defence;
  r.goals = model.goalLevel() + attack - defence;
  r.home = model.homeAdvantage();
  return r;
}

std::optional<ModelPrior> seedPrior(const std::array<QStringList, 2> &teams, int division, const SeasonRatings &previous)
{
  if (division != 1 && division != 2)
    return std::nullopt;
  const std::optional<DivisionRatings> &before = previous.divisions[division - 1];
  const QStringList &names = teams[division - 1];
  if (!before || names.isEmpty())
    return std::nullopt;
  const DivisionRatings empty;
  const DivisionRatings &first = previous.divisions[0] ? *previous.divisions[0] : empty;
  const DivisionRatings &second = previous.divisions[1] ? *previous.divisions[1] : empty;
  auto in = [](const QStringList &list) { return [&list](const QString &name) { return list.contains(name); }; };

  // The seed of a team not in the division last season.
  std::pair<double, double> newcomer[2]; // [0]: from the other division, [1]: from below
  if (division == 1) {
    const auto down = meanOf(first, [&](const QString &name) { return !teams[0].contains(name); });
    newcomer[0] = newcomer[1] = {kPromotedShare * down.first, kPromotedShare * down.second};
  } else {
    const auto up = meanOf(second, in(teams[0]));
    const auto out = meanOf(second, [&](const QString &name) { return !teams[0].contains(name) && !teams[1].contains(name); });
    newcomer[0] = {kRelegatedShare * up.first, kRelegatedShare * up.second};
    newcomer[1] = {kFromBelowShare * out.first, kFromBelowShare * out.second};
  }
  const DivisionRatings &other = division == 1 ? second : first;

  ModelPrior prior;
  prior.goals = before->goals;
  prior.home = before->home;
  prior.attack.assign(static_cast<size_t>(names.size()) + 1, 0.0);
  prior.defence.assign(static_cast<size_t>(names.size()) + 1, 0.0);
  double attack = 0, defence = 0;
  for (int t = 1; t <= names.size(); ++t) {
    const int i = indexOf(before->names, names[t - 1]);
    if (i >= 0 && i < static_cast<int>(before->attack.size()) && i < static_cast<int>(before->defence.size())) {
      prior.attack[t] = before->attack[i];
      prior.defence[t] = before->defence[i];
    } else {
      // In 1ª every newcomer counts as promoted: one from nowhere is unknown
      // to 2ª as well.
      const auto &seed = newcomer[division == 1 || other.names.contains(names[t - 1]) ? 0 : 1];
      prior.attack[t] = seed.first;
      prior.defence[t] = seed.second;
    }
    attack += prior.attack[t];
    defence += prior.defence[t];
  }
  for (int t = 1; t <= names.size(); ++t) {
    prior.attack[t] -= attack / names.size();
    prior.defence[t] -= defence / names.size();
  }
  return prior;
}

QStringList teamNames(const season::Season &season, int division)
{
  QStringList names;
  for (int t = 1; t <= season.teamCount(division) && t <= season::kMaxTeams; ++t)
    names << season.name(division, t);
  return names;
}

std::vector<PlayedMatch> playedMatches(const season::Season &season, int division)
{
  std::vector<PlayedMatch> matches;
  const int n = std::min(season.teamCount(division), season::kMaxTeams);
  for (int h = 1; h <= n; ++h) {
    for (int a = 1; a <= n; ++a) {
      const QString cell = season.cell(division, h, a);
      auto digit = [&cell](int i) { return cell[i] >= u'0' && cell[i] <= u'9' ? cell[i].unicode() - u'0' : -1; };
      if (cell.size() == 4 && digit(0) >= 0 && digit(1) >= 0 && digit(2) >= 0 && digit(3) >= 0)
        matches.push_back({h, a, digit(2), digit(3), digit(0) * 10 + digit(1)});
    }
  }
  return matches;
}

QString previousSeasonPath(const QString &path)
{
  const QFileInfo info(path);
  const QString name = info.fileName();
  const QString prefix = QStringLiteral("Edato"), suffix = QStringLiteral(".txt");
  if (!name.startsWith(prefix) || !name.endsWith(suffix))
    return QString();
  const QString digits = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.isEmpty() || digits.size() > 4 ||
      !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
    return QString();
  const int number = digits.toInt();
  if (number <= 0)
    return QString();
  return info.dir().filePath(QStringLiteral("Edato%1.txt").arg(number - 1, digits.size(), 10, QChar(u'0')));
}

ScoreModel modelFor(const season::Season &season, int division, int jornada, const std::optional<ModelPrior> &prior)
{
  const int n = std::min(season.teamCount(division), season::kMaxTeams);
  const std::vector<PlayedMatch> played = playedMatches(season, division);
  return prior ? ScoreModel::fit(n, played, jornada, *prior) : ScoreModel::fit(n, played, jornada);
}

std::array<std::optional<ModelPrior>, 2> SeasonChain::priorsFor(const QString &path, const season::Season &season,
                                                               QString *previousFile)
{
  std::array<std::optional<ModelPrior>, 2> priors;
  if (previousFile)
    previousFile->clear();
  const QString before = previousSeasonPath(QFileInfo(path).absoluteFilePath());
  if (before.isEmpty() || !QFileInfo::exists(before))
    return priors;
  const Link &previous = link(before);
  if (!previous.season)
    return priors;
  const std::array<QStringList, 2> names = {teamNames(season, 1), teamNames(season, 2)};
  for (int d = 1; d <= 2; ++d)
    priors[d - 1] = seedPrior(names, d, previous.ratings);
  if (previousFile && (priors[0] || priors[1]))
    *previousFile = QFileInfo(before).fileName();
  return priors;
}

std::optional<SeasonWithPast> SeasonChain::load(const QString &path, QString *error)
{
  const Link &l = link(path);
  if (!l.season && error)
    *error = l.error;
  return l.season;
}

const SeasonChain::Link &SeasonChain::link(const QString &path)
{
  const QString key = QFileInfo(path).absoluteFilePath();
  if (const auto found = links_.find(key); found != links_.end())
    return found->second;
  // Back to the first season not yet fitted whose file is there; the names
  // count down, so the walk ends.
  std::vector<QString> pending{key};
  for (QString before = previousSeasonPath(key); !before.isEmpty() && !links_.count(before) && QFileInfo::exists(before);
       before = previousSeasonPath(before))
    pending.push_back(before);
  // Then forward, each season seeded from the one before.
  for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
    Link l;
    const std::optional<season::Season> read = season::readSeasonFile(*it, &l.error);
    if (read) {
      SeasonWithPast s{*read, QString(), {}};
      const std::array<QStringList, 2> names = {teamNames(*read, 1), teamNames(*read, 2)};
      const QString before = previousSeasonPath(*it);
      const auto previous = before.isEmpty() ? links_.end() : links_.find(before);
      if (previous != links_.end() && previous->second.season) {
        for (int d = 1; d <= 2; ++d)
          s.priors[d - 1] = seedPrior(names, d, previous->second.ratings);
        if (s.priors[0] || s.priors[1])
          s.previousFile = QFileInfo(before).fileName();
      }
      for (int d = 1; d <= 2; ++d) {
        const int n = static_cast<int>(names[d - 1].size());
        const std::vector<PlayedMatch> played = playedMatches(*read, d);
        if (n < 2 || (!s.priors[d - 1] && played.empty()))
          continue;
        ModelPrior prior;
        if (s.priors[d - 1]) {
          prior = *s.priors[d - 1];
        } else {
          prior.ratingPrecision = kFirstSeasonPrecision;
          prior.levelPrecision = kFreeLevel;
          prior.goals = 0.3;
          prior.home = 0.25;
        }
        l.ratings.divisions[d - 1] = ratingsOf(ScoreModel::fit(n, played, kAfterEveryJornada, prior), names[d - 1]);
      }
      l.season = std::move(s);
    }
    links_[*it] = std::move(l);
  }
  return links_[key];
}

} // namespace engine
