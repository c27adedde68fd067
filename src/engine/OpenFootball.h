#pragma once
// Reading the league files of the openfootball project (Football.TXT, public
// domain): a title line, comments, round headers, date lines and match lines,
// in either of the two forms the files come in:
//   "  21:00  Home v Away   2-1 (1-0)"    and    "  21:00  Home   2-1 (1-0)  Away"
// with an optional time, an optional half-time score, "[awarded]" results
// (played) and fixtures without a score (not played).

#include <QList>
#include <QString>
#include <optional>

namespace engine {

struct LeagueMatch {
  int round = 0;
  QString home, away; // as the file writes them
  bool played = false;
  int homeGoals = 0, awayGoals = 0;
  int line = 0; // where the file has it, for messages
};

struct LeagueFile {
  QString fileName;
  QString title;
  int seasonDigits = -1; // the two digits of the year the season ends, from the title
  QList<LeagueMatch> matches; // in file order
};

// Nothing, with error set (naming the file and the line), when a line is
// neither of the known kinds.
std::optional<LeagueFile> readLeagueFile(const QString &text, const QString &fileName, QString *error);

} // namespace engine
