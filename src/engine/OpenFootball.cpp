#include "engine/OpenFootball.h"

#include <QRegularExpression>

namespace engine {

namespace {

const QRegularExpression kRound(QStringLiteral("^(?:(?:Matchday|Jornada|Round)\\s+(\\d+)|(\\d+)\\.\\s*Round)$"),
                                QRegularExpression::CaseInsensitiveOption);
const QRegularExpression kDate(
    QStringLiteral("^\\[?(?:Mon|Tue|Wed|Thu|Fri|Sat|Sun)[a-z]*\\.?,?\\s+"
                   "(?:Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)[a-z]*\\.?\\s*/?\\s*\\d{1,2}(?:,?\\s+\\d{4})?\\]?$"));
const QRegularExpression kTime(QStringLiteral("^\\d{1,2}[:.]\\d{2}\\s+"));
const QRegularExpression kAwarded(QStringLiteral("\\s*\\[awarded\\]$"), QRegularExpression::CaseInsensitiveOption);
// "Home v Away", then optionally the score and the half-time score.
const QRegularExpression kVersus(
    QStringLiteral("^(.+?)\\s+v\\s+(.+?)(?:\\s+(\\d+)-(\\d+)(?:\\s+\\(\\d+-\\d+\\))?)?$"));
// "Home  2-1 (1-0)  Away": the score between the names.
const QRegularExpression kBetween(QStringLiteral("^(.+?)\\s{2,}(\\d+)-(\\d+)(?:\\s+\\(\\d+-\\d+\\))?\\s{2,}(.+)$"));
// What a club's name never holds: a score, brackets.
const QRegularExpression kNotAName(QStringLiteral("\\d+\\s*-\\s*\\d+|[()\\[\\]]"));
const QRegularExpression kSeason(QStringLiteral("(\\d{4})\\s*/\\s*(\\d{2})\\b"));

} // namespace

std::optional<LeagueFile> readLeagueFile(const QString &text, const QString &fileName, QString *error)
{
  LeagueFile file;
  file.fileName = fileName;
  int round = 0;
  const QStringList lines = text.split(u'\n');
  for (int n = 1; n <= lines.size(); ++n) {
    QString s = lines[n - 1].trimmed();
    if (s.isEmpty() || s.startsWith(u'#'))
      continue;
    if (s.startsWith(u'=')) {
      if (file.title.isEmpty()) {
        file.title = s.mid(1).trimmed();
        const QRegularExpressionMatch m = kSeason.match(file.title);
        if (m.hasMatch())
          file.seasonDigits = m.captured(2).toInt();
      }
      continue;
    }
    // A round header may carry a bullet before it ("▪ Matchday 1").
    QString header = s;
    while (!header.isEmpty() && !header[0].isLetterOrNumber())
      header.remove(0, 1);
    const QRegularExpressionMatch r = kRound.match(header.trimmed());
    if (r.hasMatch()) {
      round = (r.captured(1).isEmpty() ? r.captured(2) : r.captured(1)).toInt();
      continue;
    }
    if (kDate.match(s).hasMatch())
      continue;

    auto fail = [&](const QString &why) {
      if (error)
        *error = QStringLiteral("%1, línea %2: %3\n«%4»").arg(fileName).arg(n).arg(why, lines[n - 1].trimmed());
      return std::nullopt;
    };
    if (round < 1)
      return fail(QStringLiteral("un partido antes de la primera jornada."));
    s.remove(kTime);
    LeagueMatch match;
    match.round = round;
    match.line = n;
    const bool awarded = kAwarded.match(s).hasMatch();
    s.remove(kAwarded);
    QRegularExpressionMatch m = kVersus.match(s);
    if (m.hasMatch()) {
      match.home = m.captured(1).trimmed();
      match.away = m.captured(2).trimmed();
      match.played = !m.captured(3).isEmpty();
      match.homeGoals = m.captured(3).toInt();
      match.awayGoals = m.captured(4).toInt();
    } else if ((m = kBetween.match(s)).hasMatch()) {
      match.home = m.captured(1).trimmed();
      match.away = m.captured(4).trimmed();
      match.played = true;
      match.homeGoals = m.captured(2).toInt();
      match.awayGoals = m.captured(3).toInt();
    } else {
      return fail(QStringLiteral("no es un partido ni otra línea conocida."));
    }
    if (match.home.isEmpty() || match.away.isEmpty() || kNotAName.match(match.home).hasMatch() ||
        kNotAName.match(match.away).hasMatch())
      return fail(QStringLiteral("no se entiende el partido: los equipos o el resultado no están en su sitio."));
    if (awarded && !match.played)
      return fail(QStringLiteral("un resultado «[awarded]» sin marcador."));
    file.matches.append(match);
  }
  return file;
}

} // namespace engine
