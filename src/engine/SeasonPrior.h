#pragma once
// What the score model carries from one season into the next. The ratings a
// division ends a season with seed the prior of the next season's model,
// team by team through their five-letter names:
//   - a team that stays in its division keeps its last rating;
//   - a team promoted to 1ª starts at 0.65 x the mean of the teams that went
//     down from 1ª;
//   - a team relegated to 2ª starts at 0.65 x the mean of the teams that went
//     up out of 2ª;
//   - a team new to 2ª from below starts at 0.35 x the mean of the teams that
//     dropped out of 2ª;
// then the attacks and the defences are centred within the division, and the
// goal level and home advantage are last season's. The season before
// "EdatoNN.txt" is "Edato(NN-1).txt" in the same folder, whose own final fit
// used the season before it, and so back as far as the files go.

#include "engine/ScoreModel.h"
#include "season/Season.h"

#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace engine {

// A division's ratings at the end of a season, centred: the attacks and the
// defences average 0, and the goal level takes up what they averaged.
struct DivisionRatings {
  QStringList names;                   // five-letter names, team 1 first
  std::vector<double> attack, defence; // in the order of the names
  double goals = 0, home = 0;
};

struct SeasonRatings {
  std::array<std::optional<DivisionRatings>, 2> divisions; // 1ª, 2ª
};

// The ratings of a fitted model, for teams named 1..names.size().
DivisionRatings ratingsOf(const ScoreModel &model, const QStringList &names);

// The prior of one division (1 or 2) of a season whose divisions hold the
// teams named, seeded from the ratings of the season before. Nothing when the
// season before has no ratings of that division or the division no teams.
std::optional<ModelPrior> seedPrior(const std::array<QStringList, 2> &teams, int division,
                                    const SeasonRatings &previous);

// The five-letter names of a division's teams, team 1 first.
QStringList teamNames(const season::Season &season, int division);
// The division's played matches, in the order of the matrix.
std::vector<PlayedMatch> playedMatches(const season::Season &season, int division);

// "EdatoNN.txt" gives "Edato(NN-1).txt" in the same folder, with as many
// digits; any other name, or NN 0, gives an empty path.
QString previousSeasonPath(const QString &path);

// The model of a division for jornada `jornada`: held to the prior where
// there is one, otherwise the model without a past.
ScoreModel modelFor(const season::Season &season, int division, int jornada, const std::optional<ModelPrior> &prior);

// A season and what its model starts from.
struct SeasonWithPast {
  season::Season season;
  QString previousFile; // the file name the prior comes from; empty: none
  std::array<std::optional<ModelPrior>, 2> priors;
};

// Follows seasons back through their files, fitting each one once however
// many later seasons ask for it. Not shared between threads.
class SeasonChain {
public:
  // Nothing, with error set, when the file cannot be read as a season.
  std::optional<SeasonWithPast> load(const QString &path, QString *error = nullptr);
  // The priors of a season held in memory (with results typed in since it
  // was read, say) whose file is `path`: seeded from the season before that
  // file. previousFile, when given, gets that season's file name, or an
  // empty text when there is no prior.
  std::array<std::optional<ModelPrior>, 2> priorsFor(const QString &path, const season::Season &season,
                                                     QString *previousFile = nullptr);

private:
  struct Link {
    std::optional<SeasonWithPast> season; // nothing: unreadable
    QString error;
    SeasonRatings ratings; // at its end
  };
  const Link &link(const QString &path);
  std::map<QString, Link> links_; // by absolute path
};

} // namespace engine
