#include "season/SeasonFile.h"

#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QFile>
#include <QFileInfo>
#include <set>

namespace season {

namespace {

constexpr int kValues = kRecordCount + 2;         // records and the two calendars
constexpr int kExtendedValues = kRecordCount + 4; // and the two 2ª vuelta calendars

bool allDigits(const QString &s)
{
  for (QChar c : s)
    if (c < u'0' || c > u'9')
      return false;
  return true;
}

QString quoted(const QString &s)
{
  return QStringLiteral("«%1»").arg(s.left(40));
}

// The records as read, with the line each started on, checked in file order.
class SeasonChecker {
public:
  SeasonChecker(const std::array<QString, kValues + 3> &values, const std::array<int, kValues + 3> &lines)
      : values_(values), lines_(lines)
  {
  }

  // The first fault found, or an empty text.
  QString check() const
  {
    QString fault = checkCounts();
    if (fault.isEmpty())
      fault = checkJornadas();
    for (int d = 1; d <= 2 && fault.isEmpty(); ++d)
      fault = checkCells(d);
    for (int d = 1; d <= 2 && fault.isEmpty(); ++d)
      fault = checkNames(d);
    for (int d = 1; d <= 2 && fault.isEmpty(); ++d)
      fault = checkCalendar(d, kRecordCount + d, false);
    for (int d = 1; d <= 2 && fault.isEmpty(); ++d)
      fault = checkCalendar(d, kValues + d, true);
    return fault;
  }

private:
  QString where(int k) const
  {
    return QStringLiteral("Registro %1 (línea %2): ").arg(k).arg(lines_[k]);
  }
  int teams(int division) const
  {
    const QString &counts = values_[kTeamCountsRecord];
    return (division == 1 ? counts.left(2) : counts.mid(2, 2)).toInt();
  }

  QString checkCounts() const
  {
    const QString &counts = values_[kTeamCountsRecord];
    bool good = counts.size() == 4 && allDigits(counts);
    for (int d = 1; d <= 2 && good; ++d) {
      const int n = teams(d);
      good = n == 0 || (n >= 2 && n <= kMaxTeams && n % 2 == 0);
    }
    if (good)
      return QString();
    return where(kTeamCountsRecord) +
           QStringLiteral("el número de equipos %1 debe ser cuatro cifras, dos por división: 00 o un número par "
                          "de 02 a 22 (por ejemplo 2022).")
               .arg(quoted(counts));
  }

  QString checkJornadas() const
  {
    const QString &current = values_[kJornadasRecord];
    if (current.size() != 4 || !allDigits(current))
      return where(kJornadasRecord) +
             QStringLiteral("las jornadas actuales %1 deben ser cuatro cifras, dos por división (por ejemplo 0909).")
                 .arg(quoted(current));
    // A division plays 2 x (teams - 1) jornadas. (What a division without
    // teams says it played is never read.)
    for (int d = 1; d <= 2; ++d) {
      const int n = teams(d);
      const int last = 2 * (n - 1);
      const int played = current.mid(2 * (d - 1), 2).toInt();
      if (n >= 2 && played > last)
        return where(kJornadasRecord) +
               QStringLiteral("las jornadas actuales %1 dicen %2 en la %3ª División, que juega %4 jornadas.")
                   .arg(quoted(current))
                   .arg(played)
                   .arg(d)
                   .arg(last);
    }
    return QString();
  }

  QString checkCells(int division) const
  {
    const int n = teams(division);
    const int last = n >= 2 ? 2 * (n - 1) : 0;
    for (int h = 1; h <= kMaxTeams; ++h) {
      for (int a = 1; a <= kMaxTeams; ++a) {
        const int k = Season::cellRecord(division, h, a);
        const QString &cell = values_[k];
        if (cell == QStringLiteral("...."))
          continue;
        if (cell.size() != 4 || !allDigits(cell))
          return where(k) + QStringLiteral("el resultado %1 debe ser «....» (sin jugar) o cuatro cifras: jornada, "
                                           "goles de casa y goles de fuera.")
                                .arg(quoted(cell));
        if (h > n || a > n)
          return where(k) + QStringLiteral("hay un resultado (%1) del equipo %2 contra el %3, y la %4ª División "
                                           "tiene %5 equipos.")
                                .arg(quoted(cell))
                                .arg(h)
                                .arg(a)
                                .arg(division)
                                .arg(n);
        if (h == a)
          return where(k) + QStringLiteral("el resultado %1 es del equipo %2 contra sí mismo.").arg(quoted(cell)).arg(h);
        const int j = cell.left(2).toInt();
        if (j < 1 || j > last)
          return where(k) + QStringLiteral("el resultado %1 es de la jornada %2, y la %3ª División juega las "
                                           "jornadas 1 a %4.")
                                .arg(quoted(cell))
                                .arg(j)
                                .arg(division)
                                .arg(last);
      }
    }
    return QString();
  }

  QString checkNames(int division) const
  {
    const int n = teams(division);
    std::set<QString> seen;
    for (int t = 1; t <= n; ++t) {
      const int k = Season::nameRecord(division, t);
      const QString &name = values_[k];
      const QString whose = QStringLiteral("el nombre %1 del equipo %2 de %3ª División ").arg(quoted(name)).arg(t).arg(division);
      if (name.size() != 5 || name.trimmed().isEmpty())
        return where(k) + whose + QStringLiteral("debe tener cinco caracteres.");
      if (name.contains(u'-'))
        return where(k) + whose + QStringLiteral("no puede llevar el guion «-».");
      if (!seen.insert(name).second)
        return where(k) + whose + QStringLiteral("está repetido.");
    }
    return QString();
  }

  QString checkCalendar(int division, int value, bool secondRound) const
  {
    const QString &calendar = values_[value];
    if (secondRound && calendar.isEmpty())
      return QString();
    const QString which = secondRound ? QStringLiteral("el calendario de la 2ª vuelta de %1ª División").arg(division)
                                      : QStringLiteral("el calendario de %1ª División").arg(division);
    const QString at = QStringLiteral("Línea %1: ").arg(lines_[value]) + which;
    for (int i = 0; i < calendar.size(); ++i) {
      if (calendar[i] != u' ' && (calendar[i] < u'0' || calendar[i] > u'9'))
        return at + QStringLiteral(" tiene %1 en la posición %2; sólo puede tener cifras y blancos.")
                        .arg(quoted(calendar.mid(i, 1)))
                        .arg(i + 1);
    }
    const int n = teams(division);
    const int used = n >= 2 ? (n - 1) * 2 * n : 0;
    for (int j = 1; j <= n - 1; ++j) {
      std::set<int> playing;
      const int shownJornada = secondRound ? j + n - 1 : j;
      for (int i = 1; i <= n / 2; ++i) {
        const QString pair = text::mid(calendar, (j - 1) * 2 * n + (i - 1) * 4 + 1, 4);
        if (pair.trimmed().isEmpty())
          continue;
        const int home = pair.left(2).toInt();
        const int away = pair.mid(2, 2).toInt();
        if (pair.size() != 4 || !allDigits(pair) || home < 1 || home > n || away < 1 || away > n || home == away)
          return at + QStringLiteral(", jornada %1, partido %2, dice %3: deben ser dos equipos distintos de 1 a %4.")
                          .arg(shownJornada)
                          .arg(i)
                          .arg(quoted(pair))
                          .arg(n);
        for (int team : {home, away})
          if (!playing.insert(team).second)
            return at + QStringLiteral(": en la jornada %1 el equipo %2 juega dos veces.").arg(shownJornada).arg(team);
      }
    }
    for (int i = used; i < calendar.size(); ++i)
      if (calendar[i] != u' ')
        return at + QStringLiteral(" sigue después de su última jornada, en la posición %1; ahí debe estar en blanco.")
                        .arg(i + 1);
    return QString();
  }

  const std::array<QString, kValues + 3> &values_;
  const std::array<int, kValues + 3> &lines_;
};

} // namespace

std::optional<Season> parseSeasonText(const QString &content, QString *error)
{
  auto fail = [error](const QString &why) {
    if (error)
      *error = QStringLiteral("El archivo no es una temporada válida.\r\n") + why;
    return std::nullopt;
  };
  text::SequentialReader reader(content);
  // Values 1..1038, and 1039..1040 when the 2ª vuelta line is there.
  std::array<QString, kValues + 3> values;
  std::array<int, kValues + 3> lines{};
  int count = 0;
  while (count < kExtendedValues) {
    if (count == kValues && reader.onlyBlanksLeft())
      break;
    const std::optional<QString> value = reader.next();
    if (!value && count == 0)
      return fail(QStringLiteral("El archivo está vacío."));
    if (!value)
      return fail(QStringLiteral("Faltan datos: el archivo acaba en la línea %1, con %2 de los %3 valores de una "
                                 "temporada.")
                      .arg(reader.line())
                      .arg(count)
                      .arg(count > kValues ? kExtendedValues : kValues));
    if (reader.lastWasUnterminated())
      return fail(QStringLiteral("La línea %1 abre unas comillas que no se cierran: el archivo está cortado.")
                      .arg(reader.line()));
    if (reader.lastWasBlankLine())
      return fail(QStringLiteral("La línea %1 está en blanco: cada dato de la temporada va en su propia línea, entre "
                                 "comillas.")
                      .arg(reader.line()));
    ++count;
    values[count] = *value;
    lines[count] = reader.line();
    // The two calendars of a line share it: a record too many or too few
    // before them shows here.
    if ((count == kValues || count == kExtendedValues) && lines[count] != lines[count - 1])
      return fail(QStringLiteral("La línea %1 debe llevar los dos calendarios separados por una coma: sobra o falta "
                                 "una línea antes de ella.")
                      .arg(lines[count - 1]));
  }
  if (!reader.onlyBlanksLeft()) {
    reader.next();
    return fail(QStringLiteral("Sobran datos desde la línea %1: una temporada tiene %2 valores (%3 con los "
                               "calendarios de la 2ª vuelta).")
                    .arg(reader.line())
                    .arg(kValues)
                    .arg(kExtendedValues));
  }
  const QString fault = SeasonChecker(values, lines).check();
  if (!fault.isEmpty())
    return fail(fault);

  Season season;
  for (int k = 1; k <= kRecordCount; ++k)
    season.setRecord(k, values[k]);
  season.setCalendars(values[kRecordCount + 1], values[kRecordCount + 2]);
  season.setSecondRoundCalendars(values[kValues + 1], values[kValues + 2]);
  return season;
}

std::optional<Season> readSeasonFile(const QString &path, QString *error)
{
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) {
    if (error)
      *error = QStringLiteral("No se ha encontrado el archivo %1").arg(path);
    return std::nullopt;
  }
  if (info.size() > kLargestSeasonFile) {
    if (error)
      *error = QStringLiteral("El archivo %1 es demasiado grande para ser una temporada.").arg(path);
    return std::nullopt;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error)
      *error = QStringLiteral("No se puede abrir el archivo %1: %2").arg(path, file.errorString());
    return std::nullopt;
  }
  QString parseError;
  auto season = parseSeasonText(text::decodeDataFile(file.readAll()), &parseError);
  if (!season && error)
    *error = parseError + QStringLiteral("\r\n") + path;
  return season;
}

void markUnplayed(Season &season)
{
  // Names are left alone: a name is five characters, and "...." is none.
  for (int k = 1; k <= kRecordCount; ++k) {
    if (k > kMatrixRecords && k <= kTeamCountsRecord)
      continue;
    if (season.record(k).contains(QStringLiteral("..")))
      season.setRecord(k, QStringLiteral("...."));
  }
}

std::optional<QByteArray> seasonFileBytes(const Season &season, QString *error)
{
  QString content;
  content.reserve(kRecordCount * 9 + 4 * kCalendarLength + 16);
  for (int k = 1; k <= kRecordCount; ++k)
    content += text::quotedLine({season.record(k)});
  content += text::quotedLine({season.calendar(1), season.calendar(2)});
  if (season.hasSecondRoundCalendars())
    content += text::quotedLine({season.secondRoundCalendar(1), season.secondRoundCalendar(2)});
  const int bad = text::firstOutsideWindows1252(content);
  if (bad >= 0) {
    if (error) {
      const int line = static_cast<int>(content.left(bad).count(u'\n')) + 1;
      *error = QStringLiteral("No se ha guardado la temporada: la línea %1 lleva el carácter %2, que el archivo de "
                              "temporada (Windows-1252) no puede guardar.")
                   .arg(line)
                   .arg(quoted(content.mid(bad, content[bad].isHighSurrogate() ? 2 : 1)));
    }
    return std::nullopt;
  }
  return text::encodeWindows1252(content);
}

QString writeSeasonFile(const QString &path, const Season &season)
{
  QString error;
  const std::optional<QByteArray> bytes = seasonFileBytes(season, &error);
  if (!bytes)
    return error;
  return text::writeFileAtomically(path, *bytes);
}

} // namespace season
