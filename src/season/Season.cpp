// The season's shared accessors: team counts, result lookup, fixtures, names.
#include "season/Qmodelop.h"
#include "text/TextRules.h"

#include <QDate>
#include <algorithm>

using text::fmt;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

int Qmodelop::teamCountOf(int div) const
{
  const QString &counts = seasonRecords[1014];
  const int n = ival(div == 1 ? left(counts, 2) : right(counts, 2));
  return std::clamp(n, 0, kMaxTeams);
}

void Qmodelop::lookUpResult(const QString &key)
{
  if (key == QStringLiteral("0000") || key == QStringLiteral("    ")) {
    lookupGoals = QStringLiteral("..");
    return;
  }
  const int home = ival(left(key, 2));
  const int away = ival(right(key, 2));
  const int offset = division == 1 ? 0 : 2420;
  const int position = ((home - 1) * 22 + (away - 1)) * 5 + offset + 1;
  const QString cell = mid(resultsText, position, 4);
  lookupGoals = right(cell, 2);
  lookupJornada = left(cell, 2);
}

void Qmodelop::buildFixture(int j)
{
  const int n = teamCount();
  const QString &calendar = division == 1 ? calendar1 : calendar2;
  const int jj = j > n - 1 ? j - (n - 1) : j;
  const QString slice = mid(calendar, (jj - 1) * 2 * n + 1, 2 * n);
  for (int i = 1; i <= n / 2 && i < static_cast<int>(homeTeam.size()); ++i) {
    const int16_t p = ival(mid(slice, (i - 1) * 4 + 1, 2));
    const int16_t q = ival(mid(slice, (i - 1) * 4 + 3, 2));
    if (j < n) {
      homeTeam[i] = p;
      awayTeam[i] = q;
    } else {
      homeTeam[i] = q;
      awayTeam[i] = p;
    }
  }
}

int Qmodelop::teamNumberOf(const QString &name) const
{
  return text::instr(teamNameList, name) / 6 + 1;
}

QString Qmodelop::nameFromNamesText(int k) const
{
  if (k < 1 || k > kMaxTeams)
    return QString();
  return mid(namesText, ((division - 1) * 22 + k - 1) * 6 + 1, 5);
}

QString Qmodelop::safeTeamName(int slot) const
{
  return slot >= 0 && slot <= kMaxTeams ? teamName[slot] : QString();
}

QString Qmodelop::seasonDigits(const QDate &today)
{
  const int year = today.month() > 7 ? today.year() + 1 : today.year();
  return fmt(ival(right(QString::number(year), 2)), QStringLiteral("00"));
}

QString Qmodelop::defaultSeasonFileName() const
{
  return QStringLiteral("Edato") + seasonDigits(services.clock->today()) + QStringLiteral(".txt");
}

bool Qmodelop::fileExists(const QString &path) const
{
  return !path.isEmpty() && services.fileInfo && services.fileInfo->exists(path);
}

} // namespace vaticor
