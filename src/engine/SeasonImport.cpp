#include "engine/SeasonImport.h"

#include "season/SeasonFile.h"
#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>

using text::fmt;

namespace engine {

namespace {

QString withoutAccents(QString s)
{
  static const QHash<QChar, QChar> plain = {{u'Á', u'A'}, {u'À', u'A'}, {u'É', u'E'}, {u'Í', u'I'},
                                            {u'Ó', u'O'}, {u'Ú', u'U'}, {u'Ü', u'U'}, {u'Ç', u'C'},
                                            {u'Ñ', u'N'}, {u'Ò', u'O'}, {u'È', u'E'}, {u'Ï', u'I'}};
  for (QChar &c : s)
    c = plain.value(c, c);
  return s;
}

QString pair(int home, int away)
{
  return fmt(home, QStringLiteral("00")) + fmt(away, QStringLiteral("00"));
}

struct BuiltDivision {
  QStringList teams;
  QString calendar, secondRound;
  bool mirrors = true;
  DivisionSummary summary;
};

// One division's matches into the season; an empty text on success.
QString buildDivision(int d, const LeagueFile &file, const NameTable &names, season::Season &s, BuiltDivision &out,
                      QStringList &warnings)
{
  const QString division = QStringLiteral("%1ª División").arg(d);
  QSet<QString> clubs;
  for (const LeagueMatch &m : file.matches)
    clubs << names.shortName(m.home) << names.shortName(m.away);
  QStringList teams(clubs.begin(), clubs.end());
  std::sort(teams.begin(), teams.end(), namesInOrder);
  const int n = static_cast<int>(teams.size());
  if (n < 2 || n > season::kMaxTeams || n % 2 != 0)
    return QStringLiteral("La %1 de %2 tiene %3 equipos; deben ser un número par de 2 a 22.")
        .arg(division, file.fileName)
        .arg(n);
  const int rounds = 2 * (n - 1);
  auto number = [&](const QString &club) { return static_cast<int>(teams.indexOf(names.shortName(club))) + 1; };

  QMap<int, QList<const LeagueMatch *>> byRound;
  for (const LeagueMatch &m : file.matches) {
    if (m.round > rounds)
      return QStringLiteral("%1, línea %2: la jornada %3 no existe; la %4 de %5 equipos tiene %6 jornadas.")
          .arg(file.fileName)
          .arg(m.line)
          .arg(m.round)
          .arg(division)
          .arg(n)
          .arg(rounds);
    byRound[m.round].append(&m);
  }
  QHash<QString, int> met; // pairing -> round
  for (int r = 1; r <= rounds; ++r) {
    const QList<const LeagueMatch *> &matches = byRound[r];
    if (matches.size() != n / 2)
      return QStringLiteral("La jornada %1 de la %2 (%3) tiene %4 partidos; deben ser %5.")
          .arg(r)
          .arg(division, file.fileName)
          .arg(matches.size())
          .arg(n / 2);
    QSet<int> playing;
    QSet<QString> pairs;
    QString slice;
    for (const LeagueMatch *m : matches) {
      const int h = number(m->home), a = number(m->away);
      const QString where = QStringLiteral("%1, línea %2: ").arg(file.fileName).arg(m->line);
      if (h == a)
        return where + QStringLiteral("%1 juega contra sí mismo.").arg(teams[h - 1]);
      for (int t : {h, a})
        if (playing.contains(t))
          return where + QStringLiteral("%1 juega dos veces en la jornada %2.").arg(teams[t - 1]).arg(r);
      playing << h << a;
      const QString key = pair(h, a);
      if (met.contains(key))
        return where + QStringLiteral("el partido %1 - %2 ya se juega en la jornada %3; cada pareja se enfrenta una "
                                      "vez en cada campo.")
                           .arg(teams[h - 1], teams[a - 1])
                           .arg(met.value(key));
      met.insert(key, r);
      pairs << key;
      slice += key;
      if (m->played) {
        int hg = m->homeGoals, ag = m->awayGoals;
        if (hg > 9 || ag > 9) {
          warnings << QStringLiteral("%1 - %2 (jornada %3, %4): %5-%6 se guarda como %7-%8.")
                          .arg(teams[h - 1], teams[a - 1])
                          .arg(r)
                          .arg(division)
                          .arg(hg)
                          .arg(ag)
                          .arg(std::min(hg, 9))
                          .arg(std::min(ag, 9));
          hg = std::min(hg, 9);
          ag = std::min(ag, 9);
        }
        s.setRecord(season::Season::cellRecord(d, h, a), fmt(r, QStringLiteral("00")) + QString::number(hg) +
                                                              QString::number(ag));
        ++out.summary.played;
        out.summary.reached = std::max(out.summary.reached, r);
      }
    }
    if (r <= n - 1) {
      out.calendar += slice;
    } else {
      out.secondRound += slice;
      // The mirror: the 1ª vuelta round n - 1 earlier, home and away exchanged.
      QSet<QString> mirrored;
      for (const LeagueMatch *m : byRound[r - (n - 1)])
        mirrored << pair(number(m->away), number(m->home));
      if (mirrored != pairs)
        out.mirrors = false;
    }
  }
  out.teams = teams;
  out.summary.teams = n;
  for (int t = 1; t <= n; ++t)
    s.setRecord(season::Season::nameRecord(d, t), teams[t - 1]);
  return QString();
}

} // namespace

bool namesInOrder(const QString &a, const QString &b)
{
  const QString ka = withoutAccents(a), kb = withoutAccents(b);
  return ka != kb ? ka < kb : a < b;
}

std::optional<ImportedSeason> importSeason(const LeagueFile &first, const LeagueFile *second, const NameTable &names,
                                           QString *error)
{
  auto fail = [error](const QString &why) {
    if (error)
      *error = why;
    return std::nullopt;
  };
  // Every club the table lacks, each once, before anything else.
  QStringList missing;
  for (const LeagueFile *file : {&first, second}) {
    if (!file)
      continue;
    for (const LeagueMatch &m : file->matches)
      for (const QString &club : {m.home, m.away})
        if (names.shortName(club).isEmpty() && !missing.contains(club))
          missing << club;
  }
  if (!missing.isEmpty())
    return fail(QStringLiteral("Estos clubes no están en la tabla de nombres:\n  ") + missing.join(QStringLiteral("\n  ")) +
                QStringLiteral("\nAñada a la tabla una línea «nombre del club;NOMBR» por cada uno (NOMBR: el nombre de "
                               "cinco caracteres que mostrará el programa) y vuelva a importar."));

  ImportedSeason imported;
  season::Season &s = imported.season;
  BuiltDivision built[2];
  for (int d = 1; d <= 2; ++d) {
    const LeagueFile *file = d == 1 ? &first : second;
    if (!file)
      continue;
    const QString why = buildDivision(d, *file, names, s, built[d - 1], imported.warnings);
    if (!why.isEmpty())
      return fail(why);
    imported.divisions[d - 1] = built[d - 1].summary;
  }
  s.setRecord(season::kJornadasRecord, fmt(built[0].summary.reached, QStringLiteral("00")) +
                                           fmt(built[1].summary.reached, QStringLiteral("00")));
  s.setRecord(season::kTeamCountsRecord, fmt(built[0].summary.teams, QStringLiteral("00")) +
                                             fmt(built[1].summary.teams, QStringLiteral("00")));
  s.setCalendars(built[0].calendar, built[1].calendar);
  imported.secondRoundLine = !built[0].mirrors || !built[1].mirrors;
  if (imported.secondRoundLine)
    s.setSecondRoundCalendars(built[0].mirrors ? QString() : built[0].secondRound,
                              built[1].mirrors ? QString() : built[1].secondRound);

  // What is written must read back as a season.
  QString problem;
  const std::optional<QByteArray> bytes = season::seasonFileBytes(s, &problem);
  if (!bytes || !season::parseSeasonText(text::decodeDataFile(*bytes), &problem))
    return fail(problem);
  return imported;
}

QStringList importSummary(const ImportedSeason &imported)
{
  QStringList lines;
  for (int d = 1; d <= 2; ++d) {
    const DivisionSummary &s = imported.divisions[d - 1];
    lines << QStringLiteral("%1ª División: %2 equipos, %3 partidos jugados, jornada %4")
                 .arg(d)
                 .arg(s.teams)
                 .arg(s.played)
                 .arg(s.reached);
  }
  lines << (imported.secondRoundLine ? QStringLiteral("Calendario de la 2ª vuelta: escrito (no es la simétrica de la 1ª)")
                                     : QStringLiteral("Calendario de la 2ª vuelta: simétrico de la 1ª"));
  return lines;
}

} // namespace engine

#include <QFile>
#include <QFileInfo>

namespace engine {

namespace {

std::optional<LeagueFile> readFile(const QString &path, QString *error)
{
  const std::optional<QByteArray> bytes = text::readFileCapped(path, error);
  if (!bytes)
    return std::nullopt;
  return readLeagueFile(text::decodeDataFile(*bytes), QFileInfo(path).fileName(), error);
}

} // namespace

std::optional<ImportedSeason> importTexts(const QString &first, const QString &firstName, const QString &second,
                                          const QString &secondName, const NameTable &names, QString *error)
{
  const std::optional<LeagueFile> one = readLeagueFile(first, firstName, error);
  if (!one)
    return std::nullopt;
  std::optional<LeagueFile> two;
  if (!second.isNull() && !(two = readLeagueFile(second, secondName, error)))
    return std::nullopt;
  return importSeason(*one, two ? &*two : nullptr, names, error);
}

std::optional<ImportedSeason> importFiles(const QString &first, const QString &second, const QString &table,
                                          QString *error)
{
  const std::optional<NameTable> names = NameTable::read(table, error);
  if (!names)
    return std::nullopt;
  const std::optional<LeagueFile> one = readFile(first, error);
  if (!one)
    return std::nullopt;
  std::optional<LeagueFile> two;
  if (!second.isEmpty() && !(two = readFile(second, error)))
    return std::nullopt;
  QString why;
  std::optional<ImportedSeason> imported = importSeason(*one, two ? &*two : nullptr, *names, &why);
  if (!imported && error)
    *error = why.startsWith(QStringLiteral("Estos clubes")) ? why + QStringLiteral("\nTabla de nombres: ") + table : why;
  return imported;
}

} // namespace engine
